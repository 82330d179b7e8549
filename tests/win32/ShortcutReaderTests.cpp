// The shortcut reader against Wine's shell link object: shortcuts written by
// IShellLinkW, files that are not shortcuts, files that cannot be read at the
// moment, and shortcut files written by real Windows (../shared/testdata/lnk).
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "ShortcutWriter.h"
#include "base/Cp932.h"
#include "platform/Win32FileSystem.h"
#include "platform/Win32Shell.h"
#include "platform/Win32ShortcutReader.h"
#include "platform/Win32Text.h"

#ifndef QUENLARK_TESTDATA
#error "QUENLARK_TESTDATA must name the shared test data folder"
#endif

using platform::ShortcutStatus;

namespace {

// The Linux path of the test data as Wine sees it: Z: maps the root folder.
std::string WinePath(const std::string& linuxPath) {
  std::string path = "Z:";
  for (char c : linuxPath) path.push_back(c == '/' ? '\\' : c);
  return path;
}

std::string TestDataFolder(const char* sub) { return WinePath(QUENLARK_TESTDATA) + "\\lnk\\" + sub + "\\"; }


bool WriteBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size();
  CloseHandle(file);
  return ok;
}

// Each test runs in its own apartment with a fresh scratch folder.
class ShortcutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "ql_shortcut_test\\";
    testsupport::RemoveTree(folder_);
    ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
  }
  void TearDown() override {
    testsupport::RemoveTree(folder_);
    CoUninitialize();
  }

  std::string Path(const std::string& name) const { return folder_ + name; }

  platform::ShortcutTarget Resolve(const std::string& path) { return reader_.Resolve(path); }

  std::string folder_;
  platform::Win32ShortcutReader reader_;
};

}  // namespace

TEST_F(ShortcutTest, ResolvesFilesFoldersAndDriveRoots) {
  ASSERT_TRUE(WriteBytes(Path("target.txt"), "text"));
  ASSERT_TRUE(CreateDirectoryA(Path("sub").c_str(), nullptr));
  ASSERT_TRUE(testsupport::WriteShortcut(Path("file.lnk"), Path("target.txt"), "/a b", Path("sub")));
  ASSERT_TRUE(testsupport::WriteShortcut(Path("folder.lnk"), Path("sub")));
  ASSERT_TRUE(testsupport::WriteShortcut(Path("root.lnk"), "C:\\"));

  EXPECT_EQ(platform::ResolveShortcut(Path("file.lnk")), Path("target.txt"));
  EXPECT_EQ(platform::ResolveShortcut(Path("folder.lnk")), Path("sub"));
  EXPECT_EQ(platform::ResolveShortcut(Path("root.lnk")), "C:\\");

  auto target = Resolve(Path("file.lnk"));
  EXPECT_EQ(target.status, ShortcutStatus::Resolved);
  EXPECT_EQ(target.path, Path("target.txt"));
}

TEST_F(ShortcutTest, DeletedTargetComesBackUnchanged) {
  ASSERT_TRUE(WriteBytes(Path("gone.txt"), "text"));
  ASSERT_TRUE(testsupport::WriteShortcut(Path("gone.lnk"), Path("gone.txt")));
  ASSERT_TRUE(DeleteFileA(Path("gone.txt").c_str()));
  auto target = Resolve(Path("gone.lnk"));
  EXPECT_EQ(target.status, ShortcutStatus::Resolved);
  EXPECT_EQ(target.path, Path("gone.txt"));
}

// A UNC shortcut written through IShellLinkW::SetPath gives its path back,
// under Wine too, even for a server that does not exist. (Wine does answer
// S_FALSE and no path for the network-only shortcuts that Windows wrote, see
// the test data below; Windows resolves those.)
TEST_F(ShortcutTest, UncTargetsComeBack) {
  for (const char* unc : {"\\\\server\\share\\folder\\file.txt", "\\\\server\\share", "\\\\server"}) {
    SCOPED_TRACE(unc);
    ASSERT_TRUE(testsupport::WriteShortcut(Path("unc.lnk"), unc));
    auto target = Resolve(Path("unc.lnk"));
    EXPECT_EQ(target.status, ShortcutStatus::Resolved);
    EXPECT_EQ(target.path, unc);
  }
}

TEST_F(ShortcutTest, ShellItemsWithoutPathAreUnreadable) {
  for (int csidl : {CSIDL_DRIVES, CSIDL_CONTROLS}) {
    SCOPED_TRACE(csidl);
    std::string lnk = Path("item" + std::to_string(csidl) + ".lnk");
    ASSERT_TRUE(testsupport::WriteShellItemShortcut(lnk, csidl));
    EXPECT_EQ(platform::ResolveShortcut(lnk), "");
    auto target = Resolve(lnk);
    EXPECT_EQ(target.status, ShortcutStatus::Unreadable);
    EXPECT_EQ(target.path, "");
  }
}

TEST_F(ShortcutTest, ReadableFilesThatAreNotShortcutsAreUnreadable) {
  ASSERT_TRUE(WriteBytes(Path("x.lnk"), "not a shortcut\r\n"));
  ASSERT_TRUE(WriteBytes(Path("empty.lnk"), ""));
  ASSERT_TRUE(WriteBytes(Path("header.lnk"), std::string("\x4C\0\0\0", 4)));
  for (const char* name : {"x.lnk", "empty.lnk", "header.lnk"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(platform::ResolveShortcut(Path(name)), "");
    auto target = Resolve(Path(name));
    EXPECT_EQ(target.status, ShortcutStatus::Unreadable);
    EXPECT_EQ(target.path, "");
  }
}

// A file whose item list is cut short or runs past its own size is never
// given to the shell link object (Wine's walks such a list through memory it
// never read into): it stays unknown, kept, however whole the rest is.
TEST_F(ShortcutTest, BrokenItemListsLeaveShortcutsUnknown) {
  ASSERT_TRUE(WriteBytes(Path("target.txt"), "text"));
  ASSERT_TRUE(testsupport::WriteShortcut(Path("good.lnk"), Path("target.txt")));
  std::ifstream in(Path("good.lnk"), std::ios::binary);
  const std::string whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_TRUE(whole.size() > 0x4E && (whole[0x14] & 1)) << "the shell link object wrote no item list";
  const std::size_t end = 0x4E + (static_cast<unsigned char>(whole[0x4C]) | static_cast<unsigned char>(whole[0x4D]) << 8);
  auto patched = [&](std::size_t at, const char (&bytes)[3]) { return std::string(whole).replace(at, 2, bytes, 2); };
  const std::pair<const char*, std::string> rows[] = {
      {"cut_in_list.lnk", whole.substr(0, (0x4E + end) / 2)},
      {"cut_in_size.lnk", whole.substr(0, 0x4D)},
      {"no_terminator.lnk", patched(end - 2, "\xFF\x00")},
      {"one_byte_item.lnk", patched(0x4E, "\x01\x00")},
  };
  for (const auto& [name, bytes] : rows) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(WriteBytes(Path(name), bytes));
    EXPECT_EQ(Resolve(Path(name)).status, ShortcutStatus::Unavailable);
    EXPECT_FALSE(platform::Win32Shell().ReadShortcut(Path(name)).has_value());
  }
  EXPECT_EQ(Resolve(Path("good.lnk")).path, Path("target.txt"));
}

TEST_F(ShortcutTest, FilesThatCannotBeOpenedAreUnavailable) {
  EXPECT_EQ(Resolve(Path("missing.lnk")).status, ShortcutStatus::Unavailable);
  EXPECT_EQ(Resolve(Path("no_folder\\missing.lnk")).status, ShortcutStatus::Unavailable);
  // A folder that happens to be named like a shortcut cannot be read as a file.
  ASSERT_TRUE(CreateDirectoryA(Path("folder.lnk").c_str(), nullptr));
  EXPECT_EQ(Resolve(Path("folder.lnk")).status, ShortcutStatus::Unavailable);
}

// A handle opened without sharing (as another program may hold one) is the
// transient case: the shortcut is fine and must not be taken for an
// unreadable one.
TEST_F(ShortcutTest, ExclusivelyOpenShortcutIsUnavailable) {
  ASSERT_TRUE(WriteBytes(Path("target.txt"), "text"));
  ASSERT_TRUE(testsupport::WriteShortcut(Path("busy.lnk"), Path("target.txt")));
  ASSERT_TRUE(WriteBytes(Path("busy_text.lnk"), "not a shortcut"));
  for (const char* name : {"busy.lnk", "busy_text.lnk"}) {
    SCOPED_TRACE(name);
    HANDLE exclusive =
        CreateFileA(Path(name).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
    // Wine enforces share modes like Windows: a second open fails.
    HANDLE second = CreateFileA(Path(name).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_EQ(second, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    if (second != INVALID_HANDLE_VALUE) CloseHandle(second);

    auto target = Resolve(Path(name));
    EXPECT_EQ(target.status, ShortcutStatus::Unavailable);
    EXPECT_EQ(target.path, "");
    CloseHandle(exclusive);
  }
  // Once the other handle is gone the same files read as they are.
  EXPECT_EQ(Resolve(Path("busy.lnk")).status, ShortcutStatus::Resolved);
  EXPECT_EQ(Resolve(Path("busy_text.lnk")).status, ShortcutStatus::Unreadable);
}

// A byte-range lock lets the file be opened but not read: also transient.
// Wine 8 does not enforce such locks on ReadFile through another handle, so
// there the reader cannot see the lock and the test has nothing to prove.
TEST_F(ShortcutTest, LockedShortcutIsUnavailable) {
  const std::string path = Path("locked.lnk");
  ASSERT_TRUE(WriteBytes(path, "not a shortcut, locked"));
  const DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  HANDLE owner = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, shareAll, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(owner, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(LockFile(owner, 0, 0, 1000, 0));

  HANDLE other = CreateFileA(path.c_str(), GENERIC_READ, shareAll, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  char byte;
  DWORD read = 0;
  bool lockHolds = !ReadFile(other, &byte, 1, &read, nullptr) && GetLastError() == ERROR_LOCK_VIOLATION;
  CloseHandle(other);
  if (!lockHolds) {
    UnlockFile(owner, 0, 0, 1000, 0);
    CloseHandle(owner);
    GTEST_SKIP() << "byte-range locks do not stop reads through another handle here (Wine)";
  }
  EXPECT_EQ(Resolve(path).status, ShortcutStatus::Unavailable);
  UnlockFile(owner, 0, 0, 1000, 0);
  CloseHandle(owner);
  EXPECT_EQ(Resolve(path).status, ShortcutStatus::Unreadable);
}

// A failure of the shell link object itself is no evidence against a file.
// Here it fails for real: COM was never initialised on the resolving thread.
// A good shortcut and one to a shell item are then unknown (kept), while a
// file whose header says it is no shell link is unreadable all the same.
TEST_F(ShortcutTest, ShellLinkObjectFailureLeavesShortcutsUnavailable) {
  ASSERT_TRUE(WriteBytes(Path("target.txt"), "text"));
  ASSERT_TRUE(testsupport::WriteShortcut(Path("good.lnk"), Path("target.txt")));
  ASSERT_TRUE(testsupport::WriteShellItemShortcut(Path("item.lnk"), CSIDL_DRIVES));
  ASSERT_TRUE(WriteBytes(Path("x.lnk"), "not a shortcut\r\n"));

  HRESULT created = S_OK;
  platform::ShortcutTarget good, item, text;
  std::thread([&] {
    IUnknown* object = nullptr;
    const CLSID shellLink = {0x00021401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    const IID unknown = {0, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    created = CoCreateInstance(shellLink, nullptr, CLSCTX_INPROC_SERVER, unknown, reinterpret_cast<void**>(&object));
    if (object) object->Release();
    good = Resolve(Path("good.lnk"));
    item = Resolve(Path("item.lnk"));
    text = Resolve(Path("x.lnk"));
  }).join();
  ASSERT_TRUE(FAILED(created)) << "COM works on a thread that never initialised it";

  EXPECT_EQ(good.status, ShortcutStatus::Unavailable);
  EXPECT_EQ(item.status, ShortcutStatus::Unavailable);
  EXPECT_EQ(text.status, ShortcutStatus::Unreadable);
  EXPECT_EQ(good.path, "");
  // On this thread the object works and the same files read as they are.
  EXPECT_EQ(Resolve(Path("good.lnk")).status, ShortcutStatus::Resolved);
  EXPECT_EQ(Resolve(Path("item.lnk")).status, ShortcutStatus::Unreadable);
}

// The shortcut's own path goes through a buffer of MAX_PATH wide characters,
// terminator included: 259 characters fit, 260 do not.
TEST_F(ShortcutTest, ShortcutPathLengthLimit) {
  ASSERT_TRUE(WriteBytes(Path("t.txt"), "text"));
  std::string longest = folder_ + std::string(MAX_PATH - 1 - folder_.size() - 4, 'a') + ".lnk";
  ASSERT_EQ(longest.size(), static_cast<size_t>(MAX_PATH - 1));
  ASSERT_TRUE(testsupport::WriteShortcut(longest, Path("t.txt")));
  EXPECT_EQ(platform::ResolveShortcut(longest), Path("t.txt"));

  std::string tooLong = folder_ + std::string(MAX_PATH - folder_.size() - 4, 'a') + ".lnk";
  ASSERT_EQ(tooLong.size(), static_cast<size_t>(MAX_PATH));
  EXPECT_EQ(platform::ResolveShortcut(tooLong), "");
}

// Double-byte names whose trail bytes are 0x5C ('\') go in and come out as
// the same CP932 bytes, in the target path and in the shortcut's own name.
TEST_F(ShortcutTest, JapaneseNamesRoundTripByteExact) {
  ASSERT_EQ(GetACP(), 932u);
  const std::string folder = Path("ソフト");
  const std::string document = folder + "\\表示ソフト能力.txt";
  ASSERT_NE(std::string("表ソ能").find('\\'), std::string::npos);  // the trail bytes this is about
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  ASSERT_TRUE(WriteBytes(document, "text"));

  for (const std::string& lnk : {Path("表示.lnk"), folder + "\\能力ソ.lnk"}) {
    SCOPED_TRACE(lnk);
    ASSERT_TRUE(testsupport::WriteShortcut(lnk, document));
    EXPECT_EQ(platform::ResolveShortcut(lnk), document);
    auto target = Resolve(lnk);
    EXPECT_EQ(target.status, ShortcutStatus::Resolved);
    EXPECT_EQ(target.path, document);
  }
}

// Targets whose names code page 932 cannot spell, written by the shell link
// object, resolve exactly (Wine's GetPath best-fits them, the item list does
// not), also beside a file named as the best fit would spell it, and a real U+FFFD.
TEST_F(ShortcutTest, NamesOutsideTheCodePageResolveExactly) {
  ASSERT_TRUE(WriteBytes(Path("Sus.txt"), "a look-alike"));
  for (const std::wstring name : {L"S\u00FC\u00DF.txt", L"\u6CE2\u301C.txt", L"a\u2212b.txt", L"\uD55C\uAD6D\uC5B4.txt",
                                  L"\u6D4B\u8BD5 1.txt", L"test\U0001F600.txt", L"\u8868\u793A.txt", L"a\uFFFDb.txt"}) {
    const std::string document = Path(platform::ProgramText(name));
    SCOPED_TRACE(document);
    HANDLE file = CreateFileW(platform::Wide(document).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    ASSERT_TRUE(testsupport::WriteShortcut(Path("doc.lnk"), document));
    const platform::ShortcutTarget target = Resolve(Path("doc.lnk"));
    EXPECT_EQ(target.status, ShortcutStatus::Resolved);
    EXPECT_EQ(target.path, document);
    const auto parts = platform::Win32Shell().ReadShortcut(Path("doc.lnk"));
    EXPECT_EQ(parts ? parts->target + (parts->linkPathNamesAnotherFile ? "|look-alike" : "") : "",
              document + (name == L"S\u00FC\u00DF.txt" ? "|look-alike" : ""));
  }
  // Gone, they are missing documents: not the look-alike, nor unknown.
  for (const std::wstring name : {L"S\u00FC\u00DF.txt", L"a\uFFFDb.txt"}) {
    const std::string gone = Path(platform::ProgramText(name));
    ASSERT_TRUE(testsupport::WriteShortcut(Path("gone.lnk"), gone));
    ASSERT_TRUE(DeleteFileW(platform::Wide(gone).c_str()));
    const platform::ShortcutTarget target = Resolve(Path("gone.lnk"));
    EXPECT_EQ(target.status == ShortcutStatus::Resolved ? target.path : "unknown", gone);
  }
}

TEST_F(ShortcutTest, CopyKeepsTheLastWriteTime) {
  ASSERT_TRUE(WriteBytes(Path("t.txt"), "text"));
  ASSERT_TRUE(testsupport::WriteShortcut(Path("old.lnk"), Path("t.txt")));
  SYSTEMTIME chosen{};
  chosen.wYear = 2003;
  chosen.wMonth = 4;
  chosen.wDay = 5;
  chosen.wHour = 6;
  chosen.wMinute = 7;
  chosen.wSecond = 8;
  ASSERT_TRUE(testsupport::SetLastWriteTime(Path("old.lnk"), chosen));
  ASSERT_TRUE(CopyFileA(Path("old.lnk").c_str(), Path("copy.lnk").c_str(), TRUE));

  auto lastWrite = [](const std::string& path) {
    FILETIME written{};
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    GetFileTime(file, nullptr, nullptr, &written);
    CloseHandle(file);
    return written;
  };
  FILETIME original = lastWrite(Path("old.lnk")), copy = lastWrite(Path("copy.lnk"));
  EXPECT_EQ(CompareFileTime(&original, &copy), 0);

  FILETIME local{};
  SYSTEMTIME back{};
  ASSERT_TRUE(FileTimeToLocalFileTime(&copy, &local));
  ASSERT_TRUE(FileTimeToSystemTime(&local, &back));
  EXPECT_EQ(back.wYear, 2003);
  EXPECT_EQ(back.wMonth, 4);
  EXPECT_EQ(back.wDay, 5);
  EXPECT_EQ(back.wHour, 6);
  EXPECT_EQ(back.wMinute, 7);
  EXPECT_EQ(back.wSecond, 8);
  EXPECT_EQ(platform::ResolveShortcut(Path("copy.lnk")), Path("t.txt"));
}

namespace {

// What Wine 8 gives for a shortcut file written by real Windows, as recorded
// in testdata/lnk/SOURCES.md. An empty path is a shortcut Wine reads but finds
// no file-system path in (S_FALSE) or cannot load at all; such a file is
// unreadable unless its header claims a shell link that the object could not
// load (`kept`). A row names its file by the whole name or a beginning unique
// to it.
struct Recorded {
  const char* name;
  const char* path;
  bool kept = false;
};

const Recorded kReal[] = {
    {"winxp_startmenu_notepad.lnk", "C:\\WINDOWS\\system32\\notepad.exe"},
    {"winxp_startmenu_rundll32_args.lnk", "C:\\WINDOWS\\system32\\rundll32.exe"},
    {"winxp_uri_windows_catalog.lnk", ""},
    {"winxp_no_linkinfo_messenger.lnk", "..\\..\\..\\..\\Program Files\\Messenger\\msmsgs.exe"},
    {"winxp_drive_root_E.lnk", ""},
    {"winxp_unc_file_french.lnk", ""},
    {"local_file_args_hotkey_console.lnk", "D:\\Devl.Net\\@Perso\\Shellify\\ShellifyTool\\bin\\Debug\\ShellifyTool.exe"},
    {"vista_startmenu_maximized_migwiz.lnk", "D:\\Windows\\System32\\migwiz\\migwiz.exe"},
    {"win7_recent_test_txt.lnk", "C:\\Users\\u0041\\Desktop\\test\\test.txt"},
    {"win7_recent_arabic_name.lnk", "", true},  // Wine's object gives "?????.txt", which names no file
    {"win7_explorer_created.lnk", "C:\\Users\\u0041\\Desktop\\test\\test.txt"},
    {"win7_games_explorer_minesweeper.lnk", ""},
    {"msi_advertised_darwin_adobe.lnk", ""},
    {"win7_envvar_only_migwiz.lnk", ".\\migwiz\\migwiz.exe"},
    {"msshllink_", "C:\\test\\a.txt"},  // Microsoft's worked example link
    {"win8_modern_app_propertystore_only.lnk", ""},
    {"win8_powershell_console_block.lnk", "C:\\Windows\\SysWOW64\\WindowsPowerShell\\v1.0\\powershell.exe"},
    {"ws2012r2_recent_shared_folder_arabic.lnk", "C:\\Users\\u0041\\Desktop\\test\\"},
    {"win10_drive_root_C.lnk", "C:\\"},
    {"win10_desktop_folder.lnk", "C:\\Users\\stray\\Desktop\\New folder"},
    {"win10_local_file_explorer_exe.lnk", "C:\\Windows\\explorer.exe"},
    {"win10_mapped_drive_Z.lnk", ""},
    {"win10_unc_file_no_idlist.lnk", ""},
    {"win10_emoji_filename.lnk", "", true},  // "test??and??.txt"
    {"win10_uwp_calculator.lnk", ""},
    {"win10_this_pc.lnk", ""},
    {"win10_vboxsvr_network_root.lnk", ""},
    {"win10_installer_vscode.lnk", "C:\\Users\\Parsia\\AppData\\Local\\Programs\\Microsoft VS Code\\Code.exe"},
    {"win10_control_panel_firewall.lnk", ""},
    {"win10_winx_cmd_hotkey_runas.lnk", ""},
    {"installer_nero_args_description.lnk", "C:\\Program Files (x86)\\Nero\\Nero 9\\Nero InfoTool\\InfoTool.exe"},
    {"win10_cyrillic_ansi_cp1251.lnk", "C:\\Users\\"},
    {"win10iot_no_linkinfo.lnk", "..\\..\\..\\..\\..\\..\\Program Files\\xt\\xt.exe"},
    {"edge_unpaired_surrogate.lnk", "", true},  // "unicode_U+0000d800_?.exe"
    // "\u6D4B\u8BD5 1.txt.lnk" as the program spells it (two escapes): it
    // names a folder, which Wine's object gives exactly.
    {"\xFC\x86\xFC\x9D\xFC\xA4\xFC\xBB\xFC\x88\xFC\x9B\xFC\xAD\xFC\xB5 1.txt.lnk", "C:\\Users\\u0041\\Desktop\\Test\\"},
    // The ANSI path holds UTF-8 bytes. SOURCES.md shows them as cp1252
    // mojibake; under code page 932 every one of these bytes is a single-byte
    // (half-width kana) character, so the bytes come back unchanged.
    {"edge_utf8_acp_localbasepath.lnk",
     "D:\\\xC3\xB6\xC3\xB6\xC3\xB6\\\xC3\xA4\xC3\xB6\xC3\xBC\xC3\xA0\xC3\xA9\xC3\xA8\xC3\xAD\xC3\xAF\xC3\xB3"
     "\xC3\xB2\xC3\xBA\xC3\xBC.txt"},
};

const Recorded kMalformed[] = {
    {"not_a_link_recycle_bin_I_record.lnk", ""},
    {"ez_corrupt_cpl_imdisk.lnk", ""},
    {"extradata_terminal_overrun.lnk", "C:\\Users\\Jonathan\\AppData\\Roaming\\.minecraft"},
    {"odd_unicode_netname.lnk", ""},
    {"trunc_header_40.lnk", ""},
    {"trunc_in_idlist.lnk", "", true},  // a whole header, cut later: not known to be junk
    {"trunc_no_terminal_block.lnk", "C:\\Users\\u0041\\Desktop\\test\\test.txt"},
};

// The names the program lists in a folder.
std::vector<std::string> ListNames(const std::string& folder) {
  std::vector<std::string> names;
  for (const platform::FileEntry& entry : platform::Win32FileSystem().ListFiles(folder)) names.push_back(entry.name);
  return names;
}

// Resolves every file the program lists in the folder and compares it with
// its row: the one whose name the file name starts with. Every listed file
// needs exactly one row and every row a file, so the tables follow the data.
// A name outside code page 932 (the Chinese "\u6D4B\u8BD5 1.txt.lnk") is listed
// exactly and resolved like any other. Gives the number of such names.
template <size_t N>
size_t CheckFolder(const std::string& folder, const Recorded (&recorded)[N]) {
  platform::Win32ShortcutReader reader;
  std::vector<int> used(N, 0);
  size_t unopenable = 0;
  for (const std::string& name : ListNames(folder)) {
    SCOPED_TRACE(name);
    auto target = reader.Resolve(folder + name);
    if (cp932::FirstEscape(name) != std::string::npos) ++unopenable;
    const Recorded* row = nullptr;
    for (size_t i = 0; i < N; ++i) {
      if (name.compare(0, std::strlen(recorded[i].name), recorded[i].name) == 0) {
        row = &recorded[i];
        ++used[i];
      }
    }
    if (!row) {
      ADD_FAILURE() << "no row for this file";
      continue;
    }
    EXPECT_EQ(platform::ResolveShortcut(folder + name), row->path);
    EXPECT_EQ(target.path, row->path);
    EXPECT_EQ(target.status, *row->path ? ShortcutStatus::Resolved
                             : row->kept ? ShortcutStatus::Unavailable
                                         : ShortcutStatus::Unreadable);
  }
  for (size_t i = 0; i < N; ++i) EXPECT_EQ(used[i], 1) << recorded[i].name;
  return unopenable;
}

class ShortcutTestData : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
  void TearDown() override { CoUninitialize(); }
};

}  // namespace

TEST_F(ShortcutTestData, RealShortcutsResolveAsWineRecorded) {
  EXPECT_EQ(CheckFolder(TestDataFolder("real"), kReal), 1u);
}

TEST_F(ShortcutTestData, MalformedShortcutsGiveDefinedResults) {
  EXPECT_EQ(CheckFolder(TestDataFolder("malformed"), kMalformed), 0u);
}
