#include "platform/Win32ChangeWatch.h"

namespace platform {

namespace {

// What tells a folder from another folder later made under the same path.
struct FolderIdentity {
  DWORD volume = 0;
  ULONGLONG index = 0;
  bool operator==(const FolderIdentity&) const = default;
};

bool IdentifyFolder(const std::string& folder, FolderIdentity& identity) {
  // Opened for its attributes only, sharing everything: no other program is
  // kept from renaming or deleting the folder meanwhile.
  const HANDLE opened = CreateFileA(folder.c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return false;
  UniqueHandle handle(opened);
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(handle.get(), &info) || !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return false;
  }
  identity.volume = info.dwVolumeSerialNumber;
  identity.index = (static_cast<ULONGLONG>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  return true;
}

}  // namespace

struct Win32ChangeWatch::Watch {
  HWND window;
  UINT message;
  int slot;
  std::string folder;
  FolderIdentity identity;
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
  watch->folder = folder;
  if (folder.empty() || !IdentifyFolder(folder, watch->identity)) return false;
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

bool Win32ChangeWatch::Intact(int slot) {
  if (slot < 0 || slot >= kSlots || !watches_[slot]) return false;
  Watch& watch = *watches_[slot];
  // The thread ends when the notification failed.
  if (WaitForSingleObject(watch.thread.get(), 0) != WAIT_TIMEOUT) return false;
  FolderIdentity now;
  return IdentifyFolder(watch.folder, now) && now == watch.identity;
}

void Win32ChangeWatch::Acknowledge(int slot) {
  if (slot >= 0 && slot < kSlots && watches_[slot]) watches_[slot]->posted = false;
}

}  // namespace platform
