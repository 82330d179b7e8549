#include "ui/CoolMenu.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <exception>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include "platform/Win32Handles.h"

namespace quenlark::ui {

using namespace coolmenu;

namespace {

static_assert(static_cast<int>(SysColour::Menu) == COLOR_MENU);
static_assert(static_cast<int>(SysColour::MenuText) == COLOR_MENUTEXT);
static_assert(static_cast<int>(SysColour::Highlight) == COLOR_HIGHLIGHT);
static_assert(static_cast<int>(SysColour::HighlightText) == COLOR_HIGHLIGHTTEXT);
static_assert(static_cast<int>(SysColour::BtnShadow) == COLOR_BTNSHADOW);
static_assert(static_cast<int>(SysColour::GrayText) == COLOR_GRAYTEXT);
static_assert(static_cast<int>(SysColour::BtnHighlight) == COLOR_BTNHIGHLIGHT);
static_assert(kMncExecute == MNC_EXECUTE && kMncIgnore == MNC_IGNORE);

// The check marks' icon resources, indexed by TCoolMenu::Mark.
constexpr const wchar_t* kMarkResources[] = {L"CHECK", L"CHECKMONO"};
// Paints the brush where the (monochrome) source is set and leaves the
// destination alone elsewhere, with text colour black and background white.
constexpr DWORD kRopPaintWhereSet = 0x00E20746;
// Submenus deeper than this are not followed (a guard, menus are shallow).
constexpr int kMaxMenuDepth = 32;

// Selects an object into a DC for one scope and puts the old one back.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~ScopedSelect() {
    if (old_) SelectObject(dc_, old_);
  }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// Saves a DC's whole state for one scope.
class ScopedSaveDc {
 public:
  explicit ScopedSaveDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~ScopedSaveDc() {
    if (saved_) RestoreDC(dc_, saved_);
  }
  ScopedSaveDc(const ScopedSaveDc&) = delete;
  ScopedSaveDc& operator=(const ScopedSaveDc&) = delete;

 private:
  HDC dc_;
  int saved_;
};

RECT ToRect(const LayoutRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
LayoutRect ToLayout(const RECT& r) { return LayoutRect{r.left, r.top, r.right, r.bottom}; }

// The DC's own brush in `colour`, selected for one scope.
class ScopedColourBrush {
 public:
  ScopedColourBrush(HDC dc, MenuColour colour) : select_(dc, GetStockObject(DC_BRUSH)) { SetDCBrushColor(dc, colour); }

 private:
  ScopedSelect select_;
};

void Fill(HDC dc, const LayoutRect& area, MenuColour colour) {
  RECT r = ToRect(area);
  const COLORREF old = SetDCBrushColor(dc, colour);
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  SetDCBrushColor(dc, old);
}

// A one-pixel frame: `topLeft` on the top and left edges, `bottomRight` on
// the others, as the system's 3-D edges draw it in its own colours.
void Frame(HDC dc, const RECT& r, MenuColour topLeft, MenuColour bottomRight) {
  Fill(dc, LayoutRect{r.left, r.top, r.right - 1, r.top + 1}, topLeft);
  Fill(dc, LayoutRect{r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
  Fill(dc, LayoutRect{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
  Fill(dc, LayoutRect{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

// The palette of one opening: the dark one, or the system's colours as they
// are now.
MenuPalette ChoosePalette(bool dark) {
  if (dark) return DarkPalette();
  return SystemPalette([](SysColour role) -> MenuColour { return GetSysColor(static_cast<int>(role)); });
}

// What decides a text's width in a font made from `lf`: its face, size,
// weight and slant (the measuring DC is the same at every opening).
std::string FontKey(const LOGFONTW& lf) {
  std::wstring face(lf.lfFaceName, wcsnlen(lf.lfFaceName, LF_FACESIZE));
  std::string key = std::to_string(lf.lfHeight) + "/" + std::to_string(lf.lfWeight) + "/" +
                    std::to_string(lf.lfItalic) + "/";
  key.append(reinterpret_cast<const char*>(face.data()), face.size() * sizeof(wchar_t));
  return key;
}

// The system's menu font (the user may change it while the program runs, so
// it is read at every opening): its face, height, italic, and bold when
// heavier than 500; `bold` forces bold for a default item. The height is in
// pixels at `dpi` (the system gives it at the system's DPI); `key` names the
// font for the widths kept between openings.
platform::UniqueFont LoadMenuFont(bool bold, int dpi, int& height, std::string& key) {
  LOGFONTW source{};
  NONCLIENTMETRICSW metrics{};
  // The system's menu font as the system makes it for the DPI (its own
  // rounding and any size the user chose for that scale); where it cannot,
  // the font of the system's DPI is scaled below.
  const bool forDpi = NonClientMetricsForDpi(metrics, dpi);
  metrics.cbSize = sizeof(metrics);
  bool found = forDpi || SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
  if (!found) {
    // Systems before Vista know the structure without its last field.
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    found = SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
  }
  if (found)
    source = metrics.lfMenuFont;
  else
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(source), &source);

  LOGFONTW lf{};
  const int systemDpi = SystemDpi();
  lf.lfHeight = forDpi || dpi == systemDpi ? source.lfHeight : MulDiv(source.lfHeight, dpi, systemDpi);
  lf.lfItalic = source.lfItalic;
  lf.lfWeight = (bold || source.lfWeight > 500) ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  std::memcpy(lf.lfFaceName, source.lfFaceName, sizeof(lf.lfFaceName));
  lf.lfFaceName[LF_FACESIZE - 1] = L'\0';
  height = lf.lfHeight;
  key = FontKey(lf);
  return platform::UniqueFont(CreateFontIndirectW(&lf));
}

// The header of a top-down 32-bit DIB of `width` x `height` pixels.
BITMAPINFOHEADER TopDown32(int width, int height) {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = -height;
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  return header;
}

// The 8 x 8 dither brush of a checked square: the menu colour with white on
// alternate pixels, made straight from a packed bitmap in memory.
platform::UniqueBrush MakeDitherBrush(const MenuPalette& palette) {
  struct {
    BITMAPINFOHEADER header;
    DWORD pixels[kDitherSize * kDitherSize];
  } dib{};
  dib.header = TopDown32(kDitherSize, kDitherSize);
  // DIB pixels are blue, green, red from the low byte up.
  auto pixel = [](COLORREF c) -> DWORD { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); };
  const DWORD menuPixel = pixel(palette.menu);
  const DWORD lightPixel = pixel(palette.ditherLight);
  for (int y = 0; y < kDitherSize; ++y)
    for (int x = 0; x < kDitherSize; ++x)
      dib.pixels[y * kDitherSize + x] = DitherPixelIsWhite(x, y) ? lightPixel : menuPixel;
  return platform::UniqueBrush(CreateDIBPatternBrushPt(&dib, DIB_RGB_COLORS));
}

// Check mark `resource` at `size` pixels as a 32-bit premultiplied bitmap
// for GdiAlphaBlend, inverted (white edged in black) for a dark menu; null
// when the resource or a GDI call fails. An icon whose colour carries no
// alpha takes it from its mask.
platform::UniqueBitmap MarkBitmap(HINSTANCE instance, const wchar_t* resource, int size, bool inverted) {
  platform::UniqueIcon icon(static_cast<HICON>(LoadImageW(instance, resource, IMAGE_ICON, size, size, 0)));
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon.get(), &info)) return platform::UniqueBitmap();
  platform::UniqueBitmap colour(info.hbmColor);
  platform::UniqueBitmap mask(info.hbmMask);
  BITMAPINFO format{};
  format.bmiHeader = TopDown32(size, size);
  const std::size_t count = static_cast<std::size_t>(size) * size;
  std::vector<std::uint32_t> pixels(count), maskPixels(count);
  platform::WindowDc screen;
  if (!colour || !mask || !GetDIBits(screen.get(), colour.get(), 0, size, pixels.data(), &format, DIB_RGB_COLORS) ||
      !GetDIBits(screen.get(), mask.get(), 0, size, maskPixels.data(), &format, DIB_RGB_COLORS))
    return platform::UniqueBitmap();
  bool hasAlpha = false;
  for (std::uint32_t pixel : pixels) hasAlpha |= (pixel >> 24) != 0;
  void* bits = nullptr;
  platform::UniqueBitmap result(CreateDIBSection(screen.get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!result || !bits) return platform::UniqueBitmap();
  auto* out = static_cast<std::uint32_t*>(bits);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t alpha = hasAlpha ? pixels[i] >> 24 : ((maskPixels[i] & 0xFFFFFF) ? 0 : 255);
    std::uint32_t premultiplied = alpha << 24;
    for (int shift = 0; shift < 24; shift += 8) {
      std::uint32_t channel = (pixels[i] >> shift) & 0xFF;
      if (inverted) channel = 255 - channel;
      premultiplied |= ((channel * alpha + 127) / 255) << shift;
    }
    out[i] = premultiplied;
  }
  GdiFlush();
  return result;
}

// Every popup renderer of the process, in the order they were created.
std::vector<TPopupCool*>& Renderers() {
  static std::vector<TPopupCool*> renderers;
  return renderers;
}

// An item's text as the system holds it (empty for items without text).
std::string MenuItemText(HMENU menu, UINT position) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STRING;
  if (!GetMenuItemInfoW(menu, position, TRUE, &info) || info.cch == 0) return {};
  std::wstring text(info.cch + 1, L'\0');
  info.dwTypeData = text.data();
  info.cch = static_cast<UINT>(text.size());
  if (!GetMenuItemInfoW(menu, position, TRUE, &info)) return {};
  return platform::ProgramText(platform::WideUntilNul(text.data(), text.size()));
}

// A character typed into a menu (UTF-16) as the key code the accelerators
// are compared with: one byte, or a lead and a trail byte; a character code
// page 932 cannot spell is matched by its escape.
unsigned TypedCode(wchar_t typed) {
  const std::optional<std::string> spelled = platform::ExactCp932(std::wstring_view(&typed, 1));
  if (!spelled) return EscapedKey(static_cast<char16_t>(typed));
  if (spelled->empty() || spelled->size() > 2) return 0;
  unsigned code = 0;
  for (char byte : *spelled) code = (code << 8) | static_cast<unsigned char>(byte);
  return code;
}

// DrawText of CP932 text, in UTF-16.
void DrawCp932Text(HDC dc, const std::string& text, RECT& area, UINT format) {
  const std::wstring wide = platform::Wide(text);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area, format);
}

}  // namespace

// ---------------------------------------------------------------- TCoolMenu

struct TCoolMenu::Opening {
  MenuPalette palette;
  int dpi = kBaseDpi;
  int imageSize = kImageSize;
  int fontHeight = 0;
  platform::UniqueFont font;
  platform::UniqueFont boldFont;
  // What the two fonts are, for the widths kept between openings.
  std::string fontKey;
  std::string boldFontKey;
  platform::UniqueBrush dither;
  // Holds the measured item's font for DT_CALCRECT.
  platform::UniqueMemoryDc measureDc;
  // Holds a check mark or an image as the source of a blit.
  platform::UniqueMemoryDc pictureDc;
  // The check marks at imageSize in the palette's look, made at first use.
  platform::UniqueBitmap marks[2];
  // The background of a dark menu, on `backgroundMenu` and its submenus
  // until the opening is released.
  platform::UniqueBrush background;
  HMENU backgroundMenu = nullptr;
};

TCoolMenu::TCoolMenu(HINSTANCE resourceInstance) : resourceInstance_(resourceInstance) {}

TCoolMenu::~TCoolMenu() = default;

TCoolMenu::Opening& TCoolMenu::CurrentOpening() {
  if (!opening_) {
    opening_ = std::make_unique<Opening>();
    opening_->palette = ChoosePalette(dark_);
    opening_->dpi = dpi_ > 0 ? dpi_ : SystemDpi();
    opening_->imageSize = ImageSizeFor(opening_->dpi);
  }
  return *opening_;
}

HFONT TCoolMenu::MenuFont(bool bold) {
  Opening& opening = CurrentOpening();
  platform::UniqueFont& font = bold ? opening.boldFont : opening.font;
  if (!font) font = LoadMenuFont(bold, opening.dpi, opening.fontHeight, bold ? opening.boldFontKey : opening.fontKey);
  return font.get();
}

void TCoolMenu::ReleaseOpening() {
  items_.clear();
  if (opening_ && opening_->backgroundMenu && IsMenu(opening_->backgroundMenu)) {
    // The menu gets the system's background back before the brush goes.
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_BACKGROUND | MIM_APPLYTOSUBMENUS;
    SetMenuInfo(opening_->backgroundMenu, &info);
  }
  opening_.reset();
  widths_.EndOpening();
}

bool TCoolMenu::SetItemHeight(int itemHeight) {
  if (!AcceptsItemHeight(itemHeight)) return false;
  itemHeight_ = itemHeight;
  return true;
}

TItemImage& TCoolMenu::AddItemImage() { return itemImages_.emplace_back(); }

int TCoolMenu::ImageIndexOf(UINT itemId) const {
  const int count = Images ? ImageList_GetImageCount(Images) : -1;
  return ui::ImageIndexOf(itemImages_, count, itemId);
}

const TRememberedItem* TCoolMenu::FindItem(UINT itemId) const {
  auto it = items_.find(itemId);
  return it == items_.end() ? nullptr : &it->second;
}

TRememberedItem TCoolMenu::ItemOrBlank(UINT itemId) const {
  const TRememberedItem* item = FindItem(itemId);
  return item ? *item : TRememberedItem{};
}

void TCoolMenu::OwnerDrawItems(HMENU menu) { OwnerDrawLevel(menu, std::string(), 0); }

void TCoolMenu::OwnerDrawLevel(HMENU menu, const std::string& parentCaption, int depth) {
  const int count = GetMenuItemCount(menu);
  if (count < 0) throw ECoolMenuError(OwnerDrawFailureMessage(parentCaption));
  const ULONG_PTR self = reinterpret_cast<ULONG_PTR>(this);

  for (int position = 0; position < count; ++position) {
    const UINT pos = static_cast<UINT>(position);
    // The text comes with the rest in one call when it fits the buffer.
    wchar_t text[128];
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = static_cast<UINT>(std::size(text));
    if (!GetMenuItemInfoW(menu, pos, TRUE, &info)) throw ECoolMenuError(OwnerDrawFailureMessage(std::string()));

    // An item this renderer switched before keeps what was read then: the
    // system may no longer give its text back.
    const bool ours = (info.fType & MFT_OWNERDRAW) && info.dwItemData == self;
    const TRememberedItem* known = FindItem(info.wID);
    TRememberedItem item;
    if (ours && known)
      item.Caption = known->Caption;
    else if (!(info.fType & MFT_SEPARATOR) && info.cch + 1 < std::size(text))
      item.Caption = platform::ProgramText(std::wstring_view(text, info.cch));
    else if (!(info.fType & MFT_SEPARATOR))
      item.Caption = MenuItemText(menu, pos);
    item.Separator = (info.fType & MFT_SEPARATOR) || IsSeparatorCaption(item.Caption);
    if (item.Separator) item.Caption.assign(1, '-');
    item.Enabled = !(info.fState & MFS_DISABLED);
    item.Checked = info.fState & MFS_CHECKED;
    item.Default = info.fState & MFS_DEFAULT;
    item.Submenu = info.hSubMenu != nullptr;
    items_[info.wID] = item;

    // SetMenuItemInfo changes type, state and data and leaves the submenu
    // alone; ModifyMenu by command would drop an item's submenu.
    MENUITEMINFOW change{};
    change.cbSize = sizeof(change);
    change.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_DATA;
    change.fType = MFT_OWNERDRAW | (info.fType & (MFT_RADIOCHECK | MFT_MENUBREAK | MFT_MENUBARBREAK));
    if (item.Separator) change.fType |= MFT_SEPARATOR;
    change.fState = info.fState & (MFS_CHECKED | MFS_DISABLED | MFS_DEFAULT);
    change.dwItemData = self;
    // An item switched before and unchanged since (the menu is switched
    // when it is built and again as it opens) is left as it is.
    const bool switched = ours && known && info.fType == change.fType && info.fState == change.fState;
    if (!switched && !SetMenuItemInfoW(menu, pos, TRUE, &change))
      throw ECoolMenuError(OwnerDrawFailureMessage(item.Caption));

    if (info.hSubMenu && depth < kMaxMenuDepth) OwnerDrawLevel(info.hSubMenu, item.Caption, depth + 1);
  }
}

void TCoolMenu::MeasureItem(MEASUREITEMSTRUCT& measure) {
  const TRememberedItem item = ItemOrBlank(measure.itemID);
  HFONT font = MenuFont(item.Default);
  Opening& opening = CurrentOpening();
  UINT height = static_cast<UINT>(MeasureHeight(item.Separator, itemHeight_, true, opening.fontHeight, opening.dpi));

  // A caption measured in an earlier opening in the same font keeps its
  // width; only new ones are measured.
  const std::string text = DisplayText(item.Caption);
  const std::string& fontKey = item.Default ? opening.boldFontKey : opening.fontKey;
  std::optional<int> kept = font ? widths_.Find(fontKey, text) : std::nullopt;
  if (!kept && !opening.measureDc) opening.measureDc.reset(CreateCompatibleDC(nullptr));
  int textWidth = 0;
  if (kept) {
    textWidth = *kept;
  } else if (opening.measureDc) {
    ScopedSelect select(opening.measureDc.get(), font);
    RECT r{0, 0, 0, 0};
    DrawCp932Text(opening.measureDc.get(), text, r, DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER);
    textWidth = r.right - r.left;
    // A measure that failed is not kept: the next opening tries again.
    if (font && (textWidth > 0 || text.empty())) widths_.Store(fontKey, text, textWidth);
  }
  measure.itemWidth = static_cast<UINT>(MeasureWidth(textWidth, itemHeight_, opening.dpi));
  DoMeasureItem(measure.itemID, height);
  measure.itemHeight = height;
}

void TCoolMenu::DoMeasureItem(UINT, UINT&) {}

void TCoolMenu::PaintItem(const DRAWITEMSTRUCT& draw) {
  const TRememberedItem item = ItemOrBlank(draw.itemID);
  PaintContext pc{};
  pc.dc = draw.hDC;
  pc.geometry = Geometry(ToLayout(draw.rcItem), itemHeight_, CurrentOpening().dpi);
  // The state comes from the system, which holds the item's live flags.
  pc.state.selected = draw.itemState & ODS_SELECTED;
  pc.state.enabled = !(draw.itemState & (ODS_GRAYED | ODS_DISABLED));
  pc.state.checked = draw.itemState & ODS_CHECKED;
  pc.imageIndex = ImageIndexOf(draw.itemID);
  pc.state.hasImage = pc.imageIndex >= 0;
  DrawItem(pc, item, draw.itemState & ODS_FOCUS);
  // The system draws a submenu's arrow after the item, in its own colours:
  // where the renderer drew the arrow itself, the item's rectangle leaves
  // the DC's clipping region, so the system's arrow shows nowhere.
  if (item.Submenu && CurrentOpening().palette.dark)
    ExcludeClipRect(draw.hDC, draw.rcItem.left, draw.rcItem.top, draw.rcItem.right, draw.rcItem.bottom);
}

void TCoolMenu::DrawItem(const PaintContext& pc, const TRememberedItem& item, bool focused) {
  ScopedSaveDc save(pc.dc);
  const ItemGeometry& g = pc.geometry;
  const MenuPalette& palette = CurrentOpening().palette;
  // The whole row gets the menu colour first, so that an icon column the
  // highlight spares never keeps pixels of an earlier paint.
  Fill(pc.dc, g.row, palette.menu);
  if (item.Separator) {
    RECT row = ToRect(g.row);
    DrawSeparator(pc.dc, row);
  } else {
    switch (Highlight(MenuStyle, pc.state)) {
      case HighlightArea::Row: Fill(pc.dc, g.row, palette.highlight); break;
      case HighlightArea::Text: Fill(pc.dc, g.text, palette.highlight); break;
      case HighlightArea::None: break;
    }
    DrawImageFrame(pc);
    DrawCheckImage(pc);
    DrawItemText(pc, item);
    if (item.Submenu && palette.dark) DrawSubmenuArrow(pc);
  }
  if (focused) {
    RECT row = ToRect(g.row);
    DrawFocusRect(pc.dc, &row);
  }
}

void TCoolMenu::DrawImageFrame(const PaintContext& pc) {
  if (!DrawsImageFrame(MenuStyle, pc.state)) return;
  RECT square = ToRect(pc.geometry.square);
  const MenuPalette& palette = CurrentOpening().palette;
  if (!palette.systemFrames) {
    Frame(pc.dc, square, palette.etch, palette.shadow);
    return;
  }
  DrawEdge(pc.dc, &square, BDR_RAISEDINNER, BF_TOPLEFT);
  DrawEdge(pc.dc, &square, BDR_RAISEDINNER, BF_SOFT | BF_BOTTOMRIGHT);
}

void TCoolMenu::DrawCheckImage(const PaintContext& pc) {
  const SquarePlan plan = Square(MenuStyle, pc.state);
  const LayoutRect& box = pc.geometry.image;
  RECT square = ToRect(pc.geometry.square);
  const MenuPalette& palette = CurrentOpening().palette;
  switch (plan.fill) {
    case SquareFill::Menu: Fill(pc.dc, pc.geometry.square, palette.menu); break;
    case SquareFill::Dither: {
      Opening& opening = CurrentOpening();
      if (!opening.dither) opening.dither = MakeDitherBrush(palette);
      if (opening.dither) FillRect(pc.dc, &square, opening.dither.get());
      break;
    }
    case SquareFill::None: break;
  }
  switch (plan.content) {
    case SquareContent::Image:
      if (Images) ImageList_Draw(Images, pc.imageIndex, pc.dc, box.left, box.top, ILD_TRANSPARENT);
      break;
    case SquareContent::DisabledImage: DrawDisabledImage(pc.dc, box.left, box.top, pc.imageIndex); break;
    case SquareContent::Check: DrawMark(pc.dc, box, Mark::Black); break;
    case SquareContent::CheckMono: DrawMark(pc.dc, box, Mark::Grey); break;
    case SquareContent::None: break;
  }
  if (plan.sunken && !palette.systemFrames) {
    Frame(pc.dc, square, palette.shadow, palette.etch);
  } else if (plan.sunken) {
    DrawEdge(pc.dc, &square, BDR_SUNKENINNER, BF_SOFT | BF_TOPLEFT);
    DrawEdge(pc.dc, &square, BDR_SUNKENOUTER, BF_BOTTOMRIGHT);
  }
}

// A check mark drawn over the image box at the box's own size, blended by
// its alpha. The marks are black line art edged in white: on a dark menu
// they are drawn inverted (white edged in black).
void TCoolMenu::DrawMark(HDC dc, const LayoutRect& box, Mark which) {
  Opening& opening = CurrentOpening();
  platform::UniqueBitmap& mark = opening.marks[static_cast<int>(which)];
  if (!mark)
    mark = MarkBitmap(resourceInstance_, kMarkResources[static_cast<int>(which)], opening.imageSize,
                      opening.palette.dark);
  if (!opening.pictureDc) opening.pictureDc.reset(CreateCompatibleDC(dc));
  if (!mark || !opening.pictureDc) return;
  ScopedSelect select(opening.pictureDc.get(), mark.get());
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  GdiAlphaBlend(dc, box.left, box.top, box.Width(), box.Height(), opening.pictureDc.get(), 0, 0, opening.imageSize,
                opening.imageSize, blend);
}

void TCoolMenu::DrawItemText(const PaintContext& pc, const TRememberedItem& item) {
  ScopedSelect select(pc.dc, MenuFont(item.Default));
  SetBkMode(pc.dc, TRANSPARENT);
  const std::string text = DisplayText(item.Caption);
  const UINT format = DT_LEFT | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER;
  const TextPlan plan = Text(MenuStyle, pc.state);
  const MenuPalette& palette = CurrentOpening().palette;
  RECT area = ToRect(pc.geometry.text);
  if (plan.etched) {
    RECT etch = area;
    OffsetRect(&etch, 1, 1);
    SetTextColor(pc.dc, palette.Of(plan.etchColour));
    DrawCp932Text(pc.dc, text, etch, format);
  }
  SetTextColor(pc.dc, palette.Of(plan.colour));
  DrawCp932Text(pc.dc, text, area, format);
}

// The system's arrow glyph (black on white) as a one-bit mask, painted in
// the colour of the item's text.
void TCoolMenu::DrawSubmenuArrow(const PaintContext& pc) {
  const LayoutRect box = SubmenuArrow(pc.geometry.row, CurrentOpening().dpi);
  const int width = box.Width(), height = box.Height();
  platform::UniqueMemoryDc maskDc(CreateCompatibleDC(pc.dc));
  platform::UniqueBitmap mask(CreateBitmap(width, height, 1, 1, nullptr));
  if (!maskDc || !mask) return;
  ScopedSelect selectMask(maskDc.get(), mask.get());
  RECT all{0, 0, width, height};
  PatBlt(maskDc.get(), 0, 0, width, height, WHITENESS);
  DrawFrameControl(maskDc.get(), &all, DFC_MENU, DFCS_MENUARROW);
  PatBlt(maskDc.get(), 0, 0, width, height, DSTINVERT);  // the glyph's pixels become the set ones

  ScopedSaveDc save(pc.dc);
  SetTextColor(pc.dc, RGB(0, 0, 0));
  SetBkColor(pc.dc, RGB(255, 255, 255));
  ScopedColourBrush brush(pc.dc, CurrentOpening().palette.Of(Text(MenuStyle, pc.state).colour));
  BitBlt(pc.dc, box.left, box.top, width, height, maskDc.get(), 0, 0, kRopPaintWhereSet);
}

void TCoolMenu::PaintMenuBackground(HMENU menu) {
  Opening& opening = CurrentOpening();
  if (!opening.palette.dark || !menu) return;
  if (!opening.background) opening.background.reset(CreateSolidBrush(opening.palette.menu));
  if (!opening.background) return;
  MENUINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = MIM_BACKGROUND | MIM_APPLYTOSUBMENUS;
  info.hbrBack = opening.background.get();
  if (SetMenuInfo(menu, &info) && !opening.backgroundMenu) opening.backgroundMenu = menu;
}

void TCoolMenu::DrawSeparator(HDC dc, const RECT& row) {
  const SeparatorLines lines = Separator(ToLayout(row));
  const MenuPalette& palette = CurrentOpening().palette;
  Fill(dc, LayoutRect{lines.left, lines.y, lines.right, lines.y + 1}, palette.separator);
  Fill(dc, LayoutRect{lines.left, lines.y + 1, lines.right, lines.y + 2}, palette.separatorLight);
}

void TCoolMenu::DrawDisabledImage(HDC dc, int x, int y, int imageIndex) {
  if (imageIndex < 0 || !Images) return;
  Opening& opening = CurrentOpening();
  const int size = opening.imageSize;
  if (!opening.pictureDc) opening.pictureDc.reset(CreateCompatibleDC(dc));
  // The picture on white; its pure black pixels become the set bits of a mask.
  platform::UniqueBitmap colour(CreateCompatibleBitmap(dc, size, size));
  platform::UniqueMemoryDc maskDc(CreateCompatibleDC(dc));
  platform::UniqueBitmap mask(CreateBitmap(size, size, 1, 1, nullptr));
  if (!opening.pictureDc || !colour || !maskDc || !mask) return;
  HDC colourDc = opening.pictureDc.get();
  ScopedSelect selectColour(colourDc, colour.get());
  ScopedSelect selectMask(maskDc.get(), mask.get());
  PatBlt(colourDc, 0, 0, size, size, WHITENESS);
  ImageList_Draw(Images, imageIndex, colourDc, 0, 0, ILD_TRANSPARENT);
  SetBkColor(colourDc, RGB(0, 0, 0));
  BitBlt(maskDc.get(), 0, 0, size, size, colourDc, 0, 0, SRCCOPY);

  // Etched: the set pixels in the highlight colour one pixel right and down,
  // then in the shadow colour at the corner; clear pixels leave the screen.
  ScopedSaveDc save(dc);
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  {
    ScopedColourBrush brush(dc, opening.palette.disabledPictureEtch);
    BitBlt(dc, x + 1, y + 1, size, size, maskDc.get(), 0, 0, kRopPaintWhereSet);
  }
  {
    ScopedColourBrush brush(dc, opening.palette.disabledPicture);
    BitBlt(dc, x, y, size, size, maskDc.get(), 0, 0, kRopPaintWhereSet);
  }
}

// --------------------------------------------------------------- TPopupCool

TPopupCool::TPopupCool(HINSTANCE resourceInstance) : TCoolMenu(resourceInstance) {
  Renderers().push_back(this);
}

TPopupCool::~TPopupCool() {
  auto& renderers = Renderers();
  renderers.erase(std::remove(renderers.begin(), renderers.end(), this), renderers.end());
}

void TPopupCool::SetMenu(HMENU menu) {
  if (menu == menu_) return;
  menu_ = menu;
  if (menu_) OwnerDrawItems(menu_);
}

HMENU TPopupCool::Menu() const { return menu_; }

bool TPopupCool::Owns(HMENU popup) {
  if (menu_ && !IsMenu(menu_)) {
    // The bound menu was destroyed: forget it, its image entries and what
    // its opening held.
    menu_ = nullptr;
    ClearItemImages();
    ReleaseOpening();
  }
  if (!menu_ || !popup) return false;
  if (popup == menu_) return true;
  // Search the submenus breadth by level, with the same depth guard as the
  // owner-drawing walk.
  std::vector<HMENU> level{menu_};
  for (int depth = 0; depth < kMaxMenuDepth && !level.empty(); ++depth) {
    std::vector<HMENU> next;
    for (HMENU menu : level) {
      const int count = GetMenuItemCount(menu);
      for (int i = 0; i < count; ++i) {
        HMENU sub = GetSubMenu(menu, i);
        if (!sub) continue;
        if (sub == popup) return true;
        next.push_back(sub);
      }
    }
    level.swap(next);
  }
  return false;
}

TPopupCool* TPopupCool::ByItemData(ULONG_PTR data) {
  // Item data is trusted only when it names a live renderer: other code may
  // own-draw items of its own with any data.
  for (TPopupCool* renderer : Renderers())
    if (reinterpret_cast<ULONG_PTR>(renderer) == data) return renderer;
  return nullptr;
}

TPopupCool* TPopupCool::ByMenu(HMENU popup) {
  for (TPopupCool* renderer : Renderers())
    if (renderer->Owns(popup)) return renderer;
  return nullptr;
}

LRESULT TPopupCool::MenuChar(HMENU popup, unsigned typed) const {
  const int count = GetMenuItemCount(popup);
  if (count <= 0) return MNC_IGNORE;
  std::vector<std::string> captions;
  captions.reserve(static_cast<std::size_t>(count));
  const ULONG_PTR self = reinterpret_cast<ULONG_PTR>(this);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
    std::string caption;
    if (GetMenuItemInfoW(popup, static_cast<UINT>(i), TRUE, &info)) {
      const TRememberedItem* known = FindItem(info.wID);
      if ((info.fType & MFT_OWNERDRAW) && info.dwItemData == self && known)
        caption = known->Caption;
      else if (!(info.fType & MFT_SEPARATOR))
        caption = MenuItemText(popup, static_cast<UINT>(i));
    }
    captions.push_back(std::move(caption));
  }
  // Every item of a system menu is shown, so all count as visible.
  std::vector<AcceleratorItem> items;
  items.reserve(captions.size());
  for (const std::string& caption : captions) items.push_back(AcceleratorItem{caption, true});
  return static_cast<LRESULT>(MatchAccelerator(items, typed));
}

void TPopupCool::Report(const char* message) const noexcept {
  try {
    if (OnError) OnError(message);
  } catch (...) {
  }
}

bool TPopupCool::RouteMessage(HWND owner, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) noexcept {
  TPopupCool* renderer = nullptr;
  try {
    switch (msg) {
      case WM_MEASUREITEM: {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        if (wp != 0 || !measure || measure->CtlType != ODT_MENU || measure->itemData == 0) return false;
        renderer = ByItemData(measure->itemData);
        if (!renderer) return false;
        result = TRUE;
        renderer->MeasureItem(*measure);
        return true;
      }
      case WM_DRAWITEM: {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
        if (!draw || draw->CtlType != ODT_MENU || draw->itemData == 0) return false;
        renderer = ByItemData(draw->itemData);
        if (!renderer) return false;
        result = TRUE;
        renderer->PaintItem(*draw);
        return true;
      }
      case WM_INITMENUPOPUP: {
        HMENU popup = reinterpret_cast<HMENU>(wp);
        renderer = ByMenu(popup);
        if (!renderer) return false;
        result = 0;
        // Items added after the renderer was attached are switched now,
        // before the system measures the popup.
        renderer->OwnerDrawItems(popup);
        renderer->PaintMenuBackground(popup);
        return true;
      }
      case WM_MENUSELECT: {
        renderer = ByMenu(reinterpret_cast<HMENU>(lp));
        if (!renderer) return false;
        result = 0;
        return true;
      }
      case WM_UNINITMENUPOPUP: {
        // The bound menu itself closes (its submenus close before it): what
        // the opening held goes, and the window sees the message as usual.
        HMENU popup = reinterpret_cast<HMENU>(wp);
        for (TPopupCool* candidate : Renderers()) {
          if (popup && candidate->menu_ == popup) {
            renderer = candidate;
            candidate->ReleaseOpening();
          }
        }
        return false;
      }
      case WM_MENUCHAR: {
        HMENU popup = reinterpret_cast<HMENU>(lp);
        renderer = ByMenu(popup);
        if (!renderer) return false;
        result = MNC_IGNORE;
        result = renderer->MenuChar(popup, TypedCode(static_cast<wchar_t>(LOWORD(wp))));
        if (HIWORD(result) == MNC_IGNORE)
          result = renderer->FindByTyping(owner, popup, static_cast<wchar_t>(LOWORD(wp)), GetTickCount());
        return true;
      }
      default:
        if (!CheckTypedSelection(owner, msg, wp, lp)) return false;
        result = 0;
        return true;
    }
  } catch (const std::exception& error) {
    if (renderer) renderer->Report(error.what());
  } catch (...) {
    if (renderer) renderer->Report("");
  }
  return renderer != nullptr;
}

}  // namespace quenlark::ui
