// Small queries of the operating system used at start-up and for placement.
#pragma once

#include <string>

namespace platform {

// What GetVersionExW reports; `queried` is false when the call failed.
struct OsVersion {
  bool queried = false;
  unsigned platformId = 0;
  unsigned major = 0;
  unsigned minor = 0;
};
OsVersion QueryOsVersion();

struct ScreenExtent {
  int width = 0;
  int height = 0;
};
// The virtual screen (all monitors) and the primary screen, in pixels.
ScreenExtent VirtualScreenExtent();
ScreenExtent PrimaryScreenExtent();

// The login user name (GetUserNameW, 255 characters), empty on failure.
std::string LoginUserName();
// The Windows folder followed by "\".
std::string WindowsFolderPath();
// The folder of the running program, with its trailing "\".
std::string ProgramFolderPath();
// The running program's full path, empty when it does not fit MAX_PATH.
std::string ProgramPath();

}  // namespace platform
