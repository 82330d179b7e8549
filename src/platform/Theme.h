// The system's theme as the program's faces need it: whether the apps' theme
// is dark (for the menus' palette) and the dark title bar of a window.
#pragma once

#include <windows.h>

namespace platform {

// Whether menus are drawn dark: the user's apps theme is dark
// (Personalize\AppsUseLightTheme holds the number 0) and high contrast is
// off. Read afresh at every call; a missing or unreadable value is light.
bool AppsUseDarkTheme();

// Asks the window manager for a dark or light title bar on `window` to match
// AppsUseDarkTheme. Systems without the attribute (before Windows 10 20H1,
// Wine without the window manager's library) keep their title bar silently.
void FollowThemeInTitleBar(HWND window);

}  // namespace platform
