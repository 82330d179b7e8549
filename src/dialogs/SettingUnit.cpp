#include "dialogs/SettingUnit.h"

#include <commctrl.h>

#include <initializer_list>
#include <vector>

namespace quenlark {

namespace {

using K = ControlKind;
using F = TSettingForm;

using T = TextId;

std::vector<std::string> Items(std::initializer_list<TextId> ids) {
  std::vector<std::string> items;
  for (TextId id : ids) items.emplace_back(Text(id));
  return items;
}

// The controls in tab order, each group box before its controls. Inside the
// groups the labels stand left of their fields; the fields of a group share
// one left edge.
std::vector<ControlRow> Controls(SettingModel& m) {
  const std::vector<std::string> clickItems =
      Items({T::SettingClickLeft, T::SettingClickLeftShift, T::SettingClickLeftCtrl, T::SettingClickRight,
             T::SettingClickRightShift, T::SettingClickRightCtrl});
  const TextId sortItems[] = {T::SettingSortByName, T::SettingSortByExt, T::SettingSortByPath, T::SettingSortByDateDown,
                              T::SettingSortByDateUp};
  const TextId startItems[] = {T::SettingStartEnabled, T::SettingStartDisabled, T::SettingStartLast};
  // The fields' left edges: the English face's labels and items are wider,
  // so there its fields start further left and are as much wider; the labels
  // before them end where they did before the fields.
  const int fields = ByFace(136, 126), listFields = ByFace(88, 100), keyFields = ByFace(408, 388);
  std::vector<ControlRow> rows{
      // ---- RecentGroupBox: 8, 8, 257, 347
      {.kind = K::GroupBox, .id = F::kRecentGroupBox, .name = "RecentGroupBox", .left = 8, .top = 8, .width = 257,
       .height = 347, .caption = Text(T::SettingRecentGroup)},
      {.kind = K::FocusLabel, .id = F::kRecentMaxLabel, .name = "RecentMaxLabel", .left = 20, .top = 31, .width = fields - 26,
       .height = 14, .caption = Text(T::SettingRecentMaxLabel)},
      {.kind = K::Edit, .id = F::kRecentMaxEdit, .name = "RecentMaxEdit", .left = fields, .top = 28, .width = 56,
       .height = 20, .hint = Text(T::SettingRecentMaxHint),
       .binding = BindText(m.RecentMaxText)},
      {.kind = K::UpDown, .id = F::kRecentMaxUpDown, .name = "RecentMaxUpDown", .low = kRecentMaxLow,
       .high = kRecentMaxHigh},
      {.kind = K::FocusLabel, .id = F::kScanTimeLabel, .name = "ScanTimeLabel", .left = 20, .top = 55, .width = fields - 26,
       .height = 14, .caption = Text(T::SettingScanTimeLabel)},
      {.kind = K::Edit, .id = F::kScanTimeEdit, .name = "ScanTimeEdit", .left = fields, .top = 52, .width = 56,
       .height = 20, .hint = Text(T::SettingScanTimeHint), .binding = BindText(m.ScanTimeText)},
      {.kind = K::UpDown, .id = F::kScanTimeUpDown, .name = "ScanTimeUpDown", .low = kScanTimeLow,
       .high = kScanTimeHigh},
      {.kind = K::FocusLabel, .id = F::kPathDispNumberLabel, .name = "PathDispNumberLabel", .left = 20, .top = 79,
       .width = fields - 26, .height = 14, .caption = Text(T::SettingPathDispLabel)},
      {.kind = K::ComboBox, .id = F::kPathDispNumberComboBox, .name = "PathDispNumberComboBox", .left = fields, .top = 76,
       .width = 257 - fields, .height = 20,
       .hint = Text(T::SettingPathDispHint),
       .items = Items({T::SettingPathDispNone, T::SettingPathDispAll, T::SettingPathDisp1, T::SettingPathDisp2, T::SettingPathDisp3}),
       .binding = BindIndex(m.PathDispNumber)},
      {.kind = K::FocusLabel, .id = F::kDateTimeDispLabel, .name = "DateTimeDispLabel", .left = 20, .top = 103,
       .width = fields - 26, .height = 14, .caption = Text(T::SettingDateTimeDispLabel)},
      {.kind = K::ComboBox, .id = F::kDateTimeDispComboBox, .name = "DateTimeDispComboBox", .left = fields, .top = 100,
       .width = 257 - fields, .height = 20,
       .hint = Text(T::SettingDateTimeDispHint),
       .items = Items({T::SettingDateTimeNone, T::SettingDateTimeFull, T::SettingDateTimeShort, T::SettingDateTimeDate}), .binding = BindIndex(m.DateTimeDisp)},
      {.kind = K::CheckBox, .id = F::kDateTopDispCheckBox, .name = "DateTopDispCheckBox", .left = 20, .top = 125,
       .width = 237, .height = 17, .caption = Text(T::SettingDateTopDisp),
       .hint = Text(T::SettingDateTopDispHint),
       .binding = BindCheck(m.DateTopDisp)},
      {.kind = K::ComboBox, .id = F::kExitCheckComboBox, .name = "ExitCheckComboBox", .left = 20, .top = 148,
       .width = 237, .height = 20,
       .hint = Text(T::SettingExtCheckHint),
       .items = Items({T::SettingExtCheckNone, T::SettingExtCheckExclude, T::SettingExtCheckOnly}),
       .binding = BindIndex(m.ExtCheck)},
      {.kind = K::FocusLabel, .id = F::kExtNameLabel, .name = "ExtNameLabel", .left = 36, .top = 175, .width = listFields - 38,
       .height = 14, .caption = Text(T::SettingExtNameLabel)},
      {.kind = K::Edit, .id = F::kExtNameEdit, .name = "ExtNameEdit", .left = listFields, .top = 172, .width = 257 - listFields,
       .height = 20,
       .hint = Text(T::SettingExtNameHint),
       .binding = BindText(m.ExtName)},
      {.kind = K::CheckBox, .id = F::kDriveCheckCheckBox, .name = "DriveCheckCheckBox", .left = 20, .top = 199,
       .width = 237, .height = 17, .caption = Text(T::SettingDriveCheck),
       .hint = Text(T::SettingDriveCheckHint), .binding = BindCheck(m.DriveCheck)},
      {.kind = K::FocusLabel, .id = F::kDriveNameLabel, .name = "DriveNameLabel", .left = 36, .top = 222, .width = listFields - 38,
       .height = 14, .caption = Text(T::SettingDriveNameLabel)},
      {.kind = K::Edit, .id = F::kDriveNameEdit, .name = "DriveNameEdit", .left = listFields, .top = 219, .width = 257 - listFields,
       .height = 20, .hint = Text(T::SettingDriveNameHint),
       .binding = BindText(m.DriveName)},
      {.kind = K::CheckBox, .id = F::kNetworkCheckCheckBox, .name = "NetworkCheckCheckBox", .left = 20, .top = 246,
       .width = 237, .height = 17, .caption = Text(T::SettingNetworkCheck),
       .hint = Text(T::SettingNetworkCheckHint), .binding = BindCheck(m.NetworkCheck)},
      {.kind = K::CheckBox, .id = F::kFolderCheckCheckBox, .name = "FolderCheckCheckBox", .left = 20, .top = 267,
       .width = 237, .height = 17, .caption = Text(T::SettingFolderCheck),
       .hint = Text(T::SettingFolderCheckHint), .binding = BindCheck(m.FolderCheck)},
      {.kind = K::CheckBox, .id = F::kAutoClearCheckBox, .name = "AutoClearCheckBox", .left = 20, .top = 288,
       .width = 237, .height = 17, .caption = Text(T::SettingAutoClear),
       .hint = Text(T::SettingAutoClearHint),
       .binding = BindCheck(m.AutoClear)},
      // The hint names the login user; it is set at every opening.
      {.kind = K::CheckBox, .id = F::kMultiUserCheckBox, .name = "MultiUserCheckBox", .left = 20, .top = 309,
       .width = 237, .height = 17, .caption = Text(T::SettingMultiUser), .binding = BindCheck(m.MultiUser)},
      {.kind = K::CheckBox, .id = F::kExtDispCheckBox, .name = "ExtDispCheckBox", .left = 20, .top = 330,
       .width = 237, .height = 17, .caption = Text(T::SettingExtDisp),
       .hint = Text(T::SettingExtDispHint), .binding = BindCheck(m.ExtDisp)},
      // Never shown: its value goes back as it came.
      {.kind = K::CheckBox, .id = F::kPathDispCheckBox, .name = "PathDispCheckBox", .left = 20, .top = 330,
       .width = 237, .height = 17, .caption = Text(T::SettingPathDisp), .binding = BindCheck(m.PathDisp),
       .hidden = true},

      // ---- SortSelectRadioGroup: 8, 364, 257, 120
      {.kind = K::GroupBox, .id = F::kSortSelectRadioGroup, .name = "SortSelectRadioGroup", .left = 8, .top = 364,
       .width = 257, .height = 120, .caption = Text(T::SettingSortGroup), .hint = Text(T::SettingSortHint)},
  };
  for (int i = 0; i < 5; ++i) {
    rows.push_back({.kind = K::RadioButton, .id = F::kSortSelectRadio0 + i, .name = "SortSelectRadioGroup",
                    .left = 20, .top = 382 + 20 * i, .width = 237, .height = 17, .caption = Text(sortItems[i]),
                    .hint = Text(T::SettingSortHint), .groupStart = i == 0, .binding = BindChoice(m.SortSelect, kSortSelectMap[i])});
  }
  // ---- StartModeRadioGroup: 276, 8, 245, 73
  rows.push_back({.kind = K::GroupBox, .id = F::kStartModeRadioGroup, .name = "StartModeRadioGroup", .left = 276,
                  .top = 8, .width = 245, .height = 73, .caption = Text(T::SettingStartGroup), .hint = Text(T::SettingStartHint),
                  .groupStart = true});
  for (int i = 0; i < 3; ++i) {
    rows.push_back({.kind = K::RadioButton, .id = F::kStartModeRadio0 + i, .name = "StartModeRadioGroup",
                    .left = 288, .top = 25 + 18 * i, .width = 225, .height = 17, .caption = Text(startItems[i]),
                    .hint = Text(T::SettingStartHint), .groupStart = i == 0, .binding = BindChoice(m.StartMode, i)});
  }
  std::vector<ControlRow> rest{
      // ---- MouseSettingGroupBox: 276, 87, 245, 160
      {.kind = K::GroupBox, .id = F::kMouseSettingGroupBox, .name = "MouseSettingGroupBox", .left = 276, .top = 87,
       .width = 245, .height = 160, .caption = Text(T::SettingMouseGroup), .groupStart = true},
      {.kind = K::FocusLabel, .id = F::kRecentClickLabel, .name = "RecentClickLabel", .left = 288, .top = 108,
       .width = keyFields - 292, .height = 14, .caption = Text(T::SettingRecentClickLabel)},
      {.kind = K::ComboBox, .id = F::kRecentClickComboBox, .name = "RecentClickComboBox", .left = keyFields, .top = 105,
       .width = 513 - keyFields, .height = 20, .hint = Text(T::SettingRecentClickHint),
       .items = clickItems, .binding = BindIndex(m.RecentClick)},
      {.kind = K::FocusLabel, .id = F::kRecentHotKeyLabel, .name = "RecentHotKeyLabel", .left = 300, .top = 131,
       .width = keyFields - 304, .height = 14, .caption = Text(T::SettingHotKeyLabel)},
      {.kind = K::HotKey, .id = F::kRecentHotKey, .name = "RecentHotKey", .left = keyFields, .top = 128, .width = 513 - keyFields,
       .height = 20, .hint = Text(T::SettingRecentHotKeyHint),
       .binding = BindHotKey(m.RecentHotKey)},
      {.kind = K::FocusLabel, .id = F::kUseFileClickLabel, .name = "UseFileClickLabel", .left = 288, .top = 156,
       .width = keyFields - 292, .height = 14, .caption = Text(T::SettingUseFileClickLabel)},
      {.kind = K::ComboBox, .id = F::kUseFileClickComboBox, .name = "UseFileClickComboBox", .left = keyFields, .top = 153,
       .width = 513 - keyFields, .height = 20, .hint = Text(T::SettingUseFileClickHint),
       .items = clickItems, .binding = BindIndex(m.UseFileClick)},
      {.kind = K::FocusLabel, .id = F::kUseFileHotKeyLabel, .name = "UseFileHotKeyLabel", .left = 300, .top = 179,
       .width = keyFields - 304, .height = 14, .caption = Text(T::SettingUseFileHotKeyLabel)},
      {.kind = K::HotKey, .id = F::kUseFileHotKey, .name = "UseFileHotKey", .left = keyFields, .top = 176, .width = 513 - keyFields,
       .height = 20, .hint = Text(T::SettingUseFileHotKeyHint),
       .binding = BindHotKey(m.UseFileHotKey)},
      {.kind = K::FocusLabel, .id = F::kQuenlarkClickLabel, .name = "QuenlarkClickLabel", .left = 288, .top = 204,
       .width = keyFields - 292, .height = 14, .caption = Text(T::SettingQuenlarkClickLabel)},
      {.kind = K::ComboBox, .id = F::kQuenlarkClickComboBox, .name = "QuenlarkClickComboBox", .left = keyFields, .top = 201,
       .width = 513 - keyFields, .height = 20, .hint = Text(T::SettingQuenlarkClickHint), .items = clickItems,
       .binding = BindIndex(m.QuenlarkClick)},
      {.kind = K::FocusLabel, .id = F::kQuenlarkHotKeyLabel, .name = "QuenlarkHotKeyLabel", .left = 300, .top = 227,
       .width = keyFields - 304, .height = 14, .caption = Text(T::SettingQuenlarkHotKeyLabel)},
      {.kind = K::HotKey, .id = F::kQuenlarkHotKey, .name = "QuenlarkHotKey", .left = keyFields, .top = 224, .width = 513 - keyFields,
       .height = 20, .hint = Text(T::SettingQuenlarkHotKeyHint),
       .binding = BindHotKey(m.QuenlarkHotKey)},

      // ---- MenuGroupBox: 276, 252, 245, 81
      {.kind = K::GroupBox, .id = F::kMenuGroupBox, .name = "MenuGroupBox", .left = 276, .top = 252, .width = 245,
       .height = 81, .caption = Text(T::SettingMenuGroup)},
      {.kind = K::CheckBox, .id = F::kIconDispCheckBox, .name = "IconDispCheckBox", .left = 288, .top = 270,
       .width = 225, .height = 17, .caption = Text(T::SettingIconDisp),
       .hint = Text(T::SettingIconDispHint),
       .binding = BindCheck(m.IconDisp)},
      {.kind = K::CheckBox, .id = F::kOfficeStyleCheckBox, .name = "OfficeStyleCheckBox", .left = 288, .top = 290,
       .width = 225, .height = 17, .caption = Text(T::SettingOfficeStyle),
       .hint = Text(T::SettingOfficeStyleHint), .binding = BindCheck(m.OfficeStyle)},
      {.kind = K::CheckBox, .id = F::kQuenlarkMenuCheckBox, .name = "QuenlarkMenuCheckBox", .left = 288, .top = 310,
       .width = 225, .height = 17, .caption = Text(T::SettingQuenlarkMenu),
       .hint = Text(T::SettingQuenlarkMenuHint), .binding = BindCheck(m.QuenlarkMenuDisp)},

      // ---- PassWordGroupBox: 276, 339, 245, 71
      {.kind = K::GroupBox, .id = F::kPassWordGroupBox, .name = "PassWordGroupBox", .left = 276, .top = 339,
       .width = 245, .height = 71, .caption = Text(T::SettingPassWordGroup)},
      {.kind = K::CheckBox, .id = F::kDbClickPassWordCheckBox, .name = "DbClickPassWordCheckBox", .left = 288,
       .top = 357, .width = 225, .height = 17, .caption = Text(T::SettingDbClickPassWord),
       .hint = Text(T::SettingDbClickPassWordHint), .binding = BindCheck(m.DbClickPassWord)},
      {.kind = K::PasswordEdit, .id = F::kPassWordEdit, .name = "PassWordEdit", .left = 288, .top = 381,
       .width = 137, .height = 20, .hint = Text(T::SettingPassWordHint),
       .binding = BindText(m.PassWord), .readOnly = true, .notifyDoubleClick = true},
      {.kind = K::Button, .id = F::kPassChangeButton, .name = "PassChangeButton", .left = 438, .top = 379,
       .width = 75, .height = 24, .caption = Text(T::SettingPassChange), .hint = Text(T::SettingPassChangeHint)},

      {.kind = K::DefaultButton, .id = F::kOkButton, .name = "OkButton", .left = 312, .top = 438, .width = 75,
       .height = 25, .caption = Text(T::SettingOk), .hint = Text(T::SettingOkHint)},
      {.kind = K::CancelButton, .id = F::kCancelButton, .name = "CancelButton", .left = 416, .top = 438, .width = 75,
       .height = 25, .caption = Text(T::SettingCancel), .hint = Text(T::SettingCancelHint)},
      // Never shown: its value goes back as it came.
      {.kind = K::CheckBox, .id = F::kPathDiffCheckBox, .name = "PathDiffCheckBox", .left = 128, .top = 408,
       .width = 161, .height = 17, .caption = Text(T::SettingPathDiff), .binding = BindCheck(m.PathDiff),
       .hidden = true},
  };
  for (ControlRow& row : rest) rows.push_back(std::move(row));
  return rows;
}

}  // namespace

// The dialog keeps its position (not its size) between runs.
void TSettingForm::FormCreate() {
  CreateControls(Controls(model_));
  model_.Controls = {kRecentMaxEdit,
                     kScanTimeEdit,
                     {kRecentClickComboBox, kUseFileClickComboBox, kQuenlarkClickComboBox},
                     {kRecentHotKey, kUseFileHotKey, kQuenlarkHotKey}};
  SetCommands({
      {kOkButton, [this] { OkButtonClick(); }},
      {kDateTimeDispComboBox, [this] { SourceChange(); }, CBN_SELCHANGE},
      {kExitCheckComboBox, [this] { SourceChange(); }, CBN_SELCHANGE},
      {kDriveCheckCheckBox, [this] { SourceChange(); }},
      {kIconDispCheckBox, [this] { SourceChange(); }},
      {kQuenlarkMenuCheckBox, [this] { SourceChange(); }},
      {kDbClickPassWordCheckBox, [this] { SourceChange(); }},
      {kPassChangeButton, [this] { PassChangeButtonClick(); }},
      {kPassWordEdit, [this] { PassChangeButtonClick(); }, kDoubleClickCode},
  });
  // Each control enabled by another's state, and the rule that decides it.
  SetEnablement({
      {kDateTopDispCheckBox, [this] { return model_.DateTopDispEnabled(); }},
      {kExtNameEdit, [this] { return model_.ExtNameEnabled(); }},
      {kDriveNameEdit, [this] { return model_.DriveNameEnabled(); }},
      {kOfficeStyleCheckBox, [this] { return model_.OfficeStyleEnabled(); }},
      {kPassWordEdit, [this] { return model_.PassWordEditEnabled(); }},
  });
  // A key alone or with Shift alone is no hot key: the control adds Alt.
  for (int id : {kRecentHotKey, kUseFileHotKey, kQuenlarkHotKey}) {
    SendMessageW(Control(id), HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_ALT, 0));
  }
  Placement = KeptPlacement::Position;
}

void TSettingForm::FormShow() {
  SendMessageW(Control(kRecentMaxUpDown), UDM_SETRANGE32, kRecentMaxLow, kRecentMaxHigh);
  SendMessageW(Control(kScanTimeUpDown), UDM_SETRANGE32, kScanTimeLow, kScanTimeHigh);
  model_.Load(host_.CurrentSettings());
  LoadControls();
  SetHint(kMultiUserCheckBox, MultiUserHint(host_.LoginUserName()));
  UpdateEnablement();
  // Combinations typed into the hot-key fields must not open the menus.
  host_.SuspendHotKeys();
  SetFocus(Control(kOkButton));
}

void TSettingForm::FormClose() { host_.ResumeHotKeys(); }

void TSettingForm::SourceChange() {
  StoreControls();
  UpdateEnablement();
}

void TSettingForm::PassChangeButtonClick() {
  passChange_.PassWordValue = ReadControl(kPassWordEdit).text;
  if (passChange_.ShowModal() == mrOk) WriteControl(kPassWordEdit, ControlValue{.text = passChange_.PassWordValue});
}

void TSettingForm::OkButtonClick() {
  StoreControls();
  // On a failure the dialog stays open with every entry as the user left it.
  if (ShowFailure(model_.Validate(), messages_)) return;
  const SettingApplication applied = model_.Apply(host_.CurrentSettings());
  host_.ApplySettings(applied.settings, applied.effects);
  Close(mrOk);
}

bool TSettingForm::HandleMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
  if (msg != WM_HELP) return false;
  host_.ShowHelpTopic(kHelpContext);
  result = TRUE;
  return true;
}

}  // namespace quenlark
