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
// A client rectangle grown to the window rectangle of a window of these
// styles at a DPI (its frame, caption and borders as they are at that DPI);
// without AdjustWindowRectExForDpi (before Windows 10 1607) the system's
// frame scaled from the system's DPI.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);
// The system's non-client metrics (the menu's font among them) as the system
// makes them for a DPI; false where this Windows cannot tell them for a DPI
// other than its own (before Windows 10 1607): the caller scales the
// system's.
bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi);

}  // namespace quenlark::ui
