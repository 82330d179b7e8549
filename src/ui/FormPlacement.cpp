#include "ui/FormPlacement.h"

#include <climits>
#include <cstdint>

#include "settings/SettingsStore.h"

namespace quenlark {
namespace {

// length * to / from, rounded to the nearest pixel.
int Rescale(int length, int to, int from) {
  if (from <= 0) return length;
  const std::int64_t product = static_cast<std::int64_t>(length) * to;
  const std::int64_t half = from / 2;
  return static_cast<int>(product >= 0 ? (product + half) / from : (product - half) / from);
}

// DPIs outside this range are no monitor's (a damaged value).
bool PlausibleDpi(int dpi) { return dpi >= 48 && dpi <= 960; }

}  // namespace

PlacementDecision DecidePlacement(const PlacementQuery& q) {
  const int target = PlausibleDpi(q.targetDpi) ? q.targetDpi : q.layoutDpi;
  PlacementDecision d;
  d.relayout = target != q.layoutDpi;
  d.dpi = target;
  PixelSize size;
  if (q.kept.Width > 0 && q.kept.Height > 0) {
    const int from = PlausibleDpi(q.keptDpi) ? q.keptDpi : target;
    size = {Rescale(q.kept.Width - q.keptFrame.Width, target, from) + q.targetFrame.Width,
            Rescale(q.kept.Height - q.keptFrame.Height, target, from) + q.targetFrame.Height};
  } else if (q.designedIsWindow) {
    size = {Rescale(q.designed.Width, target, 96), Rescale(q.designed.Height, target, 96)};
  } else {
    size = {Rescale(q.designed.Width, target, 96) + q.targetFrame.Width,
            Rescale(q.designed.Height, target, 96) + q.targetFrame.Height};
  }
  d.bounds = {q.position.x, q.position.y, size.Width, size.Height};
  return d;
}

KeptSize LoadKeptSize(platform::IRegistry& registry, const std::string& className, PixelSize current, int currentDpi,
                      int systemDpi) {
  const TPlacementStore store(registry, className);
  const int width = store.Read("Width", INT_MIN), height = store.Read("Height", INT_MIN);
  if (width == INT_MIN && height == INT_MIN) return {current, currentDpi};
  const int dpi = store.Read("Dpi", systemDpi);
  return {{width == INT_MIN ? current.Width : width, height == INT_MIN ? current.Height : height},
          PlausibleDpi(dpi) ? dpi : systemDpi};
}

void SaveKeptSize(platform::IRegistry& registry, const std::string& className, const KeptSize& kept) {
  SaveWindowSize(registry, {0, 0, kept.size.Width, kept.size.Height}, className);
  TPlacementStore(registry, className).Write("Dpi", kept.dpi);
}

}  // namespace quenlark
