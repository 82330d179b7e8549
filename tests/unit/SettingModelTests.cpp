// The settings dialog's model: the number fields, the checks of OK in their
// order, the record it stores and the effects, the sort-order map, the
// enablement rules and values a hand-edited registry put out of range.
#include "dialogs/SettingModel.h"

#include <tuple>

#include <gtest/gtest.h>

#include "dialogs/SettingsHost.h"
#include "platform/Desktop.h"

using quenlark::SettingModel;
using quenlark::TSettings;

namespace {

SettingModel Loaded(const TSettings& s = {}) {
  SettingModel m;
  m.Load(s);
  return m;
}

std::string MessageOf(const SettingModel& m) {
  const quenlark::Validation v = m.Validate();
  return v ? v->message : "";
}

const std::string kRecentMaxRange = "[最近使ったﾌｧｲﾙ数]の入力範囲は10～100です。";
const std::string kScanTimeRange = "[ｽｷｬﾝ間隔(秒)]の入力範囲は1～60です。";

}  // namespace

TEST(SettingModelTest, NumberFieldsAcceptFoldedTextAndRefuseTheRest) {
  struct Case {
    const char* text;
    int value;  // 0: refused with the range message
  };
  for (const Case c : {Case{"５０", 50}, {"  20  ", 20}, {"$14", 20}, {"10", 10}, {"100", 100}, {"", 0},
                       {"abc", 0}, {"-5", 0}, {"５０　", 0}, {"9", 0}, {"101", 0}, {"１．５", 0}}) {
    SettingModel m = Loaded();
    m.RecentMaxText = c.text;
    if (c.value) {
      EXPECT_EQ(MessageOf(m), "") << c.text;
      EXPECT_EQ(m.Apply({}).settings.RecentMax, c.value) << c.text;
    } else {
      EXPECT_EQ(MessageOf(m), kRecentMaxRange) << c.text;
    }
  }
  for (const Case c : {Case{"1", 1}, {"６０", 60}, {"0", 0}, {"61", 0}}) {
    SettingModel m = Loaded();
    m.ScanTimeText = c.text;
    EXPECT_EQ(MessageOf(m), c.value ? "" : kScanTimeRange) << c.text;
    if (c.value) {
      EXPECT_EQ(m.Apply({}).settings.ScanTime, c.value);
    }
  }
}

TEST(SettingModelTest, ChecksRunInOrderAndOnlyTheFirstFailureIsReported) {
  SettingModel m = Loaded();
  m.Controls = {11, 12, {21, 22, 23}, {31, 32, 33}};
  m.RecentMaxText = "0";
  m.ScanTimeText = "0";
  m.RecentClick = m.UseFileClick = m.QuenlarkClick = 3;
  m.RecentHotKey = m.UseFileHotKey = m.QuenlarkHotKey = 0xC052;
  const quenlark::Validation first = m.Validate();
  ASSERT_TRUE(first);
  EXPECT_EQ(first->message, kRecentMaxRange);  // both numbers wrong: the first one only
  EXPECT_EQ(first->caption, "設定エラー");
  EXPECT_EQ(first->flags, platform::kMbOk | platform::kMbIconExclamation);
  EXPECT_EQ(first->control, 11);  // the field to mend gets the focus

  m.RecentMaxText = "30";
  EXPECT_EQ(MessageOf(m), kScanTimeRange);
  m.ScanTimeText = "5";
  // Clicks are compared before the hot keys, which collide as well.
  EXPECT_EQ(MessageOf(m), "[最近使ったﾌｧｲﾙ]と[良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ]のﾏｳｽﾎﾞﾀﾝのｸﾘｯｸ設定が同じです。");
  m.UseFileClick = 4;
  EXPECT_EQ(MessageOf(m), "[最近使ったﾌｧｲﾙ]と[Quenlarkﾒﾆｭｰ]のﾏｳｽﾎﾞﾀﾝのｸﾘｯｸ設定が同じです。");
  m.RecentClick = 0;
  m.UseFileClick = 3;
  EXPECT_EQ(MessageOf(m), "[良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ]と[Quenlarkﾒﾆｭｰ]のﾏｳｽﾎﾞﾀﾝのｸﾘｯｸ設定が同じです。");
  EXPECT_EQ(m.Validate()->control, 23);

  m.UseFileClick = 1;
  EXPECT_EQ(MessageOf(m), "[最近使ったﾌｧｲﾙ]と[良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ]のｼｮｰﾄｶｯﾄキー設定が同じです。");
  m.UseFileHotKey = 0xC053;
  EXPECT_EQ(MessageOf(m), "[最近使ったﾌｧｲﾙ]と[Quenlarkﾒﾆｭｰ]のｼｮｰﾄｶｯﾄキー設定が同じです。");
  m.RecentHotKey = 0;
  m.QuenlarkHotKey = 0xC053;
  EXPECT_EQ(MessageOf(m), "[良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ]と[Quenlarkﾒﾆｭｰ]のｼｮｰﾄｶｯﾄキー設定が同じです。");
  EXPECT_EQ(m.Validate()->control, 33);
  // Empty hot keys never collide: one empty and two different, or all empty.
  m.QuenlarkHotKey = 0x2070;
  EXPECT_EQ(MessageOf(m), "");
  m.UseFileHotKey = m.QuenlarkHotKey = 0;
  EXPECT_EQ(MessageOf(m), "");
}

TEST(SettingModelTest, ApplyStoresEveryEditedFieldOverTheCurrentRecordWithItsEffects) {
  TSettings edited;
  edited.RecentMax = 99;
  edited.ScanTime = 42;
  edited.AutoClear = true;
  edited.MultiUser = true;
  edited.PathDiff = true;
  edited.ExtDisp = false;
  edited.PathDisp = true;
  edited.PathDispNumber = 4;
  edited.DateTimeDisp = 3;
  edited.ExtCheck = 2;
  edited.ExtName = "doc,ﾃｷｽﾄ";
  edited.DriveCheck = true;
  edited.DriveName = "c";
  edited.NetworkCheck = true;
  edited.FolderCheck = true;
  edited.DateTopDisp = true;
  edited.SortSelect = 3;
  edited.StartMode = 2;
  edited.DbClickPassWord = true;
  edited.PassWord = "表ﾊﾟｽ";
  edited.RecentClick = 5;
  edited.RecentHotKey = 0x7FFF0000 | 0xC052;  // only the low 16 bits are a combination
  edited.UseFileClick = 4;
  edited.UseFileHotKey = 0x2070;
  edited.QuenlarkClick = 2;
  edited.QuenlarkHotKey = 0x8041;
  edited.IconDisp = false;
  edited.OfficeStyle = true;
  edited.QuenlarkMenuDisp = false;

  // The controller's record as it stands at OK: what the dialog does not
  // edit comes from there, not from the copy taken at opening.
  TSettings current;
  current.SendToRecycle = true;
  current.LastMode = false;
  current.Version = "2.4.2";

  const quenlark::SettingApplication applied = Loaded(edited).Apply(current);
  TSettings expected = edited;
  expected.RecentHotKey = 0xC052;
  expected.SendToRecycle = true;
  expected.LastMode = false;
  expected.Version = "2.4.2";
  const TSettings& s = applied.settings;
  EXPECT_EQ(std::tie(s.RecentMax, s.ScanTime, s.AutoClear, s.MultiUser, s.PathDiff, s.ExtDisp, s.PathDisp,
                     s.PathDispNumber, s.DateTimeDisp, s.ExtCheck, s.ExtName, s.DriveCheck, s.DriveName, s.NetworkCheck,
                     s.FolderCheck, s.DateTopDisp, s.SortSelect, s.StartMode, s.IconDisp, s.OfficeStyle,
                     s.QuenlarkMenuDisp, s.DbClickPassWord, s.PassWord, s.RecentClick, s.RecentHotKey, s.UseFileClick,
                     s.UseFileHotKey, s.QuenlarkClick, s.QuenlarkHotKey, s.SendToRecycle, s.LastMode, s.Version),
            std::tie(expected.RecentMax, expected.ScanTime, expected.AutoClear, expected.MultiUser, expected.PathDiff,
                     expected.ExtDisp, expected.PathDisp, expected.PathDispNumber, expected.DateTimeDisp,
                     expected.ExtCheck, expected.ExtName, expected.DriveCheck, expected.DriveName,
                     expected.NetworkCheck, expected.FolderCheck, expected.DateTopDisp, expected.SortSelect,
                     expected.StartMode, expected.IconDisp, expected.OfficeStyle, expected.QuenlarkMenuDisp,
                     expected.DbClickPassWord, expected.PassWord, expected.RecentClick, expected.RecentHotKey,
                     expected.UseFileClick, expected.UseFileHotKey, expected.QuenlarkClick, expected.QuenlarkHotKey,
                     expected.SendToRecycle, expected.LastMode, expected.Version));
  EXPECT_EQ(applied.effects, quenlark::kLocateHistoryFolder | quenlark::kSaveSettings | quenlark::kRestartScanTimer |
                                 quenlark::kRebuildClickTable);
}

TEST(SettingModelTest, SortSelectMapConvertsBothWays) {
  const int positionOfValue[] = {0, 2, 3, 4, 1};
  for (int value = 0; value < 5; ++value) {
    EXPECT_EQ(quenlark::SortSelectPosition(value), positionOfValue[value]);
    EXPECT_EQ(quenlark::SortSelectValue(positionOfValue[value]), value);
  }
  EXPECT_EQ(quenlark::SortSelectPosition(5), -1);
  EXPECT_EQ(quenlark::SortSelectPosition(255), -1);
  EXPECT_EQ(quenlark::SortSelectValue(5), -1);
  EXPECT_EQ(quenlark::SortSelectValue(-1), -1);
}

TEST(SettingModelTest, EnablementFollowsItsSourcesAndADisabledControlIsStillStored) {
  TSettings s;
  s.DateTimeDisp = 0;
  s.DateTopDisp = true;
  SettingModel m = Loaded(s);
  EXPECT_FALSE(m.DateTopDispEnabled());
  EXPECT_TRUE(m.Apply({}).settings.DateTopDisp);  // the tick kept under a disabled box
  m.DateTimeDisp = 1;
  EXPECT_TRUE(m.DateTopDispEnabled());

  EXPECT_FALSE(m.ExtNameEnabled());
  m.ExtCheck = 1;
  EXPECT_TRUE(m.ExtNameEnabled());
  EXPECT_FALSE(m.DriveNameEnabled());
  m.DriveCheck = true;
  EXPECT_TRUE(m.DriveNameEnabled());
  EXPECT_TRUE(m.OfficeStyleEnabled());
  m.IconDisp = false;
  EXPECT_FALSE(m.OfficeStyleEnabled());
  EXPECT_FALSE(m.PassWordEditEnabled());
  m.DbClickPassWord = true;
  EXPECT_TRUE(m.PassWordEditEnabled());
}

TEST(SettingModelTest, OutOfRangeStoredValuesShowNoChoiceAndAreNeverStoredBack) {
  TSettings s;
  s.SortSelect = 200;
  s.StartMode = 7;
  s.PathDisp = true;
  s.PathDispNumber = 9;
  s.DateTimeDisp = -4;
  s.ExtCheck = 3;
  s.RecentClick = 6;
  s.UseFileClick = 99;
  s.QuenlarkClick = 255;
  SettingModel m = Loaded(s);
  EXPECT_EQ(quenlark::SortSelectPosition(m.SortSelect), -1);  // no radio button checked
  EXPECT_FALSE(m.DateTopDispEnabled());
  EXPECT_FALSE(m.ExtNameEnabled());
  // Untouched, each takes the value loading gives a missing one; the click
  // defaults differ, so the checks pass.
  EXPECT_EQ(MessageOf(m), "");
  const TSettings out = m.Apply(s).settings;
  EXPECT_EQ(out.SortSelect, 0);
  EXPECT_EQ(out.StartMode, 0);
  EXPECT_EQ(out.PathDispNumber, 1);  // seeded from PathDisp
  EXPECT_EQ(out.DateTimeDisp, 0);
  EXPECT_EQ(out.ExtCheck, 0);
  EXPECT_EQ(out.RecentClick, 0);
  EXPECT_EQ(out.UseFileClick, 1);
  EXPECT_EQ(out.QuenlarkClick, 3);
  // A default that meets another list's real choice is a collision like any other.
  m.UseFileClick = 0;
  EXPECT_EQ(MessageOf(m), "[最近使ったﾌｧｲﾙ]と[良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ]のﾏｳｽﾎﾞﾀﾝのｸﾘｯｸ設定が同じです。");
}

TEST(SettingModelTest, MultiUserHintNamesTheLoginUserOnASecondLine) {
  EXPECT_EQ(quenlark::MultiUserHint("田中"),
            "ﾛｸﾞｲﾝﾕｰｻﾞｰ名を利用してﾏﾙﾁﾕｰｻﾞｰ管理を行います。\n  現在のﾛｸﾞｲﾝﾕｰｻﾞｰ名 : 田中");
  EXPECT_EQ(quenlark::MultiUserHint(""), "ﾛｸﾞｲﾝﾕｰｻﾞｰ名を利用してﾏﾙﾁﾕｰｻﾞｰ管理を行います。\n  現在のﾛｸﾞｲﾝﾕｰｻﾞｰ名 : ");
}
