#include "ui/CoolMenuLayout.h"
#include "ui/MeasuredWidths.h"

#include <gtest/gtest.h>

#include <vector>

using namespace quenlark::ui;
using namespace quenlark::ui::coolmenu;

namespace {

ItemState State(bool selected, bool enabled, bool checked, bool hasImage) {
  return ItemState{selected, enabled, checked, hasImage};
}

std::uint32_t Execute(unsigned position) { return (2u << 16) | position; }

}  // namespace

TEST(CoolMenuLayoutTest, RowHeightComesFromTheSystemFontExceptForSeparators) {
  EXPECT_EQ(MeasureHeight(true, 20, true, -12), 10);
  EXPECT_EQ(MeasureHeight(true, 30, false, -12), 10);
  // A 12-pixel font gives 17 whatever the icon column's width.
  EXPECT_EQ(MeasureHeight(false, 20, true, -12), 17);
  EXPECT_EQ(MeasureHeight(false, 40, true, -12), 17);
  EXPECT_EQ(MeasureHeight(false, 20, true, 12), 17);  // a positive (cell) height too
  EXPECT_EQ(MeasureHeight(false, 24, false, -12), 24);
  EXPECT_EQ(MeasureWidth(50, 20), 90);
  EXPECT_EQ(DisplayText("ﾍﾙﾌﾟ(&H)..."), " ﾍﾙﾌﾟ(&H)...");
}

TEST(CoolMenuLayoutTest, RefusesNarrowIconColumnsAndImageIndicesBelowMinusOne) {
  EXPECT_FALSE(AcceptsItemHeight(17));
  EXPECT_TRUE(AcceptsItemHeight(18));
  TItemImage entry;
  EXPECT_EQ(entry.ImageIndex, -1);
  EXPECT_EQ(entry.MenuItem, 0u);
  EXPECT_TRUE(entry.Hint.empty());
  entry.ImageIndex = 3;
  entry.ImageIndex = -2;
  EXPECT_EQ(entry.ImageIndex, 3);
  entry.ImageIndex = -1;
  EXPECT_EQ(entry.ImageIndex, -1);
}

TEST(CoolMenuLayoutTest, GeometrySplitsTheRowIntoSquareTextAndCentredImageBox) {
  const ItemGeometry g = Geometry({3, 40, 203, 57}, 20);
  EXPECT_EQ(g.square, (LayoutRect{3, 40, 23, 57}));
  EXPECT_EQ(g.text, (LayoutRect{24, 40, 203, 57}));
  // (20 - 16) / 2 = 2 across, (17 - 16) / 2 = 0 down.
  EXPECT_EQ(g.image, (LayoutRect{5, 40, 21, 56}));

  const ItemGeometry wide = Geometry({0, 0, 100, 25}, 23);
  EXPECT_EQ(wide.image.left, 3);
  EXPECT_EQ(wide.image.top, 4);
  // A row lower than the box: (13 - 16) / 2 truncates toward zero to -1.
  EXPECT_EQ(Geometry({0, 10, 100, 23}, 20).image.top, 9);
}

// At 144 DPI (150 %) every size grows by half, rounded to the pixel, and
// the pictures take the 24-pixel icon size; 96 DPI is the unscaled case above.
TEST(CoolMenuLayoutTest, SizesScaleWithTheDpiAndPicturesTakeTheIconSizeThatFits) {
  EXPECT_EQ(MeasureHeight(true, 20, true, -18, 144), 15);
  EXPECT_EQ(MeasureHeight(false, 20, true, -18, 144), 26);  // 18 + 7.5 rounded
  EXPECT_EQ(MeasureHeight(false, 24, false, -18, 144), 36);
  EXPECT_EQ(MeasureWidth(75, 20, 144), 75 + 30 + 30);

  const ItemGeometry g = Geometry({0, 0, 300, 26}, 20, 144);
  EXPECT_EQ(g.square, (LayoutRect{0, 0, 30, 26}));
  EXPECT_EQ(g.text.left, 32);
  EXPECT_EQ(g.image, (LayoutRect{3, 1, 27, 25}));  // 24 x 24, centred

  // 16 at 96, the next size the pictures hold that 16 scaled reaches, at most 64.
  EXPECT_EQ(ImageSizeFor(72), 16);
  EXPECT_EQ(ImageSizeFor(96), 16);
  EXPECT_EQ(ImageSizeFor(110), 16);
  EXPECT_EQ(ImageSizeFor(120), 20);
  EXPECT_EQ(ImageSizeFor(168), 24);
  EXPECT_EQ(ImageSizeFor(192), 32);
  EXPECT_EQ(ImageSizeFor(288), 48);
  EXPECT_EQ(ImageSizeFor(480), 64);
  EXPECT_EQ(Scaled(5, 0), 5);  // an unknown DPI is taken as 96
  EXPECT_EQ(Scaled(-5, 144), -8);
}

TEST(CoolMenuLayoutTest, OfficeHighlightSparesTheIconColumnAndDisabledItems) {
  EXPECT_EQ(Highlight(msOffice, State(false, true, false, true)), HighlightArea::None);
  EXPECT_EQ(Highlight(msOffice, State(true, true, false, false)), HighlightArea::Row);
  EXPECT_EQ(Highlight(msOffice, State(true, true, false, true)), HighlightArea::Text);
  EXPECT_EQ(Highlight(msOffice, State(true, true, true, false)), HighlightArea::Text);
  EXPECT_EQ(Highlight(msOffice, State(true, true, true, true)), HighlightArea::Text);
  EXPECT_EQ(Highlight(msOffice, State(true, false, false, false)), HighlightArea::None);
  EXPECT_EQ(Highlight(msOffice, State(true, false, true, true)), HighlightArea::None);
}

TEST(CoolMenuLayoutTest, WindowsHighlightCoversTheRowEvenWhenDisabled) {
  EXPECT_EQ(Highlight(msWindows, State(true, true, false, true)), HighlightArea::Row);
  EXPECT_EQ(Highlight(msWindows, State(true, false, true, false)), HighlightArea::Row);
  EXPECT_EQ(Highlight(msWindows, State(false, true, true, true)), HighlightArea::None);
}

TEST(CoolMenuLayoutTest, RaisedFrameOnlyForASelectedEnabledUncheckedOfficeItemWithImage) {
  EXPECT_TRUE(DrawsImageFrame(msOffice, State(true, true, false, true)));
  EXPECT_FALSE(DrawsImageFrame(msOffice, State(false, true, false, true)));
  EXPECT_FALSE(DrawsImageFrame(msOffice, State(true, false, false, true)));
  EXPECT_FALSE(DrawsImageFrame(msOffice, State(true, true, true, true)));
  EXPECT_FALSE(DrawsImageFrame(msOffice, State(true, true, false, false)));
  EXPECT_FALSE(DrawsImageFrame(msWindows, State(true, true, false, true)));
}

TEST(CoolMenuLayoutTest, UncheckedSquareShowsTheImageOrNothing) {
  for (TMenuStyle style : {msOffice, msWindows}) {
    for (bool selected : {false, true}) {
      SquarePlan p = Square(style, State(selected, true, false, true));
      EXPECT_EQ(p.content, SquareContent::Image);
      EXPECT_EQ(p.fill, SquareFill::None);
      EXPECT_FALSE(p.sunken);
      EXPECT_EQ(Square(style, State(selected, false, false, true)).content, SquareContent::DisabledImage);
      EXPECT_EQ(Square(style, State(selected, true, false, false)).content, SquareContent::None);
    }
  }
}

TEST(CoolMenuLayoutTest, CheckedOfficeSquareIsSunkenAndDitheredWhenNotSelected) {
  SquarePlan idle = Square(msOffice, State(false, true, true, true));
  EXPECT_EQ(idle.fill, SquareFill::Dither);
  EXPECT_EQ(idle.content, SquareContent::Image);
  EXPECT_TRUE(idle.sunken);

  SquarePlan selected = Square(msOffice, State(true, true, true, false));
  EXPECT_EQ(selected.fill, SquareFill::Menu);
  EXPECT_EQ(selected.content, SquareContent::Check);
  EXPECT_TRUE(selected.sunken);

  EXPECT_EQ(Square(msOffice, State(true, false, true, true)).content, SquareContent::DisabledImage);
  EXPECT_EQ(Square(msOffice, State(false, false, true, false)).content, SquareContent::CheckMono);
}

TEST(CoolMenuLayoutTest, CheckedWindowsSquareShowsThePlainMarkNeverTheImage) {
  for (bool selected : {false, true}) {
    SquarePlan enabled = Square(msWindows, State(selected, true, true, true));
    EXPECT_EQ(enabled.content, SquareContent::Check);
    EXPECT_EQ(enabled.fill, SquareFill::None);
    EXPECT_FALSE(enabled.sunken);
    EXPECT_EQ(Square(msWindows, State(selected, false, true, true)).content, SquareContent::CheckMono);
  }
}

TEST(CoolMenuLayoutTest, TextColoursFollowSelectionAndDisabledTextIsEtched) {
  EXPECT_EQ(Text(msOffice, State(true, true, false, true)).colour, SysColour::HighlightText);
  EXPECT_EQ(Text(msWindows, State(false, true, false, false)).colour, SysColour::MenuText);
  EXPECT_FALSE(Text(msOffice, State(true, true, false, false)).etched);

  for (bool selected : {false, true}) {
    TextPlan office = Text(msOffice, State(selected, false, false, false));
    EXPECT_TRUE(office.etched);
    EXPECT_EQ(office.etchColour, SysColour::BtnHighlight);
    EXPECT_EQ(office.colour, SysColour::GrayText);
  }
  EXPECT_TRUE(Text(msWindows, State(false, false, false, false)).etched);
  TextPlan highlighted = Text(msWindows, State(true, false, false, false));
  EXPECT_FALSE(highlighted.etched);
  EXPECT_EQ(highlighted.colour, SysColour::GrayText);
}

TEST(CoolMenuLayoutTest, DarkPaletteTextReadsAtFourAndAHalfToOneInEveryState) {
  EXPECT_NEAR(ContrastRatio(MakeColour(0, 0, 0), MakeColour(255, 255, 255)), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(MakeColour(0x77, 0x77, 0x77), MakeColour(255, 255, 255)), 4.48, 0.01);
  const MenuPalette dark = DarkPalette();
  for (TMenuStyle style : {msOffice, msWindows})
    for (int bits = 0; bits < 16; ++bits) {
      const ItemState state = State(bits & 1, bits & 2, bits & 4, bits & 8);
      const MenuColour text = dark.Of(Text(style, state).colour);
      EXPECT_GE(ContrastRatio(text, TextBackground(style, state, dark)), 4.5) << "look " << style << " state " << bits;
    }
  // Disabled text stays apart from enabled text, and the menu is dark.
  EXPECT_NE(dark.grayText, dark.menuText);
  EXPECT_GE(ContrastRatio(dark.menu, MakeColour(255, 255, 255)), 12.0);
}

TEST(CoolMenuLayoutTest, SystemPaletteTakesEachColourFromItsSystemIndex) {
  const MenuPalette p = SystemPalette([](SysColour role) { return static_cast<MenuColour>(role) * 0x010101u; });
  for (SysColour role : {SysColour::Menu, SysColour::MenuText, SysColour::Highlight, SysColour::HighlightText,
                         SysColour::BtnShadow, SysColour::GrayText, SysColour::BtnHighlight})
    EXPECT_EQ(p.Of(role), static_cast<MenuColour>(role) * 0x010101u);
  EXPECT_EQ(p.separator, p.Of(SysColour::GrayText));
  EXPECT_EQ(p.separatorLight, p.Of(SysColour::BtnHighlight));
  EXPECT_EQ(p.disabledPicture, p.Of(SysColour::BtnShadow));
  EXPECT_TRUE(p.systemFrames && !p.dark && p.ditherLight == MakeColour(255, 255, 255));
}

TEST(CoolMenuLayoutTest, SeparatorRunsAcrossTheRowLessOnePixelAtEachEnd) {
  SeparatorLines lines = Separator({0, 30, 150, 40});
  EXPECT_EQ(lines.y, 35);
  EXPECT_EQ(lines.left, 1);
  EXPECT_EQ(lines.right, 149);
  EXPECT_EQ(Separator({5, 0, 50, 11}).y, 5);  // 11 / 2 truncated
}

TEST(CoolMenuLayoutTest, DitherIsACheckerboardWithWhiteOnTheMainDiagonal) {
  int white = 0;
  for (int y = 0; y < kDitherSize; ++y)
    for (int x = 0; x < kDitherSize; ++x) white += DitherPixelIsWhite(x, y);
  EXPECT_EQ(white, 32);
  EXPECT_TRUE(DitherPixelIsWhite(0, 0));
  EXPECT_TRUE(DitherPixelIsWhite(7, 7));
  EXPECT_FALSE(DitherPixelIsWhite(1, 0));
  EXPECT_FALSE(DitherPixelIsWhite(6, 7));
}

TEST(CoolMenuLayoutTest, AcceleratorIsTheCharacterAfterTheFirstSingleAmpersand) {
  EXPECT_EQ(AcceleratorOf("ﾍﾙﾌﾟ(&H)..."), "H");
  EXPECT_EQ(AcceleratorOf("&Open"), "O");
  EXPECT_EQ(AcceleratorOf("Save&"), "");
  EXPECT_EQ(AcceleratorOf("No accelerator"), "");
  EXPECT_EQ(AcceleratorOf("A&&B"), "");
  EXPECT_EQ(AcceleratorOf("Tom && Jerry (&T)"), "T");
  EXPECT_EQ(AcceleratorOf("&&&X"), "X");
  // A double-byte accelerator is taken whole; double-byte text before the
  // "&" is stepped over a character at a time.
  EXPECT_EQ(AcceleratorOf("&表示"), "表");
  EXPECT_EQ(AcceleratorOf("表&D"), "D");
  // So is a character code page 932 cannot spell: "ü", an escape.
  EXPECT_EQ(AcceleratorOf("&\xFC\x80\xFC\x90\xFC\xAF\xFC\xBC" "ber"), "\xFC\x80\xFC\x90\xFC\xAF\xFC\xBC");
}

TEST(CoolMenuLayoutTest, MenuCharExecutesTheMatchingVisibleItemIgnoringCase) {
  std::vector<AcceleratorItem> items = {
      {"最近のﾌｧｲﾙ(&R)", true},
      {"-", true},
      {"隠し(&H)", false},  // invisible: neither matches nor counts
      {"設定(&S)...", true},
      {"ﾍﾙﾌﾟ(&H)...", true},
      {"終了&", true},
  };
  EXPECT_EQ(MatchAccelerator(items, 'h'), Execute(3));
  EXPECT_EQ(MatchAccelerator(items, 'H'), Execute(3));
  EXPECT_EQ(MatchAccelerator(items, 'r'), Execute(0));
  EXPECT_EQ(MatchAccelerator(items, 's'), Execute(2));
  EXPECT_EQ(MatchAccelerator(items, 'x'), 0u);
  EXPECT_EQ(MatchAccelerator(items, '&'), 0u);  // a final "&" never matches
  EXPECT_EQ(MatchAccelerator(items, '-'), 0u);
  EXPECT_EQ(MatchAccelerator(items, 0), 0u);
  EXPECT_EQ(MatchAccelerator({}, 'h'), 0u);
}

TEST(CoolMenuLayoutTest, MenuCharTakesTheFirstMatchAndDoubleByteKeys) {
  std::vector<AcceleratorItem> items = {{"&a first", true}, {"&A second", true}, {"&ａ", true}};
  EXPECT_EQ(MatchAccelerator(items, 'A'), Execute(0));
  // Full-width letters have capitals too: "ａ" (0x8281) matches "Ａ" (0x8260).
  EXPECT_EQ(MatchAccelerator(items, 0x8260), Execute(2));
  EXPECT_EQ(MatchAccelerator(items, 0x8281), Execute(2));
  items.push_back({"&\xFC\x80\xFC\x90\xFC\xAF\xFC\xBC", true});  // "&ü" answers "ü" and "Ü" too
  for (const char16_t typed : {u'\u00FC', u'\u00DC'}) EXPECT_EQ(MatchAccelerator(items, EscapedKey(typed)), Execute(3));
}

TEST(CoolMenuLayoutTest, ImageIndexOfTakesTheFirstEntryWithinTheList) {
  std::vector<TItemImage> entries(4);
  entries[0].MenuItem = 101;
  entries[0].ImageIndex = 2;
  entries[1].MenuItem = 101;
  entries[1].ImageIndex = 0;
  entries[2].MenuItem = 102;
  entries[2].ImageIndex = 5;
  entries[3].ImageIndex = 1;  // no item

  EXPECT_EQ(ImageIndexOf(entries, -1, 101), -1);  // no image list
  EXPECT_EQ(ImageIndexOf(entries, 6, 101), 2);
  EXPECT_EQ(ImageIndexOf(entries, 6, 102), 5);
  EXPECT_EQ(ImageIndexOf(entries, 6, 103), -1);
  EXPECT_EQ(ImageIndexOf(entries, 6, 0), -1);
  // After the list shrank, an entry past its end shows no image.
  EXPECT_EQ(ImageIndexOf(entries, 3, 102), -1);
  EXPECT_EQ(ImageIndexOf(entries, 0, 101), -1);
}

TEST(CoolMenuLayoutTest, FailureMessageFollowsTheCaption) {
  EXPECT_EQ(OwnerDrawFailureMessage("設定(&S)..."), "設定(&S)... のオーナードローに失敗しました");
  EXPECT_EQ(OwnerDrawFailureMessage(""), " のオーナードローに失敗しました");
}

// Widths kept between openings: found again in the same font only; beyond
// the limit, an opening keeps what it used and forgets the rest.
TEST(MeasuredWidthsTest, KeepsWhatTheLastOpeningUsedInItsFont) {
  quenlark::ui::MeasuredWidths widths(2);
  widths.Store("Meiryo/12", "alpha", 40);
  widths.Store("Meiryo/12", "beta", 35);
  widths.Store("Meiryo/12 bold", "alpha", 44);
  widths.EndOpening();
  EXPECT_EQ(widths.Find("Meiryo/12", "alpha"), 40);
  EXPECT_EQ(widths.Find("Meiryo/12 bold", "alpha"), 44);
  EXPECT_EQ(widths.Find("Meiryo/14", "alpha"), std::nullopt);  // the user changed the font
  EXPECT_EQ(widths.Find("Meiryo/12", "gamma"), std::nullopt);
  // Three kept, two allowed: the first opening used them all, so they stay
  // until an opening that did not use one of them ends.
  EXPECT_EQ(widths.Count(), 3u);
  widths.EndOpening();
  EXPECT_EQ(widths.Count(), 2u);
  EXPECT_EQ(widths.Find("Meiryo/12", "beta"), std::nullopt);
  // An opening that used nothing (closed before measuring) forgets nothing.
  widths.EndOpening();
  widths.EndOpening();
  EXPECT_EQ(widths.Count(), 2u);
  EXPECT_EQ(widths.Find("Meiryo/12", "alpha"), 40);
}
