#include "menus/LockMode.h"
#include "menus/PassChangeModel.h"
#include "platform/Desktop.h"

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

TEST(PassChangeModelTest, EntriesMustMatchExactlyAndMayBothBeEmpty) {
  quenlark::PassChangeModel model;
  model.Load("Secret");
  EXPECT_FALSE(model.Validate(7));
  model.PassEdit2 = "secret";  // letter case counts
  const quenlark::Validation failure = model.Validate(7);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->message, "入力された2つのﾊﾟｽﾜｰﾄﾞが異なります。");
  EXPECT_EQ(failure->caption, "ﾊﾟｽﾜｰﾄﾞｴﾗｰ");
  EXPECT_EQ(failure->flags, platform::kMbIconError);
  EXPECT_EQ(failure->control, 7);
  model.PassEdit1 = model.PassEdit2 = "";
  EXPECT_FALSE(model.Validate(7));
  EXPECT_EQ(model.NewPassword(), "");
}
