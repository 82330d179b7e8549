// The system's theme as the program's faces need it: whether the apps' theme
// is dark, for the menus' palette and the dialogs' title bars.
#pragma once

#include <cstdint>
#include <optional>

namespace platform {

// The rule: the apps' theme is dark when high contrast is off and the user's
// Personalize\AppsUseLightTheme is the number 0. A missing value, one of
// another type (nullopt) or any other number is light, and high contrast
// always takes the system's own colours.
bool ThemeIsDark(bool highContrast, std::optional<std::uint32_t> appsUseLightTheme);

class ITheme {
 public:
  virtual ~ITheme() = default;
  // ThemeIsDark over the system's settings as they are now: read afresh at
  // every call, so that a change of theme shows at the next question.
  virtual bool AppsUseDarkTheme() = 0;
};

}  // namespace platform
