#include "platform/Theme.h"

namespace platform {

bool ThemeIsDark(bool highContrast, std::optional<std::uint32_t> appsUseLightTheme) {
  return !highContrast && appsUseLightTheme == 0u;
}

}  // namespace platform
