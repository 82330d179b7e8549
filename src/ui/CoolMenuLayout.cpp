#include "ui/CoolMenuLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/Cp932.h"
#include "base/Texts.h"
#include "ui/PictureSizes.h"

namespace quenlark::ui {
namespace coolmenu {

int Scaled(int value, int dpi) {
  if (dpi <= 0) dpi = kBaseDpi;
  const long long product = static_cast<long long>(value) * dpi;
  const long long half = kBaseDpi / 2;
  return static_cast<int>(product >= 0 ? (product + half) / kBaseDpi : (product - half) / kBaseDpi);
}

static_assert(kPictureSizes[0] == kImageSize, "the smallest frame is the picture at the base DPI");

int ImageSizeFor(int dpi) {
  const int wanted = Scaled(kImageSize, dpi);
  int size = kImageSize;
  for (int candidate : kPictureSizes)
    if (candidate <= wanted) size = candidate;
  return size;
}

bool AcceptsItemHeight(int itemHeight) { return itemHeight >= kMinItemHeight; }

bool AcceptsImageIndex(int imageIndex) { return imageIndex >= -1; }

bool IsSeparatorCaption(std::string_view caption) { return caption == "-"; }

int MeasureHeight(bool separator, int itemHeight, bool systemFont, int fontHeight, int dpi) {
  if (separator) return Scaled(kSeparatorHeight, dpi);
  // The system font sets the row height, whatever the icon column's width.
  if (systemFont) return std::abs(fontHeight) + Scaled(kFontPadding, dpi);
  return Scaled(itemHeight, dpi);
}

int MeasureWidth(int textWidth, int itemHeight, int dpi) {
  return textWidth + Scaled(itemHeight, dpi) + Scaled(kWidthMargin, dpi);
}

std::string DisplayText(std::string_view caption) {
  std::string text(" ");
  text.append(caption);
  return text;
}

ItemGeometry Geometry(const LayoutRect& row, int itemHeight, int dpi) {
  const int column = Scaled(itemHeight, dpi);
  const int image = ImageSizeFor(dpi);
  ItemGeometry g;
  g.row = row;
  g.square = row;
  g.square.right = row.left + column;
  g.text = row;
  g.text.left = row.left + column + Scaled(kTextGap, dpi);
  // C++ division truncates toward zero, also for a row lower than the box.
  g.image.left = row.left + (column - image) / 2;
  g.image.top = row.top + (row.Height() - image) / 2;
  g.image.right = g.image.left + image;
  g.image.bottom = g.image.top + image;
  return g;
}

HighlightArea Highlight(TMenuStyle style, const ItemState& state) {
  if (!state.selected) return HighlightArea::None;
  if (style == msWindows) return HighlightArea::Row;
  // The flat look never highlights a disabled item, and leaves the icon
  // column alone when it shows a picture or a check square.
  if (!state.enabled) return HighlightArea::None;
  if (state.hasImage || state.checked) return HighlightArea::Text;
  return HighlightArea::Row;
}

bool DrawsImageFrame(TMenuStyle style, const ItemState& state) {
  return style == msOffice && state.selected && state.enabled && !state.checked && state.hasImage;
}

SquarePlan Square(TMenuStyle style, const ItemState& state) {
  SquarePlan plan;
  if (!state.checked) {
    if (state.hasImage) plan.content = state.enabled ? SquareContent::Image : SquareContent::DisabledImage;
    return plan;
  }
  if (style == msWindows) {
    // The classic look always shows the mark, never the item's picture.
    plan.content = state.enabled ? SquareContent::Check : SquareContent::CheckMono;
    return plan;
  }
  plan.fill = state.selected ? SquareFill::Menu : SquareFill::Dither;
  if (state.enabled)
    plan.content = state.hasImage ? SquareContent::Image : SquareContent::Check;
  else
    plan.content = state.hasImage ? SquareContent::DisabledImage : SquareContent::CheckMono;
  plan.sunken = true;
  return plan;
}

TextPlan Text(TMenuStyle style, const ItemState& state) {
  TextPlan plan;
  if (state.enabled) {
    plan.colour = state.selected ? SysColour::HighlightText : SysColour::MenuText;
    return plan;
  }
  // A white etch under the grey would vanish on the classic highlight.
  plan.etched = !(state.selected && style == msWindows);
  plan.etchColour = SysColour::BtnHighlight;
  plan.colour = SysColour::GrayText;
  return plan;
}

MenuColour TextBackground(TMenuStyle style, const ItemState& state, const MenuPalette& palette) {
  return Highlight(style, state) == HighlightArea::None ? palette.menu : palette.highlight;
}

SeparatorLines Separator(const LayoutRect& row) {
  SeparatorLines lines;
  lines.y = row.top + row.Height() / 2;
  lines.left = row.left + 1;
  lines.right = row.right - 1;
  return lines;
}

LayoutRect SubmenuArrow(const LayoutRect& row, int dpi) {
  const int side = Scaled(kArrowSize, dpi);
  const int top = row.top + (row.Height() - side) / 2;
  return LayoutRect{row.right - side, top, row.right, top + side};
}

bool DitherPixelIsWhite(int x, int y) { return (x % 2) == (y % 2); }

std::string_view AcceleratorOf(std::string_view caption) {
  std::size_t i = 0;
  while (i < caption.size()) {
    const std::size_t len = cp932::CharLength(caption, i);
    if (len == 1 && caption[i] == '&') {
      if (i + 1 >= caption.size()) return {};  // a final "&" underlines nothing
      if (caption[i + 1] == '&') {
        i += 2;  // "&&" is a literal "&"
        continue;
      }
      const bool escape = cp932::EscapeAt(caption, i + 1).has_value();
      return caption.substr(i + 1, escape ? cp932::kEscapeLength : cp932::CharLength(caption, i + 1));
    }
    i += len;
  }
  return {};
}

std::uint32_t MatchAccelerator(std::span<const AcceleratorItem> items, unsigned typed) {
  std::string key;
  if (typed == 0 || typed > EscapedKey(0xFFFF)) return kMncIgnore;
  if (typed > 0xFFFF) {
    cp932::AppendEscape(key, static_cast<char16_t>(typed & 0xFFFF));
  } else {
    if (typed > 0xFF) key.push_back(static_cast<char>(typed >> 8));
    key.push_back(static_cast<char>(typed & 0xFF));
  }
  key = cp932::Upper(key);

  unsigned position = 0;
  for (const AcceleratorItem& item : items) {
    if (!item.visible) continue;
    const std::string_view accelerator = AcceleratorOf(item.caption);
    if (!accelerator.empty() && cp932::Upper(accelerator) == key)
      return (kMncExecute << 16) | (position & 0xFFFF);
    ++position;
  }
  return kMncIgnore;
}

std::string OwnerDrawFailureMessage(std::string_view caption) {
  return FormatText(TextId::OwnerDrawFailed, std::string(caption).c_str());
}

}  // namespace coolmenu

int ImageIndexOf(std::span<const TItemImage> entries, int imageCount, unsigned itemId) {
  if (imageCount < 0 || itemId == 0) return -1;
  for (const TItemImage& entry : entries) {
    if (entry.MenuItem != itemId) continue;
    const int index = entry.ImageIndex;
    return index < imageCount ? index : -1;
  }
  return -1;
}

MenuColour MenuPalette::Of(SysColour role) const {
  switch (role) {
    case SysColour::Menu: return menu;
    case SysColour::MenuText: return menuText;
    case SysColour::Highlight: return highlight;
    case SysColour::HighlightText: return highlightText;
    case SysColour::BtnShadow: return shadow;
    case SysColour::GrayText: return grayText;
    case SysColour::BtnHighlight: return etch;
  }
  return menuText;
}

MenuPalette DarkPalette() {
  // Close to the dark menus of the system's own programs.
  MenuPalette p;
  p.menu = MakeColour(0x2B, 0x2B, 0x2B);
  p.menuText = MakeColour(0xFF, 0xFF, 0xFF);
  p.highlight = MakeColour(0x41, 0x41, 0x41);
  p.highlightText = MakeColour(0xFF, 0xFF, 0xFF);
  p.grayText = MakeColour(0xB0, 0xB0, 0xB0);
  p.etch = MakeColour(0x50, 0x50, 0x50);
  p.shadow = MakeColour(0x18, 0x18, 0x18);
  p.separator = MakeColour(0x55, 0x55, 0x55);
  p.separatorLight = MakeColour(0x2B, 0x2B, 0x2B);
  p.ditherLight = MakeColour(0x4A, 0x4A, 0x4A);
  p.disabledPicture = MakeColour(0x90, 0x90, 0x90);
  p.disabledPictureEtch = MakeColour(0x2B, 0x2B, 0x2B);
  p.systemFrames = false;
  p.dark = true;
  return p;
}

namespace {
double Luminance(MenuColour c) {
  auto channel = [](unsigned v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c & 0xFF) + 0.7152 * channel((c >> 8) & 0xFF) + 0.0722 * channel((c >> 16) & 0xFF);
}
}  // namespace

double ContrastRatio(MenuColour a, MenuColour b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace quenlark::ui
