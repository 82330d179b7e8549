#include "platform/Win32ChangeWatch.h"

#include "platform/Win32Text.h"

namespace platform {

Win32ChangeWatch::Win32ChangeWatch(HWND window, UINT message) : window_(window), message_(message) {}

Win32ChangeWatch::~Win32ChangeWatch() {
  for (int slot = 0; slot < kSlots; ++slot) Disarm(slot);
}

bool Win32ChangeWatch::Arm(int slot, const std::string& folder) {
  if (slot < 0 || slot >= kSlots) return false;
  Disarm(slot);
  if (folder.empty()) return false;
  Watch& watch = watches_[slot];
  watch.change = FindFirstChangeNotificationW(
      Wide(folder).c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE);
  return watch.change != INVALID_HANDLE_VALUE;
}

void Win32ChangeWatch::Disarm(int slot) {
  if (slot < 0 || slot >= kSlots) return;
  Watch& watch = watches_[slot];
  if (watch.change != INVALID_HANDLE_VALUE) FindCloseChangeNotification(watch.change);
  watch = Watch{};
}

void Win32ChangeWatch::Acknowledge(int slot) {
  if (slot >= 0 && slot < kSlots) watches_[slot].posted = false;
}

std::size_t Win32ChangeWatch::WaitHandles(HANDLE* handles, std::size_t capacity) {
  std::size_t count = 0;
  for (const Watch& watch : watches_) {
    if (watch.change != INVALID_HANDLE_VALUE && count < capacity) handles[count++] = watch.change;
  }
  return count;
}

void Win32ChangeWatch::Signalled(HANDLE handle) {
  for (int slot = 0; slot < kSlots; ++slot) {
    Watch& watch = watches_[slot];
    if (watch.change != handle) continue;
    // The handle is waited on again at once: it is re-armed before the
    // message goes, and a failed re-arm ends the watch (a handle that stays
    // signalled would keep the loop from sleeping).
    if (!FindNextChangeNotification(watch.change)) {
      Disarm(slot);
      PostMessageW(window_, message_, static_cast<WPARAM>(slot), 1);
    } else if (!watch.posted) {
      watch.posted = true;
      PostMessageW(window_, message_, static_cast<WPARAM>(slot), 0);
    }
    return;
  }
}

}  // namespace platform
