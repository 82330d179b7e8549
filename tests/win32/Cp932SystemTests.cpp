// The portable CP932 helpers against the system's own ANSI functions.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include "base/Cp932.h"
#include "platform/Win32Text.h"

namespace {

bool IsMappedDoubleByte(unsigned code) {
  char b[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
  wchar_t w[4];
  int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, b, 2, w, 4);
  if (n != 1) return false;
  char back[4];
  BOOL usedDefault = FALSE;
  return WideCharToMultiByte(932, 0, w, 1, back, 4, nullptr, &usedDefault) >= 1 && !usedDefault;
}

}  // namespace

TEST(Cp932SystemTest, RunsWithTheJapaneseCodePage) { ASSERT_EQ(GetACP(), 932u); }

TEST(Cp932SystemTest, LeadBytesAgreeWithTheSystem) {
  for (unsigned c = 0; c < 256; ++c) {
    EXPECT_EQ(cp932::IsLeadByte(static_cast<unsigned char>(c)), IsDBCSLeadByte(static_cast<BYTE>(c)) != FALSE)
        << std::hex << c;
  }
}

TEST(Cp932SystemTest, UpperEqualsCharUpperBuffAForEverySingleByteCharacter) {
  for (unsigned c = 1; c < 256; ++c) {
    if (IsDBCSLeadByte(static_cast<BYTE>(c))) continue;
    char system[2] = {static_cast<char>(c), 0};
    CharUpperBuffA(system, 1);
    EXPECT_EQ(cp932::Upper(std::string(1, static_cast<char>(c))), std::string(system, 1)) << std::hex << c;
  }
}

TEST(Cp932SystemTest, UpperEqualsCharUpperBuffAForEveryDoubleByteCharacter) {
  int checked = 0;
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsDBCSLeadByte(static_cast<BYTE>(lead))) continue;
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      unsigned code = (lead << 8) | trail;
      if (!IsMappedDoubleByte(code)) continue;
      char system[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      CharUpperBuffA(system, 2);
      std::string mine = cp932::Upper(std::string{static_cast<char>(lead), static_cast<char>(trail)});
      ASSERT_EQ(mine, std::string(system, 2)) << std::hex << code;
      ++checked;
    }
  }
  EXPECT_GT(checked, 7000);  // every character of the code page was compared
}

TEST(Cp932SystemTest, UpperOfMixedPathsEqualsCharUpperBuffA) {
  for (std::string path : {"c:\\ソフト\\能力.doc", "c:\\docs\\表.txt", "\\\\server\\ｓｈａｒｅ\\αβγ.txt",
                           "d:\\ｱｲｳ\\readme.txt", "x:\\ー[a]\\ж.lnk"}) {
    std::string system = path;
    CharUpperBuffA(system.data(), static_cast<DWORD>(system.size()));
    EXPECT_EQ(cp932::Upper(path), system) << path;
  }
}

TEST(Cp932SystemTest, UnmappedPairsAreLeftAlone) {
  // The system writes "・" for a pair the code page does not map; the program
  // keeps the bytes it was given.
  std::string unmapped = "\x85\x40";
  ASSERT_FALSE(IsMappedDoubleByte(0x8540));
  EXPECT_EQ(cp932::Upper(unmapped), unmapped);
}

TEST(Cp932SystemTest, PathPartsAgreeWithTheShell) {
  // The shell's own path functions are DBCS-aware: both must stop at the real
  // separator and never at a 0x5C trail byte.
  for (const char* path : {"c:\\ソフト\\能力.doc", "c:\\docs\\表", "c:\\表\\ソ", "c:\\a\\b.txt", "表.txt"}) {
    EXPECT_EQ(cp932::ExtractFileName(path), std::string(PathFindFileNameA(path))) << path;
    EXPECT_EQ(cp932::ExtractFileExt(path), std::string(PathFindExtensionA(path))) << path;
  }
}

// Every character of code page 932 crosses the seam and comes back as the
// ANSI calls spelled it under code page 932 (the pairs the code page holds
// twice come back in the spelling the system gives them).
TEST(Cp932SystemTest, EveryCharacterRoundTripsThroughUtf16) {
  int checked = 0;
  for (unsigned code = 1; code <= 0xFCFC; ++code) {
    const bool pair = code > 0xFF;
    if (pair ? !IsDBCSLeadByte(static_cast<BYTE>(code >> 8)) : IsDBCSLeadByte(static_cast<BYTE>(code))) continue;
    if (pair && !IsMappedDoubleByte(code)) continue;
    const std::string text = pair ? std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)}
                                  : std::string(1, static_cast<char>(code));
    wchar_t system[4] = {};
    const int n = MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), system, 4);
    ASSERT_EQ(platform::Wide(text), std::wstring(system, n)) << std::hex << code;
    char canonical[4] = {};
    const int m = WideCharToMultiByte(932, 0, system, n, canonical, 4, nullptr, nullptr);
    ASSERT_EQ(platform::ExactCp932(platform::Wide(text)), std::string(canonical, m)) << std::hex << code;
    ++checked;
  }
  EXPECT_GT(checked, 7000 + 190);
}

// Characters code page 932 cannot spell are refused, never best-fitted into a
// look-alike that could name another file; shown, they become "?".
TEST(Cp932SystemTest, CharactersOutsideTheCodePageAreRefused) {
  const struct {
    std::wstring text;
    const char* shown;
  } cases[] = {
      {L"a\u301Cb", "a?b"},                 // WAVE DASH (only FULLWIDTH TILDE is in the code page)
      {L"a\u2212b", "a?b"},                 // MINUS SIGN
      {L"S\u00FC\u00DF.txt", "S??.txt"},    // "ü", "ß"
      {L"\u00A2\u00A3\u00AC\u2014\u2016", "?????"},
      {L"\uD55C\uAE00.doc", "??.doc"},     // Korean
      {L"\u6D4B\u8BD5 1.txt", "?? 1.txt"},  // simplified Chinese
      {L"x\U0001F600y", nullptr},            // an emoji: one or two "?"
      {std::wstring{L'x', wchar_t(0xD800), L'y'}, nullptr},  // an unpaired surrogate
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(platform::ExactCp932(c.text).has_value());
    const std::string shown = platform::Cp932Shown(c.text);
    if (c.shown) {
      EXPECT_EQ(shown, c.shown);
    }
    for (char ch : shown) EXPECT_TRUE(ch == '?' || static_cast<unsigned char>(ch) < 0x80) << shown;
  }
  EXPECT_EQ(platform::ExactCp932(L"\uFF5E\u8868\u793A"), "\x81\x60\x95\x5C\x8E\xA6");  // "～表示"
}
