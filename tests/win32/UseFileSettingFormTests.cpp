// The favourites editor built for real over a fake controller: its controls
// in tab order, one session of edits through its buttons, list, keys and a
// real drop handle, with the pickers answered by the test (they move the
// process's current folder, which the editor must put back).
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FakeDialogHost.h"
#include "FakeRegistry.h"
#include "TimedSteps.h"
#include "dialogs/UseFileSettingUnit.h"
#include "platform/Win32Desktop.h"
#include "platform/Win32Text.h"

namespace {

using quenlark::TUseFileSettingForm;
using testsupport::RunSteps;
using testsupport::Text;
using F = TUseFileSettingForm;

class ScriptedEditor : public TUseFileSettingForm {
 public:
  using TUseFileSettingForm::TUseFileSettingForm;
  std::vector<std::optional<std::string>> fileAnswers, folderAnswers;
  std::vector<std::string> starts;  // where each picker was asked to start
  std::vector<std::string> opened;  // the file name and filter each file-open dialog opened with
  std::string wander;               // the folder the pickers leave current

 protected:
  bool ShowOpenDialog(OPENFILENAMEW& open) override {
    starts.push_back("file " + platform::ProgramText(open.lpstrInitialDir ? open.lpstrInitialDir : L""));
    opened.push_back(platform::ProgramText(open.lpstrFile) + "|" + std::to_string(open.nFilterIndex));
    const std::optional<std::string> answer = Answer(fileAnswers);
    if (answer) open.lpstrFile[platform::Wide(*answer).copy(open.lpstrFile, open.nMaxFile - 1)] = L'\0';
    open.nFilterIndex = 3;  // the user switched to the programs' filter
    return answer.has_value();
  }
  std::optional<std::string> RunFolderPicker() override {
    starts.push_back(SHBrowseForFolderEx.SelectFolder == quenlark::sfManual
                         ? "folder " + SHBrowseForFolderEx.SelectFolderName
                         : "folder (drives)");
    return Answer(folderAnswers);
  }

 private:
  std::optional<std::string> Answer(std::vector<std::optional<std::string>>& answers) {
    SetCurrentDirectoryA(wander.c_str());
    if (answers.empty()) return std::nullopt;
    std::optional<std::string> answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
};

std::string CurrentFolder() {
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  return folder;
}

// A drop handle as the shell makes it: DROPFILES, then wide paths each
// ended by a NUL, then one more NUL, in movable global memory.
HDROP MakeDrop(const std::vector<std::wstring>& paths) {
  std::wstring list;
  for (const std::wstring& p : paths) list += p + L'\0';
  list += L'\0';
  const SIZE_T size = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

struct Fixture {
  quenlark::TApplication app{GetModuleHandleA(nullptr)};
  test::FakeRegistry registry;
  test::FakeDialogHost host;
  test::ScriptedMessages messages;
  platform::Win32PathQuery paths;
  ScriptedEditor form{app, registry, host, {messages, paths}};
  Fixture() {
    app.Initialize();
    form.Create();
  }
  ~Fixture() { form.Destroy(); }
  HWND C(int id) const { return form.Control(id); }
  void Click(int id) { SendMessageA(C(id), BM_CLICK, 0, 0); }
  void SetText(int id, const char* text) { SetWindowTextA(C(id), text); }
  // Selects rows in the list as a user's clicks do, the caret on `caret`.
  void Select(const std::vector<int>& rows, int caret) {
    HWND list = C(F::kFileListBox);
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    for (int r : rows) SendMessageA(list, LB_SETSEL, TRUE, r);
    SendMessageA(list, LB_SETCARETINDEX, static_cast<WPARAM>(caret), FALSE);
    SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(F::kFileListBox, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  }
  std::string Row(int row) const {
    char text[512] = {};
    SendMessageA(C(F::kFileListBox), LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
    return text;
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (int i = 0; i < host.favourites.FavouriteCount; ++i) names.push_back(host.favourites.Slots[static_cast<std::size_t>(i)].Name);
    return names;
  }
};

using V = std::vector<std::string>;

TEST(UseFileSettingFormTest, ControlsFollowTheDesignedTabOrderAndTheWindowKeepsItsBand) {
  Fixture f;
  std::vector<int> order;
  HWND first = f.C(F::kNameEdit);
  HWND h = first;
  do {
    order.push_back(GetDlgCtrlID(h));
    h = GetNextDlgTabItem(f.form.Handle(), h, FALSE);
  } while (h && h != first && order.size() < 20);
  EXPECT_EQ(order, (std::vector<int>{F::kNameEdit, F::kOpenFileButton, F::kOpenFolderButton, F::kFileEdit,
                                     F::kExecuteEdit, F::kExecuteButton, F::kAddButton, F::kSaveButton,
                                     F::kDeleteButton, F::kLineButton, F::kClearButton, F::kFileListBox}));
  EXPECT_EQ(Text(f.form.Handle()), "良く使うﾌｧｲﾙとﾌｫﾙﾀﾞの設定");
  EXPECT_EQ(Text(f.C(F::kNameLabel)), "ﾒﾆｭｰ項目名(&N)：");
  EXPECT_EQ(Text(f.C(F::kLineButton)), "区切り線(&L)");

  MINMAXINFO info{};
  SendMessageA(f.form.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  RECT window{}, client{};
  GetWindowRect(f.form.Handle(), &window);
  GetClientRect(f.form.Handle(), &client);
  const int frameWidth = (window.right - window.left) - client.right;
  EXPECT_EQ(info.ptMinTrackSize.x, f.form.Scale(320 + 89 + 8) + frameWidth);
  EXPECT_EQ(info.ptMinTrackSize.y, f.form.Scale(F::kTopPanelHeight + 100)) << "the band and 100, frame included";
  // Shrunk to the minimum, the list still starts below the band and has room.
  SetWindowPos(f.form.Handle(), nullptr, 0, 0, info.ptMinTrackSize.x, info.ptMinTrackSize.y, SWP_NOMOVE | SWP_NOZORDER);
  RECT list{};
  GetWindowRect(f.C(F::kFileListBox), &list);
  MapWindowPoints(nullptr, f.form.Handle(), reinterpret_cast<POINT*>(&list), 2);
  EXPECT_EQ(list.top, f.form.Scale(F::kTopPanelHeight));
  EXPECT_GT(list.bottom - list.top, f.form.Scale(50));
}

// A hint shows over a disabled control as over an enabled one: the pointer
// resting on each button pops the form's tooltip up with its hint.
TEST(UseFileSettingFormTest, DisabledButtonsShowTheirHintsToo) {
  Fixture f;
  f.form.Show();
  for (int id : {F::kAddButton, F::kDeleteButton, F::kSaveButton}) {
    RECT r{};
    GetWindowRect(f.C(id), &r);
    HWND tip = nullptr;
    while ((tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) && GetWindow(tip, GW_OWNER) != f.form.Handle()) {}
    wchar_t text[1024] = {};
    TOOLINFOW shown{.cbSize = sizeof shown, .lpszText = text};
    // The pointer rests on the control's centre (moved anew now and then).
    for (int n = 0; n < 1500 && f.form.Hint(id) != platform::ProgramText(text); ++n, Sleep(20)) {
      INPUT move{.type = INPUT_MOUSE, .mi = {.dx = ((r.left + r.right) / 2 + n / 100 % 2) * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1),
                                             .dy = (r.top + r.bottom) / 2 * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1),
                                             .dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE}};
      if (n % 100 == 0) SendInput(1, &move, sizeof move);
      f.app.ProcessMessages();
      text[0] = L'\0';
      if (IsWindowVisible(tip)) SendMessageW(tip, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&shown));
    }
    EXPECT_EQ(platform::ProgramText(text), f.form.Hint(id)) << "enabled: " << IsWindowEnabled(f.C(id));
  }
}

TEST(UseFileSettingFormTest, EachEditReachesTheControllerAtOnceAndTheFoldersArePutBack) {
  Fixture f;
  const char* names[] = {"Alpha", ">", "Charlie", "<"};
  for (int i = 0; i < 4; ++i) f.host.favourites.Slots[static_cast<std::size_t>(i)] = {names[i], std::string("C:\\") + (i == 1 ? "Docs" : "f.txt"), ""};
  f.host.favourites.FavouriteCount = 4;
  const std::string home = CurrentFolder();
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  f.form.wander = temp;
  const std::string dropFolder = std::string(temp) + "ql_dropped";
  CreateDirectoryA(dropFolder.c_str(), nullptr);
  const std::string startFolder = f.form.LastFolder();
  EXPECT_EQ(startFolder, home) << "the pickers start where the program started";

  RunSteps({
      [&] {
        EXPECT_EQ(f.Row(2), "    + Charlie  ==>  C:\\f.txt");
        EXPECT_EQ(Text(f.C(F::kStatusBar)), "登録ﾌｧｲﾙ/ﾌｫﾙﾀﾞ数 : 4個");
        EXPECT_EQ(f.form.Hint(F::kStatusBar), "最大99個まで、ﾌｧｲﾙやﾌｫﾙﾀﾞを登録できます。");
        EXPECT_FALSE(IsWindowEnabled(f.C(F::kSaveButton)));
        EXPECT_FALSE(IsWindowEnabled(f.C(F::kDeleteButton)));
        // Added without a current row: at the top, trimmed, fields emptied.
        f.SetText(F::kNameEdit, " New ");
        f.SetText(F::kFileEdit, "C:\\new.txt");
        f.Click(F::kAddButton);
        EXPECT_EQ(f.Names(), (V{"New", "Alpha", ">", "Charlie", "<"}));
        EXPECT_EQ(Text(f.C(F::kNameEdit)), "");
        // Two rows moved down as a block; the current row's entry in the fields.
        f.Select({0, 1}, 1);
        EXPECT_EQ(Text(f.C(F::kNameEdit)), "Alpha");
        f.Click(F::kDownSpeedButton);
        EXPECT_EQ(f.Names(), (V{">", "New", "Alpha", "Charlie", "<"}));
        EXPECT_EQ(f.Row(1), "    + New  ==>  C:\\new.txt");
        EXPECT_EQ(SendMessageA(f.C(F::kFileListBox), LB_GETSEL, 2, 0), 1);
        // The Delete key asks about both rows; No keeps them, Yes deletes them.
        f.messages.answers = {platform::kIdNo, platform::kIdYes};
        SendMessageA(f.C(F::kFileListBox), WM_KEYDOWN, VK_DELETE, 0);
        EXPECT_EQ(f.Names().size(), 5u);
        f.Click(F::kDeleteButton);
        EXPECT_EQ(f.Names(), (V{">", "Charlie", "<"}));
        EXPECT_FALSE(IsWindowEnabled(f.C(F::kSaveButton)));
      },
      [&] {
        // The file picker: the name typed is kept, the folder remembered,
        // the current folder put back.
        f.SetText(F::kNameEdit, "Plan");
        f.form.fileAnswers = {std::string("C:\\Docs\\plan.txt")};
        f.Click(F::kOpenFileButton);
        EXPECT_EQ(Text(f.C(F::kFileEdit)), "C:\\Docs\\plan.txt");
        EXPECT_EQ(Text(f.C(F::kNameEdit)), "Plan");
        EXPECT_EQ(f.form.LastFolder(), "C:\\Docs\\");
        EXPECT_EQ(GetFocus(), f.C(F::kFileEdit));
        EXPECT_EQ(CurrentFolder(), home);
        // The folder picker starts at the drives until a folder was chosen.
        f.SetText(F::kNameEdit, "");
        f.form.folderAnswers = {std::string("C:\\Music"), std::nullopt};
        f.Click(F::kOpenFolderButton);
        EXPECT_EQ(Text(f.C(F::kNameEdit)), "Music");
        f.Click(F::kOpenFolderButton);  // cancelled: nothing changes
        EXPECT_EQ(Text(f.C(F::kFileEdit)), "C:\\Music");
        // The application picker starts at the program already named.
        f.SetText(F::kExecuteEdit, "C:\\Tools\\edit.exe");
        f.Click(F::kExecuteButton);
        EXPECT_EQ(Text(f.C(F::kExecuteEdit)), "C:\\Tools\\edit.exe");
        EXPECT_EQ(CurrentFolder(), home);
        EXPECT_EQ(f.form.starts, (V{"file " + startFolder, "folder (drives)", "folder C:\\Music", "file C:\\Tools\\"}));
        // One file-open dialog serves both buttons: it opens with the file
        // and the filter last chosen in it.
        EXPECT_EQ(f.form.opened, (V{"|1", "C:\\Docs\\plan.txt|3"}));
        f.Click(F::kClearButton);
        EXPECT_EQ(Text(f.C(F::kFileEdit)) + Text(f.C(F::kExecuteEdit)), "");
      },
      [&] {
        // A real drop: the first path only; a folder keeps its whole name.
        SendMessageA(f.form.Handle(), WM_DROPFILES,
                     reinterpret_cast<WPARAM>(MakeDrop({std::wstring(dropFolder.begin(), dropFolder.end()), L"C:\\b.txt"})), 0);
        EXPECT_EQ(f.Names(), (V{"ql_dropped", ">", "Charlie", "<"}));
        EXPECT_EQ(f.host.favourites.Slots[0].File, dropFolder);
        // A path the code page cannot spell is stored as itself.
        SendMessageA(f.form.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({L"C:\\x\u00E4.txt"})), 0);
        EXPECT_EQ(f.Names().size(), 5u);
        SendMessageA(f.form.Handle(), WM_HELP, 0, 0);
        EXPECT_EQ(f.host.calls.back(), "help 20");
        f.host.calls.clear();
        SendMessageA(f.form.Handle(), WM_CLOSE, 0, 0);
      },
  });
  f.form.ShowModal();
  EXPECT_EQ(f.host.calls, (V{"favourites"})) << "closing hands the favourites over once more";
  EXPECT_TRUE(std::any_of(std::begin(f.host.favourites.Slots), std::end(f.host.favourites.Slots),
                          [](const auto& slot) { return slot.File == platform::ProgramText(L"C:\\x\u00E4.txt"); }));
  EXPECT_EQ(f.messages.shown.size(), 2u);
  EXPECT_EQ(f.messages.shown[0], "削除確認|292|2個の設定を削除しますか？");
  RemoveDirectoryA(dropFolder.c_str());
}

// The current row is the list's focus row when a command runs: moved with
// Ctrl+arrows (no selection change) or after a deletion, 区切り線 follows it.
TEST(UseFileSettingFormTest, InsertionsFollowTheFocusRowTheUserSees) {
  Fixture f;
  for (std::size_t i = 0; i < 4; ++i) f.host.favourites.Slots[i] = {std::string(1, static_cast<char>('A' + i)), "", ""};
  f.host.favourites.FavouriteCount = 4;
  HWND list = f.C(F::kFileListBox);
  f.messages.answers = {platform::kIdYes};
  int caret = 0;
  RunSteps({[&] {
    f.Select({1}, 1);
    SendMessageA(list, LB_SETCARETINDEX, 3, FALSE);
    f.Click(F::kLineButton);
    EXPECT_EQ(f.Names(), (V{"A", "B", "C", "D", "-"}));
    f.Select({0}, 0);
    f.Click(F::kDeleteButton);
    caret = static_cast<int>(SendMessageA(list, LB_GETCARETINDEX, 0, 0) + 1) % 4;
    SendMessageA(list, LB_SETCARETINDEX, static_cast<WPARAM>(caret), FALSE);
    f.Click(F::kLineButton);
    SendMessageA(f.form.Handle(), WM_CLOSE, 0, 0);
  }});
  f.form.ShowModal();
  ASSERT_EQ(f.Names().size(), 5u);
  EXPECT_EQ(f.Names()[static_cast<std::size_t>(caret) + 1], "-") << "after row " << caret;
}

}  // namespace
