// When the apps' theme counts as dark: the two facts the system gives, over
// every case that matters.
#include <gtest/gtest.h>

#include "platform/Theme.h"

TEST(ThemeTest, DarkOnlyWithoutHighContrastAndALightThemeValueOfZero) {
  struct Case {
    bool highContrast;
    std::optional<std::uint32_t> appsUseLightTheme;  // nullopt: missing or not a DWORD
    bool dark;
  };
  const Case cases[] = {
      {false, 0u, true},        {true, 0u, false},        {false, std::nullopt, false},
      {true, std::nullopt, false}, {false, 1u, false},   {false, 2u, false},
      {false, 0xFFFFFFFFu, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(platform::ThemeIsDark(c.highContrast, c.appsUseLightTheme), c.dark)
        << c.highContrast << " " << c.appsUseLightTheme.value_or(99);
}
