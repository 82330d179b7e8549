// Small queries of the operating system used at start-up and for placement.
#pragma once

#include <string>

#include "app/WindowPlacement.h"

namespace platform {

// The Windows version as WindowsVersionName names it (GetVersionExA).
std::string QueryWindowsVersionName();
// The screen area dialogs are placed in: the virtual screen, or the primary
// screen on systems that know no virtual screen.
quenlark::ScreenSize PlacementScreenSize();
// The login user name (GetUserNameA, 255 characters), empty on failure.
std::string LoginUserName();
// The Windows folder followed by "\".
std::string WindowsFolderPath();
// The folder of the running program, with its trailing "\".
std::string ProgramFolderPath();

}  // namespace platform
