#include "dialogs/SelectClearUnit.h"

#include "ui/Dpi.h"

#include <commctrl.h>

#include <functional>

#include "recent/Listing.h"

namespace quenlark {

namespace {

using K = ControlKind;
using F = TSelectClearForm;

using T = TextId;
// The band of buttons and the check box along the bottom edge.
constexpr int kBandHeight = 62;

// The rectangles are those of the designed size; Layout() fits them to the
// dialog's client area whenever it changes size. Tab order: the buttons,
// the recycle box, then the list in its group box.
std::vector<ControlRow> Controls(SelectClearModel& m) {
  return {
      {.kind = K::Button, .id = F::kUnlLinkButton, .name = "UnlLinkButton", .left = 8, .top = 219, .width = 64,
       .height = 25, .caption = Text(T::ClearLinkButton), .hint = Text(T::ClearLinkHint)},
      {.kind = K::Button, .id = F::kRevButton, .name = "RevButton", .left = 77, .top = 219, .width = 64,
       .height = 25, .caption = Text(T::ClearRevButton), .hint = Text(T::ClearRevHint)},
      {.kind = K::DefaultButton, .id = F::kOkButton, .name = "OkButton", .left = 146, .top = 219, .width = 64,
       .height = 25, .caption = Text(T::ClearOk), .hint = Text(T::ClearOkHint)},
      {.kind = K::CancelButton, .id = F::kCancelButton, .name = "CancelButton", .left = 215, .top = 219,
       .width = 64, .height = 25, .caption = Text(T::ClearCancel), .hint = Text(T::ClearCancelHint)},
      {.kind = K::CheckBox, .id = F::kSendToRecycleCheckBox, .name = "SendToRecycleCheckBox", .left = 8, .top = 250,
       .width = 272, .height = 17, .caption = Text(T::ClearRecycle),
       .hint = Text(T::ClearRecycleHint), .binding = BindCheck(m.Recycle)},
      {.kind = K::GroupBox, .id = F::kRecentFilesGroupBox, .name = "RecentFilesGroupBox", .left = 8, .top = 8,
       .width = 272, .height = 197, .caption = Text(T::ClearListGroup),
       .binding = BindShown([&m] { return m.CounterText(); })},
      {.kind = K::CheckListView, .id = F::kRecentFilesCheckListBox, .name = "RecentFilesCheckListBox", .left = 16,
       .top = 26, .width = 256, .height = 171, .rowHeight = 12, .hint = Text(T::ClearListHint),
       .binding = BindRows(m)},
  };
}

// Every press of a mouse button on the list reaches the dialog before the
// list acts on it. The second press of a double click comes as a double
// click message: it is handed on as a plain press, so the list does not add
// a toggle of its own to the two presses'.
LRESULT CALLBACK ListPresses(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR form) noexcept {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: {
      if (!IsWindowEnabled(h)) break;
      reinterpret_cast<F*>(form)->RecentFilesCheckListBoxMouseDown(
          {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
      if (msg == WM_LBUTTONDBLCLK) return DefSubclassProc(h, WM_LBUTTONDOWN, wp, lp);
      if (msg == WM_RBUTTONDBLCLK) return DefSubclassProc(h, WM_RBUTTONDOWN, wp, lp);
      if (msg == WM_MBUTTONDBLCLK) return DefSubclassProc(h, WM_MBUTTONDOWN, wp, lp);
      break;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(h, &ListPresses, 0);
      break;
    default:
      break;
  }
  return DefSubclassProc(h, msg, wp, lp);
}

}  // namespace

void TSelectClearForm::FormCreate() {
  CreateControls(Controls(model_));
  SetCommands({
      {kUnlLinkButton, [this] { UnlLinkButtonClick(); }},
      {kRevButton, [this] { RevButtonClick(); }},
      {kOkButton, [this] { OkButtonClick(); }},
      {kCancelButton, [this] { CancelButtonClick(); }},
  });
  const auto listed = [this] { return model_.ListedCount() > 0; };
  SetEnablement({{kRecentFilesCheckListBox, listed}, {kOkButton, listed}, {kUnlLinkButton, listed},
                 {kRevButton, listed}});
  SetWindowSubclass(Control(kRecentFilesCheckListBox), &ListPresses, 0, reinterpret_cast<DWORD_PTR>(this));
  GroupCaption = Row(kRecentFilesGroupBox)->caption;
  Placement = KeptPlacement::PositionAndSize;
  Layout();
}

void TSelectClearForm::FormShow() {
  // The rows are made afresh at every showing: no highlight, focus row or
  // scroll position is left from the last one.
  SetItems(kRecentFilesCheckListBox, {});
  const TSettings& settings = host_.CurrentSettings();
  const ClearSource source =
      ClearSourceFor(static_cast<int>(ClearMode), settings.SortSelect, host_.ShellRecentFolderPath(), host_.HistoryFolderPath());
  if (!source.title.empty()) platform::SetWindowText(Handle(), source.title);
  std::vector<ListingLine> lines;
  if (!source.folder.empty()) lines = host_.ClearListing(source.folder, source.sortCode);
  // Ctrl held while the dialog opens shows full paths, as in the menu.
  const bool fullPath = settings.PathDisp || services_.keys.KeyDown(platform::kVkControl);
  model_.Fill(std::move(lines), source.folder, source.newestFirst, fullPath, settings.ExtDisp);
  model_.GroupCaption = GroupCaption;
  model_.Recycle = settings.SendToRecycle;
  LoadControls();
  UpdateEnablement();
  SetFocus(Control(model_.ListedCount() > 0 ? kRecentFilesCheckListBox : kCancelButton));
}

void TSelectClearForm::FormClose() {
  // Kept on every close, whichever way the dialog was left.
  StoreControls();
  TSettings settings = host_.CurrentSettings();
  settings.SendToRecycle = model_.Recycle;
  host_.ApplySettings(settings, 0);
}

std::vector<int> TSelectClearForm::CheckedRows() const {
  return ReadControl(kRecentFilesCheckListBox).selection;
}

void TSelectClearForm::Run(const std::function<void()>& operation) {
  StoreControls();
  operation();
  LoadControls();
}

void TSelectClearForm::RecentFilesCheckListBoxClickCheck() {
  if (!Loading()) Run([] {});
}

void TSelectClearForm::RecentFilesCheckListBoxMouseDown(POINT at) {
  HWND list = Control(kRecentFilesCheckListBox);
  LVHITTESTINFO hit{};
  hit.pt = at;
  const int row = static_cast<int>(SendMessageW(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  RECT bounds{};
  bounds.left = LVIR_BOUNDS;
  if (row >= 0) SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds));
  // On the text, not on the check box (which the list toggles itself).
  const bool onText = row >= 0 && !(hit.flags & LVHT_ONITEMSTATEICON) && at.x >= bounds.left + Scale(15);
  Run([&] {
    if (onText) model_.Toggle(row);
  });
}

void TSelectClearForm::UnlLinkButtonClick() {
  Run([this] { model_.Checks = model_.BrokenRows(services_.fs, services_.paths); });
}

void TSelectClearForm::RevButtonClick() {
  Run([this] { model_.Checks = model_.Inverted(model_.Checks); });
}

void TSelectClearForm::OkButtonClick() {
  StoreControls();
  if (model_.ListedCount() == 0) return;
  const int answer = services_.messages.Show(Text(T::ClearConfirmText), Text(T::ClearConfirmCaption),
                                             platform::kMbYesNo | platform::kMbDefButton2 | platform::kMbIconQuestion);
  if (answer != platform::kIdYes) return;
  // The folder is listed again now: a file a scan removed meanwhile is skipped.
  const std::vector<std::string> files = model_.FilesToClear(model_.Checks, services_.fs.ListFiles(model_.Folder()));
  if (model_.Recycle) {
    if (!files.empty()) RecycleShortcuts(RecycleList(files));
  } else {
    ClearShortcuts(files, false, services_.fs, services_.shell);
  }
  if (ClearMode == ClearMode::History) host_.HistoryEntriesCleared(files);
  Close(mrOk);
}

void TSelectClearForm::CancelButtonClick() { Close(mrCancel); }

void TSelectClearForm::RecycleShortcuts(const std::string& list) { services_.shell.RecycleFiles(list); }

void TSelectClearForm::Layout() {
  RECT client{};
  GetClientRect(Handle(), &client);
  const int cw = client.right, ch = client.bottom;
  if (cw <= 0 || ch <= 0) return;
  const int margin = Scale(8), gap = Scale(5);
  const int bandTop = ch - Scale(kBandHeight);
  auto place = [this](int id, int x, int y, int w, int h) {
    SetWindowPos(Control(id), nullptr, x, y, w > 0 ? w : 0, h > 0 ? h : 0, SWP_NOZORDER | SWP_NOACTIVATE);
  };
  // The group box fills the dialog above the band; the list fills the group box.
  place(kRecentFilesGroupBox, margin, margin, cw - 2 * margin, bandTop - margin);
  const int listTop = margin + Scale(18);
  const int listWidth = cw - 4 * margin;
  place(kRecentFilesCheckListBox, 2 * margin, listTop, listWidth, bandTop - margin - listTop);
  SendMessageW(Control(kRecentFilesCheckListBox), LVM_SETCOLUMNWIDTH, 0,
               listWidth - ui::SystemMetricForDpi(SM_CXVSCROLL, Dpi()) - Scale(4));
  const int buttonWidth = (cw - 2 * margin - 3 * gap) / 4;
  const int buttonTop = bandTop + Scale(6);
  int x = margin;
  for (int id : {kUnlLinkButton, kRevButton, kOkButton, kCancelButton}) {
    place(id, x, buttonTop, buttonWidth, Scale(25));
    x += buttonWidth + gap;
  }
  place(kSendToRecycleCheckBox, margin, bandTop + Scale(37), cw - 2 * margin, Scale(17));
}

bool TSelectClearForm::HandleMessage(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_SIZE:
      Layout();
      return false;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lp);
      info->ptMinTrackSize = {Scale(220), Scale(180)};
      result = 0;
      return true;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lp);
      if (static_cast<int>(header->idFrom) != kRecentFilesCheckListBox) return false;
      if (header->code != LVN_ITEMCHANGED) return false;
      const auto* change = reinterpret_cast<const NMLISTVIEW*>(lp);
      if ((change->uChanged & LVIF_STATE) && ((change->uNewState ^ change->uOldState) & LVIS_STATEIMAGEMASK)) {
        RecentFilesCheckListBoxClickCheck();
      }
      result = 0;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace quenlark
