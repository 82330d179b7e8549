// Change notifications through FindFirstChangeNotificationA. Each watched
// folder has a small thread of its own that only waits on the notification
// handle and posts a message to the controller's window; it reads and writes
// nothing else of the program, so all the work stays on the user-interface
// thread, also while a menu or a modal dialog runs its own message loop.
#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <memory>
#include <string>

#include "platform/ChangeWatch.h"
#include "platform/Win32Handles.h"

namespace platform {

class Win32ChangeWatch : public IChangeWatch {
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
  void Acknowledge(int slot);

 private:
  struct Watch;
  HWND window_;
  UINT message_;
  std::array<std::unique_ptr<Watch>, kSlots> watches_;
};

}  // namespace platform
