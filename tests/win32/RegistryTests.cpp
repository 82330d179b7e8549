// The registry seam against the real (Wine) registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <cwchar>
#include <memory>

#include "DpiChild.h"
#include "menus/LockMode.h"
#include "settings/SettingsStore.h"
#include "platform/Win32Registry.h"
#include "platform/Win32Text.h"

namespace {

const char* const kTestKey = "Software\\QuenlarkTests\\Registry";

// The settings store on the tests' key (or a key of its own below it).
struct TestKeyRegistry : platform::IRegistry {
  std::string key = kTestKey;
  platform::Win32Registry inner;
  std::unique_ptr<platform::IRegistryKey> OpenKey(const std::string&) override { return inner.OpenKey(key); }
};

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

// The registry keeps REG_SZ as UTF-16 whichever call wrote it: what an older
// version stored through the ANSI calls under code page 932 reads the same
// through the wide calls, and the other way.
TEST_F(RegistryTest, TextOfTheAnsiCallsReadsTheSame) {
  const std::string text = "C:\\ソフト\\表示 能力.txt,ﾊﾟｽﾜｰﾄﾞ";
  SetRaw("System", "Old", REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
  auto key = registry.OpenKey(kTestKey);
  EXPECT_EQ(key->ReadString("System", "Old"), text);

  key->WriteString("System", "New", text);
  char back[256] = {};
  DWORD size = sizeof back - 1;
  HKEY raw = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, (std::string(kTestKey) + "\\System").c_str(), 0, KEY_READ, &raw),
            ERROR_SUCCESS);
  EXPECT_EQ(RegQueryValueExA(raw, "New", nullptr, nullptr, reinterpret_cast<BYTE*>(back), &size), ERROR_SUCCESS);
  RegCloseKey(raw);
  EXPECT_EQ(std::string(back), text);
}

// Any bytes stored as text (an odd length, no terminator, lone surrogates,
// characters code page 932 cannot spell) read as the UTF-16 up to the first
// NUL, and what was read is written back and read again unchanged. Seeded.
TEST_F(RegistryTest, AnyBytesStoredAsTextReadAndWriteBackExactly) {
  auto key = registry.OpenKey(kTestKey);
  std::uint32_t seed = 12345;
  auto next = [&] { return seed = seed * 1664525u + 1013904223u, seed >> 8; };
  for (int round = 0; round < 300; ++round) {
    std::string bytes;
    for (std::size_t n = next() % 40; n > 0; --n) bytes += static_cast<char>((next() % 7 == 0) ? 0xD8 : next() & 0xFF);
    HKEY raw = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\QuenlarkTests\\Registry\\Fuzz", 0, nullptr, 0, KEY_WRITE,
                              nullptr, &raw, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(raw, L"V", 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()));
    RegCloseKey(raw);
    std::wstring stored(bytes.size() / 2, L'\0');
    std::memcpy(stored.data(), bytes.data(), stored.size() * 2);
    stored.resize(std::wcslen(stored.c_str()));
    const std::optional<std::string> read = key->ReadString("Fuzz", "V");
    ASSERT_TRUE(read.has_value()) << round;
    ASSERT_EQ(platform::Wide(*read), stored) << round;
    key->WriteString("Fuzz", "W", *read);
    ASSERT_EQ(key->ReadString("Fuzz", "W"), read) << round;
  }
}

TEST_F(RegistryTest, LongTextRoundTrips) {
  std::string text(10000, 'x');
  text += "表";
  auto key = registry.OpenKey(kTestKey);
  key->WriteString("System", "Long", text);
  EXPECT_EQ(key->ReadString("System", "Long"), text);
}

// A value of a megabyte reads whole, through the real registry.
TEST_F(RegistryTest, MegabyteValueReadsWhole) {
  std::string text(1 << 20, 'x');
  for (std::size_t i = 0; i < text.size(); i += 4096) text[i] = static_cast<char>('a' + (i / 4096) % 26);
  SetRaw("System", "Huge", REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
  EXPECT_EQ(registry.OpenKey(kTestKey)->ReadString("System", "Huge"), text);
}

// A value that another program makes longer between the size query and the
// read, over and over: each answer of ERROR_MORE_DATA names a size beyond the
// buffer just offered. The reader asks again with the named size a few times,
// then gives up; it never reads past its buffer.
TEST_F(RegistryTest, GrowingValueReadsWholeOrAsMissing) {
  auto growing = [](int growths) {
    auto calls = std::make_shared<int>(0);
    return [=](DWORD* type, BYTE* data, DWORD* size) -> LONG {
      *type = REG_SZ;
      const DWORD now = 16u << (*calls < growths ? *calls : growths);  // 16, 32, 64, ... bytes
      ++*calls;
      if (!data) {
        *size = now;
        return ERROR_SUCCESS;
      }
      const DWORD offered = *size;
      *size = now;
      if (offered < now) return ERROR_MORE_DATA;
      std::memset(data, 'v', now - 1);
      data[now - 1] = 0;
      return ERROR_SUCCESS;
    };
  };
  // Grows twice and then holds still: read whole.
  auto settled = platform::ReadValueBytes(growing(2));
  ASSERT_TRUE(settled.has_value());
  EXPECT_EQ(settled->bytes.size(), 64u);
  EXPECT_EQ(settled->bytes[62], 'v');
  // Never holds still: missing, not a read past the buffer.
  EXPECT_FALSE(platform::ReadValueBytes(growing(1000)).has_value());
  // A size query that fails, or a read that fails: missing.
  EXPECT_FALSE(platform::ReadValueBytes([](DWORD*, BYTE*, DWORD*) -> LONG { return ERROR_ACCESS_DENIED; }));
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

// The theme reads a DWORD, and nothing else, from a key it only opens.
TEST_F(RegistryTest, ReadDwordTakesOnlyADword) {
  SetRaw("Theme", "Dword", REG_DWORD, "\0\0\0\0", 4);
  SetRaw("Theme", "Text", REG_SZ, L"0", 4);
  const wchar_t* key = L"Software\\QuenlarkTests\\Registry\\Theme";
  EXPECT_EQ(platform::ReadDword(HKEY_CURRENT_USER, key, L"Dword"), 0u);
  EXPECT_EQ(platform::ReadDword(HKEY_CURRENT_USER, key, L"Text"), std::nullopt);
  EXPECT_EQ(platform::ReadDword(HKEY_CURRENT_USER, L"Software\\QuenlarkTests\\None", L"Dword"), std::nullopt);
}

TEST_F(RegistryTest, SettingsOfOtherTypesLoadAndSaveBackAsStrings) {
  // A DWORD written by another tool keeps its number; a binary value gives the
  // default; the next save replaces both with string values.
  DWORD recentMax = 50;
  SetRaw("System", "RecentMax", REG_DWORD, &recentMax, sizeof recentMax);
  BYTE junk[] = {0xFF};
  SetRaw("System", "ScanTime", REG_BINARY, junk, sizeof junk);
  TestKeyRegistry redirected;
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

// A password in any language, saved by the settings store into the registry
// or left there by an earlier version (the bytes of the text in reverse
// order, written through the registry's wide functions), is loaded by a new
// process (the program's next start, or the upgraded program's) and unlocks
// with what the user types then (ASCII letters in either case). That process
// saves the settings (the user's OK), and this one loads this version's form
// and unlocks again.
constexpr struct {
  const wchar_t *set, *typed;
  bool unlocks, earlier;
} kPasswords[] = {{L"Secret1", L"sECRET1", true, false}, {L"表示ﾊﾟｽ", L"表示ﾊﾟｽ", true, false},
                  {L"Müller", L"mülLER", true, false}, {L"Müller", L"Muller", false, false},
                  {L"한국어1", L"한국어1", true, false}, {L"\U0001F600pw", L"\U0001F600PW", true, false},
                  {L"aÉ表ﾊﾟ€\U0001F600z", L"AÉ表ﾊﾟ€\U0001F600Z", true, false},
                  {L"Secret1", L"sECRET1", true, true}, {L"東京", L"東京", true, true},
                  {L"大阪", L"大阪", true, true}, {L"abc東京", L"ABC東京", true, true},
                  {L"ﾊﾟｽﾜｰﾄﾞ", L"ﾊﾟｽﾜｰﾄﾞ", true, true}, {L"", L"", true, true}};

TEST(PasswordStoreTest, PasswordsInAnyLanguageAndOfEarlierVersionsUnlockAfterARestart) {
  const bool restarted = testsupport::InDpiChild();
  if (!restarted) RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\QuenlarkTests");
  auto unlocks = [](std::size_t i, bool save) {
    TestKeyRegistry registry;
    registry.key += "\\" + std::to_string(i);
    quenlark::TSettings s;
    quenlark::TFavourites f;
    quenlark::LoadSettings(registry, s, f);
    if (save) quenlark::SaveSettings(registry, s, f);
    return quenlark::PasswordMatches(platform::ProgramText(kPasswords[i].typed), s.PassWord);
  };
  for (std::size_t i = 0; i < std::size(kPasswords); ++i) {
    if (restarted) {
      testsupport::TellParent(("unlocks" + std::to_string(i)).c_str(), unlocks(i, true));
      continue;
    }
    TestKeyRegistry registry;
    registry.key += "\\" + std::to_string(i);
    quenlark::TSettings s;
    quenlark::TFavourites f;
    const std::string text = platform::ProgramText(kPasswords[i].set);
    s.PassWord = text;
    if (kPasswords[i].earlier) {
      registry.OpenKey("")->WriteString("System", "PassWord", std::string(text.rbegin(), text.rend()));
    } else {
      quenlark::SaveSettings(registry, s, f);
    }
  }
  if (restarted) return;
  // ASCII is stored as it always was, its bytes in reverse order.
  TestKeyRegistry first;
  first.key += "\\0";
  EXPECT_EQ(first.OpenKey("")->ReadString("System", "PassWord"), "1terceS");
  const std::string child =
      testsupport::RunAtDpi(96, "PasswordStoreTest.PasswordsInAnyLanguageAndOfEarlierVersionsUnlockAfterARestart");
  for (std::size_t i = 0; i < std::size(kPasswords); ++i) {
    EXPECT_EQ(testsupport::AnswerOf(child, ("unlocks" + std::to_string(i)).c_str()), kPasswords[i].unlocks ? 1 : 0)
        << i << "\n" << child;
    EXPECT_EQ(unlocks(i, false), kPasswords[i].unlocks) << i << " after the save";
  }
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\QuenlarkTests");
}
