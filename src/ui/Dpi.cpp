#include "ui/Dpi.h"

#include "platform/Win32Handles.h"
#include "platform/Win32SystemFunction.h"

namespace quenlark::ui {
namespace {

// MDT_EFFECTIVE_DPI of shellscalingapi.h.
constexpr int kEffectiveDpi = 0;

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);

GetDpiForWindowFn DpiForWindow() {
  static const auto fn = platform::SystemFunction<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow", false);
  return fn;
}

GetDpiForMonitorFn DpiForMonitor() {
  static const auto fn = platform::SystemFunction<GetDpiForMonitorFn>(L"shcore.dll", "GetDpiForMonitor", true);
  return fn;
}

GetSystemMetricsForDpiFn MetricsForDpi() {
  static const auto fn = platform::SystemFunction<GetSystemMetricsForDpiFn>(L"user32.dll", "GetSystemMetricsForDpi", false);
  return fn;
}

AdjustWindowRectExForDpiFn FrameForDpi() {
  static const auto fn =
      platform::SystemFunction<AdjustWindowRectExForDpiFn>(L"user32.dll", "AdjustWindowRectExForDpi", false);
  return fn;
}

SystemParametersInfoForDpiFn ParametersForDpi() {
  static const auto fn =
      platform::SystemFunction<SystemParametersInfoForDpiFn>(L"user32.dll", "SystemParametersInfoForDpi", false);
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

void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
  if (AdjustWindowRectExForDpiFn fn = FrameForDpi(); fn && dpi > 0) {
    RECT r = rect;
    if (fn(&r, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
      rect = r;
      return;
    }
  }
  RECT frame{};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const int system = SystemDpi();
  rect.left += MulDiv(frame.left, dpi, system);
  rect.top += MulDiv(frame.top, dpi, system);
  rect.right += MulDiv(frame.right, dpi, system);
  rect.bottom += MulDiv(frame.bottom, dpi, system);
}

bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi) {
  SystemParametersInfoForDpiFn fn = ParametersForDpi();
  if (!fn || dpi <= 0) return false;
  // The function takes the whole structure only (with iPaddedBorderWidth).
  metrics.cbSize = sizeof metrics;
  return fn(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, static_cast<UINT>(dpi)) != FALSE;
}

}  // namespace quenlark::ui
