// The DPI a window or a point of the screen is drawn at. The process is
// per-monitor aware where Windows knows it (the manifest), so each monitor
// may have a DPI of its own; the functions that tell it exist only on
// Windows 8.1 and 10, and are looked up when first asked. On older Windows
// every answer is the system's DPI.
#pragma once

#include <windows.h>

namespace quenlark::ui {

inline constexpr int kDesignDpi = 96;

// The DPI of the screen (the system's), 96 when the screen cannot be asked.
int SystemDpi();
// The DPI of the monitor a window is on, as Windows has told the window.
int WindowDpi(HWND window);
// The DPI of the monitor that holds (or is nearest to) a point of the screen.
int MonitorDpiAt(POINT point);
// A system metric (e.g. SM_CXSMICON) as it is at a DPI.
int SystemMetricForDpi(int index, int dpi);

}  // namespace quenlark::ui
