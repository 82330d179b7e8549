#include "base/Cp932.h"

#include <gtest/gtest.h>

using namespace cp932;

// "表" is 0x95 0x5C and "ソ" is 0x83 0x5C: their trail byte is the path separator.
TEST(Cp932Test, TrailByte5CIsNeverASeparator) {
  EXPECT_EQ(ExtractFileName("C:\\docs\\表.txt"), "表.txt");
  EXPECT_EQ(ExtractFileName("C:\\ソフト\\能力.doc"), "能力.doc");
  EXPECT_EQ(ExtractFilePath("C:\\ソフト\\能力.doc"), "C:\\ソフト\\");
  EXPECT_EQ(ExtractFileName("C:\\docs\\ソ"), "ソ");
  EXPECT_EQ(ExtractFileName("表"), "表");
  EXPECT_FALSE(EndsWithDelimiter("C:\\ソ", "\\:"));
  EXPECT_TRUE(EndsWithDelimiter("C:\\ソ\\", "\\:"));
  EXPECT_TRUE(EndsWithDelimiter("C:", "\\:"));
  EXPECT_FALSE(EndsWithDelimiter("", "\\:"));
}

TEST(Cp932Test, ExtensionAndDrive) {
  EXPECT_EQ(ExtractFileExt("C:\\a.b\\report.doc"), ".doc");
  EXPECT_EQ(ExtractFileExt("C:\\a.b\\README"), "");
  EXPECT_EQ(ExtractFileExt("C:\\x\\name."), ".");
  EXPECT_EQ(ExtractFileExt("C:\\表.txt"), ".txt");
  EXPECT_EQ(ExtractFileDrive("c:\\x\\y.txt"), "c:");
  EXPECT_EQ(ExtractFileDrive("\\\\server\\share\\dir\\f.txt"), "\\\\server\\share");
  EXPECT_EQ(ExtractFileDrive("\\\\server\\ソ\\f.txt"), "\\\\server\\ソ");
  EXPECT_EQ(ExtractFileDrive("\\\\server"), "\\\\server");
  EXPECT_EQ(ExtractFileDrive("relative\\f.txt"), "");
}

TEST(Cp932Test, LeadByteAtTheEndIsASingleCharacter) {
  std::string broken = "abc\x95";
  EXPECT_EQ(CharLength(broken, 3), 1u);
  EXPECT_EQ(ExtractFileName(std::string("a\\\x95")), std::string("\x95"));
  EXPECT_EQ(Upper(broken), "ABC\x95");
}

TEST(Cp932Test, UpperChangesLettersOnly) {
  EXPECT_EQ(Upper("report.doc"), "REPORT.DOC");
  EXPECT_EQ(Upper("ａｂｃ"), "ＡＢＣ");        // full-width Latin
  EXPECT_EQ(Upper("αω"), "ΑΩ");               // Greek
  EXPECT_EQ(Upper("жя"), "ЖЯ");               // Cyrillic
  EXPECT_EQ(Upper("表ソ能.txt"), "表ソ能.TXT");  // no capitals: unchanged, 0x5C trail bytes kept
  EXPECT_EQ(Upper("ｱｲｳ"), "ｱｲｳ");             // half-width katakana are single bytes, unchanged
  // "ー" is 0x81 0x5B: its trail byte is "[" and must not be touched as ASCII.
  EXPECT_EQ(Upper("ーa"), "ーA");
  // Trail bytes in the a-z range (0x61-0x7A) belong to their character.
  EXPECT_EQ(Upper("\x88\x61"), "\x88\x61");
}

TEST(Cp932Test, UpperAsciiAndTrim) {
  EXPECT_EQ(UpperAscii("htm, jpg ａ"), "HTM, JPG ａ");
  EXPECT_EQ(Trim("  \t a b \r\n"), "a b");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("　x　"), "　x　");  // the full-width blank is a character, not a blank
}
