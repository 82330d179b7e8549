// Where the dialogs open: their stored position and size, which the settings
// store keeps under the dialog's class name (TPlacementStore).
#pragma once

#include <string>

#include "platform/Registry.h"

namespace quenlark {

struct FormBounds {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

struct ScreenSize {
  int Width = 0;
  int Height = 0;
};

// Windows version as a short name: "31" (Win32s), "95"/"98" (9x family),
// "NT"/"2000"/"XP" (NT family), empty for anything else or a failed query.
// platformId follows OSVERSIONINFO: 0 Win32s, 1 Windows 9x, 2 NT.
std::string WindowsVersionName(bool queried, unsigned platformId, unsigned major, unsigned minor);

// True when placement uses the virtual screen (all monitors), false when it
// uses the primary screen (systems without multiple-monitor support).
bool UsesVirtualScreen(const std::string& versionName);

// Top and Left from the registry; a stored value more than 50 pixels past the
// bottom or right edge, or one that is missing or not a number, gives the
// position that centres the form.
void LoadWindowPosition(platform::IRegistry& registry, FormBounds& form, const std::string& className,
                        ScreenSize screen);
// Height and Width from the registry, the form's current size by default.
void LoadWindowSize(platform::IRegistry& registry, FormBounds& form, const std::string& className);
void SaveWindowPosition(platform::IRegistry& registry, const FormBounds& form, const std::string& className);
void SaveWindowSize(platform::IRegistry& registry, const FormBounds& form, const std::string& className);

}  // namespace quenlark
