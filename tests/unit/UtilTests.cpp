#include "base/Util.h"

#include <gtest/gtest.h>

#include "base/Cp932.h"

using namespace util;

TEST(UtilTest, PadNumberPadsOrKeepsTheLastDigits) {
  EXPECT_EQ(PadNumber(5, 2, '0'), "05");
  EXPECT_EQ(PadNumber(98, 2, '0'), "98");
  EXPECT_EQ(PadNumber(7, 3), "  7");
  EXPECT_EQ(PadNumber(12345, 2, '0'), "45");
  EXPECT_EQ(PadNumber(2026, 4, '0'), "2026");
  EXPECT_EQ(PadNumber(-3, 3, '0'), "0-3");
  EXPECT_EQ(PadNumber(5, 0, '0'), "");
}

TEST(UtilTest, LeftRightCharsAndReverse) {
  EXPECT_EQ(RightChars("abcdef", 2), "ef");
  EXPECT_EQ(RightChars("ab", 5), "ab");
  EXPECT_EQ(RightChars("ab", -1), "");
  EXPECT_EQ(LeftChars("abcdef", 2), "ab");
  EXPECT_EQ(LeftChars("ab", 5), "ab");
  EXPECT_EQ(LeftChars("ab", 0), "");
}

// The password's stored form: the characters in reverse order, a double-byte
// character and an escape each kept whole (so the text stays itself on its
// way through UTF-16); ASCII and single-byte katakana byte by byte as ever.
TEST(UtilTest, ReverseTextKeepsEveryCharacterWhole) {
  auto escape = [](char16_t unit) {
    std::string text;
    cp932::AppendEscape(text, unit);
    return text;
  };
  const std::string u = escape(u'\u00FC'), smile = escape(0xD83D) + escape(0xDE00);
  struct Case {
    std::string text, reversed;
  };
  for (const Case& c : {Case{"abc", "cba"}, {"", ""}, {"ﾊﾟｽ", "ｽﾟﾊ"}, {"表a", "a表"}, {"表示ﾊﾟｽ", "ｽﾟﾊ示表"},
                        {"M" + u + "ller", "rell" + u + "M"}, {smile + "1", "1" + escape(0xDE00) + escape(0xD83D)}}) {
    EXPECT_EQ(ReverseText(c.text), c.reversed) << c.reversed;
    EXPECT_EQ(ReverseText(c.reversed), c.text) << c.text;
  }
}

TEST(UtilTest, FieldOfCountsCommasFromOne) {
  EXPECT_EQ(FieldOf("A,B,C,D", 4), "D");
  EXPECT_EQ(FieldOf("A,B,C,D", 5), "");
  EXPECT_EQ(FieldOf("A,B,C,D", 1), "A");
  EXPECT_EQ(FieldOf("A,B,C,D", 0), "A");
  EXPECT_EQ(FieldOf("A,B,C,D", -7), "A");
  EXPECT_EQ(FieldOf("A,,C", 2), "");
  EXPECT_EQ(FieldOf("", 1), "");
  EXPECT_EQ(FieldOf("A,B,", 3), "");
}

TEST(UtilTest, ParseIntegerAcceptsDecimalAndBothHexForms) {
  EXPECT_EQ(ParseInteger("30"), 30);
  EXPECT_EQ(ParseInteger("  -12"), -12);
  EXPECT_EQ(ParseInteger("+7"), 7);
  EXPECT_EQ(ParseInteger("0x1F"), 31);
  EXPECT_EQ(ParseInteger("0X1f"), 31);
  EXPECT_EQ(ParseInteger("$14"), 20);
  EXPECT_EQ(ParseInteger("-$10"), -16);
  EXPECT_EQ(ParseInteger("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
  EXPECT_EQ(ParseInteger("-2147483648"), INT32_MIN);
}

TEST(UtilTest, ParseIntegerRejectsEverythingElse) {
  for (const char* bad : {"", " ", "0x", "$", "$-1", "0x-1", "12 ", "1.5", "abc", "2147483648", "-2147483649",
                          "99999999999999999999999999", "$100000000", "--1", "+", "1e3", "\x82\x50"}) {
    EXPECT_FALSE(ParseInteger(bad).has_value()) << bad;
    EXPECT_EQ(StrToIntDef(bad, 42), 42) << bad;
  }
  std::string huge(10000, '9');
  EXPECT_EQ(StrToIntDef(huge, 5), 5);
}

TEST(UtilTest, NumberFieldFoldsFullWidthText) {
  EXPECT_EQ(ParseNumberField("５０", -1), 50);       // full-width digits
  EXPECT_EQ(ParseNumberField("  20  ", -1), 20);     // blanks around
  EXPECT_EQ(ParseNumberField("$14", -1), 20);        // hexadecimal
  EXPECT_EQ(ParseNumberField("＄１４", -1), 20);     // full-width dollar and digits
  EXPECT_EQ(ParseNumberField("＄ａ", -1), 10);       // full-width small letter as hex digit
  EXPECT_EQ(ParseNumberField("$a", -1), 10);
  EXPECT_EQ(ParseNumberField("－５", 0), -5);        // full-width minus
  EXPECT_EQ(ParseNumberField("＋５", 0), 5);
  EXPECT_EQ(ParseNumberField("\t30\r\n", -1), 30);
  EXPECT_EQ(ParseNumberField("　30", -1), 30);       // full-width blank before: folded, then skipped
}

TEST(UtilTest, NumberFieldRejectsWhatIsNotANumber) {
  EXPECT_EQ(ParseNumberField("", -1), -1);
  EXPECT_EQ(ParseNumberField("abc", -1), -1);
  EXPECT_EQ(ParseNumberField("５０　", -1), -1);     // full-width blank after the digits
  EXPECT_EQ(ParseNumberField("0x14", -1), -1);       // only "$" introduces hexadecimal here
  EXPECT_EQ(ParseNumberField("１．５", -1), -1);     // full-width punctuation
  EXPECT_EQ(ParseNumberField("99999999999", -1), -1);
  EXPECT_EQ(ParseNumberField("表", -1), -1);
}
