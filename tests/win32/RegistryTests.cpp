// The registry seam against the real (Wine) registry.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/SettingsStore.h"
#include "platform/Win32Registry.h"

namespace {

const char* const kTestKey = "Software\\QuenlarkTests\\Registry";

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\QuenlarkTests"); }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\QuenlarkTests"); }

  void SetRaw(const char* section, const char* name, DWORD type, const void* data, DWORD size) {
    std::string path = std::string(kTestKey) + "\\" + section;
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
  }

  platform::Win32Registry registry;
};

}  // namespace

TEST_F(RegistryTest, WritesReadsAndDeletesStrings) {
  auto key = registry.OpenKey(kTestKey);
  ASSERT_TRUE(key);
  EXPECT_FALSE(key->ReadString("System", "Missing").has_value());
  EXPECT_FALSE(key->ReadString("NoSuchSection", "X").has_value());
  key->WriteString("System", "Name", "表示 ソフト");
  EXPECT_EQ(key->ReadString("System", "Name"), "表示 ソフト");
  key->WriteString("System", "Empty", "");
  EXPECT_EQ(key->ReadString("System", "Empty"), "");
  key->DeleteValue("System", "Name");
  EXPECT_FALSE(key->ReadString("System", "Name").has_value());
  key->DeleteValue("System", "Name");            // a missing value is no error
  key->DeleteValue("NoSuchSection", "Name");     // nor a missing section
}

TEST_F(RegistryTest, LongTextRoundTrips) {
  std::string text(10000, 'x');
  text += "表";
  auto key = registry.OpenKey(kTestKey);
  key->WriteString("System", "Long", text);
  EXPECT_EQ(key->ReadString("System", "Long"), text);
}

TEST_F(RegistryTest, OtherValueTypesReadAsDecided) {
  DWORD number = 42, minusOne = 0xFFFFFFFF;
  SetRaw("System", "Dword", REG_DWORD, &number, sizeof number);
  SetRaw("System", "DwordMinus", REG_DWORD, &minusOne, sizeof minusOne);
  SetRaw("System", "Expand", REG_EXPAND_SZ, "%TEMP%\\x", 10);
  BYTE binary[] = {1, 2, 3};
  SetRaw("System", "Binary", REG_BINARY, binary, sizeof binary);
  SetRaw("System", "Multi", REG_MULTI_SZ, "a\0b\0", 5);
  SetRaw("System", "NoTerminator", REG_SZ, "abc", 3);
  ULONGLONG q = 7;
  SetRaw("System", "Qword", REG_QWORD, &q, sizeof q);
  auto key = registry.OpenKey(kTestKey);
  EXPECT_EQ(key->ReadString("System", "Dword"), "42");
  EXPECT_EQ(key->ReadString("System", "DwordMinus"), "-1");
  EXPECT_EQ(key->ReadString("System", "Expand"), "%TEMP%\\x");
  EXPECT_FALSE(key->ReadString("System", "Binary").has_value());
  EXPECT_FALSE(key->ReadString("System", "Multi").has_value());
  EXPECT_FALSE(key->ReadString("System", "Qword").has_value());
  EXPECT_EQ(key->ReadString("System", "NoTerminator"), "abc");
}

TEST_F(RegistryTest, SettingsOfOtherTypesLoadAndSaveBackAsStrings) {
  // A DWORD written by another tool keeps its number; a binary value gives the
  // default; the next save replaces both with string values.
  DWORD recentMax = 50;
  SetRaw("System", "RecentMax", REG_DWORD, &recentMax, sizeof recentMax);
  BYTE junk[] = {0xFF};
  SetRaw("System", "ScanTime", REG_BINARY, junk, sizeof junk);
  platform::Win32Registry root;
  struct Redirect : platform::IRegistry {
    platform::Win32Registry& inner;
    explicit Redirect(platform::Win32Registry& r) : inner(r) {}
    std::unique_ptr<platform::IRegistryKey> OpenKey(const std::string&) override { return inner.OpenKey(kTestKey); }
  } redirected(root);
  quenlark::TSettings s;
  quenlark::TFavourites f;
  quenlark::LoadSettings(redirected, s, f);
  EXPECT_EQ(s.RecentMax, 50);
  EXPECT_EQ(s.ScanTime, 5);
  quenlark::SaveSettings(redirected, s, f);
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\QuenlarkTests\\Registry\\System", 0, KEY_READ, &key),
            ERROR_SUCCESS);
  DWORD type = 0;
  char buffer[32] = {};
  DWORD size = sizeof buffer;
  RegQueryValueExA(key, "RecentMax", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_STREQ(buffer, "50");
}
