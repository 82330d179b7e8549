#include "ui/Dpi.h"

#include "platform/Win32Handles.h"

namespace quenlark::ui {
namespace {

// MDT_EFFECTIVE_DPI of shellscalingapi.h.
constexpr int kEffectiveDpi = 0;

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);

// A function of a system DLL, or nullptr where this Windows lacks it. The
// functions are looked up by name so that the program still starts on
// Windows 7, whose DLLs export none of them.
template <typename Fn>
Fn SystemFunction(const wchar_t* dll, const char* name, bool load) {
  HMODULE module = GetModuleHandleW(dll);
  if (!module && load) module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  // Windows 7 without KB2533623 knows no LOAD_LIBRARY_SEARCH_SYSTEM32; shcore
  // is missing there anyway.
  if (!module) return nullptr;
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

GetDpiForWindowFn DpiForWindow() {
  static const auto fn = SystemFunction<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow", false);
  return fn;
}

GetDpiForMonitorFn DpiForMonitor() {
  static const auto fn = SystemFunction<GetDpiForMonitorFn>(L"shcore.dll", "GetDpiForMonitor", true);
  return fn;
}

GetSystemMetricsForDpiFn MetricsForDpi() {
  static const auto fn = SystemFunction<GetSystemMetricsForDpiFn>(L"user32.dll", "GetSystemMetricsForDpi", false);
  return fn;
}

SystemParametersInfoForDpiFn ParametersForDpi() {
  static const auto fn =
      SystemFunction<SystemParametersInfoForDpiFn>(L"user32.dll", "SystemParametersInfoForDpi", false);
  return fn;
}

}  // namespace

int SystemDpi() {
  platform::WindowDc screen;
  const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : kDesignDpi;
}

int WindowDpi(HWND window) {
  if (window) {
    if (GetDpiForWindowFn fn = DpiForWindow()) {
      const UINT dpi = fn(window);
      if (dpi > 0) return static_cast<int>(dpi);
    }
  }
  return SystemDpi();
}

int MonitorDpiAt(POINT point) {
  if (GetDpiForMonitorFn fn = DpiForMonitor()) {
    UINT x = 0, y = 0;
    HMONITOR monitor = MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST);
    if (monitor && SUCCEEDED(fn(monitor, kEffectiveDpi, &x, &y)) && y > 0) return static_cast<int>(y);
  }
  return SystemDpi();
}

int SystemMetricForDpi(int index, int dpi) {
  if (GetSystemMetricsForDpiFn fn = MetricsForDpi()) {
    const int value = fn(index, static_cast<UINT>(dpi));
    if (value > 0) return value;
  }
  // Without the function the system's metric is that of the system's DPI.
  return MulDiv(GetSystemMetrics(index), dpi, SystemDpi());
}

bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi) {
  SystemParametersInfoForDpiFn fn = ParametersForDpi();
  if (!fn || dpi <= 0) return false;
  // The function takes the whole structure only (with iPaddedBorderWidth).
  metrics.cbSize = sizeof metrics;
  return fn(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, static_cast<UINT>(dpi)) != FALSE;
}

}  // namespace quenlark::ui
