#include "dialogs/UseFileSettingUnit.h"

#include "ui/Dpi.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <functional>
#include <vector>

#include "platform/Win32Handles.h"

namespace quenlark {

namespace {

using K = ControlKind;
using F = TUseFileSettingForm;

using T = TextId;

// The open dialog's filter: description and pattern pairs, each text ended by
// a NUL, the list by two.
std::string OpenFilter() {
  static constexpr struct {
    TextId description;
    const char* pattern;
  } kFilters[] = {{T::UseFileFilterAll, "*.*"},
                  {T::UseFileFilterText, "*.txt"},
                  {T::UseFileFilterProgram, "*.exe"},
                  {T::UseFileFilterShortcut, "*.lnk"},
                  {T::UseFileFilterDocument, "*.doc"}};
  std::string filter;
  for (const auto& f : kFilters) {
    filter += Text(f.description);
    filter += '\0';
    filter += f.pattern;
    filter += '\0';
  }
  return filter + '\0';
}
// The WM_COMMAND code the list sends its form for the Delete key.
constexpr int kDeleteKeyCode = 0x0FD2;

// The rows in tab order; each label stands right before the field its
// "&" letter moves to. The rectangles are the designed ones; FormResize fits
// the rule, the list and the status bar to the window.
std::vector<ControlRow> Controls(UseFileSettingModel& m) {
  return {
      {.kind = K::FocusLabel, .id = F::kNameLabel, .name = "NameLabel", .left = 8, .top = 12, .width = 94,
       .height = 14, .caption = Text(T::UseFileNameLabel)},
      {.kind = K::Edit, .id = F::kNameEdit, .name = "NameEdit", .left = 104, .top = 8, .width = 120, .height = 21,
       .hint = Text(T::UseFileNameHint),
       .binding = BindText(m.Fields.Name)},
      {.kind = K::Button, .id = F::kOpenFileButton, .name = "OpenFileButton", .left = 228, .top = 6, .width = 89,
       .height = 25, .caption = Text(T::UseFileOpenFile), .hint = Text(T::UseFileOpenFileHint)},
      {.kind = K::Button, .id = F::kOpenFolderButton, .name = "OpenFolderButton", .left = 320, .top = 6,
       .width = 89, .height = 25, .caption = Text(T::UseFileOpenFolder), .hint = Text(T::UseFileOpenFolderHint)},
      {.kind = K::FocusLabel, .id = F::kFileLabel, .name = "FileLabel", .left = 8, .top = 42, .width = 94,
       .height = 14, .caption = Text(T::UseFileFileLabel)},
      {.kind = K::Edit, .id = F::kFileEdit, .name = "FileEdit", .left = 104, .top = 38, .width = 305, .height = 21,
       .hint = Text(T::UseFileFileHint),
       .binding = BindText(m.Fields.File)},
      {.kind = K::FocusLabel, .id = F::kExecuteLabel, .name = "ExecuteLabel", .left = 8, .top = 72, .width = 94,
       .height = 14, .caption = Text(T::UseFileExecuteLabel)},
      {.kind = K::Edit, .id = F::kExecuteEdit, .name = "ExecuteEdit", .left = 104, .top = 68, .width = 213,
       .height = 21,
       .hint = Text(T::UseFileExecuteHint),
       .binding = BindText(m.Fields.Execute)},
      {.kind = K::Button, .id = F::kExecuteButton, .name = "ExecuteButton", .left = 320, .top = 66, .width = 89,
       .height = 25, .caption = Text(T::UseFileExecuteButton), .hint = Text(T::UseFileExecuteButtonHint)},
      {.kind = K::Rule, .id = F::kLineBevel, .name = "LineBevel", .left = 0, .top = 96, .width = 416, .height = 2},
      {.kind = K::Button, .id = F::kAddButton, .name = "AddButton", .left = 8, .top = 101, .width = 56,
       .height = 25, .caption = Text(T::UseFileAdd), .hint = Text(T::UseFileAddHint)},
      {.kind = K::Button, .id = F::kSaveButton, .name = "SaveButton", .left = 67, .top = 101, .width = 56,
       .height = 25, .caption = Text(T::UseFileSave), .hint = Text(T::UseFileSaveHint)},
      {.kind = K::Button, .id = F::kDeleteButton, .name = "DeleteButton", .left = 126, .top = 101, .width = 56,
       .height = 25, .caption = Text(T::UseFileDelete), .hint = Text(T::UseFileDeleteHint)},
      {.kind = K::Button, .id = F::kLineButton, .name = "LineButton", .left = 185, .top = 101, .width = 68,
       .height = 25, .caption = Text(T::UseFileLine), .hint = Text(T::UseFileLineHint)},
      {.kind = K::Button, .id = F::kClearButton, .name = "ClearButton", .left = 256, .top = 101, .width = 56,
       .height = 25, .caption = Text(T::UseFileClear), .hint = Text(T::UseFileClearHint)},
      {.kind = K::Label, .id = F::kMoveLabel, .name = "MoveLabel", .left = ByFace(322, 318), .top = 107,
       .width = ByFace(28, 32),
       .height = 14, .caption = Text(T::UseFileMoveLabel)},
      {.kind = K::SpeedButton, .id = F::kUpSpeedButton, .name = "UpSpeedButton", .left = 352, .top = 101,
       .width = 25, .height = 25, .caption = "▲", .hint = Text(T::UseFileUpHint)},
      {.kind = K::SpeedButton, .id = F::kDownSpeedButton, .name = "DownSpeedButton", .left = 381, .top = 101,
       .width = 25, .height = 25, .caption = "▼", .hint = Text(T::UseFileDownHint)},
      {.kind = K::ListBox, .id = F::kFileListBox, .name = "FileListBox", .left = 4, .top = F::kTopPanelHeight,
       .width = 408, .height = 224,
       .hint = Text(T::UseFileListHint),
       .binding = BindRows(m)},
      {.kind = K::StatusBar, .id = F::kStatusBar, .name = "StatusBar",
       .binding = BindShown([&m] { return m.StatusText(); })},
  };
}

// The Delete key in the list deletes its selected rows.
LRESULT CALLBACK ListKeys(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) noexcept {
  if (msg == WM_KEYDOWN && wp == VK_DELETE) {
    SendMessageW(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), kDeleteKeyCode), reinterpret_cast<LPARAM>(h));
    return 0;
  }
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(h, &ListKeys, 0);
  return DefSubclassProc(h, msg, wp, lp);
}

// The current folder as the system spells it: it is only ever given back.
std::wstring CurrentFolder() {
  const DWORD size = GetCurrentDirectoryW(0, nullptr);
  if (size == 0) return {};
  std::wstring folder(size, L'\0');
  const DWORD got = GetCurrentDirectoryW(size, folder.data());
  folder.resize(got < size ? got : 0);
  return folder;
}

// Puts the process's current folder back when it goes out of scope: the
// system's pickers may change it, and relative paths elsewhere rely on it.
class CurrentFolderKept {
 public:
  CurrentFolderKept() : folder_(CurrentFolder()) {}
  ~CurrentFolderKept() {
    if (!folder_.empty()) SetCurrentDirectoryW(folder_.c_str());
  }
  CurrentFolderKept(const CurrentFolderKept&) = delete;
  CurrentFolderKept& operator=(const CurrentFolderKept&) = delete;

 private:
  std::wstring folder_;
};

}  // namespace

void TUseFileSettingForm::FormCreate() {
  CreateControls(Controls(model_));
  SetCommands({
      {kFileListBox, [this] { FileListBoxClick(); }, LBN_SELCHANGE},
      {kFileListBox, [this] { DeleteButtonClick(); }, kDeleteKeyCode},
      {kAddButton, [this] { AddButtonClick(); }},
      {kSaveButton, [this] { SaveButtonClick(); }},
      {kDeleteButton, [this] { DeleteButtonClick(); }},
      {kLineButton, [this] { LineButtonClick(); }},
      {kClearButton, [this] { ClearButtonClick(); }},
      {kUpSpeedButton, [this] { UpSpeedButtonClick(); }},
      {kDownSpeedButton, [this] { DownSpeedButtonClick(); }},
      {kOpenFileButton, [this] { OpenFileButtonClick(); }},
      {kOpenFolderButton, [this] { OpenFolderButtonClick(); }},
      {kExecuteButton, [this] { ExecuteButtonClick(); }},
  });
  const auto editable = [this] { return model_.CanEditCurrent(); };
  const auto addable = [this] { return model_.CanAdd(); };
  SetEnablement({{kSaveButton, editable}, {kDeleteButton, editable}, {kAddButton, addable}, {kLineButton, addable}});
  if (HWND list = Control(kFileListBox)) SetWindowSubclass(list, &ListKeys, 0, 0);

  SHBrowseForFolderEx.Caption = Text(T::UseFileFolderPickerTitle);
  SHBrowseForFolderEx.Options = {sboReturnOnlyFSDirs, sboStatusTextAndShowPath, sboStatusText};
  SHBrowseForFolderEx.RootFolder = rfDesktop;
  SHBrowseForFolderEx.ShowStyle = ssClient;
  SHBrowseForFolderEx.SelectFolder = sfDrives;

  model_.LastFolder = platform::ProgramText(CurrentFolder());
  Placement = KeptPlacement::PositionAndSize;
  FormResize();
}

void TUseFileSettingForm::FormShow() {
  SetHint(kStatusBar, FormatText(T::UseFileStatusHint, kFavouriteSlots));
  model_.Load(host_.CurrentFavourites());
  // The rows are written afresh: the list may hold those of the last showing.
  SetItems(kFileListBox, model_.RowTexts());
  ShowModel();
  FormResize();
  DragAcceptFiles(Handle(), TRUE);
}

void TUseFileSettingForm::FormClose() {
  DragAcceptFiles(Handle(), FALSE);
  // Closing in any way keeps the favourites as they now stand.
  Publish();
}

// ----------------------------------------------------------- model and view

void TUseFileSettingForm::ShowModel() {
  LoadControls();
  UpdateEnablement();
  // A button that has just been disabled would keep the keyboard focus and
  // leave the keyboard dead.
  if (HWND focus = GetFocus(); focus && GetParent(focus) == Handle() && !IsWindowEnabled(focus)) {
    SetFocus(Control(kFileListBox));
  }
}

void TUseFileSettingForm::Run(const std::function<bool()>& operation) {
  StoreControls();
  if (operation()) Publish();
  ShowModel();
}

void TUseFileSettingForm::Publish() { host_.ApplyFavourites(model_.Table()); }

// ----------------------------------------------------------------- handlers

void TUseFileSettingForm::FileListBoxClick() {
  Run([this] {
    model_.Refresh();
    return false;
  });
}

void TUseFileSettingForm::AddButtonClick() {
  Run([this] { return model_.Add(); });
}

void TUseFileSettingForm::SaveButtonClick() {
  Run([this] { return model_.SaveCurrent(); });
}

void TUseFileSettingForm::DeleteButtonClick() {
  StoreControls();
  const std::string question = model_.DeleteQuestion();
  if (question.empty()) return;
  const unsigned flags = platform::kMbYesNo | platform::kMbDefButton2 | platform::kMbIconQuestion;
  if (services_.messages.Show(question, Text(T::UseFileDeleteCaption), flags) != platform::kIdYes) return;
  Run([this] { return model_.DeleteSelected(); });
}

void TUseFileSettingForm::ClearButtonClick() {
  Run([this] {
    model_.ClearFields();
    return false;
  });
}

void TUseFileSettingForm::LineButtonClick() {
  Run([this] { return model_.AddSeparator(); });
}

void TUseFileSettingForm::UpSpeedButtonClick() {
  Run([this] { return model_.MoveUp(); });
  // The arrows are not a place for the keyboard: it goes back to the list.
  if (GetFocus() == Control(kUpSpeedButton)) SetFocus(Control(kFileListBox));
}

void TUseFileSettingForm::DownSpeedButtonClick() {
  Run([this] { return model_.MoveDown(); });
  if (GetFocus() == Control(kDownSpeedButton)) SetFocus(Control(kFileListBox));
}

void TUseFileSettingForm::OpenFileButtonClick() {
  CurrentFolderKept kept;
  const std::optional<std::string> path = RunOpenDialog(model_.LastFolder);
  if (!path) return;
  Run([&] {
    model_.FileChosen(*path);
    return false;
  });
  SetFocus(Control(kFileEdit));
}

void TUseFileSettingForm::OpenFolderButtonClick() {
  CurrentFolderKept kept;
  SHBrowseForFolderEx.SelectFolderName = model_.LastFolder;
  const std::optional<std::string> folder = RunFolderPicker();
  if (!folder) return;
  // From the first folder chosen on, the picker opens where the last one was.
  SHBrowseForFolderEx.SelectFolder = sfManual;
  Run([&] {
    model_.FolderChosen(*folder);
    return false;
  });
  SetFocus(Control(kFileEdit));
}

void TUseFileSettingForm::ExecuteButtonClick() {
  CurrentFolderKept kept;
  StoreControls();
  const std::optional<std::string> path = RunOpenDialog(model_.ApplicationStartFolder());
  if (!path) return;
  Run([&] {
    model_.ApplicationChosen(*path);
    return false;
  });
  SetFocus(Control(kNameEdit));
}

void TUseFileSettingForm::DropFiles(HDROP drop) {
  struct Finish {
    HDROP h;
    ~Finish() { DragFinish(h); }
  } finish{drop};
  const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
  if (length == 0) return;
  std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
  wide.resize(DragQueryFileW(drop, 0, wide.data(), length + 1));
  const std::string path = platform::ProgramText(platform::WideUntilNul(wide.data(), wide.size()));
  if (path.empty() || !model_.CanAdd()) return;
  Run([&] { return model_.Drop(path, services_.paths.IsFolder(path)); });
}

// ------------------------------------------------------------------ pickers

std::optional<std::string> TUseFileSettingForm::RunOpenDialog(const std::string& folder) {
  // One dialog serves the file and the application buttons: it opens with
  // the file and the filter chosen in it last, by either button.
  wchar_t path[MAX_PATH] = {};
  openFileName_.copy(path, MAX_PATH - 1);
  // The filter's pairs are separated by NULs and end in two.
  const std::wstring filter = platform::Wide(OpenFilter());
  const std::wstring initialFolder = platform::Wide(folder);
  OPENFILENAMEW open{};
  open.lStructSize = sizeof open;
  open.hwndOwner = Handle();
  open.lpstrFilter = filter.c_str();
  open.nFilterIndex = openFilterIndex_;
  open.lpstrFile = path;
  open.nMaxFile = MAX_PATH;
  open.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
  // A chosen shortcut is returned as itself, not as its target.
  open.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NODEREFERENCELINKS;
  if (!ShowOpenDialog(open)) return std::nullopt;
  openFileName_ = platform::WideUntilNul(path, MAX_PATH);
  openFilterIndex_ = open.nFilterIndex;
  return platform::ProgramText(openFileName_);
}

bool TUseFileSettingForm::ShowOpenDialog(OPENFILENAMEW& open) { return GetOpenFileNameW(&open) != FALSE; }

std::optional<std::string> TUseFileSettingForm::RunFolderPicker() {
  if (!SHBrowseForFolderEx.Browse() || SHBrowseForFolderEx.FolderName().empty()) return std::nullopt;
  return SHBrowseForFolderEx.FolderName();
}

// ------------------------------------------------------------------- window

void TUseFileSettingForm::FormResize() {
  RECT client{};
  GetClientRect(Handle(), &client);
  const int cw = client.right, ch = client.bottom;
  if (cw <= 0 || ch <= 0) return;
  HWND status = Control(kStatusBar);
  SendMessageW(status, WM_SIZE, 0, 0);
  RECT bar{};
  GetWindowRect(status, &bar);
  const int barHeight = bar.bottom - bar.top;
  const int top = Scale(kTopPanelHeight), margin = Scale(4);
  SetWindowPos(Control(kLineBevel), nullptr, 0, Scale(96), cw, Scale(2), SWP_NOZORDER | SWP_NOACTIVATE);
  const int listHeight = ch - top - barHeight;
  SetWindowPos(Control(kFileListBox), nullptr, margin, top, cw - 2 * margin > 0 ? cw - 2 * margin : 0,
               listHeight > 0 ? listHeight : 0, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TUseFileSettingForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_SIZE:
      FormResize();
      return false;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lp);
      RECT frame{0, 0, 0, 0};
      ui::AdjustWindowRectForDpi(frame, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)),
                                 static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)), Dpi());
      // The fields' band must stay whole: the window as wide as the folder
      // button's right edge plus the left margin plus its frame, and as high
      // as the band plus 100 (the frame is not added here).
      const ControlRow* button = Row(kOpenFolderButton);
      const ControlRow* label = Row(kNameLabel);
      const int width = button && label ? button->left + button->width + label->left : 417;
      info->ptMinTrackSize = {Scale(width) + frame.right - frame.left, Scale(kTopPanelHeight + 100)};
      const ScreenSize screen = PlacementScreenSize();
      if (screen.Width > 0 && screen.Height > 0) info->ptMaxTrackSize = {screen.Width, screen.Height};
      result = 0;
      return true;
    }
    case WM_DROPFILES: {
      HDROP drop = reinterpret_cast<HDROP>(wp);
      if (Showing()) {
        DropFiles(drop);
      } else {
        DragFinish(drop);
      }
      result = 0;
      return true;
    }
    case WM_HELP:
      host_.ShowHelpTopic(kHelpContext);
      result = TRUE;
      return true;
    default:
      return false;
  }
}

}  // namespace quenlark
