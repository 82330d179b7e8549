// Menus at another system DPI: the same menu measured, pictured and painted
// by a child process started at 96 and at 144 DPI (150 %).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "DpiChild.h"
#include "menus/MenuPresenter.h"

using namespace quenlark;
using testsupport::AnswerOf;
using testsupport::TellParent;

namespace {

MEASUREITEMSTRUCT Measure(const ui::TPopupCool& renderer, UINT id) {
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemID = id;
  measure.itemData = reinterpret_cast<ULONG_PTR>(&renderer);
  LRESULT result = 0;
  EXPECT_TRUE(ui::TPopupCool::RouteMessage(nullptr, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), result));
  return measure;
}

UINT IdAt(HMENU menu, int position) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID;
  EXPECT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info));
  return info.wID;
}

// How many columns of the icon column hold black pixels of the check mark
// when a checked item of height `rowHeight` is painted in the classic look.
long CheckMarkWidth(int rowHeight) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  ui::TPopupCool renderer(instance);
  renderer.MenuStyle = ui::msWindows;
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING | MF_CHECKED, 7, "x");
  renderer.SetMenu(menu);

  constexpr int kWidth = 300;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = kWidth;
  info.bmiHeader.biHeight = -rowHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  platform::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  platform::UniqueBitmap canvas(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  HGDIOBJ old = SelectObject(dc.get(), canvas.get());
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_MENU;
  draw.itemID = 7;
  draw.itemAction = ODA_DRAWENTIRE;
  draw.itemState = ODS_CHECKED;
  draw.hDC = dc.get();
  draw.rcItem = RECT{0, 0, kWidth, rowHeight};
  draw.itemData = reinterpret_cast<ULONG_PTR>(&renderer);
  LRESULT result = 0;
  ui::TPopupCool::RouteMessage(nullptr, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw), result);

  const int column = ui::coolmenu::Scaled(renderer.ItemHeight(), ui::SystemDpi());
  int first = -1, last = -1;
  for (int x = 0; x < column; ++x)
    for (int y = 0; y < rowHeight; ++y)
      if (const COLORREF pixel = GetPixel(dc.get(), x, y);
          GetRValue(pixel) < 128 && GetGValue(pixel) < 128 && GetBValue(pixel) < 128) {
        if (first < 0) first = x;
        last = x;
      }
  SelectObject(dc.get(), old);
  renderer.SetMenu(nullptr);
  DestroyMenu(menu);
  return first < 0 ? 0 : last - first + 1;
}

}  // namespace

// Runs only in the child that the test below starts.
TEST(MenuDpiChild, MeasuresPicturesAndPaintsAtItsDpi) {
  if (!testsupport::InDpiChild()) GTEST_SKIP() << "runs in the child process of MenuDpiTest";
  platform::WindowDc screen;
  TellParent("dpi", GetDeviceCaps(screen.get(), LOGPIXELSY));
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
  TellParent("font", metrics.lfMenuFont.lfHeight);

  std::vector<MenuItem> items(2);
  items[0].caption = "報告書.txt";
  items[0].command = MenuCommand::OpenRecentItem;
  items[0].icon = IconRequest{IconRequest::Kind::FileType, -1, "*.txt", {}};
  items[1].caption = "-";
  TMenuPresenter presenter(GetModuleHandleA(nullptr));
  presenter.Rebuild(items, true, ui::msOffice);
  int cx = 0, cy = 0;
  ImageList_GetIconSize(presenter.Images(), &cx, &cy);
  TellParent("image", cx);
  TellParent("images", ImageList_GetImageCount(presenter.Images()));

  const MEASUREITEMSTRUCT item = Measure(presenter.Renderer(), IdAt(presenter.Handle(), 0));
  TellParent("item", static_cast<long>(item.itemHeight));
  TellParent("width", static_cast<long>(item.itemWidth));
  TellParent("separator", static_cast<long>(Measure(presenter.Renderer(), IdAt(presenter.Handle(), 1)).itemHeight));
  TellParent("mark", CheckMarkWidth(static_cast<int>(item.itemHeight)));
}

TEST(MenuDpiTest, RowsIconsAndCheckMarksScaleWithTheSystemDpi) {
  const std::string at96 = testsupport::RunAtDpi(96, "MenuDpiChild.*");
  const std::string at144 = testsupport::RunAtDpi(144, "MenuDpiChild.*");
  ASSERT_EQ(AnswerOf(at96, "dpi"), 96) << at96;
  ASSERT_EQ(AnswerOf(at144, "dpi"), 144) << at144;

  // The row: the system's menu font (which the system scales) plus 5 pixels
  // scaled; the separator 10 pixels scaled.
  const long font96 = std::labs(AnswerOf(at96, "font")), font144 = std::labs(AnswerOf(at144, "font"));
  EXPECT_EQ(AnswerOf(at96, "item"), font96 + 5);
  EXPECT_EQ(AnswerOf(at144, "item"), font144 + 8);
  EXPECT_GE(AnswerOf(at144, "item") * 10, AnswerOf(at96, "item") * 14);
  EXPECT_EQ(AnswerOf(at96, "separator"), 10);
  EXPECT_EQ(AnswerOf(at144, "separator"), 15);
  // The icon column and the margin grow with the text: 30 + 30 instead of 20 + 20.
  EXPECT_GE(AnswerOf(at144, "width") - AnswerOf(at96, "width"), 20);

  // Pictures of 16 and 24 pixels, the file type's icon found at both sizes.
  EXPECT_EQ(AnswerOf(at96, "image"), 16);
  EXPECT_EQ(AnswerOf(at144, "image"), 24);
  EXPECT_EQ(AnswerOf(at96, "images"), 1);
  EXPECT_EQ(AnswerOf(at144, "images"), 1);

  // The check mark's dark strokes span 8 of its 16 columns; half again at
  // 144, where the mark is its own 24-px picture.
  EXPECT_EQ(AnswerOf(at96, "mark"), 8);
  EXPECT_NEAR(AnswerOf(at144, "mark"), 12, 1);
}
