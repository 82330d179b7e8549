#include "platform/Theme.h"

#include "platform/Win32SystemFunction.h"

namespace platform {

namespace {

// The window manager's attribute for a dark title bar (Windows 10 20H1 on).
constexpr DWORD kUseImmersiveDarkMode = 20;

bool HighContrastOn() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof(contrast);
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace

bool AppsUseDarkTheme() {
  if (HighContrastOn()) return false;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize", 0,
                    KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return false;
  DWORD type = 0;
  DWORD value = 1;
  DWORD size = sizeof(value);
  const LONG status =
      RegQueryValueExW(key, L"AppsUseLightTheme", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
  RegCloseKey(key);
  return status == ERROR_SUCCESS && type == REG_DWORD && size == sizeof(value) && value == 0;
}

void FollowThemeInTitleBar(HWND window) {
  using SetAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
  // Loaded once from the system folder; the library stays for the process.
  static const SetAttribute set = SystemFunction<SetAttribute>(L"dwmapi.dll", "DwmSetWindowAttribute", true);
  if (!set || !window) return;
  const BOOL dark = AppsUseDarkTheme() ? TRUE : FALSE;
  set(window, kUseImmersiveDarkMode, &dark, sizeof(dark));  // refused before 20H1: kept as it is
}

}  // namespace platform
