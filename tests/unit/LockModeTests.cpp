#include "menus/LockMode.h"

#include <gtest/gtest.h>

using quenlark::UseAllowedAtStart;

TEST(LockModeTest, StartModeDecidesTheFirstState) {
  EXPECT_TRUE(UseAllowedAtStart(0, false));
  EXPECT_TRUE(UseAllowedAtStart(0, true));
  EXPECT_FALSE(UseAllowedAtStart(1, true));
  EXPECT_FALSE(UseAllowedAtStart(1, false));
  EXPECT_FALSE(UseAllowedAtStart(2, false));  // locked as at the last exit
  EXPECT_TRUE(UseAllowedAtStart(2, true));
  EXPECT_TRUE(UseAllowedAtStart(3, false));   // a hand-edited value allows use
  EXPECT_TRUE(UseAllowedAtStart(255, false));
}
