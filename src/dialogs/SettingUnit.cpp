#include "dialogs/SettingUnit.h"

#include <commctrl.h>

#include <vector>

namespace quenlark {

namespace {

using K = ControlKind;
using F = TSettingForm;

const std::vector<std::string> kClickItems{"左ｸﾘｯｸ", "左ｸﾘｯｸ + Shift", "左ｸﾘｯｸ + Ctrl",
                                           "右ｸﾘｯｸ", "右ｸﾘｯｸ + Shift", "右ｸﾘｯｸ + Ctrl"};

constexpr const char* kSortItems[] = {"ﾌｧｲﾙ名順（上から）", "拡張子順（上から）", "ﾌｧｲﾙﾊﾟｽ順（上から）",
                                      "最近使った日付順（上から）", "最近使った日付順（下から）"};
constexpr const char* kStartItems[] = {"使用許可ﾓｰﾄﾞで起動", "使用禁止ﾓｰﾄﾞで起動", "前回終了時ﾓｰﾄﾞで起動"};

constexpr const char* kSortHint = "[最近使ったﾌｧｲﾙ]を表示するｿｰﾄ順を選択します。";
constexpr const char* kStartHint = "起動した時のﾓｰﾄﾞを設定します。";

// The controls in tab order, each group box before its controls. Inside the
// groups the labels stand left of their fields; the fields of a group share
// one left edge.
std::vector<ControlRow> Controls(SettingModel& m) {
  std::vector<ControlRow> rows{
      // ---- RecentGroupBox: 8, 8, 257, 347
      {.kind = K::GroupBox, .id = F::kRecentGroupBox, .name = "RecentGroupBox", .left = 8, .top = 8, .width = 257,
       .height = 347, .caption = "[最近使ったﾌｧｲﾙ]の設定"},
      {.kind = K::Label, .id = F::kRecentMaxLabel, .name = "RecentMaxLabel", .left = 20, .top = 31, .width = 110,
       .height = 14, .caption = "最近使ったﾌｧｲﾙ数"},
      {.kind = K::Edit, .id = F::kRecentMaxEdit, .name = "RecentMaxEdit", .left = 136, .top = 28, .width = 56,
       .height = 20, .hint = "[最近使ったﾌｧｲﾙ]をいくつまで記憶するかのﾌｧｲﾙ数です。",
       .binding = BindText(m.RecentMaxText)},
      {.kind = K::UpDown, .id = F::kRecentMaxUpDown, .name = "RecentMaxUpDown", .low = kRecentMaxLow,
       .high = kRecentMaxHigh},
      {.kind = K::Label, .id = F::kScanTimeLabel, .name = "ScanTimeLabel", .left = 20, .top = 55, .width = 110,
       .height = 14, .caption = "ｽｷｬﾝ間隔（秒）"},
      {.kind = K::Edit, .id = F::kScanTimeEdit, .name = "ScanTimeEdit", .left = 136, .top = 52, .width = 56,
       .height = 20, .hint = "Windowsの[最近使ったﾌｧｲﾙ]を調べる間隔です。", .binding = BindText(m.ScanTimeText)},
      {.kind = K::UpDown, .id = F::kScanTimeUpDown, .name = "ScanTimeUpDown", .low = kScanTimeLow,
       .high = kScanTimeHigh},
      {.kind = K::Label, .id = F::kPathDispNumberLabel, .name = "PathDispNumberLabel", .left = 20, .top = 79,
       .width = 110, .height = 14, .caption = "ﾌｧｲﾙのﾊﾟｽ表示"},
      {.kind = K::ComboBox, .id = F::kPathDispNumberComboBox, .name = "PathDispNumberComboBox", .left = 136, .top = 76,
       .width = 121, .height = 20,
       .hint = "[最近使ったﾌｧｲﾙ]の一覧にﾌｧｲﾙのﾊﾟｽを表示させます。\n"
               "Ctrlｷｰを押しながらｱｲｺﾝをｸﾘｯｸすると、ﾌｧｲﾙの全てのﾊﾟｽが表示されます。",
       .items = {"表示しない", "全て表示する", "１階層まで表示", "２階層まで表示", "３階層まで表示"},
       .binding = BindIndex(m.PathDispNumber)},
      {.kind = K::Label, .id = F::kDateTimeDispLabel, .name = "DateTimeDispLabel", .left = 20, .top = 103,
       .width = 110, .height = 14, .caption = "使った日付表示"},
      {.kind = K::ComboBox, .id = F::kDateTimeDispComboBox, .name = "DateTimeDispComboBox", .left = 136, .top = 100,
       .width = 121, .height = 20,
       .hint = "[最近使ったﾌｧｲﾙ]の一覧に使った日付と時刻を表示させます。\n"
               "【注意事項】ﾌｧｲﾙのﾀｲﾑｽﾀﾝﾌﾟではなく、最近使った日付と時刻です。",
       .items = {"表示しない", "年/月/日 時:分", "月/日 時:分", "月/日"}, .binding = BindIndex(m.DateTimeDisp)},
      {.kind = K::CheckBox, .id = F::kDateTopDispCheckBox, .name = "DateTopDispCheckBox", .left = 20, .top = 125,
       .width = 237, .height = 17, .caption = "使った日付をﾌｧｲﾙ名の前に表示する",
       .hint = "[最近使ったﾌｧｲﾙ]の一覧に使った日付を表示させる時、表示される[最近使ったﾌｧｲﾙ]の前に日付を表示させます。",
       .binding = BindCheck(m.DateTopDisp)},
      {.kind = K::ComboBox, .id = F::kExitCheckComboBox, .name = "ExitCheckComboBox", .left = 20, .top = 148,
       .width = 237, .height = 20,
       .hint = "指定した拡張子のﾌｧｲﾙを[最近使ったﾌｧｲﾙ]として記憶「する」か「しない」かの設定を行います。",
       .items = {"拡張子での指定は行わない", "指定した拡張子のﾌｧｲﾙは記憶しない", "指定した拡張子のﾌｧｲﾙのみ記憶する"},
       .binding = BindIndex(m.ExtCheck)},
      {.kind = K::Label, .id = F::kExtNameLabel, .name = "ExtNameLabel", .left = 36, .top = 175, .width = 50,
       .height = 14, .caption = "拡張子"},
      {.kind = K::Edit, .id = F::kExtNameEdit, .name = "ExtNameEdit", .left = 88, .top = 172, .width = 169,
       .height = 20,
       .hint = "[最近使ったﾌｧｲﾙ]として記憶「する」または「しない」ﾌｧｲﾙの拡張子をｶﾝﾏ\",\"で区切って指定します。",
       .binding = BindText(m.ExtName)},
      {.kind = K::CheckBox, .id = F::kDriveCheckCheckBox, .name = "DriveCheckCheckBox", .left = 20, .top = 199,
       .width = 237, .height = 17, .caption = "指定したﾄﾞﾗｲﾌﾞのﾌｧｲﾙは記憶しない",
       .hint = "指定したﾄﾞﾗｲﾌﾞのﾌｧｲﾙは[最近使ったﾌｧｲﾙ]として記憶しません。", .binding = BindCheck(m.DriveCheck)},
      {.kind = K::Label, .id = F::kDriveNameLabel, .name = "DriveNameLabel", .left = 36, .top = 222, .width = 50,
       .height = 14, .caption = "ﾄﾞﾗｲﾌﾞ"},
      {.kind = K::Edit, .id = F::kDriveNameEdit, .name = "DriveNameEdit", .left = 88, .top = 219, .width = 169,
       .height = 20, .hint = "[最近使ったﾌｧｲﾙ]として記憶しないﾌｧｲﾙのﾄﾞﾗｲﾌﾞをｶﾝﾏ\",\"で区切って指定します。",
       .binding = BindText(m.DriveName)},
      {.kind = K::CheckBox, .id = F::kNetworkCheckCheckBox, .name = "NetworkCheckCheckBox", .left = 20, .top = 246,
       .width = 237, .height = 17, .caption = "ﾈｯﾄﾜｰｸﾄﾞﾗｲﾌﾞは記憶しない",
       .hint = "ﾈｯﾄﾜｰｸﾄﾞﾗｲﾌﾞは[最近使ったﾌｧｲﾙ]として記憶しません。", .binding = BindCheck(m.NetworkCheck)},
      {.kind = K::CheckBox, .id = F::kFolderCheckCheckBox, .name = "FolderCheckCheckBox", .left = 20, .top = 267,
       .width = 237, .height = 17, .caption = "[最近使ったﾌｫﾙﾀﾞ]は記憶しない",
       .hint = "[最近使ったﾌｫﾙﾀﾞ]は[最近使ったﾌｧｲﾙ]として記憶しません。", .binding = BindCheck(m.FolderCheck)},
      {.kind = K::CheckBox, .id = F::kAutoClearCheckBox, .name = "AutoClearCheckBox", .left = 20, .top = 288,
       .width = 237, .height = 17, .caption = "ｽﾀｰﾄﾒﾆｭｰの[最近使ったﾌｧｲﾙ]を自動ｸﾘｱ",
       .hint = "Quenlarkに記憶したらｽﾀｰﾄﾒﾆｭｰの[最近使ったﾌｧｲﾙ]を自動的にｸﾘｱします。",
       .binding = BindCheck(m.AutoClear)},
      // The hint names the login user; it is set at every opening.
      {.kind = K::CheckBox, .id = F::kMultiUserCheckBox, .name = "MultiUserCheckBox", .left = 20, .top = 309,
       .width = 237, .height = 17, .caption = "ﾏﾙﾁﾕｰｻﾞｰ管理を行う", .binding = BindCheck(m.MultiUser)},
      {.kind = K::CheckBox, .id = F::kExtDispCheckBox, .name = "ExtDispCheckBox", .left = 20, .top = 330,
       .width = 237, .height = 17, .caption = "ﾌｧｲﾙ名の拡張子を表示する",
       .hint = "[最近使ったﾌｧｲﾙ]の一覧に拡張子を表示させます。", .binding = BindCheck(m.ExtDisp)},
      // Never shown: its value goes back as it came.
      {.kind = K::CheckBox, .id = F::kPathDispCheckBox, .name = "PathDispCheckBox", .left = 20, .top = 330,
       .width = 237, .height = 17, .caption = "ﾌｧｲﾙのﾊﾟｽを表示する", .binding = BindCheck(m.PathDisp),
       .hidden = true},

      // ---- SortSelectRadioGroup: 8, 364, 257, 120
      {.kind = K::GroupBox, .id = F::kSortSelectRadioGroup, .name = "SortSelectRadioGroup", .left = 8, .top = 364,
       .width = 257, .height = 120, .caption = "[最近使ったﾌｧｲﾙ]の表示順", .hint = kSortHint},
  };
  for (int i = 0; i < 5; ++i) {
    rows.push_back({.kind = K::RadioButton, .id = F::kSortSelectRadio0 + i, .name = "SortSelectRadioGroup",
                    .left = 20, .top = 382 + 20 * i, .width = 237, .height = 17, .caption = kSortItems[i],
                    .hint = kSortHint, .groupStart = i == 0, .binding = BindChoice(m.SortSelect, kSortSelectMap[i])});
  }
  // ---- StartModeRadioGroup: 276, 8, 245, 73
  rows.push_back({.kind = K::GroupBox, .id = F::kStartModeRadioGroup, .name = "StartModeRadioGroup", .left = 276,
                  .top = 8, .width = 245, .height = 73, .caption = "起動ﾓｰﾄﾞ ", .hint = kStartHint,
                  .groupStart = true});
  for (int i = 0; i < 3; ++i) {
    rows.push_back({.kind = K::RadioButton, .id = F::kStartModeRadio0 + i, .name = "StartModeRadioGroup",
                    .left = 288, .top = 25 + 18 * i, .width = 225, .height = 17, .caption = kStartItems[i],
                    .hint = kStartHint, .groupStart = i == 0, .binding = BindChoice(m.StartMode, i)});
  }
  std::vector<ControlRow> rest{
      // ---- MouseSettingGroupBox: 276, 87, 245, 160
      {.kind = K::GroupBox, .id = F::kMouseSettingGroupBox, .name = "MouseSettingGroupBox", .left = 276, .top = 87,
       .width = 245, .height = 160, .caption = "ﾏｳｽﾎﾞﾀﾝのｸﾘｯｸ設定", .groupStart = true},
      {.kind = K::Label, .id = F::kRecentClickLabel, .name = "RecentClickLabel", .left = 288, .top = 108,
       .width = 116, .height = 14, .caption = "最近使ったﾌｧｲﾙ"},
      {.kind = K::ComboBox, .id = F::kRecentClickComboBox, .name = "RecentClickComboBox", .left = 408, .top = 105,
       .width = 105, .height = 20, .hint = "[最近使ったﾌｧｲﾙ]のﾒﾆｭｰを表示させる時のｸﾘｯｸ設定です。",
       .items = kClickItems, .binding = BindIndex(m.RecentClick)},
      {.kind = K::Label, .id = F::kRecentHotKeyLabel, .name = "RecentHotKeyLabel", .left = 300, .top = 131,
       .width = 104, .height = 14, .caption = "ｼｮｰﾄｶｯﾄｷｰ"},
      {.kind = K::HotKey, .id = F::kRecentHotKey, .name = "RecentHotKey", .left = 408, .top = 128, .width = 105,
       .height = 20, .hint = "[最近使ったﾌｧｲﾙ]のﾒﾆｭｰを表示させる時のｼｮｰﾄｶｯﾄｷｰ設定です。",
       .binding = BindHotKey(m.RecentHotKey)},
      {.kind = K::Label, .id = F::kUseFileClickLabel, .name = "UseFileClickLabel", .left = 288, .top = 156,
       .width = 116, .height = 14, .caption = "良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ "},
      {.kind = K::ComboBox, .id = F::kUseFileClickComboBox, .name = "UseFileClickComboBox", .left = 408, .top = 153,
       .width = 105, .height = 20, .hint = "[良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ]のﾒﾆｭｰを表示させる時のｸﾘｯｸ設定です。",
       .items = kClickItems, .binding = BindIndex(m.UseFileClick)},
      {.kind = K::Label, .id = F::kUseFileHotKeyLabel, .name = "UseFileHotKeyLabel", .left = 300, .top = 179,
       .width = 104, .height = 14, .caption = "ｼｮｰﾄｶｯﾄｷｰ"},
      {.kind = K::HotKey, .id = F::kUseFileHotKey, .name = "UseFileHotKey", .left = 408, .top = 176, .width = 105,
       .height = 20, .hint = "[良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ]のﾒﾆｭｰを表示させる時のｼｮｰﾄｶｯﾄ設定です。",
       .binding = BindHotKey(m.UseFileHotKey)},
      {.kind = K::Label, .id = F::kQuenlarkClickLabel, .name = "QuenlarkClickLabel", .left = 288, .top = 204,
       .width = 116, .height = 14, .caption = "Quenlarkのﾒﾆｭｰ"},
      {.kind = K::ComboBox, .id = F::kQuenlarkClickComboBox, .name = "QuenlarkClickComboBox", .left = 408, .top = 201,
       .width = 105, .height = 20, .hint = "Quenlarkのﾒﾆｭｰを表示させる時のｸﾘｯｸ設定です。", .items = kClickItems,
       .binding = BindIndex(m.QuenlarkClick)},
      {.kind = K::Label, .id = F::kQuenlarkHotKeyLabel, .name = "QuenlarkHotKeyLabel", .left = 300, .top = 227,
       .width = 104, .height = 14, .caption = "ｼｮｰﾄｶｯﾄｷｰ"},
      {.kind = K::HotKey, .id = F::kQuenlarkHotKey, .name = "QuenlarkHotKey", .left = 408, .top = 224, .width = 105,
       .height = 20, .hint = "Quenlarkのﾒﾆｭｰを表示させる時のｼｮｰﾄｶｯﾄ設定です。",
       .binding = BindHotKey(m.QuenlarkHotKey)},

      // ---- MenuGroupBox: 276, 252, 245, 81
      {.kind = K::GroupBox, .id = F::kMenuGroupBox, .name = "MenuGroupBox", .left = 276, .top = 252, .width = 245,
       .height = 81, .caption = "ﾒﾆｭｰ表示設定"},
      {.kind = K::CheckBox, .id = F::kIconDispCheckBox, .name = "IconDispCheckBox", .left = 288, .top = 270,
       .width = 225, .height = 17, .caption = "ﾒﾆｭｰにｱｲｺﾝを表示する",
       .hint = "[最近使ったﾌｧｲﾙ]や[良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ]のﾒﾆｭｰにｱｲｺﾝを表示します。",
       .binding = BindCheck(m.IconDisp)},
      {.kind = K::CheckBox, .id = F::kOfficeStyleCheckBox, .name = "OfficeStyleCheckBox", .left = 288, .top = 290,
       .width = 225, .height = 17, .caption = "Microsoft Office97 ｽﾀｲﾙのﾒﾆｭｰ",
       .hint = "Microsoft Office97 ｽﾀｲﾙのﾒﾆｭｰ表示となります。", .binding = BindCheck(m.OfficeStyle)},
      {.kind = K::CheckBox, .id = F::kQuenlarkMenuCheckBox, .name = "QuenlarkMenuCheckBox", .left = 288, .top = 310,
       .width = 225, .height = 17, .caption = "良く使うﾌｧｲﾙ...にQuenlarkﾒﾆｭｰを表示",
       .hint = "[良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ]のﾒﾆｭｰに[Quenlark]ﾒﾆｭｰを表示します。", .binding = BindCheck(m.QuenlarkMenuDisp)},

      // ---- PassWordGroupBox: 276, 339, 245, 71
      {.kind = K::GroupBox, .id = F::kPassWordGroupBox, .name = "PassWordGroupBox", .left = 276, .top = 339,
       .width = 245, .height = 71, .caption = "ﾊﾟｽﾜｰﾄﾞ（使用禁止状態の解除時に入力）"},
      {.kind = K::CheckBox, .id = F::kDbClickPassWordCheckBox, .name = "DbClickPassWordCheckBox", .left = 288,
       .top = 357, .width = 225, .height = 17, .caption = "ﾄﾚｲｱｲｺﾝのﾀﾞﾌﾞﾙｸﾘｯｸで使用禁止状態",
       .hint = "ﾄﾚｲｱｲｺﾝをﾀﾞﾌﾞﾙｸﾘｯｸすると使用禁止状態/解除します。", .binding = BindCheck(m.DbClickPassWord)},
      {.kind = K::PasswordEdit, .id = F::kPassWordEdit, .name = "PassWordEdit", .left = 288, .top = 381,
       .width = 137, .height = 20, .hint = "使用禁止状態から復帰するときのﾊﾟｽﾜｰﾄﾞです。",
       .binding = BindText(m.PassWord), .readOnly = true, .notifyDoubleClick = true},
      {.kind = K::Button, .id = F::kPassChangeButton, .name = "PassChangeButton", .left = 438, .top = 379,
       .width = 75, .height = 24, .caption = "変更...", .hint = "ﾊﾟｽﾜｰﾄﾞの変更を行ないます。"},

      {.kind = K::DefaultButton, .id = F::kOkButton, .name = "OkButton", .left = 312, .top = 438, .width = 75,
       .height = 25, .caption = "OK", .hint = "この設定を登録します。"},
      {.kind = K::CancelButton, .id = F::kCancelButton, .name = "CancelButton", .left = 416, .top = 438, .width = 75,
       .height = 25, .caption = "ｷｬﾝｾﾙ", .hint = "設定をｷｬﾝｾﾙします。"},
      // Never shown: its value goes back as it came.
      {.kind = K::CheckBox, .id = F::kPathDiffCheckBox, .name = "PathDiffCheckBox", .left = 128, .top = 408,
       .width = 161, .height = 17, .caption = "ﾌｧｲﾙのﾊﾟｽでの区別を行う", .binding = BindCheck(m.PathDiff),
       .hidden = true},
  };
  for (ControlRow& row : rest) rows.push_back(std::move(row));
  return rows;
}

}  // namespace

// The dialog keeps its position (not its size) between runs.
void TSettingForm::FormCreate() {
  CreateControls(Controls(model_));
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
