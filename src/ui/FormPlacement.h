// Where a form goes and which DPI its controls are laid out for, whenever
// its DPI may change: Windows moving it to a monitor of another DPI
// (WM_DPICHANGED), the form shown on a monitor other than the one it was
// made for, and the form put at its stored place. One rule for all three,
// portable: the Win32 side measures (the window's frame at a DPI, the DPI
// of the monitor the window is on) and applies what is decided.
#pragma once

#include <string>

#include "base/Geometry.h"
#include "platform/Registry.h"
#include "ui/WindowPlacement.h"

namespace quenlark {

struct PixelSize {
  int Width = 0;
  int Height = 0;
  bool operator==(const PixelSize&) const = default;
};

struct PlacementQuery {
  int layoutDpi = 96;    // the DPI the form's controls and font are laid out for now
  int targetDpi = 96;    // the DPI of the monitor the form is on, or goes to
  ScreenPoint position;  // where the window's top-left corner goes
  // The designed size at 96 dpi: of the client area, or of the whole window.
  PixelSize designed;
  bool designedIsWindow = false;
  // The window size a form the user sizes keeps, and the DPI it was measured
  // at; none (0 x 0): the designed size is taken.
  PixelSize kept;
  int keptDpi = 96;
  // The window's frame (window less client area) at keptDpi and at targetDpi.
  PixelSize keptFrame;
  PixelSize targetFrame;
};

struct PlacementDecision {
  bool relayout = false;  // the controls and font are laid out again for `dpi`
  int dpi = 96;
  FormBounds bounds;
  bool operator==(const PlacementDecision& o) const {
    return relayout == o.relayout && dpi == o.dpi && bounds.Left == o.bounds.Left && bounds.Top == o.bounds.Top &&
           bounds.Width == o.bounds.Width && bounds.Height == o.bounds.Height;
  }
};

// The controls are laid out again only when the target DPI is not the one
// they are laid out for. The size: a kept size's client area scaled from
// the DPI it was measured at to the target DPI, or the designed one scaled
// from 96 dpi, plus the frame at the target DPI; so a form at the DPI it is
// laid out for keeps its size, whatever rectangle Windows suggests.
PlacementDecision DecidePlacement(const PlacementQuery& query);

// A stored window size and the DPI it was measured at.
struct KeptSize {
  PixelSize size;
  int dpi = 96;
};

// The size kept in the registry for `className`: Width and Height (each the
// current one where it is missing) and the DPI stored beside them in
// "<class>.Dpi". That value is new: the versions before it stored the size
// alone, and read only the four values they know, so they still read
// pixels as before. A size stored without it is taken as measured at the
// system's DPI, the DPI those versions laid their forms out for on the
// primary monitor. With nothing stored: `current` at `currentDpi`.
KeptSize LoadKeptSize(platform::IRegistry& registry, const std::string& className, PixelSize current, int currentDpi,
                      int systemDpi);
// Writes Height and Width (as SaveWindowSize does) and the DPI beside them.
void SaveKeptSize(platform::IRegistry& registry, const std::string& className, const KeptSize& kept);

}  // namespace quenlark
