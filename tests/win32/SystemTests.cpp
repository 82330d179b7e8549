// The small system seams: folders, names, the single-instance guard.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "app/SingleTerm.h"
#include "ShortcutWriter.h"
#include "base/Cp932.h"
#include "platform/Win32FileSystem.h"
#include "platform/Win32NetworkNames.h"
#include "recent/Filters.h"
#include "platform/Win32System.h"
#include "ui/Forms.h"
#include "recent/HistoryFolder.h"

namespace {

std::string TempFolder(const char* name) {
  char buffer[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, buffer);
  std::string folder = std::string(buffer) + name + "\\";
  return folder;
}


}  // namespace

TEST(SystemTest, FoldersAndNames) {
  std::string windows = platform::WindowsFolderPath();
  ASSERT_GE(windows.size(), 4u);
  EXPECT_EQ(windows.back(), '\\');
  EXPECT_NE(GetFileAttributesA(windows.c_str()), INVALID_FILE_ATTRIBUTES);
  std::string program = platform::ProgramFolderPath();
  EXPECT_EQ(program.back(), '\\');
  EXPECT_FALSE(platform::LoginUserName().empty());
  auto screen = quenlark::PlacementScreenSize();
  EXPECT_GT(screen.Width, 0);
  EXPECT_GT(screen.Height, 0);
  EXPECT_TRUE(platform::QueryOsVersion().queried);
}

TEST(SystemTest, HistoryFolderIsCreatedOneLevelAtATime) {
  std::string base = TempFolder("ql_history_test");
  testsupport::RemoveTree(base);
  ASSERT_TRUE(CreateDirectoryA(base.c_str(), nullptr));
  platform::Win32FileSystem fs;

  std::string shared = quenlark::LocateHistoryFolder(fs, base, false, "太郎");
  EXPECT_EQ(shared, base + "Recent");
  EXPECT_TRUE(fs.DirectoryExists(shared));

  std::string own = quenlark::LocateHistoryFolder(fs, base, true, "太郎");
  EXPECT_EQ(own, base + "Recent\\太郎");
  EXPECT_TRUE(fs.DirectoryExists(own));

  // An empty login name gives the shared folder with a trailing separator.
  EXPECT_EQ(quenlark::LocateHistoryFolder(fs, base, true, ""), base + "Recent\\");

  // A program folder that does not exist: nothing is created, nothing reported.
  std::string missing = base + "missing\\deeper\\";
  EXPECT_EQ(quenlark::LocateHistoryFolder(fs, missing, true, "x"), missing + "Recent\\x");
  EXPECT_FALSE(fs.DirectoryExists(missing));
  testsupport::RemoveTree(base);
}

// The history folder named in other spellings (case, a trailing separator,
// "." and "..", relative to the current folder) is the same folder; its
// parent or a sibling is not.
TEST(SystemTest, SameFolderWhateverTheSpelling) {
  std::string base = TempFolder("ql_same_folder");
  testsupport::RemoveTree(base);
  ASSERT_TRUE(CreateDirectoryA(base.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA((base + "Recent").c_str(), nullptr));
  platform::Win32FileSystem fs;
  const std::string history = base + "Recent";
  EXPECT_EQ(fs.FullPath(base + ".\\x\\..\\Recent"), history);
  EXPECT_EQ(fs.FullPath(history + "\\"), history + "\\");

  std::string lower = history;
  for (char& c : lower) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  char saved[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, saved);
  ASSERT_TRUE(SetCurrentDirectoryA(base.c_str()));
  for (const std::string& other : {history, lower + "\\", std::string("recent\\"), std::string(".\\RECENT")}) {
    EXPECT_TRUE(quenlark::IsSameFolder(fs, other, history)) << other;
  }
  EXPECT_FALSE(quenlark::IsSameFolder(fs, base, history));
  EXPECT_FALSE(quenlark::IsSameFolder(fs, history + "\\sub", history));
  EXPECT_FALSE(quenlark::IsSameFolder(fs, "", history));
  SetCurrentDirectoryA(saved);
  testsupport::RemoveTree(base);
}

TEST(SystemTest, SingleTermMarksTheFirstWindowAndRefusesASecond) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "QuenlarkSingleTermTest";
  RegisterClassA(&wc);
  HWND first = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
  HWND second = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_TRUE(first && second);
  {
    quenlark::TSingleTerm a;
    EXPECT_TRUE(a.Attach(first));
    EXPECT_EQ(GetWindowLongPtrA(first, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(first));
    quenlark::TSingleTerm b;
    EXPECT_FALSE(b.Attach(second));
    EXPECT_EQ(GetWindowLongPtrA(second, GWLP_USERDATA), 0);
    EXPECT_EQ(quenlark::TSingleTerm::FindMarkedWindow("QuenlarkSingleTermTest", second), first);
  }
  // With the first guard gone the mutex is free again.
  DestroyWindow(first);
  quenlark::TSingleTerm c;
  EXPECT_TRUE(c.Attach(second));
  DestroyWindow(second);
}

TEST(SystemTest, FolderAndNetworkFiltersAgainstTheRealSystem) {
  platform::Win32FileSystem fs;
  platform::Win32NetworkNames network;
  quenlark::TSettings settings;
  settings.FolderCheck = true;
  settings.NetworkCheck = true;
  quenlark::FilterLists lists;
  std::string windows = platform::WindowsFolderPath();
  std::string folder = windows.substr(0, windows.size() - 1);
  std::string file = windows + "win.ini";
  auto accept = [&](const std::string& path) {
    return quenlark::AcceptEntry(cp932::Upper(path), path, settings, lists, fs, network);
  };
  UINT before = SetErrorMode(0);
  SetErrorMode(before);
  EXPECT_FALSE(accept(folder));             // a folder
  EXPECT_TRUE(accept(file));                // a document on a local drive
  EXPECT_FALSE(accept("Q:\\absent\\a.txt"));  // a drive that is not there
  EXPECT_FALSE(accept("\\\\server\\share\\a.txt"));  // a UNC path
  // The error mode is what it was before the folder test.
  EXPECT_EQ(SetErrorMode(before), before);
  // A local path has no universal name; the enumeration answers (maybe empty).
  EXPECT_FALSE(network.UniversalName(file).has_value());
  EXPECT_TRUE(network.IsNtFamily());
}
