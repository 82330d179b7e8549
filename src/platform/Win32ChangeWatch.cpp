#include "platform/Win32ChangeWatch.h"

namespace platform {

struct Win32ChangeWatch::Watch {
  HWND window;
  UINT message;
  int slot;
  HANDLE change = INVALID_HANDLE_VALUE;
  UniqueHandle stop;
  UniqueHandle thread;
  std::atomic<bool> posted{false};

  ~Watch() {
    if (thread) {
      SetEvent(stop.get());
      WaitForSingleObject(thread.get(), INFINITE);
    }
    if (change != INVALID_HANDLE_VALUE) FindCloseChangeNotification(change);
  }

  static DWORD WINAPI Run(void* self) {
    Watch& w = *static_cast<Watch*>(self);
    const HANDLE handles[2] = {w.stop.get(), w.change};
    for (;;) {
      const DWORD result = WaitForMultipleObjects(2, handles, FALSE, INFINITE);
      if (result == WAIT_OBJECT_0) return 0;
      const bool lost = result != WAIT_OBJECT_0 + 1 || !FindNextChangeNotification(w.change);
      if (lost) {
        PostMessageA(w.window, w.message, static_cast<WPARAM>(w.slot), 1);
        return 0;
      }
      if (!w.posted.exchange(true)) PostMessageA(w.window, w.message, static_cast<WPARAM>(w.slot), 0);
    }
  }
};

Win32ChangeWatch::Win32ChangeWatch(HWND window, UINT message) : window_(window), message_(message) {}

Win32ChangeWatch::~Win32ChangeWatch() {
  for (int slot = 0; slot < kSlots; ++slot) Disarm(slot);
}

bool Win32ChangeWatch::Arm(int slot, const std::string& folder) {
  if (slot < 0 || slot >= kSlots) return false;
  Disarm(slot);
  auto watch = std::make_unique<Watch>();
  watch->window = window_;
  watch->message = message_;
  watch->slot = slot;
  if (folder.empty()) return false;
  watch->change = FindFirstChangeNotificationA(
      folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE);
  if (watch->change == INVALID_HANDLE_VALUE) return false;
  watch->stop.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  if (!watch->stop) return false;
  watch->thread.reset(CreateThread(nullptr, 64 * 1024, &Watch::Run, watch.get(), STACK_SIZE_PARAM_IS_A_RESERVATION,
                                   nullptr));
  if (!watch->thread) return false;
  watches_[slot] = std::move(watch);
  return true;
}

void Win32ChangeWatch::Disarm(int slot) {
  if (slot >= 0 && slot < kSlots) watches_[slot].reset();
}

void Win32ChangeWatch::Acknowledge(int slot) {
  if (slot >= 0 && slot < kSlots && watches_[slot]) watches_[slot]->posted = false;
}

}  // namespace platform
