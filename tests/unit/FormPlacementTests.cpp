#include "ui/FormPlacement.h"

#include <gtest/gtest.h>

#include "FakeRegistry.h"
#include "settings/SettingsStore.h"

using namespace quenlark;

namespace {
// A dialog frame: 8 x 31 pixels at 96 dpi, 10 x 43 at 144 (the caption grows
// more than the borders), as Windows measures it for each DPI.
constexpr PixelSize kFrame96{8, 31}, kFrame144{10, 43};
PixelSize FrameAt(int dpi) { return dpi == 144 ? kFrame144 : kFrame96; }
}  // namespace

TEST(FormPlacementTest, WhatFollowsADpiChangeOrAPlacement) {
  struct Row {
    const char* what;
    int layoutDpi, targetDpi;
    PixelSize designed;
    bool designedIsWindow;
    PixelSize kept;
    int keptDpi;
    PlacementDecision expected;
  };
  const PixelSize settings{313, 82}, clear{296, 309}, none{};
  const Row rows[] = {
      // Windows suggests a rectangle scaled by another DPI than the layout's
      // (the form made for the pointer's monitor, on the primary one): no
      // DPI change for the controls, and the form keeps its size.
      {"same DPI, fixed form", 96, 96, settings, false, none, 96, {false, 96, {40, 50, 321, 113}}},
      {"same DPI, user-resized", 144, 144, settings, false, {600, 500}, 144, {false, 144, {40, 50, 600, 500}}},
      // The client area is the designed one at the DPI: the frame is the
      // target DPI's, not the system's.
      {"up, fixed form", 96, 144, settings, false, none, 96, {true, 144, {40, 50, 480, 166}}},
      {"down, fixed form", 144, 96, settings, false, none, 144, {true, 96, {40, 50, 321, 113}}},
      {"up, user-resized", 96, 144, settings, false, {500, 400}, 96, {true, 144, {40, 50, 748, 597}}},
      {"down, user-resized", 144, 96, settings, false, {748, 597}, 144, {true, 96, {40, 50, 500, 400}}},
      // A size stored at 144 dpi, on the 150% monitor, shown on a 100% one
      // by a form laid out at 96: two thirds of its client area.
      {"saved on another monitor", 96, 96, settings, false, {748, 597}, 144, {false, 96, {40, 50, 500, 400}}},
      {"saved on this monitor", 96, 144, settings, false, {748, 597}, 144, {true, 144, {40, 50, 748, 597}}},
      {"designed window size", 96, 144, clear, true, none, 96, {true, 144, {40, 50, 444, 464}}},
      {"no plausible target DPI", 120, 0, settings, false, none, 96, {false, 120, {40, 50, 399, 134}}},
  };
  for (const Row& row : rows) {
    PlacementQuery q;
    q.layoutDpi = row.layoutDpi;
    q.targetDpi = row.targetDpi;
    q.position = {40, 50};
    q.designed = row.designed;
    q.designedIsWindow = row.designedIsWindow;
    q.kept = row.kept;
    q.keptDpi = row.keptDpi;
    q.keptFrame = FrameAt(row.keptDpi);
    q.targetFrame = FrameAt(row.targetDpi > 0 ? row.targetDpi : row.layoutDpi);
    const PlacementDecision d = DecidePlacement(q);
    EXPECT_EQ(d, row.expected) << row.what << ": " << d.relayout << " " << d.dpi << " " << d.bounds.Width << "x"
                               << d.bounds.Height;
  }
}

TEST(FormPlacementTest, TheStoredSizeKeepsItsDpiBesideTheOldValues) {
  test::FakeRegistry registry;
  const PixelSize current{321, 113};
  // Nothing stored: the form's own size at its own DPI.
  KeptSize kept = LoadKeptSize(registry, "TUseFileSettingForm", current, 144, 96);
  EXPECT_TRUE(kept.size == current && kept.dpi == 144);
  // Stored by a version that kept no DPI: at the system's DPI.
  registry.Set(kRegistryKey, "Position", "TUseFileSettingForm.Width", "500");
  kept = LoadKeptSize(registry, "TUseFileSettingForm", current, 144, 120);
  EXPECT_TRUE(kept.size == (PixelSize{500, 113}) && kept.dpi == 120);
  for (const char* damaged : {"0", "junk", "100000"}) {
    registry.Set(kRegistryKey, "Position", "TUseFileSettingForm.Dpi", damaged);
    EXPECT_EQ(LoadKeptSize(registry, "TUseFileSettingForm", current, 144, 120).dpi, 120) << damaged;
  }
  SaveKeptSize(registry, "TUseFileSettingForm", {{748, 597}, 144});
  // The values an older version reads keep their names and meaning (pixels).
  EXPECT_EQ(registry.Get(kRegistryKey, "Position", "TUseFileSettingForm.Width"), "748");
  EXPECT_EQ(registry.Get(kRegistryKey, "Position", "TUseFileSettingForm.Height"), "597");
  EXPECT_EQ(registry.Get(kRegistryKey, "Position", "TUseFileSettingForm.Dpi"), "144");
  kept = LoadKeptSize(registry, "TUseFileSettingForm", current, 96, 96);
  EXPECT_TRUE(kept.size == (PixelSize{748, 597}) && kept.dpi == 144);
}
