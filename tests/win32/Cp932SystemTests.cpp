// The portable CP932 helpers against the system's own ANSI functions.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include "base/Cp932.h"

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
