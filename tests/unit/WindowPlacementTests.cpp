#include "ui/WindowPlacement.h"

#include <gtest/gtest.h>

#include "FakeRegistry.h"
#include "settings/SettingsStore.h"

using namespace quenlark;
using test::FakeRegistry;

TEST(WindowPlacementTest, VersionNames) {
  EXPECT_EQ(WindowsVersionName(false, 2, 5, 1), "");
  EXPECT_EQ(WindowsVersionName(true, 0, 3, 10), "31");
  EXPECT_EQ(WindowsVersionName(true, 1, 4, 0), "95");
  EXPECT_EQ(WindowsVersionName(true, 1, 4, 10), "98");
  EXPECT_EQ(WindowsVersionName(true, 2, 4, 0), "NT");
  EXPECT_EQ(WindowsVersionName(true, 2, 5, 0), "2000");
  EXPECT_EQ(WindowsVersionName(true, 2, 5, 1), "XP");
  EXPECT_EQ(WindowsVersionName(true, 2, 10, 0), "2000");
  EXPECT_EQ(WindowsVersionName(true, 3, 1, 1), "");
  EXPECT_FALSE(UsesVirtualScreen(""));
  EXPECT_FALSE(UsesVirtualScreen("95"));
  EXPECT_FALSE(UsesVirtualScreen("NT"));
  EXPECT_TRUE(UsesVirtualScreen("98"));
  EXPECT_TRUE(UsesVirtualScreen("XP"));
}

TEST(WindowPlacementTest, MissingPositionCentresTheForm) {
  FakeRegistry registry;
  FormBounds form{0, 0, 296, 309};
  LoadWindowPosition(registry, form, "TSelectClearForm", {1024, 768});
  EXPECT_EQ(form.Top, (768 - 309) / 2);
  EXPECT_EQ(form.Left, (1024 - 296) / 2);
}

TEST(WindowPlacementTest, PositionFarPastTheEdgeIsReplaced) {
  FakeRegistry registry;
  registry.Set(kRegistryKey, "Position", "TSelectClearForm.Top", "5000");
  registry.Set(kRegistryKey, "Position", "TSelectClearForm.Left", "974");
  FormBounds form{0, 0, 296, 309};
  LoadWindowPosition(registry, form, "TSelectClearForm", {1024, 768});
  EXPECT_EQ(form.Top, 229);
  EXPECT_EQ(form.Left, 974);  // exactly 50 pixels inside the right edge stays

  registry.Set(kRegistryKey, "Position", "TSelectClearForm.Left", "975");
  registry.Set(kRegistryKey, "Position", "TSelectClearForm.Top", "-300");
  LoadWindowPosition(registry, form, "TSelectClearForm", {1024, 768});
  EXPECT_EQ(form.Left, 364);
  EXPECT_EQ(form.Top, -300);  // values above the screen stay

  registry.Set(kRegistryKey, "Position", "TSelectClearForm.Top", "junk");
  LoadWindowPosition(registry, form, "TSelectClearForm", {1024, 768});
  EXPECT_EQ(form.Top, 229);
}

TEST(WindowPlacementTest, CentringTruncatesTowardZero) {
  FakeRegistry registry;
  FormBounds form{0, 0, 1031, 777};  // larger than the screen
  LoadWindowPosition(registry, form, "TSettingForm", {1024, 768});
  EXPECT_EQ(form.Top, -4);   // -9 / 2
  EXPECT_EQ(form.Left, -3);  // -7 / 2
}

TEST(WindowPlacementTest, SizeIsTakenAsStoredAndRoundTrips) {
  FakeRegistry registry;
  FormBounds form{10, 20, 416, 373};
  LoadWindowSize(registry, form, "TUseFileSettingForm");
  EXPECT_EQ(form.Width, 416);
  registry.Set(kRegistryKey, "Position", "TUseFileSettingForm.Height", "5000");
  LoadWindowSize(registry, form, "TUseFileSettingForm");
  EXPECT_EQ(form.Height, 5000);

  FormBounds saved{-8, 700, 500, 400};
  SaveWindowPosition(registry, saved, "TUseFileSettingForm");
  SaveWindowSize(registry, saved, "TUseFileSettingForm");
  EXPECT_EQ(registry.Get(kRegistryKey, "Position", "TUseFileSettingForm.Left"), "-8");
  FormBounds back{0, 0, 1, 1};
  LoadWindowSize(registry, back, "TUseFileSettingForm");
  LoadWindowPosition(registry, back, "TUseFileSettingForm", {1024, 768});
  EXPECT_EQ(back.Left, -8);
  EXPECT_EQ(back.Top, 700);
  EXPECT_EQ(back.Width, 500);
  EXPECT_EQ(back.Height, 400);
}
