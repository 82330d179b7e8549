// Change notifications through FindFirstChangeNotificationW, without threads
// of their own: the program's message loop waits on the notification handles
// beside its messages (IWaitSource) and hands a signalled one back here; the
// change is then posted to the controller's window as a message. A thread
// per folder would cost more than a megabyte of memory each under Wine for
// a wait that is almost always idle.
//
// While a menu or a modal dialog runs a message loop of its own, nothing
// waits on the handles: a change made meanwhile is reported when that loop
// ends (the scan timer keeps scanning in the meantime).
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <string>

#include "platform/ChangeWatch.h"

namespace platform {

// Handles a message loop waits on beside its messages.
class IWaitSource {
 public:
  virtual ~IWaitSource() = default;
  // Writes up to `capacity` handles to wait on; returns how many.
  virtual std::size_t WaitHandles(HANDLE* handles, std::size_t capacity) = 0;
  // One of the handles just given was signalled.
  virtual void Signalled(HANDLE handle) = 0;
};

class Win32ChangeWatch : public IChangeWatch, public IWaitSource {
 public:
  static constexpr int kSlots = 4;

  // Changes are posted to `window` as `message`, wParam the slot, lParam 1
  // when the watch failed and ended (0 for a change).
  Win32ChangeWatch(HWND window, UINT message);
  ~Win32ChangeWatch() override;
  Win32ChangeWatch(const Win32ChangeWatch&) = delete;
  Win32ChangeWatch& operator=(const Win32ChangeWatch&) = delete;

  bool Arm(int slot, const std::string& folder) override;
  void Disarm(int slot) override;
  // The message of `slot` was taken from the queue: the next change posts
  // another. (One message at a time per slot, whatever the rate of changes.)
  void Acknowledge(int slot) override;

  std::size_t WaitHandles(HANDLE* handles, std::size_t capacity) override;
  void Signalled(HANDLE handle) override;

 private:
  struct Watch {
    HANDLE change = INVALID_HANDLE_VALUE;
    bool posted = false;
  };
  HWND window_;
  UINT message_;
  std::array<Watch, kSlots> watches_;
};

}  // namespace platform
