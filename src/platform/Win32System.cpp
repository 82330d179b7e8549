#include "platform/Win32System.h"

#include <windows.h>

#include "base/Cp932.h"

namespace platform {

OsVersion QueryOsVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  bool ok = GetVersionExA(&info) != FALSE;
#pragma GCC diagnostic pop
  return {ok, info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

ScreenExtent VirtualScreenExtent() {
  return {GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

ScreenExtent PrimaryScreenExtent() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

std::string LoginUserName() {
  char buffer[256] = {};
  DWORD size = 255;
  if (!GetUserNameA(buffer, &size)) return {};
  return buffer;
}

std::string WindowsFolderPath() {
  char buffer[MAX_PATH + 1] = {};
  UINT n = GetWindowsDirectoryA(buffer, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return "\\";
  return std::string(buffer, n) + "\\";
}

std::string ProgramPath() {
  char buffer[MAX_PATH + 1] = {};
  DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  return std::string(buffer, n);
}

std::string ProgramFolderPath() {
  const std::string program = ProgramPath();
  return program.empty() ? std::string() : cp932::ExtractFilePath(program);
}

}  // namespace platform
