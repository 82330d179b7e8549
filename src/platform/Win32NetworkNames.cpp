#include "platform/Win32NetworkNames.h"

#include <windows.h>
#include <winnetwk.h>

#include "platform/Win32Text.h"

namespace platform {

bool Win32NetworkNames::IsNtFamily() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExW(&info)) return true;
#pragma GCC diagnostic pop
  return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

std::optional<std::string> Win32NetworkNames::UniversalName(const std::string& path) {
  alignas(UNIVERSAL_NAME_INFOW) char buffer[2048] = {};
  DWORD size = sizeof buffer;
  if (WNetGetUniversalNameW(Wide(path).c_str(), UNIVERSAL_NAME_INFO_LEVEL, buffer, &size) != NO_ERROR) {
    return std::nullopt;
  }
  auto* info = reinterpret_cast<UNIVERSAL_NAME_INFOW*>(buffer);
  if (!info->lpUniversalName) return std::nullopt;
  return ProgramText(info->lpUniversalName);
}

std::optional<std::vector<ConnectedDisk>> Win32NetworkNames::ConnectedDisks() {
  HANDLE enumeration = nullptr;
  if (WNetOpenEnumW(RESOURCE_CONNECTED, RESOURCETYPE_DISK, 0, nullptr, &enumeration) != NO_ERROR) return std::nullopt;
  std::vector<ConnectedDisk> disks;
  std::vector<char> buffer(3200);
  bool ok = true;
  while (true) {
    DWORD count = static_cast<DWORD>(-1);
    DWORD size = static_cast<DWORD>(buffer.size());
    DWORD rc = WNetEnumResourceW(enumeration, &count, buffer.data(), &size);
    if (rc == ERROR_MORE_DATA) {
      // The buffer cannot hold even one entry: take the size the system asks for.
      buffer.resize(size > buffer.size() ? size : buffer.size() * 2);
      continue;
    }
    if (rc == ERROR_NO_MORE_ITEMS) break;
    if (rc != NO_ERROR) {
      ok = false;
      break;
    }
    auto* resources = reinterpret_cast<NETRESOURCEW*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
      if (!resources[i].lpLocalName || !resources[i].lpRemoteName) continue;
      disks.push_back({ProgramText(resources[i].lpLocalName), ProgramText(resources[i].lpRemoteName)});
    }
  }
  WNetCloseEnum(enumeration);
  if (!ok) return std::nullopt;
  return disks;
}

}  // namespace platform
