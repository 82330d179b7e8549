#include "platform/Win32System.h"

#include <windows.h>

#include "base/Cp932.h"
#include "platform/Win32Text.h"

namespace platform {

OsVersion QueryOsVersion() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  bool ok = GetVersionExW(&info) != FALSE;
#pragma GCC diagnostic pop
  return {ok, info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

ScreenExtent VirtualScreenExtent() {
  return {GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

ScreenExtent PrimaryScreenExtent() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

std::string LoginUserName() {
  // A name code page 932 cannot spell is no name the program can use for a
  // folder: it counts as none.
  wchar_t buffer[257] = {};
  DWORD size = 256;
  if (!GetUserNameW(buffer, &size)) return {};
  return ProgramText(WideUntilNul(buffer, 256));
}

std::string WindowsFolderPath() {
  wchar_t buffer[MAX_PATH + 1] = {};
  UINT n = GetWindowsDirectoryW(buffer, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return "\\";
  return ProgramText(std::wstring_view(buffer, n)) + "\\";
}

std::string ProgramPath() {
  wchar_t buffer[MAX_PATH + 1] = {};
  DWORD n = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  return ProgramText(std::wstring_view(buffer, n));
}

std::string ProgramFolderPath() {
  const std::string program = ProgramPath();
  return program.empty() ? std::string() : cp932::ExtractFilePath(program);
}

}  // namespace platform
