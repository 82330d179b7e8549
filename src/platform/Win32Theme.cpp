#include "platform/Win32Theme.h"

#include "platform/Win32Registry.h"
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

bool Win32Theme::AppsUseDarkTheme() {
  return ThemeIsDark(HighContrastOn(),
                     ReadDword(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                               L"AppsUseLightTheme"));
}

void FollowThemeInTitleBar(HWND window, bool dark) {
  using SetAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
  // Loaded once from the system folder; the library stays for the process.
  static const SetAttribute set = SystemFunction<SetAttribute>(L"dwmapi.dll", "DwmSetWindowAttribute", true);
  if (!set || !window) return;
  const BOOL value = dark ? TRUE : FALSE;
  set(window, kUseImmersiveDarkMode, &value, sizeof(value));  // refused before 20H1: kept as it is
}

}  // namespace platform
