// The menu renderer against real menus and real GDI: switching items to
// owner drawing, the message routing, measuring, and the pixels each look
// paints for each item state.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "ui/CoolMenu.h"

using quenlark::ui::ECoolMenuError;
using quenlark::ui::msOffice;
using quenlark::ui::msWindows;
using quenlark::ui::TPopupCool;

namespace {

enum : UINT {
  kRecent = 101,
  kDash = 102,
  kSeparator = 103,
  kDisabled = 104,
  kParent = 105,
  kHelp = 106,
  kChild = 201,
  kChecked = 202,
};

void Append(HMENU menu, UINT id, const char* caption, UINT extraFlags = 0) {
  AppendMenuA(menu, MF_STRING | extraFlags, id, caption);
}

// A menu as the builders make one: items, a "-" item and a real separator,
// a disabled item, and a submenu whose parent has an identifier of its own.
struct TestMenu {
  HMENU root = CreatePopupMenu();
  HMENU sub = CreatePopupMenu();
  TestMenu() {
    Append(root, kRecent, "最近のﾌｧｲﾙ(&R)");
    Append(root, kDash, "-");
    AppendMenuA(root, MF_SEPARATOR, kSeparator, nullptr);
    Append(root, kDisabled, "無効(&H)", MF_GRAYED);
    Append(sub, kChild, "子(&C)");
    Append(sub, kChecked, "ﾁｪｯｸ(&K)", MF_CHECKED);
    MENUITEMINFOA parent{};
    parent.cbSize = sizeof(parent);
    parent.fMask = MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
    parent.wID = kParent;
    parent.hSubMenu = sub;
    parent.dwTypeData = const_cast<char*>("ｻﾌﾞ(&S)");
    InsertMenuItemA(root, GetMenuItemCount(root), TRUE, &parent);
    Append(root, kHelp, "ﾍﾙﾌﾟ(&H)...");
  }
  ~TestMenu() { DestroyMenu(root); }
};

MENUITEMINFOA InfoOf(HMENU menu, UINT id) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_DATA | MIIM_SUBMENU | MIIM_ID;
  EXPECT_TRUE(GetMenuItemInfoA(menu, id, FALSE, &info)) << id;
  return info;
}

LRESULT Route(UINT msg, WPARAM wp, LPARAM lp, bool expectHandled = true) {
  LRESULT result = -12345;
  EXPECT_EQ(TPopupCool::RouteMessage(nullptr, msg, wp, lp, result), expectHandled) << msg;
  return result;
}

int MenuFontHeight() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  EXPECT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0));
  return metrics.lfMenuFont.lfHeight;
}

MEASUREITEMSTRUCT Measure(const TPopupCool& renderer, UINT id) {
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemID = id;
  measure.itemData = reinterpret_cast<ULONG_PTR>(&renderer);
  EXPECT_EQ(Route(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)), TRUE);
  return measure;
}

// A 32-bit canvas to paint items on, read back pixel by pixel.
class Canvas {
 public:
  static constexpr int kWidth = 200;
  Canvas() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -40;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
    RECT all{0, 0, kWidth, 40};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
  int Count(const RECT& r, COLORREF colour) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += At(x, y) == colour;
    return n;
  }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

void Paint(const TPopupCool& renderer, const Canvas& canvas, UINT id, UINT state, RECT row = {0, 0, 200, 20}) {
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_MENU;
  draw.itemID = id;
  draw.itemAction = ODA_DRAWENTIRE;
  draw.itemState = state;
  draw.hDC = canvas.dc();
  draw.rcItem = row;
  draw.itemData = reinterpret_cast<ULONG_PTR>(&renderer);
  EXPECT_EQ(Route(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)), TRUE);
}

const COLORREF kImageColour = RGB(0, 0, 255);

// One 16 x 16 image: a blue square with a black frame.
HIMAGELIST MakeImages() {
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, 16, 16};
  RECT inner{2, 2, 14, 14};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  HBRUSH blue = CreateSolidBrush(kImageColour);
  FillRect(dc, &inner, blue);
  DeleteObject(blue);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  ImageList_AddMasked(images, bitmap, RGB(255, 0, 255));
  DeleteObject(bitmap);
  return images;
}

// The colours the renderer paints with, set to distinct classic values for
// the test (the session's own theme has menu, highlight and white alike) and
// put back afterwards.
constexpr int kColourIds[] = {COLOR_MENU,      COLOR_MENUTEXT, COLOR_HIGHLIGHT,   COLOR_HIGHLIGHTTEXT,
                              COLOR_BTNSHADOW, COLOR_GRAYTEXT, COLOR_BTNHIGHLIGHT};
constexpr COLORREF kTestColours[] = {RGB(212, 208, 200), RGB(0, 0, 0),       RGB(10, 36, 106), RGB(255, 255, 254),
                                     RGB(128, 128, 128), RGB(120, 120, 120), RGB(255, 255, 255)};
constexpr int kColourCount = sizeof(kColourIds) / sizeof(kColourIds[0]);

class CoolMenuTest : public testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < kColourCount; ++i) saved_[i] = GetSysColor(kColourIds[i]);
    ASSERT_TRUE(SetSysColors(kColourCount, kColourIds, kTestColours));
    images_ = MakeImages();
    renderer_ = std::make_unique<TPopupCool>(GetModuleHandleA(nullptr));
  }
  void TearDown() override {
    renderer_.reset();
    ImageList_Destroy(images_);
    SetSysColors(kColourCount, kColourIds, saved_);
  }
  // Gives item `id` image 0.
  void GiveImage(UINT id) {
    renderer_->Images = images_;
    quenlark::ui::TItemImage& entry = renderer_->AddItemImage();
    entry.MenuItem = id;
    entry.ImageIndex = 0;
  }
  COLORREF Sys(int index) const { return GetSysColor(index); }

  COLORREF saved_[kColourCount] = {};
  HIMAGELIST images_ = nullptr;
  std::unique_ptr<TPopupCool> renderer_;
};

}  // namespace

// ------------------------------------------------------ switching the items

TEST_F(CoolMenuTest, AttachingSwitchesEveryItemKeepingSubmenusAndStates) {
  TestMenu menu;
  renderer_->SetMenu(menu.root);
  EXPECT_EQ(renderer_->Menu(), menu.root);

  const ULONG_PTR self = reinterpret_cast<ULONG_PTR>(renderer_.get());
  for (UINT id : {kRecent, kDash, kSeparator, kDisabled, kParent, kHelp, kChild, kChecked}) {
    MENUITEMINFOA info = InfoOf(menu.root, id);
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << id;
    EXPECT_EQ(info.dwItemData, self) << id;
    EXPECT_EQ(info.wID, id);
  }
  EXPECT_EQ(InfoOf(menu.root, kParent).hSubMenu, menu.sub);
  EXPECT_TRUE(InfoOf(menu.root, kDash).fType & MFT_SEPARATOR);
  EXPECT_TRUE(InfoOf(menu.root, kSeparator).fType & MFT_SEPARATOR);
  EXPECT_FALSE(InfoOf(menu.root, kRecent).fType & MFT_SEPARATOR);
  EXPECT_TRUE(InfoOf(menu.root, kDisabled).fState & MFS_GRAYED);
  EXPECT_FALSE(InfoOf(menu.root, kRecent).fState & MFS_GRAYED);
  EXPECT_TRUE(InfoOf(menu.root, kChecked).fState & MFS_CHECKED);
  EXPECT_EQ(GetMenuItemCount(menu.root), 6);
  EXPECT_EQ(GetMenuItemCount(menu.sub), 2);

  ASSERT_NE(renderer_->FindItem(kRecent), nullptr);
  EXPECT_EQ(renderer_->FindItem(kRecent)->Caption, "最近のﾌｧｲﾙ(&R)");
  EXPECT_EQ(renderer_->FindItem(kParent)->Caption, "ｻﾌﾞ(&S)");
  EXPECT_EQ(renderer_->FindItem(kChecked)->Caption, "ﾁｪｯｸ(&K)");
  EXPECT_TRUE(renderer_->FindItem(kChecked)->Checked);
  EXPECT_FALSE(renderer_->FindItem(kDisabled)->Enabled);
  EXPECT_TRUE(renderer_->FindItem(kSeparator)->Separator);
  EXPECT_EQ(renderer_->FindItem(kSeparator)->Caption, "-");
  EXPECT_TRUE(renderer_->FindItem(kDash)->Separator);

  // Switching again (the builders do after every build) keeps the captions.
  renderer_->OwnerDrawItems(menu.root);
  EXPECT_EQ(renderer_->FindItem(kHelp)->Caption, "ﾍﾙﾌﾟ(&H)...");
  EXPECT_EQ(renderer_->FindItem(kChild)->Caption, "子(&C)");
}

TEST_F(CoolMenuTest, ItemsAddedLaterAreSwitchedWhenThePopupOpens) {
  TestMenu menu;
  renderer_->SetMenu(menu.root);
  Append(menu.root, 107, "後から(&L)");
  Append(menu.sub, 203, "孫(&G)");
  EXPECT_FALSE(InfoOf(menu.root, 107).fType & MFT_OWNERDRAW);

  EXPECT_EQ(Route(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu.root), 0), 0);
  EXPECT_TRUE(InfoOf(menu.root, 107).fType & MFT_OWNERDRAW);
  EXPECT_EQ(renderer_->FindItem(107)->Caption, "後から(&L)");
  EXPECT_TRUE(InfoOf(menu.root, 203).fType & MFT_OWNERDRAW);

  Append(menu.sub, 204, "曾孫");
  EXPECT_EQ(Route(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu.sub), 0), 0);
  EXPECT_TRUE(InfoOf(menu.root, 204).fType & MFT_OWNERDRAW);

  // A popup of no renderer takes the window's normal path.
  HMENU stranger = CreatePopupMenu();
  Route(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(stranger), 0, false);
  Route(WM_MENUSELECT, 0, reinterpret_cast<LPARAM>(stranger), false);
  DestroyMenu(stranger);
  Route(WM_COMMAND, kRecent, 0, false);
}

TEST_F(CoolMenuTest, DetachingLeavesItemsSwitchedAndSetMenuOnlyActsOnChange) {
  TestMenu menu;
  renderer_->SetMenu(menu.root);
  renderer_->SetMenu(nullptr);
  EXPECT_EQ(renderer_->Menu(), nullptr);
  EXPECT_TRUE(InfoOf(menu.root, kRecent).fType & MFT_OWNERDRAW);
  // A detached renderer no longer answers for the menu.
  Route(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu.root), 0, false);

  Append(menu.root, 108, "新");
  renderer_->SetMenu(menu.root);
  EXPECT_TRUE(InfoOf(menu.root, 108).fType & MFT_OWNERDRAW);
  Append(menu.root, 109, "同じ");
  renderer_->SetMenu(menu.root);  // the same menu: nothing to do
  EXPECT_FALSE(InfoOf(menu.root, 109).fType & MFT_OWNERDRAW);
}

TEST_F(CoolMenuTest, ABadMenuHandleRaisesTheOwnerDrawError) {
  HMENU gone = CreatePopupMenu();
  DestroyMenu(gone);
  try {
    renderer_->OwnerDrawItems(gone);
    FAIL() << "no error raised";
  } catch (const ECoolMenuError& error) {
    EXPECT_STREQ(error.what(), " のオーナードローに失敗しました");
  }
  EXPECT_THROW(renderer_->SetMenu(gone), ECoolMenuError);
}

TEST_F(CoolMenuTest, ADestroyedBoundMenuIsForgottenWithItsImageEntries) {
  HMENU menu = CreatePopupMenu();
  Append(menu, kRecent, "a");
  renderer_->SetMenu(menu);
  GiveImage(kRecent);
  DestroyMenu(menu);
  HMENU other = CreatePopupMenu();
  Route(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(other), 0, false);
  DestroyMenu(other);
  EXPECT_EQ(renderer_->Menu(), nullptr);
  EXPECT_TRUE(renderer_->ItemImages().empty());
}

// ----------------------------------------------------------------- routing

TEST_F(CoolMenuTest, ItemDataRoutesToTheRendererItNamesAndNothingElse) {
  TestMenu first;
  HMENU secondMenu = CreatePopupMenu();
  Append(secondMenu, 301, "second");
  TPopupCool second(GetModuleHandleA(nullptr));
  renderer_->SetMenu(first.root);
  second.SetMenu(secondMenu);
  EXPECT_EQ(InfoOf(secondMenu, 301).dwItemData, reinterpret_cast<ULONG_PTR>(&second));
  EXPECT_EQ(Route(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(secondMenu), 0), 0);

  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemID = 301;
  int local = 0;
  measure.itemData = reinterpret_cast<ULONG_PTR>(&local);  // not a renderer
  Route(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), false);
  measure.itemData = 0;
  Route(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), false);
  measure.itemData = reinterpret_cast<ULONG_PTR>(&second);
  Route(WM_MEASUREITEM, 5, reinterpret_cast<LPARAM>(&measure), false);  // a control's
  measure.CtlType = ODT_LISTBOX;
  Route(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), false);
  DestroyMenu(secondMenu);
}

TEST_F(CoolMenuTest, MenuCharExecutesTheItemWithTheTypedAccelerator) {
  TestMenu menu;
  renderer_->SetMenu(menu.root);
  const LPARAM root = reinterpret_cast<LPARAM>(menu.root);
  const WPARAM popupFlag = static_cast<WPARAM>(MF_POPUP) << 16;
  // Positions count every item of the menu, separators included.
  EXPECT_EQ(Route(WM_MENUCHAR, 'r' | popupFlag, root), MAKELRESULT(0, MNC_EXECUTE));
  EXPECT_EQ(Route(WM_MENUCHAR, 'S' | popupFlag, root), MAKELRESULT(4, MNC_EXECUTE));
  // "無効(&H)" comes first and is chosen, disabled or not.
  EXPECT_EQ(Route(WM_MENUCHAR, 'h' | popupFlag, root), MAKELRESULT(3, MNC_EXECUTE));
  EXPECT_EQ(Route(WM_MENUCHAR, 'k' | popupFlag, root), MNC_IGNORE);
  EXPECT_EQ(Route(WM_MENUCHAR, '-' | popupFlag, root), MNC_IGNORE);
  // In the submenu, its own items are searched.
  EXPECT_EQ(Route(WM_MENUCHAR, 'K' | popupFlag, reinterpret_cast<LPARAM>(menu.sub)), MAKELRESULT(1, MNC_EXECUTE));

  HMENU stranger = CreatePopupMenu();
  Append(stranger, 1, "&Zed");
  Route(WM_MENUCHAR, 'z', reinterpret_cast<LPARAM>(stranger), false);
  DestroyMenu(stranger);
}

TEST_F(CoolMenuTest, MenuCharSelectsWhatTypingFindsWhereNoAcceleratorMatches) {
  TestMenu menu;
  renderer_->SetMenu(menu.root);
  renderer_->SetFindName(kRecent, "report");
  renderer_->SetFindName(kParent, "\xFC\x80\xFC\x90\xFC\xAD\xFC\xBC" "ber");  // Über, Ü escaped
  renderer_->SetFindName(kHelp, "\x83\x4A\x83\x81\x83\x89");  // カメラ
  // The accelerator comes first; a popup without names keeps to accelerators.
  EXPECT_EQ(Route(WM_MENUCHAR, 'r', reinterpret_cast<LPARAM>(menu.root)), MAKELRESULT(0, MNC_EXECUTE));
  EXPECT_EQ(Route(WM_MENUCHAR, 'z', reinterpret_cast<LPARAM>(menu.sub)), MNC_IGNORE);
  // Keys seconds apart, compared as the locale does (case, width);
  // nothing found selects nothing, without a beep.
  const unsigned t = GetTickCount();
  EXPECT_EQ(renderer_->FindByTyping(nullptr, menu.root, L'\u00FC', t + 2000), MAKELRESULT(4, MNC_SELECT));
  EXPECT_EQ(renderer_->FindByTyping(nullptr, menu.root, L'\uFF76', t + 4000), MAKELRESULT(5, MNC_SELECT));
  EXPECT_EQ(renderer_->FindByTyping(nullptr, menu.root, L'q', t + 8000), MAKELRESULT(0xFFFF, MNC_SELECT));
}

TEST_F(CoolMenuTest, ImageIndexOfNeedsAnImageListAndAnIndexWithinIt) {
  quenlark::ui::TItemImage& entry = renderer_->AddItemImage();
  entry.MenuItem = kHelp;
  entry.ImageIndex = 0;
  EXPECT_EQ(renderer_->ImageIndexOf(kHelp), -1);  // no image list yet
  renderer_->Images = images_;
  EXPECT_EQ(renderer_->ImageIndexOf(kHelp), 0);
  EXPECT_EQ(renderer_->ImageIndexOf(kRecent), -1);
  ImageList_RemoveAll(images_);
  EXPECT_EQ(renderer_->ImageIndexOf(kHelp), -1);
  renderer_->ClearItemImages();
  EXPECT_TRUE(renderer_->ItemImages().empty());

  EXPECT_EQ(renderer_->ItemHeight(), 20);
  EXPECT_FALSE(renderer_->SetItemHeight(17));
  EXPECT_EQ(renderer_->ItemHeight(), 20);
}

// ---------------------------------------------------------------- measuring

TEST_F(CoolMenuTest, RowsTakeTheSystemFontHeightAndSeparatorsTen) {
  TestMenu menu;
  renderer_->SetMenu(menu.root);
  const UINT expected = static_cast<UINT>(std::abs(MenuFontHeight()) + 5);
  EXPECT_EQ(Measure(*renderer_, kRecent).itemHeight, expected);
  EXPECT_EQ(Measure(*renderer_, kChild).itemHeight, expected);
  EXPECT_EQ(Measure(*renderer_, kDash).itemHeight, 10u);
  EXPECT_EQ(Measure(*renderer_, kSeparator).itemHeight, 10u);
  // The icon column's width does not change the row height.
  renderer_->SetItemHeight(30);
  EXPECT_EQ(Measure(*renderer_, kRecent).itemHeight, expected);

  // Width: the text plus the icon column plus 20.
  const UINT narrow = Measure(*renderer_, kChild).itemWidth;
  EXPECT_GT(narrow, 50u);
  EXPECT_GT(Measure(*renderer_, kRecent).itemWidth, narrow);
  renderer_->SetItemHeight(20);
  EXPECT_EQ(Measure(*renderer_, kChild).itemWidth, narrow - 10);
}

// ----------------------------------------------------------------- painting

TEST_F(CoolMenuTest, OfficeHighlightSparesTheIconColumnOfAnItemWithAnImage) {
  TestMenu menu;
  renderer_->SetMenu(menu.root);
  GiveImage(kRecent);
  Canvas canvas;
  Paint(*renderer_, canvas, kRecent, ODS_SELECTED);
  const COLORREF highlight = Sys(COLOR_HIGHLIGHT);
  EXPECT_EQ(canvas.At(21, 1), highlight);    // first column of the text area
  EXPECT_EQ(canvas.At(199, 19), highlight);
  EXPECT_NE(canvas.At(10, 1), highlight);    // the icon square
  EXPECT_EQ(canvas.Count({0, 0, 20, 20}, highlight), 0);
  EXPECT_EQ(canvas.At(20, 10), Sys(COLOR_MENU));  // the gap between
  EXPECT_EQ(canvas.At(10, 10), kImageColour);     // the image at its box
  EXPECT_EQ(canvas.At(2, 2), RGB(0, 0, 0));
  // The raised frame: light on the top-left, dark on the bottom-right.
  EXPECT_NE(canvas.At(10, 0), canvas.At(10, 19));
  EXPECT_NE(canvas.At(10, 19), Sys(COLOR_MENU));
  // The caption is written in the selected text colour.
  EXPECT_GT(canvas.Count({21, 0, 200, 20}, Sys(COLOR_HIGHLIGHTTEXT)), 10);
  // Nothing outside the row.
  EXPECT_EQ(canvas.Count({0, 20, 200, 40}, RGB(0, 0, 0)), 200 * 20);
}

TEST_F(CoolMenuTest, OfficeHighlightsTheWholeRowWithoutAnImageAndNeverWhenDisabled) {
  TestMenu menu;
  renderer_->SetMenu(menu.root);
  Canvas canvas;
  Paint(*renderer_, canvas, kRecent, ODS_SELECTED);
  EXPECT_EQ(canvas.At(0, 0), Sys(COLOR_HIGHLIGHT));
  EXPECT_EQ(canvas.At(10, 10), Sys(COLOR_HIGHLIGHT));  // an empty icon column

  Paint(*renderer_, canvas, kDisabled, ODS_SELECTED | ODS_GRAYED);
  EXPECT_EQ(canvas.Count({0, 0, 200, 20}, Sys(COLOR_HIGHLIGHT)), 0);
  EXPECT_GT(canvas.Count({21, 0, 200, 20}, Sys(COLOR_GRAYTEXT)), 10);
  EXPECT_GT(canvas.Count({21, 0, 200, 20}, Sys(COLOR_BTNHIGHLIGHT)), 10);  // etched

  Paint(*renderer_, canvas, kRecent, 0);
  EXPECT_EQ(canvas.Count({0, 0, 200, 20}, Sys(COLOR_HIGHLIGHT)), 0);
  EXPECT_GT(canvas.Count({21, 0, 200, 20}, Sys(COLOR_MENUTEXT)), 10);
}

TEST_F(CoolMenuTest, WindowsLookHighlightsTheWholeRowWithoutFrame) {
  TestMenu menu;
  renderer_->SetMenu(menu.root);
  renderer_->MenuStyle = msWindows;
  GiveImage(kRecent);
  Canvas canvas;
  Paint(*renderer_, canvas, kRecent, ODS_SELECTED);
  EXPECT_EQ(canvas.At(0, 0), Sys(COLOR_HIGHLIGHT));
  EXPECT_EQ(canvas.At(10, 19), Sys(COLOR_HIGHLIGHT));  // no frame
  EXPECT_EQ(canvas.At(10, 10), kImageColour);

  // A disabled item is highlighted too, and its grey text has no white etch.
  Paint(*renderer_, canvas, kDisabled, ODS_SELECTED | ODS_GRAYED);
  EXPECT_EQ(canvas.At(0, 0), Sys(COLOR_HIGHLIGHT));
  EXPECT_GT(canvas.Count({21, 0, 200, 20}, Sys(COLOR_GRAYTEXT)), 10);
  EXPECT_EQ(canvas.Count({21, 0, 200, 20}, Sys(COLOR_BTNHIGHLIGHT)), 0);
}

TEST_F(CoolMenuTest, CheckedItemsShowTheImageSunkenInOfficeAndTheMarkInWindows) {
  TestMenu menu;
  renderer_->SetMenu(menu.root);
  GiveImage(kChecked);
  Canvas canvas;
  // The check mark's black stroke: row 8 of the mark, columns 4 and 5.
  const int markX = 2 + 4, markY = 2 + 8;

  Paint(*renderer_, canvas, kChecked, ODS_CHECKED);
  EXPECT_EQ(canvas.At(10, 10), kImageColour);
  EXPECT_NE(canvas.At(10, 0), canvas.At(10, 19));  // sunken: dark top, light bottom
  // Dithered around the image: white where column and row are both even.
  EXPECT_EQ(canvas.At(18, 2), RGB(255, 255, 255));
  EXPECT_EQ(canvas.At(18, 3), Sys(COLOR_MENU));

  renderer_->MenuStyle = msWindows;
  Paint(*renderer_, canvas, kChecked, ODS_CHECKED);
  EXPECT_EQ(canvas.Count({0, 0, 20, 20}, kImageColour), 0);
  EXPECT_EQ(canvas.At(markX, markY), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(2, 2), Sys(COLOR_MENU));  // the mark's transparent part
  EXPECT_EQ(canvas.Count({0, 0, 20, 20}, RGB(128, 0, 128)), 0);

  // Without an image, the checked Office square shows the mark as well.
  renderer_->MenuStyle = msOffice;
  renderer_->ClearItemImages();
  Paint(*renderer_, canvas, kChecked, ODS_CHECKED | ODS_SELECTED);
  EXPECT_EQ(canvas.At(markX, markY), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(5, 5), Sys(COLOR_MENU));  // selected: filled, not dithered
  EXPECT_EQ(canvas.At(21, 1), Sys(COLOR_HIGHLIGHT));

  // Disabled: the grey mark.
  Paint(*renderer_, canvas, kChecked, ODS_CHECKED | ODS_GRAYED);
  EXPECT_EQ(canvas.At(markX, markY), RGB(128, 128, 128));
}

TEST_F(CoolMenuTest, ADarkOpeningPaintsTheDarkPaletteUntilItIsReleased) {
  TestMenu menu;
  renderer_->SetMenu(menu.root);
  renderer_->MenuStyle = msWindows;
  Canvas canvas;
  renderer_->SetDark(true);
  const quenlark::ui::MenuPalette palette = quenlark::ui::DarkPalette();
  Paint(*renderer_, canvas, kChecked, ODS_CHECKED);
  Paint(*renderer_, canvas, kRecent, ODS_SELECTED);
  EXPECT_EQ(canvas.At(2, 2), palette.highlight);
  renderer_->SetDark(false);  // for the next opening
  Paint(*renderer_, canvas, kChecked, ODS_CHECKED);
  EXPECT_EQ(canvas.At(2 + 4, 2 + 8), RGB(255, 255, 255));  // the mark drawn light on dark
  EXPECT_EQ(canvas.At(2, 2), palette.menu);
  renderer_->ReleaseOpening();
  Paint(*renderer_, canvas, kChecked, ODS_CHECKED);
  EXPECT_EQ(canvas.At(2 + 4, 2 + 8), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(2, 2), Sys(COLOR_MENU));
}

// The system paints a menu's background and, after an item with a submenu,
// the arrow, in its own colours: a dark opening gives both the palette's.
TEST_F(CoolMenuTest, ADarkOpeningGivesTheMenuItsBackgroundAndTheArrowItsTextColour) {
  TestMenu menu;
  auto background = [](HMENU each) {
    MENUINFO info{sizeof(MENUINFO), MIM_BACKGROUND};
    LOGBRUSH brush{};
    return GetMenuInfo(each, &info) && GetObjectW(info.hbrBack, sizeof(brush), &brush) ? brush.lbColor : 0xFFFFFFFF;
  };
  renderer_->SetMenu(menu.root);
  renderer_->SetDark(true);
  Route(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu.root), 0);
  const quenlark::ui::MenuPalette palette = quenlark::ui::DarkPalette();
  EXPECT_EQ(background(menu.sub), palette.menu);  // set on the root for its submenus
  Canvas canvas;
  Paint(*renderer_, canvas, kParent, 0);
  // What the system draws next, the black arrow, lands nowhere in the item.
  RECT row{0, 0, 200, 20};
  FillRect(canvas.dc(), &row, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_GT(canvas.Count({180, 0, 200, 20}, palette.menuText), 5);
  EXPECT_EQ(canvas.Count(row, RGB(0, 0, 0)), 0);
  // Closing takes the brush off the menu before freeing it.
  Route(WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(menu.root), 0, false);
  EXPECT_EQ(background(menu.sub), 0xFFFFFFFFu);
}

TEST_F(CoolMenuTest, DisabledImagesShowOnlyTheirBlackLinesEtched) {
  TestMenu menu;
  renderer_->SetMenu(menu.root);
  GiveImage(kDisabled);
  Canvas canvas;
  Paint(*renderer_, canvas, kDisabled, ODS_GRAYED);
  EXPECT_EQ(canvas.Count({0, 0, 20, 20}, kImageColour), 0);
  EXPECT_EQ(canvas.At(10, 10), Sys(COLOR_MENU));  // the blue inside is gone
  EXPECT_EQ(canvas.At(2, 2), Sys(COLOR_BTNSHADOW));  // the black frame, in shadow
  EXPECT_EQ(canvas.At(18, 18), Sys(COLOR_BTNHIGHLIGHT));  // its etch, one down-right
}

TEST_F(CoolMenuTest, SeparatorIsTwoEtchedLinesLessOnePixelAtEachEnd) {
  TestMenu menu;
  renderer_->SetMenu(menu.root);
  Canvas canvas;
  Paint(*renderer_, canvas, kSeparator, ODS_SELECTED, RECT{0, 0, 200, 10});
  EXPECT_EQ(canvas.At(0, 5), Sys(COLOR_MENU));
  EXPECT_EQ(canvas.At(1, 5), Sys(COLOR_GRAYTEXT));
  EXPECT_EQ(canvas.At(198, 5), Sys(COLOR_GRAYTEXT));
  EXPECT_EQ(canvas.At(199, 5), Sys(COLOR_MENU));
  EXPECT_EQ(canvas.At(100, 6), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(canvas.At(100, 4), Sys(COLOR_MENU));
  EXPECT_EQ(canvas.Count({0, 0, 200, 10}, Sys(COLOR_HIGHLIGHT)), 0);
}

TEST_F(CoolMenuTest, PaintingLeavesTheDeviceContextAsItWas) {
  TestMenu menu;
  renderer_->SetMenu(menu.root);
  GiveImage(kRecent);
  Canvas canvas;
  HGDIOBJ font = GetCurrentObject(canvas.dc(), OBJ_FONT);
  HGDIOBJ brush = GetCurrentObject(canvas.dc(), OBJ_BRUSH);
  SetTextColor(canvas.dc(), RGB(1, 2, 3));
  SetBkMode(canvas.dc(), OPAQUE);
  Paint(*renderer_, canvas, kRecent, ODS_SELECTED | ODS_FOCUS);
  Paint(*renderer_, canvas, kRecent, ODS_GRAYED);
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), font);
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_BRUSH), brush);
  EXPECT_EQ(GetTextColor(canvas.dc()), RGB(1, 2, 3));
  EXPECT_EQ(GetBkMode(canvas.dc()), OPAQUE);
}

// ------------------------------------------------------- one opening's state

// Measuring and painting a whole menu makes the menu font, the dither brush
// and the memory DCs once; they and the remembered items go when the menu
// closes, and the next opening makes them again.
TEST_F(CoolMenuTest, AnOpeningMakesItsDrawingObjectsOnceAndClosingFreesThem) {
  using platform::GdiCount;
  TestMenu menu;
  renderer_->SetMenu(menu.root);
  GiveImage(kRecent);
  Canvas canvas;
  const long liveBefore = GdiCount::live;
  auto openOnce = [&] {
    for (int pass = 0; pass < 20; ++pass) {
      for (UINT id : {kRecent, kDash, kDisabled, kParent, kHelp, kChild, kChecked}) Measure(*renderer_, id);
      Paint(*renderer_, canvas, kRecent, ODS_SELECTED);
      Paint(*renderer_, canvas, kDisabled, ODS_GRAYED);
      Paint(*renderer_, canvas, kChecked, ODS_CHECKED);  // dithered square, check mark
      Paint(*renderer_, canvas, kChecked, ODS_CHECKED | ODS_GRAYED);
      Paint(*renderer_, canvas, kSeparator, 0, RECT{0, 0, 200, 10});
    }
  };
  const long madeBefore = GdiCount::made;
  openOnce();
  // One font, one brush, two memory DCs and the two check marks, each read
  // from its icon through two passing bitmaps.
  EXPECT_LE(GdiCount::made - madeBefore, 10);
  EXPECT_LE(GdiCount::live - liveBefore, 6);
  EXPECT_GT(renderer_->RememberedItemCount(), 0u);
  // A disabled image's etch works in bitmaps of its own, freed at once.
  GiveImage(kDisabled);
  const long liveBeforeEtch = GdiCount::live;
  Paint(*renderer_, canvas, kDisabled, ODS_GRAYED);
  EXPECT_EQ(canvas.At(2, 2), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(GdiCount::live, liveBeforeEtch);

  // The system closes the menu: a submenu's closing keeps the opening, the
  // bound menu's frees it, and the window still sees the message.
  Route(WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(menu.sub), 0, false);
  EXPECT_GT(renderer_->RememberedItemCount(), 0u);
  Route(WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(menu.root), 0, false);
  EXPECT_EQ(renderer_->RememberedItemCount(), 0u);
  EXPECT_EQ(GdiCount::live, liveBefore);

  // The next opening switches the items again and paints as before.
  renderer_->OwnerDrawItems(menu.root);
  openOnce();
  EXPECT_EQ(canvas.At(10, 3), Sys(COLOR_MENU));  // the last paint: a separator row
  Paint(*renderer_, canvas, kRecent, ODS_SELECTED);
  EXPECT_EQ(canvas.At(10, 10), kImageColour);
  EXPECT_GT(canvas.Count({21, 0, 200, 20}, Sys(COLOR_HIGHLIGHTTEXT)), 10);
  renderer_->ReleaseOpening();
  EXPECT_EQ(GdiCount::live, liveBefore);
}

// Every menu picture, loaded at 16, 24 and 32 px from its PNG frames, paints
// what the same frames stored as bitmaps (BMP...) paint, and not nothing.
TEST(CoolMenuPictures, PngFramesPaintAsTheirBitmapsDid) {
  for (const std::string name : {"CHECK", "CHECKMONO", "CMDHISTORY", "CMDSETTINGS", "CMDFAVOURITES", "CMDCLEAR",
                                 "CMDHELP", "CMDSHELLRECENT", "CMDABOUT", "CMDEXIT"}) {
    for (const int size : {16, 24, 32}) {
      Canvas canvas;
      for (const int x : {0, 100}) {
        const std::string resource = x ? "BMP" + name : name;
        const auto icon =
            static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), resource.c_str(), IMAGE_ICON, size, size, 0));
        ASSERT_TRUE(icon) << resource << " at " << size;
        DrawIconEx(canvas.dc(), x, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
        DestroyIcon(icon);
      }
      int differing = 0;
      for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x) differing += canvas.At(x, y) != canvas.At(100 + x, y);
      EXPECT_EQ(differing, 0) << name << " at " << size;
      EXPECT_LT(canvas.Count(RECT{0, 0, 100, 40}, RGB(0, 0, 0)), 100 * 40) << name << " at " << size;
    }
  }
}
