// Bindings between dialog controls and model fields.
#include <gtest/gtest.h>

#include "ui/FieldBinding.h"

namespace quenlark {
namespace {

TEST(FieldBindingTest, AMappedListNeverReadsOrStoresOutsideItsMap) {
  const int sortMap[] = {2, 3, 0, 1, 4};
  int sort = 0;
  FieldBinding b = BindIndex(sort, sortMap);
  EXPECT_EQ(b.Load().index, 2);
  b.Store(ControlValue{.index = 1});
  EXPECT_EQ(sort, 3);

  // A stored value the map does not hold shows no selection, and an
  // untouched list (no selection) keeps it.
  sort = 77;
  EXPECT_EQ(b.Load().index, -1);
  b.Store(b.Load());
  EXPECT_EQ(sort, 77);
  b.Store(ControlValue{.index = 5});  // past the map: ignored
  EXPECT_EQ(sort, 77);

  int plain = -4;
  EXPECT_EQ(BindIndex(plain).Load().index, -1);
}

TEST(FieldBindingTest, TextChecksChoicesAndNumbersRoundTrip) {
  std::string name = "表示";
  bool on = false;
  int mode = 1, number = 42;
  BindText(name).Store(ControlValue{.text = "ソ\\"});
  EXPECT_EQ(name, "ソ\\");
  BindCheck(on).Store(ControlValue{.checked = true});
  EXPECT_TRUE(on);

  EXPECT_TRUE(BindChoice(mode, 1).Load().checked);
  EXPECT_FALSE(BindChoice(mode, 2).Load().checked);
  BindChoice(mode, 2).Store(ControlValue{.checked = false});
  EXPECT_EQ(mode, 1);  // an unchecked radio button stores nothing
  BindChoice(mode, 2).Store(ControlValue{.checked = true});
  EXPECT_EQ(mode, 2);

  EXPECT_EQ(BindNumber(number).Load().text, "42");
  BindNumber(number).Store(ControlValue{.text = "12x"});
  EXPECT_EQ(number, 42);  // not a number: kept
  BindNumber(number).Store(ControlValue{.text = "-7"});
  EXPECT_EQ(number, -7);
}

TEST(FieldBindingTest, HotKeyControlWordsAndCombinationsConvertBothWays) {
  // Ctrl+Alt+R: the control's word 0x0652, the program's 0xC052.
  EXPECT_EQ(HotKeyControlToCombination(0x0652), 0xC052);
  EXPECT_EQ(CombinationToHotKeyControl(0xC052), 0x0652);
  EXPECT_EQ(HotKeyControlToCombination(0x0141), 0x2041);  // Shift+A
  EXPECT_EQ(HotKeyControlToCombination(0x0600), 0);       // modifiers alone are none
  EXPECT_EQ(CombinationToHotKeyControl(0x4000 | 0x1234), 0);  // a key the control cannot show
  std::int32_t combination = 0x8070;  // Alt+F1
  FieldBinding b = BindHotKey(combination);
  b.Store(b.Load());
  EXPECT_EQ(combination, 0x8070);
}

}  // namespace
}  // namespace quenlark
