#include "menus/ClickTable.h"

#include <gtest/gtest.h>

using namespace quenlark;

namespace {

ClickMenuTable Table(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d, std::uint8_t e,
                     std::uint8_t f) {
  return ClickMenuTable{a, b, c, d, e, f};
}

}  // namespace

TEST(ClickTableTest, DefaultsGivePlainButtonsTheirRowUnlessAModifierIsClaimed) {
  // Left -> recent, Shift+left -> favourites, Ctrl+left -> recent, right -> program.
  EXPECT_EQ(BuildClickMenuTable(0, 1, 3), Table(1, 2, 1, 3, 3, 3));
}

TEST(ClickTableTest, AModifierChoiceWinsWhetherAppliedBeforeOrAfterThePlainButton) {
  // Recent on Shift+left is applied first; the plain left of the favourites
  // fills only what is still free.
  EXPECT_EQ(BuildClickMenuTable(1, 0, 3), Table(2, 1, 2, 3, 3, 3));
  // The favourites' Shift+right, applied after the recent files took the whole
  // right row, still overwrites its entry; the program then claims the left row.
  EXPECT_EQ(BuildClickMenuTable(3, 4, 0), Table(3, 3, 3, 1, 2, 1));
  // Two menus on the same modifier entry: the later one wins.
  EXPECT_EQ(BuildClickMenuTable(2, 2, 5), Table(0, 0, 2, 0, 0, 3));
  // Two plain choices on one button: the first keeps the row.
  EXPECT_EQ(BuildClickMenuTable(0, 0, 0), Table(1, 1, 1, 0, 0, 0));
}

TEST(ClickTableTest, UnknownClickKindsOpenNothing) {
  EXPECT_EQ(BuildClickMenuTable(6, 200, 255), Table(0, 0, 0, 0, 0, 0));
  EXPECT_EQ(BuildClickMenuTable(9, 1, 3), Table(0, 2, 0, 3, 3, 3));
}

TEST(ClickTableTest, ChoiceReadsButtonAndModifierWithCtrlWinning) {
  const ClickMenuTable t = Table(1, 2, 3, 0, 2, 1);
  EXPECT_EQ(ClickMenuChoice(t, MouseButton::Left, false, false, true, false), 1);
  EXPECT_EQ(ClickMenuChoice(t, MouseButton::Left, false, true, true, false), 2);
  EXPECT_EQ(ClickMenuChoice(t, MouseButton::Left, true, false, true, false), 3);
  EXPECT_EQ(ClickMenuChoice(t, MouseButton::Left, true, true, true, false), 3);  // Ctrl + Shift = Ctrl
  EXPECT_EQ(ClickMenuChoice(t, MouseButton::Right, false, false, true, false), 0);
  EXPECT_EQ(ClickMenuChoice(t, MouseButton::Right, false, true, true, false), 2);
  EXPECT_EQ(ClickMenuChoice(t, MouseButton::Right, true, true, true, false), 1);
}

TEST(ClickTableTest, LockBusyAndMiddleButtonOpenNothing) {
  const ClickMenuTable t = Table(1, 1, 1, 3, 3, 3);
  EXPECT_EQ(ClickMenuChoice(t, MouseButton::Left, false, false, false, false), 0);
  EXPECT_EQ(ClickMenuChoice(t, MouseButton::Right, false, false, true, true), 0);
  EXPECT_EQ(ClickMenuChoice(t, MouseButton::Middle, false, false, true, false), 0);
  EXPECT_EQ(ClickMenuChoice(t, MouseButton::Middle, true, true, true, false), 0);
}

TEST(ClickTableTest, HotKeySplitsIntoKeyAndSystemModifiers) {
  auto parts = SplitHotKey(0x4000 | 0x2000 | 'R');  // Ctrl+Shift+R
  EXPECT_EQ(parts.virtualKey, static_cast<unsigned>('R'));
  EXPECT_EQ(parts.modifiers, 2u | 4u);

  parts = SplitHotKey(0x8000 | 0x70);  // Alt+F1
  EXPECT_EQ(parts.virtualKey, 0x70u);
  EXPECT_EQ(parts.modifiers, 1u);

  parts = SplitHotKey(0xE000 | 0x1FFF);
  EXPECT_EQ(parts.virtualKey, 0x1FFFu);
  EXPECT_EQ(parts.modifiers, 7u);

  parts = SplitHotKey(0);
  EXPECT_EQ(parts.virtualKey, 0u);
  EXPECT_EQ(parts.modifiers, 0u);

  // Only the low 16 bits count, also for a negative stored value.
  parts = SplitHotKey(static_cast<std::int32_t>(0xFFFF0000u | 0x4000 | 'A'));
  EXPECT_EQ(parts.virtualKey, static_cast<unsigned>('A'));
  EXPECT_EQ(parts.modifiers, 2u);
}
