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

// An escape carries any code unit, counts as one character of the path
// functions (it holds no separator or dot), and only Latin letters of it
// take a capital.
TEST(Cp932Test, EscapesCarryAnyCodeUnitThroughThePathRules) {
  const struct {
    char16_t unit, upper;
  } cases[] = {{0x0000, 0x0000}, {0x00E9, 0x00C9}, {0x00FF, 0x0178}, {0x00DF, 0x00DF}, {0x00F7, 0x00F7},
               {0x0101, 0x0100}, {0x013A, 0x0139}, {0x0131, 0x0131}, {0x017E, 0x017D}, {0x301C, 0x301C},
               {0xAC00, 0xAC00}, {0xD800, 0xD800}, {0xDFFF, 0xDFFF}, {0xFFFF, 0xFFFF}};
  for (const auto& c : cases) {
    std::string one;
    AppendEscape(one, c.unit);
    ASSERT_EQ(one.size(), kEscapeLength);
    EXPECT_EQ(EscapeAt(one, 0), c.unit);
    const std::string path = "c:\\d" + one + "\\n" + one + ".t" + one;
    EXPECT_EQ(ExtractFileName(path), "n" + one + ".t" + one);
    EXPECT_EQ(ExtractFileExt(path), ".t" + one);
    EXPECT_EQ(FirstEscape(path), 4u);
    std::string upper;
    AppendEscape(upper, c.upper);
    EXPECT_EQ(Upper("n" + one + "\x95\x5C" + "a"), "N" + upper + "\x95\x5C" + "A") << std::hex << static_cast<unsigned>(c.unit);
  }
  // A trail byte 0xFC never starts an escape, nor does a cut-off one.
  EXPECT_EQ(FirstEscape("\x81\xFC\x80\xFC\x90\xFC\xA0\xFC\xB0"), std::string::npos);
  EXPECT_EQ(FirstEscape("a\xFC\x80\xFC\x90\xFC\xA0"), std::string::npos);
}
