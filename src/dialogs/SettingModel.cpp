#include "dialogs/SettingModel.h"

#include <iterator>

#include "base/Texts.h"
#include "dialogs/SettingsHost.h"
#include "base/Util.h"
#include "platform/Desktop.h"

namespace quenlark {

namespace {

constexpr std::int32_t kHotKeyBits = 0xFFFF;

ValidationFailure Failure(std::string message, int control) {
  return {std::move(message), Text(TextId::SettingErrorCaption), platform::kMbOk | platform::kMbIconExclamation, control};
}

std::string RangeMessage(TextId field, int low, int high) {
  return FormatText(TextId::SettingRangeError, Text(field), low, high);
}

bool InRange(std::int32_t value, int low, int high) { return value >= low && value <= high; }

// The three menus in the order their settings are compared, with the names
// that a message gives each pair.
constexpr TextId kMenuNames[] = {TextId::SettingRecentMenuName, TextId::SettingUseFileMenuName,
                                 TextId::SettingQuenlarkMenuName};
constexpr int kPairs[3][2] = {{0, 1}, {0, 2}, {1, 2}};

std::string PairMessage(TextId message, int pair) {
  return FormatText(message, Text(kMenuNames[kPairs[pair][0]]), Text(kMenuNames[kPairs[pair][1]]));
}

}  // namespace

int SortSelectPosition(int sortSelect) {
  for (int i = 0; i < static_cast<int>(std::size(kSortSelectMap)); ++i) {
    if (kSortSelectMap[i] == sortSelect) return i;
  }
  return -1;
}

int SortSelectValue(int position) {
  if (position < 0 || position >= static_cast<int>(std::size(kSortSelectMap))) return -1;
  return kSortSelectMap[position];
}

std::string MultiUserHint(const std::string& loginName) {
  return FormatText(TextId::SettingMultiUserHint, loginName);
}

void SettingModel::Load(const TSettings& s) {
  RecentMaxText = std::to_string(s.RecentMax);
  ScanTimeText = std::to_string(s.ScanTime);
  AutoClear = s.AutoClear;
  MultiUser = s.MultiUser;
  PathDiff = s.PathDiff;
  ExtDisp = s.ExtDisp;
  PathDisp = s.PathDisp;
  PathDispNumber = s.PathDispNumber;
  DateTimeDisp = s.DateTimeDisp;
  ExtCheck = s.ExtCheck;
  ExtName = s.ExtName;
  DriveCheck = s.DriveCheck;
  DriveName = s.DriveName;
  NetworkCheck = s.NetworkCheck;
  FolderCheck = s.FolderCheck;
  DateTopDisp = s.DateTopDisp;
  SortSelect = s.SortSelect;
  StartMode = s.StartMode;
  IconDisp = s.IconDisp;
  OfficeStyle = s.OfficeStyle;
  QuenlarkMenuDisp = s.QuenlarkMenuDisp;
  DbClickPassWord = s.DbClickPassWord;
  PassWord = s.PassWord;
  RecentClick = s.RecentClick;
  RecentHotKey = s.RecentHotKey & kHotKeyBits;
  UseFileClick = s.UseFileClick;
  UseFileHotKey = s.UseFileHotKey & kHotKeyBits;
  QuenlarkClick = s.QuenlarkClick;
  QuenlarkHotKey = s.QuenlarkHotKey & kHotKeyBits;
}

int SettingModel::EffectiveSortSelect() const {
  return SortSelectPosition(SortSelect) >= 0 ? SortSelect : 0;
}

int SettingModel::EffectivePathDispNumber() const {
  // Out of range: what loading gives a missing value, the path display seed.
  return EffectiveChoice(PathDispNumber, kPathDispNumberItems, PathDisp ? 1 : 0);
}

Validation SettingModel::Validate() const {
  if (!InRange(util::ParseNumberField(RecentMaxText, -1), kRecentMaxLow, kRecentMaxHigh)) {
    return Failure(RangeMessage(TextId::SettingRecentMaxField, kRecentMaxLow, kRecentMaxHigh), Controls.recentMax);
  }
  if (!InRange(util::ParseNumberField(ScanTimeText, -1), kScanTimeLow, kScanTimeHigh)) {
    return Failure(RangeMessage(TextId::SettingScanTimeField, kScanTimeLow, kScanTimeHigh), Controls.scanTime);
  }
  const TSettings& d = DefaultSettings();
  const int clicks[3] = {EffectiveChoice(RecentClick, kClickItems, d.RecentClick),
                         EffectiveChoice(UseFileClick, kClickItems, d.UseFileClick),
                         EffectiveChoice(QuenlarkClick, kClickItems, d.QuenlarkClick)};
  for (int p = 0; p < 3; ++p) {
    if (clicks[kPairs[p][0]] == clicks[kPairs[p][1]]) {
      return Failure(PairMessage(TextId::SettingSameClickError, p), Controls.clicks[kPairs[p][1]]);
    }
  }
  const std::int32_t keys[3] = {RecentHotKey & kHotKeyBits, UseFileHotKey & kHotKeyBits,
                                QuenlarkHotKey & kHotKeyBits};
  for (int p = 0; p < 3; ++p) {
    const std::int32_t a = keys[kPairs[p][0]], b = keys[kPairs[p][1]];
    if (a != 0 && a == b) {
      return Failure(PairMessage(TextId::SettingSameHotKeyError, p), Controls.hotKeys[kPairs[p][1]]);
    }
  }
  return std::nullopt;
}

SettingApplication SettingModel::Apply(const TSettings& current) const {
  const TSettings& d = DefaultSettings();
  TSettings s = current;
  s.RecentMax = util::ParseNumberField(RecentMaxText, d.RecentMax);
  s.ScanTime = util::ParseNumberField(ScanTimeText, d.ScanTime);
  s.AutoClear = AutoClear;
  s.MultiUser = MultiUser;
  s.PathDiff = PathDiff;
  s.ExtDisp = ExtDisp;
  s.PathDisp = PathDisp;
  s.PathDispNumber = EffectivePathDispNumber();
  s.DateTimeDisp = EffectiveChoice(DateTimeDisp, kDateTimeDispItems, d.DateTimeDisp);
  s.ExtCheck = EffectiveChoice(ExtCheck, kExtCheckItems, d.ExtCheck);
  s.ExtName = ExtName;
  s.DriveCheck = DriveCheck;
  s.DriveName = DriveName;
  s.NetworkCheck = NetworkCheck;
  s.FolderCheck = FolderCheck;
  s.DateTopDisp = DateTopDisp;
  s.SortSelect = static_cast<std::uint8_t>(EffectiveSortSelect());
  s.StartMode = static_cast<std::uint8_t>(EffectiveChoice(StartMode, kStartModeItems, d.StartMode));
  s.IconDisp = IconDisp;
  s.OfficeStyle = OfficeStyle;
  s.QuenlarkMenuDisp = QuenlarkMenuDisp;
  s.DbClickPassWord = DbClickPassWord;
  s.PassWord = PassWord;
  s.RecentClick = static_cast<std::uint8_t>(EffectiveChoice(RecentClick, kClickItems, d.RecentClick));
  s.RecentHotKey = RecentHotKey & kHotKeyBits;
  s.UseFileClick = static_cast<std::uint8_t>(EffectiveChoice(UseFileClick, kClickItems, d.UseFileClick));
  s.UseFileHotKey = UseFileHotKey & kHotKeyBits;
  s.QuenlarkClick = static_cast<std::uint8_t>(EffectiveChoice(QuenlarkClick, kClickItems, d.QuenlarkClick));
  s.QuenlarkHotKey = QuenlarkHotKey & kHotKeyBits;
  return {s, kLocateHistoryFolder | kSaveSettings | kRestartScanTimer | kRebuildClickTable};
}

}  // namespace quenlark
