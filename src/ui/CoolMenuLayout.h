// The decisions of the owner-drawn popup menu, apart from the painting: how
// big an item is, where its icon square, image box and text go, which colours
// and frames each look uses for each item state, how a typed key finds an
// item, and the error text. The Win32 renderer (CoolMenu) only carries them
// out, so every choice here is tested natively.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quenlark::ui {

// The two looks: flat (highlight spares the icon column of an item with an
// image, raised/sunken icon squares) and classic (the whole row highlighted).
enum TMenuStyle { msOffice = 0, msWindows = 1 };

// The system colours the renderer paints with. The values are the Windows
// COLOR_* indices, so the Win32 side hands them to GetSysColor as they are.
enum class SysColour : int {
  Menu = 4,            // COLOR_MENU: background of the other items
  MenuText = 7,        // COLOR_MENUTEXT: text of the other items
  Highlight = 13,      // COLOR_HIGHLIGHT: background of the selected item
  HighlightText = 14,  // COLOR_HIGHLIGHTTEXT: text of the selected item
  BtnShadow = 16,      // COLOR_BTNSHADOW
  GrayText = 17,       // COLOR_GRAYTEXT
  BtnHighlight = 20,   // COLOR_BTNHIGHLIGHT
};

// A colour as the system's COLORREF holds it: red in the low byte, then
// green, then blue.
using MenuColour = std::uint32_t;
constexpr MenuColour MakeColour(int r, int g, int b) {
  return static_cast<MenuColour>(r) | (static_cast<MenuColour>(g) << 8) | (static_cast<MenuColour>(b) << 16);
}

// Every colour the two looks paint with, chosen once at each opening of a
// menu: the system's colours (light theme, high contrast) or DarkPalette when
// the apps' theme is dark.
struct MenuPalette {
  MenuColour menu = 0;           // background of the other items
  MenuColour menuText = 0;       // their text
  MenuColour highlight = 0;      // background of the selected item
  MenuColour highlightText = 0;  // its text
  MenuColour grayText = 0;       // disabled text, a disabled check mark's square
  MenuColour etch = 0;           // disabled text's etch, light side of frames
  MenuColour shadow = 0;         // dark side of frames
  MenuColour separator = 0;      // a separator's upper line
  MenuColour separatorLight = 0; // its lower line
  MenuColour ditherLight = 0;    // the light pixels of a checked square's dither
  MenuColour disabledPicture = 0;      // a disabled picture's shape
  MenuColour disabledPictureEtch = 0;  // its etch one pixel right and down
  // The system draws the frames (its 3-D edges); otherwise they are drawn in
  // etch and shadow.
  bool systemFrames = true;
  // The check marks are drawn on a light plate so that their black reads.
  bool dark = false;

  MenuColour Of(SysColour role) const;
  friend bool operator==(const MenuPalette&, const MenuPalette&) = default;
};

// Today's look: every colour read from the system by `sysColour` (GetSysColor
// on Windows), the dither's light pixels white.
template <class SysColourFn>
MenuPalette SystemPalette(SysColourFn sysColour) {
  MenuPalette p;
  p.menu = sysColour(SysColour::Menu);
  p.menuText = sysColour(SysColour::MenuText);
  p.highlight = sysColour(SysColour::Highlight);
  p.highlightText = sysColour(SysColour::HighlightText);
  p.grayText = sysColour(SysColour::GrayText);
  p.etch = sysColour(SysColour::BtnHighlight);
  p.shadow = sysColour(SysColour::BtnShadow);
  p.separator = p.grayText;
  p.separatorLight = p.etch;
  p.ditherLight = MakeColour(255, 255, 255);
  p.disabledPicture = p.shadow;
  p.disabledPictureEtch = p.etch;
  return p;
}

// The fixed palette of the dark theme; every text reads at 4.5 : 1 or more.
MenuPalette DarkPalette();

// WCAG's contrast ratio of two colours (1 to 21).
double ContrastRatio(MenuColour a, MenuColour b);

struct LayoutRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

namespace coolmenu {

// Every size below is in pixels at this DPI; the renderer scales them to the
// system's DPI (Scaled), so that menus keep their proportions when the
// program runs DPI-aware on a screen of 120, 144 or 192 DPI.
inline constexpr int kBaseDpi = 96;

// Width of the icon column (and the row height without the system font).
inline constexpr int kDefaultItemHeight = 20;
// Smaller icon columns than this are refused.
inline constexpr int kMinItemHeight = 18;
inline constexpr int kSeparatorHeight = 10;
// What the system font's height gets added for the row height.
inline constexpr int kFontPadding = 5;
// What a row's width gets added beyond its text and the icon column.
inline constexpr int kWidthMargin = 20;
// Between the icon column and the text.
inline constexpr int kTextGap = 1;
inline constexpr int kImageSize = 16;
// Side of the dither brush pattern.
inline constexpr int kDitherSize = 8;

inline constexpr unsigned kMncIgnore = 0;   // MNC_IGNORE
inline constexpr unsigned kMncExecute = 2;  // MNC_EXECUTE

// `value` pixels at kBaseDpi as pixels at `dpi`, rounded to the nearest
// pixel (halves away from zero); a DPI of 0 or less counts as kBaseDpi.
int Scaled(int value, int dpi);
// The side of the item pictures and check marks at `dpi`: the largest of the
// sizes their icon resources hold (kPictureSizes, from resources/art/sizes)
// that fits in 16 pixels scaled to the DPI, so a picture is drawn at its own
// size, never stretched.
int ImageSizeFor(int dpi);

bool AcceptsItemHeight(int itemHeight);
// Image indices below -1 are refused; -1 means "no image".
bool AcceptsImageIndex(int imageIndex);

bool IsSeparatorCaption(std::string_view caption);

// Row height of an item. `systemFont` is whether the system's menu font is in
// use; `fontHeight` is that font's height as the metrics give it (either sign,
// already in pixels at `dpi`). `itemHeight` is in pixels at kBaseDpi.
int MeasureHeight(bool separator, int itemHeight, bool systemFont, int fontHeight, int dpi = kBaseDpi);
// Row width from the measured width of " " + caption + shortcut text (pixels
// at `dpi`).
int MeasureWidth(int textWidth, int itemHeight, int dpi = kBaseDpi);
// The text that is measured and drawn for a caption: a blank, then the caption.
std::string DisplayText(std::string_view caption);

// The parts of an item's rectangle R: the icon square S (ItemHeight wide),
// the text area T (right of S and one pixel of gap) and the image box B
// (16 x 16 at kBaseDpi, ImageSizeFor the DPI), centred in S (halvings
// truncated toward zero). Widths scale with `dpi`; R comes from the system.
struct ItemGeometry {
  LayoutRect row;
  LayoutRect square;
  LayoutRect text;
  LayoutRect image;
};
ItemGeometry Geometry(const LayoutRect& row, int itemHeight, int dpi = kBaseDpi);

// What the painter knows about an item when it paints it.
struct ItemState {
  bool selected = false;
  bool enabled = true;
  bool checked = false;
  bool hasImage = false;  // ImageIndexOf gives 0 or more
};

// The highlight of a row: the whole row is first filled with the menu colour,
// then `area` (if any) with the highlight colour.
enum class HighlightArea { None, Row, Text };
HighlightArea Highlight(TMenuStyle style, const ItemState& state);

// The raised frame around the icon square of a selected item with an image.
bool DrawsImageFrame(TMenuStyle style, const ItemState& state);

// The icon square's contents.
enum class SquareFill { None, Menu, Dither };
enum class SquareContent { None, Image, DisabledImage, Check, CheckMono };
struct SquarePlan {
  SquareFill fill = SquareFill::None;
  SquareContent content = SquareContent::None;
  bool sunken = false;
};
SquarePlan Square(TMenuStyle style, const ItemState& state);

// Text colours: an optional etched pass one pixel right and down, then the
// text itself.
struct TextPlan {
  bool etched = false;
  SysColour etchColour = SysColour::BtnHighlight;
  SysColour colour = SysColour::MenuText;
};
TextPlan Text(TMenuStyle style, const ItemState& state);
// The colour under an item's text: the highlight where it covers the text.
MenuColour TextBackground(TMenuStyle style, const ItemState& state, const MenuPalette& palette);

// The separator's two lines: GrayText at y, BtnHighlight at y + 1, both from
// `left` up to but not including `right`.
struct SeparatorLines {
  int y = 0;
  int left = 0;
  int right = 0;
};
SeparatorLines Separator(const LayoutRect& row);

// The box of a submenu's arrow, drawn by the renderer itself where the
// palette is not the system's: a square of kArrowSize scaled to `dpi` at the
// row's right edge, centred in its height (halving truncated toward zero).
inline constexpr int kArrowSize = 16;
LayoutRect SubmenuArrow(const LayoutRect& row, int dpi = kBaseDpi);

// The dither brush: COLOR_MENU with white pixels where the row and the column
// are both even or both odd.
bool DitherPixelIsWhite(int x, int y);

// One item of a popup as the accelerator search sees it.
struct AcceleratorItem {
  std::string_view caption;
  bool visible = true;
};
// The character a caption underlines: the one after the first "&" that is not
// part of a "&&" pair (which stands for a literal "&"). Empty when there is
// none. A double-byte character, and the escape of a character code page 932
// cannot spell, come back whole.
std::string_view AcceleratorOf(std::string_view caption);
// The key code of a typed character code page 932 cannot spell: its UTF-16
// code unit above the 16 bits of the code page's own codes.
constexpr unsigned EscapedKey(char16_t unit) { return 0x10000u + unit; }
// The answer to WM_MENUCHAR for the typed character `typed` (one byte, a
// double-byte code lead * 256 + trail, or an EscapedKey): MNC_EXECUTE in the
// high word and the chosen item's position among the visible items in the
// low word, or MNC_IGNORE when no visible item has that accelerator. Case is
// ignored as the system's ANSI upper-casing does on code page 932 (and
// cp932::UpperLatin on escapes).
std::uint32_t MatchAccelerator(std::span<const AcceleratorItem> items, unsigned typed);

// The error raised when an item cannot be switched to owner drawing.
std::string OwnerDrawFailureMessage(std::string_view caption);

}  // namespace coolmenu

// An image index that refuses values below -1 (keeping the old value), so
// that `entry.ImageIndex = n` behaves as the entry's property.
class TImageIndex {
 public:
  TImageIndex& operator=(int value) {
    if (coolmenu::AcceptsImageIndex(value)) value_ = value;
    return *this;
  }
  operator int() const { return value_; }

 private:
  int value_ = -1;
};

// One image entry of a renderer: which menu item (by command identifier,
// 0 for none) shows which image of the renderer's image list (-1: none).
struct TItemImage {
  std::string Hint;
  unsigned MenuItem = 0;
  TImageIndex ImageIndex;
};

// The image index of item `itemId`: the index of the first entry for it, or
// -1 when there is no image list (`imageCount` < 0), no entry, or the entry's
// index lies past the end of the list (the list shrank since it was set).
int ImageIndexOf(std::span<const TItemImage> entries, int imageCount, unsigned itemId);

}  // namespace quenlark::ui
