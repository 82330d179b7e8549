#include "ui/CoolMenu.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <exception>

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

// The check marks' transparent colour.
constexpr COLORREF kCheckTransparent = RGB(128, 0, 128);
// Paints the brush where the (monochrome) source is set and leaves the
// destination alone elsewhere, with text colour black and background white.
constexpr DWORD kRopPaintWhereSet = 0x00E20746;
// Submenus deeper than this are not followed (a guard, menus are shallow).
constexpr int kMaxMenuDepth = 32;

void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }
void DeleteMemoryDc(HDC dc) { DeleteDC(dc); }
using UniqueGdi = platform::Unique<HGDIOBJ, &DeleteGdiObject>;
using UniqueDc = platform::Unique<HDC, &DeleteMemoryDc>;

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

void Fill(HDC dc, const LayoutRect& area, SysColour colour) {
  RECT r = ToRect(area);
  FillRect(dc, &r, GetSysColorBrush(static_cast<int>(colour)));
}

// The system's menu font, read afresh each time (the user may change it
// while the program runs): its face, height, italic, and bold when heavier
// than 500; `bold` forces bold for a default item.
struct MenuFont {
  UniqueGdi font;
  int height = 0;
};
MenuFont LoadMenuFont(bool bold) {
  LOGFONTA source{};
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  bool found = SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
  if (!found) {
    // Systems before Vista know the structure without its last field.
    metrics.cbSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
    found = SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
  }
  if (found)
    source = metrics.lfMenuFont;
  else
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(source), &source);

  LOGFONTA lf{};
  lf.lfHeight = source.lfHeight;
  lf.lfItalic = source.lfItalic;
  lf.lfWeight = (bold || source.lfWeight > 500) ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  std::memcpy(lf.lfFaceName, source.lfFaceName, sizeof(lf.lfFaceName));
  lf.lfFaceName[LF_FACESIZE - 1] = '\0';
  MenuFont result;
  result.font.reset(CreateFontIndirectA(&lf));
  result.height = lf.lfHeight;
  return result;
}

// Draws a 16 x 16 bitmap with one colour left out, with nothing beyond GDI:
// the picture is XORed in, the mask clears the picture's own pixels to
// black, and a second XOR puts the picture back only there.
void DrawTransparentBitmap(HDC dc, int x, int y, HBITMAP bitmap, COLORREF transparent) {
  if (!bitmap) return;
  UniqueDc source(CreateCompatibleDC(dc));
  UniqueDc maskDc(CreateCompatibleDC(dc));
  UniqueGdi mask(CreateBitmap(kImageSize, kImageSize, 1, 1, nullptr));
  if (!source || !maskDc || !mask) return;
  ScopedSelect selectSource(source.get(), bitmap);
  ScopedSelect selectMask(maskDc.get(), mask.get());
  // Colour to monochrome: the background colour becomes 1, all else 0.
  SetBkColor(source.get(), transparent);
  BitBlt(maskDc.get(), 0, 0, kImageSize, kImageSize, source.get(), 0, 0, SRCCOPY);

  ScopedSaveDc save(dc);
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  BitBlt(dc, x, y, kImageSize, kImageSize, source.get(), 0, 0, SRCINVERT);
  BitBlt(dc, x, y, kImageSize, kImageSize, maskDc.get(), 0, 0, SRCAND);
  BitBlt(dc, x, y, kImageSize, kImageSize, source.get(), 0, 0, SRCINVERT);
}

// The 8 x 8 dither brush of a checked square: the menu colour with white
// on alternate pixels. Made per paint so that it follows the menu colour.
UniqueGdi MakeDitherBrush(HDC dc) {
  UniqueDc memory(CreateCompatibleDC(dc));
  UniqueGdi bitmap(CreateCompatibleBitmap(dc, kDitherSize, kDitherSize));
  if (!memory || !bitmap) return UniqueGdi();
  {
    ScopedSelect select(memory.get(), bitmap.get());
    const COLORREF menu = GetSysColor(COLOR_MENU);
    for (int y = 0; y < kDitherSize; ++y)
      for (int x = 0; x < kDitherSize; ++x)
        SetPixel(memory.get(), x, y, DitherPixelIsWhite(x, y) ? RGB(255, 255, 255) : menu);
  }
  return UniqueGdi(CreatePatternBrush(static_cast<HBITMAP>(bitmap.get())));
}

// The check marks, shared by all renderers of the process.
struct SharedPictures {
  HBITMAP check = nullptr;
  HBITMAP checkMono = nullptr;
  int users = 0;
};
SharedPictures& Pictures() {
  static SharedPictures pictures;
  return pictures;
}

// Every popup renderer of the process, in the order they were created.
std::vector<TPopupCool*>& Renderers() {
  static std::vector<TPopupCool*> renderers;
  return renderers;
}

// An item's text as the system holds it (empty for items without text).
std::string MenuItemText(HMENU menu, UINT position) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STRING;
  if (!GetMenuItemInfoA(menu, position, TRUE, &info) || info.cch == 0) return {};
  std::string text(info.cch + 1, '\0');
  info.dwTypeData = text.data();
  info.cch = static_cast<UINT>(text.size());
  if (!GetMenuItemInfoA(menu, position, TRUE, &info)) return {};
  text.resize(std::strlen(text.c_str()));
  return text;
}

}  // namespace

// ---------------------------------------------------------------- TCoolMenu

TCoolMenu::TCoolMenu(HINSTANCE resourceInstance) {
  SharedPictures& pictures = Pictures();
  // A renderer that finds the marks missing (an earlier one was given the
  // wrong module) loads them again.
  if (!pictures.check) pictures.check = LoadBitmapA(resourceInstance, "CHECK");
  if (!pictures.checkMono) pictures.checkMono = LoadBitmapA(resourceInstance, "CHECKMONO");
  ++pictures.users;
}

TCoolMenu::~TCoolMenu() {
  SharedPictures& pictures = Pictures();
  if (--pictures.users > 0) return;
  if (pictures.check) DeleteObject(pictures.check);
  if (pictures.checkMono) DeleteObject(pictures.checkMono);
  pictures = SharedPictures{};
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
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
    if (!GetMenuItemInfoA(menu, pos, TRUE, &info)) throw ECoolMenuError(OwnerDrawFailureMessage(std::string()));

    // An item this renderer switched before keeps what was read then: the
    // system may no longer give its text back.
    const bool ours = (info.fType & MFT_OWNERDRAW) && info.dwItemData == self;
    const TRememberedItem* known = FindItem(info.wID);
    TRememberedItem item;
    if (ours && known)
      item.Caption = known->Caption;
    else if (!(info.fType & MFT_SEPARATOR))
      item.Caption = MenuItemText(menu, pos);
    item.Separator = (info.fType & MFT_SEPARATOR) || IsSeparatorCaption(item.Caption);
    if (item.Separator) item.Caption.assign(1, '-');
    item.Enabled = !(info.fState & MFS_DISABLED);
    item.Checked = info.fState & MFS_CHECKED;
    item.Default = info.fState & MFS_DEFAULT;
    items_[info.wID] = item;

    // SetMenuItemInfo changes type, state and data and leaves the submenu
    // alone; ModifyMenu by command would drop an item's submenu.
    MENUITEMINFOA change{};
    change.cbSize = sizeof(change);
    change.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_DATA;
    change.fType = MFT_OWNERDRAW | (info.fType & (MFT_RADIOCHECK | MFT_MENUBREAK | MFT_MENUBARBREAK));
    if (item.Separator) change.fType |= MFT_SEPARATOR;
    change.fState = info.fState & (MFS_CHECKED | MFS_DISABLED | MFS_DEFAULT);
    change.dwItemData = self;
    if (!SetMenuItemInfoA(menu, pos, TRUE, &change)) throw ECoolMenuError(OwnerDrawFailureMessage(item.Caption));

    if (info.hSubMenu && depth < kMaxMenuDepth) OwnerDrawLevel(info.hSubMenu, item.Caption, depth + 1);
  }
}

void TCoolMenu::MeasureItem(MEASUREITEMSTRUCT& measure) {
  const TRememberedItem item = ItemOrBlank(measure.itemID);
  MenuFont font = LoadMenuFont(item.Default);
  UINT height = static_cast<UINT>(MeasureHeight(item.Separator, itemHeight_, true, font.height));

  UniqueDc dc(CreateCompatibleDC(nullptr));
  int textWidth = 0;
  if (dc) {
    ScopedSelect select(dc.get(), font.font.get());
    const std::string text = DisplayText(item.Caption);
    RECT r{0, 0, 0, 0};
    DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER);
    textWidth = r.right - r.left;
  }
  measure.itemWidth = static_cast<UINT>(MeasureWidth(textWidth, itemHeight_));
  DoMeasureItem(measure.itemID, height);
  measure.itemHeight = height;
}

void TCoolMenu::DoMeasureItem(UINT, UINT&) {}

void TCoolMenu::PaintItem(const DRAWITEMSTRUCT& draw) {
  const TRememberedItem item = ItemOrBlank(draw.itemID);
  PaintContext pc{};
  pc.dc = draw.hDC;
  pc.geometry = Geometry(ToLayout(draw.rcItem), itemHeight_);
  // The state comes from the system, which holds the item's live flags.
  pc.state.selected = draw.itemState & ODS_SELECTED;
  pc.state.enabled = !(draw.itemState & (ODS_GRAYED | ODS_DISABLED));
  pc.state.checked = draw.itemState & ODS_CHECKED;
  pc.imageIndex = ImageIndexOf(draw.itemID);
  pc.state.hasImage = pc.imageIndex >= 0;
  DrawItem(pc, item, draw.itemState & ODS_FOCUS);
}

void TCoolMenu::DrawItem(const PaintContext& pc, const TRememberedItem& item, bool focused) {
  ScopedSaveDc save(pc.dc);
  const ItemGeometry& g = pc.geometry;
  // The whole row gets the menu colour first, so that an icon column the
  // highlight spares never keeps pixels of an earlier paint.
  Fill(pc.dc, g.row, SysColour::Menu);
  if (item.Separator) {
    RECT row = ToRect(g.row);
    DrawSeparator(pc.dc, row);
  } else {
    switch (Highlight(MenuStyle, pc.state)) {
      case HighlightArea::Row: Fill(pc.dc, g.row, SysColour::Highlight); break;
      case HighlightArea::Text: Fill(pc.dc, g.text, SysColour::Highlight); break;
      case HighlightArea::None: break;
    }
    DrawImageFrame(pc);
    DrawCheckImage(pc);
    DrawItemText(pc, item);
  }
  if (focused) {
    RECT row = ToRect(g.row);
    DrawFocusRect(pc.dc, &row);
  }
}

void TCoolMenu::DrawImageFrame(const PaintContext& pc) {
  if (!DrawsImageFrame(MenuStyle, pc.state)) return;
  RECT square = ToRect(pc.geometry.square);
  DrawEdge(pc.dc, &square, BDR_RAISEDINNER, BF_TOPLEFT);
  DrawEdge(pc.dc, &square, BDR_RAISEDINNER, BF_SOFT | BF_BOTTOMRIGHT);
}

void TCoolMenu::DrawCheckImage(const PaintContext& pc) {
  const SquarePlan plan = Square(MenuStyle, pc.state);
  const LayoutRect& box = pc.geometry.image;
  RECT square = ToRect(pc.geometry.square);
  switch (plan.fill) {
    case SquareFill::Menu: Fill(pc.dc, pc.geometry.square, SysColour::Menu); break;
    case SquareFill::Dither: {
      UniqueGdi brush = MakeDitherBrush(pc.dc);
      if (brush) FillRect(pc.dc, &square, static_cast<HBRUSH>(brush.get()));
      break;
    }
    case SquareFill::None: break;
  }
  switch (plan.content) {
    case SquareContent::Image:
      if (Images) ImageList_Draw(Images, pc.imageIndex, pc.dc, box.left, box.top, ILD_TRANSPARENT);
      break;
    case SquareContent::DisabledImage: DrawDisabledImage(pc.dc, box.left, box.top, pc.imageIndex); break;
    case SquareContent::Check:
      DrawTransparentBitmap(pc.dc, box.left, box.top, Pictures().check, kCheckTransparent);
      break;
    case SquareContent::CheckMono:
      DrawTransparentBitmap(pc.dc, box.left, box.top, Pictures().checkMono, kCheckTransparent);
      break;
    case SquareContent::None: break;
  }
  if (plan.sunken) {
    DrawEdge(pc.dc, &square, BDR_SUNKENINNER, BF_SOFT | BF_TOPLEFT);
    DrawEdge(pc.dc, &square, BDR_SUNKENOUTER, BF_BOTTOMRIGHT);
  }
}

void TCoolMenu::DrawItemText(const PaintContext& pc, const TRememberedItem& item) {
  MenuFont font = LoadMenuFont(item.Default);
  ScopedSelect select(pc.dc, font.font.get());
  SetBkMode(pc.dc, TRANSPARENT);
  const std::string text = DisplayText(item.Caption);
  const UINT format = DT_LEFT | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER;
  const TextPlan plan = Text(MenuStyle, pc.state);
  RECT area = ToRect(pc.geometry.text);
  if (plan.etched) {
    RECT etch = area;
    OffsetRect(&etch, 1, 1);
    SetTextColor(pc.dc, GetSysColor(static_cast<int>(plan.etchColour)));
    DrawTextA(pc.dc, text.c_str(), static_cast<int>(text.size()), &etch, format);
  }
  SetTextColor(pc.dc, GetSysColor(static_cast<int>(plan.colour)));
  DrawTextA(pc.dc, text.c_str(), static_cast<int>(text.size()), &area, format);
}

void TCoolMenu::DrawSeparator(HDC dc, const RECT& row) {
  const SeparatorLines lines = Separator(ToLayout(row));
  Fill(dc, LayoutRect{lines.left, lines.y, lines.right, lines.y + 1}, SysColour::GrayText);
  Fill(dc, LayoutRect{lines.left, lines.y + 1, lines.right, lines.y + 2}, SysColour::BtnHighlight);
}

void TCoolMenu::DrawDisabledImage(HDC dc, int x, int y, int imageIndex) {
  if (imageIndex < 0 || !Images) return;
  // The picture on white; its pure black pixels become the set bits of a mask.
  UniqueDc colourDc(CreateCompatibleDC(dc));
  UniqueGdi colour(CreateCompatibleBitmap(dc, kImageSize, kImageSize));
  UniqueDc maskDc(CreateCompatibleDC(dc));
  UniqueGdi mask(CreateBitmap(kImageSize, kImageSize, 1, 1, nullptr));
  if (!colourDc || !colour || !maskDc || !mask) return;
  ScopedSelect selectColour(colourDc.get(), colour.get());
  ScopedSelect selectMask(maskDc.get(), mask.get());
  PatBlt(colourDc.get(), 0, 0, kImageSize, kImageSize, WHITENESS);
  ImageList_Draw(Images, imageIndex, colourDc.get(), 0, 0, ILD_TRANSPARENT);
  SetBkColor(colourDc.get(), RGB(0, 0, 0));
  BitBlt(maskDc.get(), 0, 0, kImageSize, kImageSize, colourDc.get(), 0, 0, SRCCOPY);

  // Etched: the set pixels in the highlight colour one pixel right and down,
  // then in the shadow colour at the corner; clear pixels leave the screen.
  ScopedSaveDc save(dc);
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  {
    ScopedSelect brush(dc, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    BitBlt(dc, x + 1, y + 1, kImageSize, kImageSize, maskDc.get(), 0, 0, kRopPaintWhereSet);
  }
  {
    ScopedSelect brush(dc, GetSysColorBrush(COLOR_BTNSHADOW));
    BitBlt(dc, x, y, kImageSize, kImageSize, maskDc.get(), 0, 0, kRopPaintWhereSet);
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
    // The bound menu was destroyed: forget it and its image entries.
    menu_ = nullptr;
    ClearItemImages();
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
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
    std::string caption;
    if (GetMenuItemInfoA(popup, static_cast<UINT>(i), TRUE, &info)) {
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

bool TPopupCool::RouteMessage(HWND, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) noexcept {
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
        return true;
      }
      case WM_MENUSELECT: {
        renderer = ByMenu(reinterpret_cast<HMENU>(lp));
        if (!renderer) return false;
        result = 0;
        return true;
      }
      case WM_MENUCHAR: {
        HMENU popup = reinterpret_cast<HMENU>(lp);
        renderer = ByMenu(popup);
        if (!renderer) return false;
        result = MNC_IGNORE;
        result = renderer->MenuChar(popup, LOWORD(wp));
        return true;
      }
      default:
        return false;
    }
  } catch (const std::exception& error) {
    if (renderer) renderer->Report(error.what());
  } catch (...) {
    if (renderer) renderer->Report("");
  }
  return renderer != nullptr;
}

}  // namespace quenlark::ui
