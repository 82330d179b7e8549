// The theme seam over the system: high contrast from SystemParametersInfo,
// the apps' theme from the user's Personalize key (read, never created), and
// the window manager's dark title bar.
#pragma once

#include <windows.h>

#include "platform/Theme.h"

namespace platform {

class Win32Theme : public ITheme {
 public:
  bool AppsUseDarkTheme() override;
};

// Asks the window manager for a dark or a light title bar on `window`.
// Systems without the attribute (before Windows 10 20H1, Wine without the
// window manager's library) keep their title bar silently.
void FollowThemeInTitleBar(HWND window, bool dark);

}  // namespace platform
