// The change watch against the real file system: a file written into a
// watched folder reaches the scan trigger through the window's message queue
// and makes a scan; a watched folder that is deleted falls back to the timer
// and is watched again once it is back.
#include "platform/Win32ChangeWatch.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <initializer_list>
#include <iterator>
#include <string>

#include "ShortcutWriter.h"
#include "recent/ScanTrigger.h"

namespace {

constexpr UINT kChangeMessage = WM_APP + 7;

// The controller's glue, on a message-only window: the loop below waits on
// the watch's handles as the program's does, the watch posts to the window,
// the settling timer is a window timer, a scan is recorded with its time.
class WatchedWindow : public quenlark::IScanTriggerHost {
 public:
  WatchedWindow() {
    window_ = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    watch_ = std::make_unique<platform::Win32ChangeWatch>(window_, kChangeMessage);
    trigger_ = std::make_unique<quenlark::ScanTrigger>(*watch_, *this);
  }
  ~WatchedWindow() override {
    trigger_.reset();
    watch_.reset();
    DestroyWindow(window_);
  }

  quenlark::ScanTrigger& Trigger() { return *trigger_; }
  int scans = 0;
  std::uint64_t lastScan = 0;

  std::uint64_t NowMilliseconds() override { return GetTickCount64(); }
  void StartSettleTimer(unsigned milliseconds) override { SetTimer(window_, 1, milliseconds, nullptr); }
  void ScanFromTrigger() override {
    ++scans;
    lastScan = GetTickCount64();
    trigger_->ScanRan();
  }

  // Handles the window's messages until a scan more than `before` ran or the
  // time is up; true when it ran.
  bool WaitForScan(int before, DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (scans == before && GetTickCount64() < end) {
      // As the program's message loop does: the watch's handles beside the messages.
      HANDLE handles[platform::Win32ChangeWatch::kSlots];
      const DWORD count = static_cast<DWORD>(watch_->WaitHandles(handles, std::size(handles)));
      const DWORD woke = MsgWaitForMultipleObjects(count, handles, FALSE, 20, QS_ALLINPUT);
      if (woke < WAIT_OBJECT_0 + count) watch_->Signalled(handles[woke - WAIT_OBJECT_0]);
      MSG msg;
      while (PeekMessageA(&msg, window_, 0, 0, PM_REMOVE)) {
        if (msg.message == kChangeMessage) {
          watch_->Acknowledge(static_cast<int>(msg.wParam));
          trigger_->Signal(static_cast<int>(msg.wParam), msg.lParam != 0);
        } else if (msg.message == WM_TIMER) {
          KillTimer(window_, msg.wParam);
          trigger_->SettleTimerFired();
        }
      }
    }
    return scans > before;
  }

 private:
  HWND window_ = nullptr;
  std::unique_ptr<platform::Win32ChangeWatch> watch_;
  std::unique_ptr<quenlark::ScanTrigger> trigger_;
};

std::string TempFolder(const char* name) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + name;
}

bool WriteFile(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = ::WriteFile(h, "shortcut", 8, &written, nullptr) != FALSE;
  CloseHandle(h);
  return ok;
}

// Empty folders of these paths, whatever an earlier run left there.
bool MakeFreshFolders(std::initializer_list<std::string> folders) {
  for (const std::string& folder : folders) {
    testsupport::RemoveTree(folder);
    if (!CreateDirectoryA(folder.c_str(), nullptr)) return false;
  }
  return true;
}

}  // namespace

TEST(ChangeWatchTest, AFileWrittenIntoAWatchedFolderMakesAScanSoon) {
  const std::string shell = TempFolder("ql_watch_shell"), history = TempFolder("ql_watch_history");
  ASSERT_TRUE(MakeFreshFolders({shell, history}));
  {
    WatchedWindow window;
    window.Trigger().SetFolders(shell, history);
    ASSERT_TRUE(window.Trigger().Watching(quenlark::ScanTrigger::kShellSlot));
    ASSERT_TRUE(window.Trigger().Watching(quenlark::ScanTrigger::kHistorySlot));
    EXPECT_FALSE(window.WaitForScan(0, 300));  // nothing changed, nothing scanned

    for (const std::string& folder : {shell, history}) {
      const int before = window.scans;
      const std::uint64_t written = GetTickCount64();
      ASSERT_TRUE(WriteFile(folder + "\\doc.txt.lnk"));
      // Generous: this proves the signal, the benchmark measures the delay.
      ASSERT_TRUE(window.WaitForScan(before, 3000)) << folder;
      std::printf("scan %llu ms after the write into %s\n", window.lastScan - written, folder.c_str());
      window.WaitForScan(window.scans, 400);  // the rest of the burst, if any
    }
  }
  testsupport::RemoveTree(shell);
  testsupport::RemoveTree(history);
}

TEST(ChangeWatchTest, ADeletedFolderFallsBackAndIsWatchedAgainWhenItIsBack) {
  const std::string shell = TempFolder("ql_watch_gone"), history = TempFolder("ql_watch_kept");
  ASSERT_TRUE(MakeFreshFolders({shell, history}));
  {
    WatchedWindow window;
    window.Trigger().SetFolders(shell, history);
    ASSERT_TRUE(window.Trigger().Watching(quenlark::ScanTrigger::kShellSlot));
    ASSERT_TRUE(WriteFile(shell + "\\a.lnk"));
    ASSERT_TRUE(window.WaitForScan(0, 3000));

    // Deleted by another program: a folder deleted while a handle is open
    // stays until the handle is closed, so the watch keeps it only until the
    // next tick, which watches afresh and finds it gone. Then the timer
    // alone scans.
    testsupport::RemoveTree(shell);
    window.WaitForScan(window.scans, 400);
    window.Trigger().Tick();
    EXPECT_FALSE(window.Trigger().Watching(quenlark::ScanTrigger::kShellSlot));
    EXPECT_TRUE(window.Trigger().Watching(quenlark::ScanTrigger::kHistorySlot));
    EXPECT_EQ(GetFileAttributesA(shell.c_str()), INVALID_FILE_ATTRIBUTES);
    window.Trigger().Tick();  // still missing: still not watched
    EXPECT_FALSE(window.Trigger().Watching(quenlark::ScanTrigger::kShellSlot));

    ASSERT_TRUE(CreateDirectoryA(shell.c_str(), nullptr));
    window.Trigger().Tick();
    ASSERT_TRUE(window.Trigger().Watching(quenlark::ScanTrigger::kShellSlot));
    const int before = window.scans;
    ASSERT_TRUE(WriteFile(shell + "\\b.lnk"));
    EXPECT_TRUE(window.WaitForScan(before, 3000));

    // Replaced between two ticks (moved away, another made under its name):
    // the watch of the old folder is told from the new one, which is watched
    // afresh.
    window.WaitForScan(window.scans, 400);
    const std::string moved = shell + "_old";
    testsupport::RemoveTree(moved);
    ASSERT_TRUE(MoveFileA(shell.c_str(), moved.c_str()));
    ASSERT_TRUE(CreateDirectoryA(shell.c_str(), nullptr));
    window.WaitForScan(window.scans, 400);
    window.Trigger().Tick();
    ASSERT_TRUE(window.Trigger().Watching(quenlark::ScanTrigger::kShellSlot));
    const int again = window.scans;
    ASSERT_TRUE(WriteFile(shell + "\\c.lnk"));
    EXPECT_TRUE(window.WaitForScan(again, 3000));
    testsupport::RemoveTree(moved);
  }
  testsupport::RemoveTree(shell);
  testsupport::RemoveTree(history);
}
