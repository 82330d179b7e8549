#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include "FakeRegistry.h"
#include "settings/PasswordForm.h"

using namespace quenlark;
using test::FakeRegistry;

namespace {

const std::string kKey = kRegistryKey;

std::optional<std::string> SystemValue(const FakeRegistry& r, const char* name) {
  return r.Get(kKey, "System", name);
}

}  // namespace

TEST(SettingsStoreTest, EmptyRegistryGivesDefaultsAndStampsTheVersion) {
  FakeRegistry registry;
  TSettings s;
  TFavourites f;
  EXPECT_FALSE(LoadSettings(registry, s, f));
  EXPECT_EQ(s.RecentMax, 30);
  EXPECT_EQ(s.ScanTime, 5);
  EXPECT_TRUE(s.ExtDisp);
  EXPECT_EQ(s.PathDispNumber, 0);
  EXPECT_EQ(s.ExtName, "htm,jpg,gif");
  EXPECT_EQ(s.DriveName, "a,b");
  EXPECT_EQ(s.RecentClick, 0);
  EXPECT_EQ(s.UseFileClick, 1);
  EXPECT_EQ(s.QuenlarkClick, 3);
  EXPECT_TRUE(s.LastMode);
  EXPECT_TRUE(s.IconDisp);
  EXPECT_TRUE(s.QuenlarkMenuDisp);
  EXPECT_EQ(s.Version, "");
  EXPECT_EQ(f.FavouriteCount, 0);
  EXPECT_EQ(SystemValue(registry, "Version"), kProgramVersion);
  // Only the version is written by a plain load.
  EXPECT_EQ(registry.writes, 1);
}

TEST(SettingsStoreTest, OldVersionUpgradesClickCodesAndSavesAtOnce) {
  FakeRegistry registry;
  registry.Set(kKey, "System", "Version", "1.80");
  registry.Set(kKey, "System", "RecentClick", "3");
  registry.Set(kKey, "System", "UseFileClick", "1");
  registry.Set(kKey, "System", "QuenlarkClick", "4");
  TSettings s;
  TFavourites f;
  EXPECT_TRUE(LoadSettings(registry, s, f));
  EXPECT_EQ(s.RecentClick, 4);
  EXPECT_EQ(s.UseFileClick, 1);
  EXPECT_EQ(s.QuenlarkClick, 4);
  EXPECT_EQ(s.Version, "1.80");
  EXPECT_EQ(SystemValue(registry, "RecentClick"), "4");
  EXPECT_EQ(SystemValue(registry, "Version"), kProgramVersion);
  EXPECT_EQ(SystemValue(registry, "ScanTime"), "5");  // the whole record was written

  // A second load of the saved record changes nothing more.
  TSettings again;
  EXPECT_FALSE(LoadSettings(registry, again, f));
  EXPECT_EQ(again.RecentClick, 4);
}

TEST(SettingsStoreTest, VersionComparisonIsByteWise) {
  for (auto [version, upgraded] : {std::pair{"1.81", true}, {"1.82", false}, {"1.9", false}, {"!!", true},
                                   {"zzz", false}, {"10.0", false}, {"1.8", true}}) {
    FakeRegistry registry;
    registry.Set(kKey, "System", "Version", version);
    registry.Set(kKey, "System", "UseFileClick", "2");
    TSettings s;
    TFavourites f;
    EXPECT_EQ(LoadSettings(registry, s, f), upgraded) << version;
    EXPECT_EQ(s.UseFileClick, upgraded ? 3 : 2) << version;
  }
  // A version after ours is kept as it is.
  FakeRegistry registry;
  registry.Set(kKey, "System", "Version", "9.0");
  TSettings s;
  TFavourites f;
  LoadSettings(registry, s, f);
  EXPECT_EQ(SystemValue(registry, "Version"), "9.0");
}

TEST(SettingsStoreTest, PathDispNumberFollowsPathDispWhenUnset) {
  FakeRegistry registry;
  registry.Set(kKey, "System", "PathDisp", "1");
  TSettings s;
  TFavourites f;
  LoadSettings(registry, s, f);
  EXPECT_EQ(s.PathDispNumber, 1);

  registry.Set(kKey, "System", "PathDispNumber", "-1");
  registry.Set(kKey, "System", "PathDisp", "0");
  LoadSettings(registry, s, f);
  EXPECT_EQ(s.PathDispNumber, 0);

  registry.Set(kKey, "System", "PathDispNumber", "3");
  LoadSettings(registry, s, f);
  EXPECT_EQ(s.PathDispNumber, 3);
}

TEST(SettingsStoreTest, BadValuesReadAsDefinedValues) {
  FakeRegistry registry;
  registry.Set(kKey, "System", "RecentMax", "99999999999999999999");
  registry.Set(kKey, "System", "ScanTime", "0x");
  registry.Set(kKey, "System", "ExtCheck", "$-1");
  registry.Set(kKey, "System", "AutoClear", "yes");
  registry.Set(kKey, "System", "IconDisp", "0");
  registry.Set(kKey, "System", "MultiUser", "7");
  registry.Set(kKey, "System", "SortSelect", "258");  // 8-bit field: low 8 bits
  registry.Set(kKey, "System", "StartMode", "-1");
  registry.Set(kKey, "System", "RecentHotKey", "$1234");
  registry.Set(kKey, "System", "ExtName", std::string(10000, 'x'));
  registry.Set(kKey, "System", "Version", "\xFF\xFEgarbage");
  TSettings s;
  TFavourites f;
  LoadSettings(registry, s, f);
  EXPECT_EQ(s.RecentMax, 30);
  EXPECT_EQ(s.ScanTime, 5);
  EXPECT_EQ(s.ExtCheck, 0);
  EXPECT_FALSE(s.AutoClear);
  EXPECT_FALSE(s.IconDisp);
  EXPECT_TRUE(s.MultiUser);
  EXPECT_EQ(s.SortSelect, 2);
  EXPECT_EQ(s.StartMode, 255);
  EXPECT_EQ(s.RecentHotKey, 0x1234);
  EXPECT_EQ(s.ExtName.size(), 10000u);
  EXPECT_EQ(s.Version, "\xFF\xFEgarbage");

  // A save keeps what the user set: the long text survives byte for byte.
  SaveSettings(registry, s, f);
  EXPECT_EQ(SystemValue(registry, "ExtName"), std::string(10000, 'x'));
  EXPECT_EQ(SystemValue(registry, "SortSelect"), "2");
  EXPECT_EQ(SystemValue(registry, "RecentHotKey"), "4660");
  EXPECT_EQ(SystemValue(registry, "Version"), "\xFF\xFEgarbage");  // never written by a save
}

// What each stored password means: an earlier version's bytes in reverse
// order (the mark missing, or stale because that version wrote the password
// over this one's), this version's characters in reverse order (marked), and
// the unmarked character form of the builds before the mark, wherever its
// bytes reversed are no text an earlier version could have stored.
TEST(SettingsStoreTest, EachStoredPasswordIsReadAsTheVersionThatStoredItMeantIt) {
  const std::string u = "\xFC\x80\xFC\x90\xFC\xAF\xFC\xBC";  // the escape of U+00FC
  const std::string marked = StorePassword("\x93\x8C\x8B\x9E").form;  // this version's 東京
  const struct {
    std::string value;
    std::optional<std::string> form;
    std::string password;
  } rows[] = {
      {"1terceS", std::nullopt, "Secret1"},
      {"\x9E\x8B\x8C\x93", std::nullopt, "東京"},                  // 東京 by an earlier version
      {"\x9E\x8B\x8C\x93" "cba", std::nullopt, "abc東京"},
      {"\x9E\x8B\x8C\x93", "chars:00000000", "東京"},              // a mark of another value
      {"\x9E\x8B\x8C\x93", "garbage", "東京"},
      {"\x8B\x9E\x93\x8C", marked, "東京"},                        // this version's 東京
      {"\x9E\x8B\x8C\x93", marked, "東京"},                        // an earlier version wrote over it
      {"表ba", std::nullopt, "ab表"},                                  // 5C 95 lost its trail byte
      {"rell" + u + "M", std::nullopt, "M" + u + "ller"},
      {"ｽﾟﾊ", std::nullopt, "ﾊﾟｽ"},
      {"", std::nullopt, ""},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(LoadPassword(row.value, row.form), row.password) << row.value;
    // A save stores this version's form, which a load reads back as it is.
    const StoredPassword stored = StorePassword(row.password);
    EXPECT_EQ(LoadPassword(stored.value, stored.form), row.password) << row.value;
  }

  // Through the settings store: the earlier form loads, and the first save
  // (the user's) moves it to this version's form, which stays as it is.
  FakeRegistry registry;
  registry.Set(kKey, "System", "PassWord", "\x9E\x8B\x8C\x93");
  TSettings s;
  TFavourites f;
  LoadSettings(registry, s, f);
  EXPECT_EQ(s.PassWord, "東京");
  EXPECT_EQ(SystemValue(registry, "PassWord"), "\x9E\x8B\x8C\x93");  // a load writes nothing
  SaveSettings(registry, s, f);
  EXPECT_EQ(SystemValue(registry, "PassWord"), "\x8B\x9E\x93\x8C");
  LoadSettings(registry, s, f);
  EXPECT_EQ(s.PassWord, "東京");
  SaveSettings(registry, s, f);
  EXPECT_EQ(SystemValue(registry, "PassWord"), "\x8B\x9E\x93\x8C");
}

TEST(SettingsStoreTest, SaveWritesEveryValueInItsForm) {
  FakeRegistry registry;
  registry.Set(kKey, "System", "Language", "English");
  TSettings s;
  s.RecentMax = 100;
  s.AutoClear = true;
  s.SortSelect = 4;
  s.QuenlarkHotKey = 0x4000 | 0x41;
  TFavourites f;
  SaveSettings(registry, s, f);
  SaveExitState(registry, s);
  EXPECT_EQ(ReadLanguageOverride(registry), "English");  // read, never rewritten nor deleted
  EXPECT_EQ(SystemValue(registry, "RecentMax"), "100");
  EXPECT_EQ(SystemValue(registry, "AutoClear"), "1");
  EXPECT_EQ(SystemValue(registry, "ExtDisp"), "1");
  EXPECT_EQ(SystemValue(registry, "SortSelect"), "4");
  EXPECT_EQ(SystemValue(registry, "QuenlarkHotKey"), "16449");
  EXPECT_EQ(SystemValue(registry, "PathDispNumber"), "-1");
  EXPECT_EQ(SystemValue(registry, "PassWordForm"), StorePassword("").form);  // the password's form beside it
  EXPECT_EQ(registry.keys[kKey]["System"].size(), 33u);
}

TEST(SettingsStoreTest, FavouritesAreSqueezedAndSavedByTrimmedName) {
  FakeRegistry registry;
  auto set = [&](int slot, const char* name, const char* file, const char* exec) {
    registry.Set(kKey, "UseFiles", FavouriteValueName(slot, "Name"), name);
    registry.Set(kKey, "UseFiles", FavouriteValueName(slot, "File"), file);
    registry.Set(kKey, "UseFiles", FavouriteValueName(slot, "Execute"), exec);
  };
  set(0, "Memo", "C:\\memo.txt", "");
  set(2, "Web", "http://example.com/", "");
  set(5, "Editor", "C:\\a b\\x.txt", "notepad.exe");
  registry.Set(kKey, "UseFiles", FavouriteValueName(7, "File"), "orphan file without a name");
  TSettings s;
  TFavourites f;
  LoadSettings(registry, s, f);
  ASSERT_EQ(f.FavouriteCount, 3);
  EXPECT_EQ(f.Slots[1].Name, "Web");
  EXPECT_EQ(f.Slots[1].File, "http://example.com/");
  EXPECT_EQ(f.Slots[2].Execute, "notepad.exe");
  EXPECT_EQ(f.Slots[7].File, "");

  SaveSettings(registry, s, f);
  const auto& values = registry.keys[kKey]["UseFiles"];
  EXPECT_EQ(values.size(), 9u);
  EXPECT_EQ(values.at("02_Name"), "Editor");
  EXPECT_EQ(values.at("02_File"), "C:\\a b\\x.txt");
  EXPECT_FALSE(values.count("05_Name"));
  EXPECT_FALSE(values.count("07_File"));
  EXPECT_TRUE(values.count("00_Execute"));  // empty fields of a slot in use are written too
}

TEST(SettingsStoreTest, BlankNamedSlotIsNotWritten) {
  FakeRegistry registry;
  TSettings s;
  TFavourites f;
  f.Slots[0] = {"   ", "C:\\x.txt", ""};
  f.Slots[1] = {" Keep ", "C:\\y.txt", ""};
  f.FavouriteCount = 2;
  registry.Set(kKey, "UseFiles", "00_Name", "old");
  SaveSettings(registry, s, f);
  const auto& values = registry.keys[kKey]["UseFiles"];
  EXPECT_FALSE(values.count("00_Name"));
  EXPECT_FALSE(values.count("00_File"));
  EXPECT_EQ(values.at("01_Name"), " Keep ");  // written untrimmed
}

TEST(SettingsStoreTest, UnopenableKeyRunsOnDefaultsSilently) {
  FakeRegistry registry;
  registry.failOpen = true;
  TSettings s;
  s.RecentMax = 77;
  TFavourites f;
  f.FavouriteCount = 4;
  EXPECT_FALSE(LoadSettings(registry, s, f));
  EXPECT_EQ(s.RecentMax, 30);
  EXPECT_EQ(s.PathDispNumber, 0);
  EXPECT_EQ(f.FavouriteCount, 0);
  SaveSettings(registry, s, f);
  SaveExitState(registry, s);
  EXPECT_TRUE(registry.keys.empty());
}

TEST(SettingsStoreTest, UnwritableKeyStillLoads) {
  FakeRegistry registry;
  registry.Set(kKey, "System", "RecentMax", "50");
  registry.failWrites = true;
  TSettings s;
  TFavourites f;
  LoadSettings(registry, s, f);
  EXPECT_EQ(s.RecentMax, 50);
  EXPECT_FALSE(SystemValue(registry, "Version").has_value());
}

TEST(SettingsStoreTest, ExitStateWritesTwoValuesOnly) {
  FakeRegistry registry;
  TSettings s;
  s.LastMode = false;
  s.SendToRecycle = true;
  SaveExitState(registry, s);
  EXPECT_EQ(SystemValue(registry, "LastMode"), "0");
  EXPECT_EQ(SystemValue(registry, "SendToRecycle"), "1");
  EXPECT_EQ(registry.keys[kKey]["System"].size(), 2u);
}

// A hand-edited ScanTime outside the settings dialog's 1 to 60 seconds gives
// the default interval; none of them may stop the timer or make it spin.
TEST(SettingsStoreTest, ScanIntervalOutsideTheDialogsRangeIsTheDefault) {
  EXPECT_EQ(ScanIntervalMilliseconds(1), 1000u);
  EXPECT_EQ(ScanIntervalMilliseconds(5), 5000u);
  EXPECT_EQ(ScanIntervalMilliseconds(60), 60000u);
  for (int bad : {0, -5, 61, 4294968, 2147483647, -2147483647 - 1}) {
    EXPECT_EQ(ScanIntervalMilliseconds(bad), 5000u) << bad;
  }
}
