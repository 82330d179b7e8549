#include "menus/TrayHint.h"

#include "base/Texts.h"

#include <gtest/gtest.h>

using quenlark::TrayHint;
using quenlark::TrayTipText;

TEST(TrayHintTest, CountsTheHistoryAgainstRecentMax) {
  EXPECT_EQ(TrayHint(2, 30), "Quenlark - 2/30Files");
  EXPECT_EQ(TrayHint(0, 10), "Quenlark - 0/10Files");
  EXPECT_EQ(TrayHint(100, 100), "Quenlark - 100/100Files");
  quenlark::SetFace(quenlark::Face::English);
  EXPECT_EQ(TrayHint(12, 30), "Quenlark - 12 of 30 files");
  quenlark::SetFace(quenlark::Face::Japanese);
  EXPECT_EQ(TrayHint(12, 30), "Quenlark - 12/30Files");
}

TEST(TrayHintTest, ShowsThePartBeforeABarCutTo63Bytes) {
  EXPECT_EQ(TrayTipText("Quenlark - 12/30Files"), "Quenlark - 12/30Files");
  EXPECT_EQ(TrayTipText("shown|hidden"), "shown");
  EXPECT_EQ(TrayTipText("|"), "");
  EXPECT_EQ(TrayTipText(std::string(70, 'x')), std::string(63, 'x'));
  // "ポ" is 0x83 0x7C: its trail byte is not a bar.
  EXPECT_EQ(TrayTipText("ポート|x"), "ポート");
  // A double-byte character that would straddle byte 63 is left out whole.
  std::string text = std::string(62, 'a') + "表";
  EXPECT_EQ(TrayTipText(text), std::string(62, 'a'));
}
