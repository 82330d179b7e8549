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
  EXPECT_EQ(ReverseText("abc"), "cba");
  // By character: a double-byte character ("表" 0x95 0x5C) and an escape keep their bytes.
  EXPECT_EQ(ReverseText("ﾊﾟ表a"), "a表ﾟﾊ");
  std::string u;
  cp932::AppendEscape(u, u'\u00FC');
  EXPECT_EQ(ReverseText("M" + u + "ll"), "ll" + u + "M");
  // An emoji (a surrogate pair, two escapes) stays one character in its order.
  std::string emoji;
  cp932::AppendEscape(emoji, u'\xD83D');
  cp932::AppendEscape(emoji, u'\xDE00');
  EXPECT_EQ(ReverseText("a" + emoji + u), u + emoji + "a");
  EXPECT_EQ(ReverseText(ReverseText("パスワード")), "パスワード");
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
