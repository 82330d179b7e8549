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

// Characters code page 932 cannot spell are never best-fitted into a
// look-alike that could name another file: each travels as an escape and
// comes back exactly; the characters around it keep their CP932 bytes.
TEST(Cp932SystemTest, CharactersOutsideTheCodePageTravelAsEscapes) {
  const struct {
    std::wstring text;
    std::size_t escapes;
  } cases[] = {
      {L"a\u301Cb", 1},                // WAVE DASH (only FULLWIDTH TILDE is in the code page)
      {L"a\u2212b", 1},                // MINUS SIGN
      {L"S\u00FC\u00DF.txt", 2},       // "\u00FC", "\u00DF"
      {L"\u00A2\u00A3\u00AC\u2014\u2016", 5},
      {L"\uD55C\uAE00.doc", 2},        // Korean
      {L"\u6D4B\u8BD5 1.txt", 2},      // simplified Chinese
      {L"x\U0001F600y", 2},             // an emoji: both surrogates
      {std::wstring{L'x', wchar_t(0xD800), L'y'}, 1},  // an unpaired surrogate
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(platform::ExactCp932(c.text).has_value());
    const std::string text = platform::ProgramText(c.text);
    EXPECT_EQ(platform::Wide(text), c.text);
    std::size_t escapes = 0;
    for (std::size_t i = 0; i < text.size(); i += cp932::CharLength(text, i)) escapes += cp932::EscapeAt(text, i) ? 1 : 0;
    EXPECT_EQ(escapes, c.escapes) << text;
  }
  EXPECT_EQ(platform::ProgramText(L"\uFF5E\u8868\u793A"), "\x81\x60\x95\x5C\x8E\xA6");  // full-width tilde, two kanji
  EXPECT_EQ(platform::ProgramText(L"\u8868\u301C.txt").substr(0, 2), "\x95\x5C");
}

// Any UTF-16 a folder search, a shell link or a window may give comes back
// exactly, and any bytes converts without harm; plain CP932 text converts as
// it did. Seeded, so a failure repeats.
TEST(Cp932SystemTest, AnyTextCrossesTheSeamExactly) {
  std::uint32_t seed = 0x9E3779B9u;
  auto next = [&] { return seed = seed * 1664525u + 1013904223u, seed >> 8; };
  const wchar_t pool[] = {L'a', L'\\', L'.', L'?', 0x3042, 0x8868, 0xFF5E, 0x301C, 0x2212, 0x00FC, 0xAC00,
                          0x6D4B, 0xD83D, 0xDE00, 0xD800, 0xDFFF, 0xFFFD, 0xFFFF, 0xE000, 0x0080};
  for (int round = 0; round < 20000; ++round) {
    std::wstring text;
    for (std::size_t n = next() % 12; n > 0; --n) {
      text += (next() & 1) ? pool[next() % (sizeof pool / sizeof pool[0])] : static_cast<wchar_t>(1 + next() % 0xFFFF);
    }
    const std::string program = platform::ProgramText(text);
    ASSERT_EQ(platform::Wide(program), text) << round;
    if (const std::optional<std::string> plain = platform::ExactCp932(text)) {
      ASSERT_EQ(*plain, program) << round;
    }
    std::string bytes;
    for (std::size_t n = next() % 16; n > 0; --n) bytes += static_cast<char>(next() & 0xFF);
    const std::wstring wide = platform::Wide(bytes);
    ASSERT_EQ(platform::Wide(platform::ProgramText(wide)), wide) << round;
  }
}
