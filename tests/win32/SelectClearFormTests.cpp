// The selective clear dialog built for real over real shortcut files, and
// the shell's recycle operation that it hands the chosen files to.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TimedSteps.h"
#include "FakeDialogHost.h"
#include "FakeRegistry.h"
#include "ShortcutWriter.h"
#include "dialogs/SelectClearUnit.h"
#include "platform/Win32Collation.h"
#include "platform/Win32Desktop.h"
#include "platform/Win32FileSystem.h"
#include "platform/Win32NetworkNames.h"
#include "platform/Win32Shell.h"
#include "platform/Win32ShortcutReader.h"
#include "platform/Win32Text.h"
#include "recent/History.h"

namespace {

using quenlark::TSelectClearForm;

using FakeHost = test::FakeDialogHost;

using ScriptedMessages = test::ScriptedMessages;

class RecordingShell : public platform::Win32Shell {
 public:
  std::vector<std::string> lists;
  bool RecycleFiles(const std::string& list) override {
    lists.push_back(list);
    return platform::Win32Shell::RecycleFiles(list);
  }
};

using testsupport::RunSteps;
using testsupport::Text;

std::string RowText(HWND list, int row) {
  char text[256] = {};
  LVITEMA item{};
  item.iSubItem = 0;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return text;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string TempFolder(const char* name) {
  char buffer[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, buffer);
  std::string folder = std::string(buffer) + name;
  testsupport::RemoveTree(folder);
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

// Where Wine's recycle bin keeps a recycled file: the desktop's trash folder
// under XDG_DATA_HOME (the test environment gives each run its own), reached
// through the Unix root drive Z:. Without such a folder Wine deletes the
// files outright; Windows would keep them in its own bin.
std::string WineTrashFile(const std::string& name) {
  const char* data = std::getenv("XDG_DATA_HOME");
  std::string dos = "Z:" + std::string(data ? data : "") + "/Trash/files/" + name;
  for (char& c : dos) {
    if (c == '/') c = '\\';
  }
  return dos;
}

void RemoveFromWineTrash(const std::string& name) {
  DeleteFileA(WineTrashFile(name).c_str());
  std::string info = WineTrashFile(name);
  info.replace(info.rfind("\\files\\"), 7, "\\info\\");
  DeleteFileA((info + ".trashinfo").c_str());
}

TEST(SelectClearRecycleTest, OneOperationMovesTheListedFilesOutOfTheFolderAskingNothing) {
  const std::wstring source = L"C:\\a.lnk" + std::wstring(1, L'\0') + L"C:\\b.lnk" + std::wstring(2, L'\0');
  const SHFILEOPSTRUCTW op = platform::RecycleOperation(reinterpret_cast<HWND>(0x1234), source);
  EXPECT_EQ(op.wFunc, static_cast<UINT>(FO_DELETE));
  EXPECT_EQ(op.fFlags, FOF_ALLOWUNDO | FOF_NOCONFIRMATION);
  EXPECT_EQ(op.pTo, nullptr);
  EXPECT_EQ(op.hwnd, reinterpret_cast<HWND>(0x1234));
  EXPECT_EQ(op.pFrom, source.c_str());

  const std::string folder = TempFolder("ql_recycle_test");
  const std::string first = "ql_recycle_a,1.lnk", second = "ql_recycle_表.lnk";
  for (const std::string& name : {first, second, std::string("keep.lnk")}) {
    HANDLE h = CreateFileA((folder + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << name;
    CloseHandle(h);
  }
  ASSERT_NE(std::getenv("XDG_DATA_HOME"), nullptr);
  platform::Win32Shell shell;
  EXPECT_TRUE(shell.RecycleFiles(folder + "\\" + first + '\0' + folder + "\\" + second + '\0'));
  EXPECT_FALSE(Exists(folder + "\\" + first));
  EXPECT_FALSE(Exists(folder + "\\" + second));
  EXPECT_TRUE(Exists(folder + "\\keep.lnk"));
  // Wine's recycle bin is the desktop's trash folder: the files are there,
  // under their own names, where Windows would keep them in its own bin.
  EXPECT_TRUE(Exists(WineTrashFile(first))) << WineTrashFile(first);
  EXPECT_TRUE(Exists(WineTrashFile(second))) << WineTrashFile(second);
  RemoveFromWineTrash(first);
  RemoveFromWineTrash(second);
  testsupport::RemoveTree(folder);
}

struct Fixture {
  quenlark::TApplication app{GetModuleHandleA(nullptr)};
  test::FakeRegistry registry;
  FakeHost host;
  ScriptedMessages messages;
  platform::Win32FileSystem fs;
  platform::Win32ShortcutReader shortcuts;
  platform::Win32Collation collation;
  RecordingShell shell;
  platform::Win32KeyState keys;
  platform::Win32PathQuery paths;
  platform::Win32NetworkNames network;
  quenlark::THistory history{{registry, fs, shortcuts, collation, network}};
  TSelectClearForm form{app, registry, host, {fs, shell, keys, paths, messages}};
  Fixture() {
    host.clearListing = [this](const std::string& folder, int sortCode) {
      return history.ListForClear(host.settings, folder, sortCode, quenlark::kClearTableHighestIndex);
    };
    CoInitialize(nullptr);
    app.Initialize();
    form.Create();
  }
  ~Fixture() {
    form.Destroy();
    CoUninitialize();
  }
  HWND C(int id) const { return form.Control(id); }
};

TEST(SelectClearFormTest, ListsTheHistoryMarksInvertsAsksAndDeletesOnlyTheCheckedShortcuts) {
  Fixture f;
  const std::string history = TempFolder("ql_clear_history");
  const std::string docs = TempFolder("ql_clear_docs");
  const std::string present = docs + "\\present.txt";
  CloseHandle(CreateFileA(present.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  ASSERT_TRUE(testsupport::WriteShortcut(history + "\\PRESENT.TXT.lnk", present));
  ASSERT_TRUE(testsupport::WriteShortcut(history + "\\MISSING.DOC.lnk", docs + "\\missing.doc"));
  ASSERT_TRUE(testsupport::WriteShortcut(history + "\\DOCS.lnk", docs));
  f.host.history = history;
  f.host.settings.SortSelect = 0;  // by name: missing, present, ql_clear_docs
  f.host.settings.ExtDisp = false;
  f.host.settings.SendToRecycle = false;
  f.form.ClearMode = quenlark::ClearMode::History;
  HWND list = f.C(TSelectClearForm::kRecentFilesCheckListBox);
  HWND group = f.C(TSelectClearForm::kRecentFilesGroupBox);
  std::vector<std::string> seen;

  RunSteps({
      [&] {
        EXPECT_EQ(Text(f.form.Handle()), "最近使ったﾌｧｲﾙのｸﾘｱ - Quenlark");
        ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 3);
        EXPECT_EQ(RowText(list, 0), "missing");
        EXPECT_EQ(RowText(list, 1), "present");
        EXPECT_EQ(RowText(list, 2), "ql_clear_docs");
        EXPECT_EQ(Text(group), "[最近使ったﾌｧｲﾙ]の一覧  (3/3)");
        EXPECT_EQ(f.form.CheckedRows(), (std::vector<int>{0, 1, 2}));
        SendMessageA(f.C(TSelectClearForm::kUnlLinkButton), BM_CLICK, 0, 0);
        EXPECT_EQ(f.form.CheckedRows(), (std::vector<int>{0}));
        EXPECT_EQ(Text(group), "[最近使ったﾌｧｲﾙ]の一覧  (1/3)");
        SendMessageA(f.C(TSelectClearForm::kRevButton), BM_CLICK, 0, 0);
        EXPECT_EQ(f.form.CheckedRows(), (std::vector<int>{1, 2}));
        // The space bar toggles the focused row through the list itself.
        SetFocus(list);
        LVITEMA focus{};
        focus.stateMask = focus.state = LVIS_FOCUSED | LVIS_SELECTED;
        SendMessageA(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&focus));
        SendMessageA(list, WM_KEYDOWN, VK_SPACE, 0);
        SendMessageA(list, WM_KEYUP, VK_SPACE, 0);
        EXPECT_EQ(f.form.CheckedRows(), (std::vector<int>{2}));
        EXPECT_EQ(Text(group), "[最近使ったﾌｧｲﾙ]の一覧  (1/3)");
        SendMessageA(f.C(TSelectClearForm::kSendToRecycleCheckBox), BM_CLICK, 0, 0);
        SendMessageA(f.C(TSelectClearForm::kSendToRecycleCheckBox), BM_CLICK, 0, 0);
        // No: the dialog stays with its marks.
        f.messages.answers = {platform::kIdNo, platform::kIdYes};
        SendMessageA(f.C(TSelectClearForm::kOkButton), BM_CLICK, 0, 0);
        seen.push_back(f.form.Showing() ? "open after No" : "closed after No");
        EXPECT_EQ(f.form.CheckedRows(), (std::vector<int>{2}));
        // Meanwhile the shortcut of another row goes; then Yes.
        SendMessageA(f.C(TSelectClearForm::kRevButton), BM_CLICK, 0, 0);
        EXPECT_EQ(f.form.CheckedRows(), (std::vector<int>{0, 1}));
        DeleteFileA((history + "\\PRESENT.TXT.lnk").c_str());
        SendMessageA(f.C(TSelectClearForm::kOkButton), BM_CLICK, 0, 0);
      },
  });
  EXPECT_EQ(f.form.ShowModal(), quenlark::mrOk);
  EXPECT_EQ(seen, (std::vector<std::string>{"open after No"}));
  EXPECT_EQ(f.messages.shown.size(), 2u);
  EXPECT_EQ(f.messages.shown[0], "ｸﾘｱ確認|292|ﾁｪｯｸされている[最近使ったﾌｧｲﾙ]をｸﾘｱしますか？");
  // Rows 0 and 1 were checked: the missing document's shortcut is deleted,
  // the present one's had gone meanwhile, the folder's is kept.
  EXPECT_FALSE(Exists(history + "\\MISSING.DOC.lnk"));
  EXPECT_TRUE(Exists(history + "\\DOCS.lnk"));
  EXPECT_TRUE(f.shell.lists.empty());
  EXPECT_TRUE(Exists(present));
  EXPECT_GE(f.host.applied, 1);
  EXPECT_FALSE(f.host.settings.SendToRecycle);

  // Shown again over an empty folder: "(なし)", nothing to act on; the
  // recycle box changed and closed with Esc is still kept.
  DeleteFileA((history + "\\DOCS.lnk").c_str());
  RunSteps({[&] {
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_EQ(RowText(list, 0), "(なし)");
    EXPECT_TRUE(f.form.CheckedRows().empty());
    EXPECT_EQ(Text(group), "[最近使ったﾌｧｲﾙ]の一覧  (0/0)");
    EXPECT_FALSE(IsWindowEnabled(list));
    EXPECT_FALSE(IsWindowEnabled(f.C(TSelectClearForm::kOkButton)));
    EXPECT_FALSE(IsWindowEnabled(f.C(TSelectClearForm::kRevButton)));
    EXPECT_FALSE(IsWindowEnabled(f.C(TSelectClearForm::kUnlLinkButton)));
    SendMessageA(f.C(TSelectClearForm::kSendToRecycleCheckBox), BM_CLICK, 0, 0);
    SendMessageA(f.form.Handle(), WM_CLOSE, 0, 0);
  }});
  EXPECT_EQ(f.form.ShowModal(), quenlark::mrCancel);
  EXPECT_TRUE(f.host.settings.SendToRecycle);
  testsupport::RemoveTree(history);
  testsupport::RemoveTree(docs);
}

// A name code page 932 cannot spell ("xä.lnk") is listed as itself beside
// its look-alike neighbour "xa.lnk", each with its own target, and clearing
// recycles exactly those two files.
TEST(SelectClearFormTest, ANameCodePage932CannotSpellIsListedAndClearedAsItself) {
  Fixture f;
  const std::string history = TempFolder("ql_clear_unnameable");
  const std::string docs = TempFolder("ql_clear_unnameable_docs");
  ASSERT_TRUE(testsupport::WriteShortcut(history + "\\tmp.lnk", docs + "\\other.txt"));
  const std::wstring wideHistory(history.begin(), history.end());  // an ASCII temp path
  const std::wstring foreign = wideHistory + L"\\x\u00E4.lnk";
  ASSERT_TRUE(MoveFileW((wideHistory + L"\\tmp.lnk").c_str(), foreign.c_str()));
  ASSERT_TRUE(testsupport::WriteShortcut(history + "\\xa.lnk", docs + "\\keep.txt"));

  f.host.history = history;
  f.host.settings.SendToRecycle = true;
  f.form.ClearMode = quenlark::ClearMode::History;
  HWND list = f.C(TSelectClearForm::kRecentFilesCheckListBox);
  std::set<std::string> rows;
  f.messages.answers = {platform::kIdYes};
  RunSteps({[&] {
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      const quenlark::ListingLine* line = f.form.Model().LineOf(i);
      if (line) rows.insert(line->shortcut + " > " + line->target);
    }
    SendMessageA(f.C(TSelectClearForm::kOkButton), BM_CLICK, 0, 0);
  }});
  f.form.ShowModal();
  EXPECT_EQ(rows, (std::set<std::string>{history + "\\xa.lnk > " + docs + "\\keep.txt",
                                         platform::ProgramText(foreign) + " > " + docs + "\\other.txt"}));
  EXPECT_EQ(GetFileAttributesW(foreign.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(Exists(history + "\\xa.lnk"));
  testsupport::RemoveTree(history);
  testsupport::RemoveTree(docs);
}

// The buttons and the recycle box come first in tab order, then the list,
// which opens on its first row so Space toggles it. A double click on a
// row's text leaves its mark as it was; Enter over an empty list asks nothing.
TEST(SelectClearFormTest, KeysAndDoubleClicksDoWhatTheUserSees) {
  using F = TSelectClearForm;
  Fixture f;
  const std::string history = TempFolder("ql_clear_keys");
  ASSERT_TRUE(testsupport::WriteShortcut(history + "\\A.TXT.lnk", history + "\\a.txt"));
  ASSERT_TRUE(testsupport::WriteShortcut(history + "\\B.TXT.lnk", history + "\\b.txt"));
  f.host.history = history;
  f.form.ClearMode = quenlark::ClearMode::History;
  HWND list = f.C(F::kRecentFilesCheckListBox);
  std::vector<int> order;
  RECT text{};
  auto press = [&](UINT msg) {
    PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(text.left + 30, text.top + 2));
    SendMessageA(list, msg, MK_LBUTTON, MAKELPARAM(text.left + 30, text.top + 2));
  };
  RunSteps({[&] {
              for (HWND h = GetNextDlgTabItem(f.form.Handle(), nullptr, FALSE); h && order.size() < 6;
                   h = GetNextDlgTabItem(f.form.Handle(), h, FALSE)) {
                order.push_back(GetDlgCtrlID(h));
              }
              EXPECT_EQ(GetFocus(), list);
              SendMessageA(list, WM_KEYDOWN, VK_SPACE, 0);
              SendMessageA(list, WM_KEYUP, VK_SPACE, 0);
              EXPECT_EQ(f.form.CheckedRows(), (std::vector<int>{1}));
              text.left = LVIR_LABEL;
              SendMessageA(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&text));
              press(WM_LBUTTONDOWN);
              press(WM_LBUTTONDBLCLK);
            },
            [&] {
              EXPECT_EQ(f.form.CheckedRows(), (std::vector<int>{1})) << "a double click changes nothing";
              SendMessageA(f.form.Handle(), WM_CLOSE, 0, 0);
            }});
  f.form.ShowModal();
  EXPECT_EQ(order, (std::vector<int>{F::kUnlLinkButton, F::kRevButton, F::kOkButton, F::kCancelButton,
                                     F::kSendToRecycleCheckBox, F::kRecentFilesCheckListBox}));
  // Shown again over the same rows, the list starts afresh: the row pressed
  // is not highlighted, the first row has the focus. Rows are 12 px at 96 dpi.
  std::vector<int> fresh;
  RunSteps({[&] {
    for (UINT flags : {LVNI_FOCUSED, LVNI_SELECTED}) fresh.push_back(static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, -1, flags)));
    fresh.push_back(HIWORD(SendMessageA(list, LVM_APPROXIMATEVIEWRECT, 2, -1)) - HIWORD(SendMessageA(list, LVM_APPROXIMATEVIEWRECT, 1, -1)));
    SendMessageA(f.form.Handle(), WM_CLOSE, 0, 0);
  }});
  f.form.ShowModal();
  EXPECT_EQ(fresh, (std::vector<int>{0, -1, f.form.Scale(12)}));
  testsupport::RemoveTree(history);
  CreateDirectoryA(history.c_str(), nullptr);
  RunSteps({[&] {
    SendMessageA(f.form.Handle(), WM_COMMAND, IDOK, 0);
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
  }, [&] { SendMessageA(f.form.Handle(), WM_CLOSE, 0, 0); }});
  f.form.ShowModal();
  EXPECT_TRUE(f.messages.shown.empty());
  testsupport::RemoveTree(history);
}

}  // namespace
