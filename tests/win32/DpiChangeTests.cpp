// A form moved to a monitor of another DPI: WM_DPICHANGED, as Windows sends
// it to a per-monitor aware window, re-places every control of the table at
// the new DPI, makes the font for it and takes the suggested rectangle. Wine
// gives every monitor one DPI, so the message is sent here by hand.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "FakeDialogHost.h"
#include "FakeRegistry.h"
#include "dialogs/PassChangeUnit.h"
#include "dialogs/SettingUnit.h"
#include "menus/MenuPresenter.h"

namespace {

struct NoMessages : platform::IMessageBox {
  int Show(const std::string&, const std::string&, unsigned) override { return platform::kIdOk; }
};

RECT PlaceIn(HWND form, HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

LONG FontHeight(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font.lfHeight;
}

}  // namespace

TEST(DpiChangeTest, EveryControlFollowsItsTableRowToTheNewDpiAndBack) {
  quenlark::TApplication app{GetModuleHandleA(nullptr)};
  ASSERT_TRUE(app.Initialize());
  test::FakeRegistry registry;
  test::FakeDialogHost host;
  NoMessages messages;
  quenlark::TPassChangeForm passChange{app, registry, messages};
  quenlark::TSettingForm form{app, registry, host, passChange, messages};
  ASSERT_TRUE(passChange.Create());
  ASSERT_TRUE(form.Create());
  const HWND h = form.Handle();
  ASSERT_EQ(form.Dpi(), 96) << "the test session runs at 96 dpi";
  std::vector<RECT> at96;
  for (const auto& row : form.Rows()) at96.push_back(PlaceIn(h, form.Control(row.id)));
  const HWND first = form.Control(form.Rows().front().id);
  const LONG font96 = FontHeight(first);

  RECT window{};
  GetWindowRect(h, &window);
  for (const int dpi : {144, 192, 96}) {
    SCOPED_TRACE(dpi);
    // Windows suggests the window scaled about its top-left corner.
    RECT suggested{window.left + 10, window.top + 20, 0, 0};
    suggested.right = suggested.left + MulDiv(window.right - window.left, dpi, 96);
    suggested.bottom = suggested.top + MulDiv(window.bottom - window.top, dpi, 96);
    SendMessageW(h, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(form.Dpi(), dpi);
    RECT now{};
    GetWindowRect(h, &now);
    EXPECT_TRUE(EqualRect(&now, &suggested)) << now.left << "," << now.top << " " << now.right << "," << now.bottom;
    EXPECT_EQ(FontHeight(first), -MulDiv(12, dpi, 96));
    const auto& rows = form.Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const auto& row = rows[i];
      const RECT own = PlaceIn(h, form.Control(row.id));
      const RECT was = at96[i];
      RECT r = own;
      // An edit with an up-down gives it the right end of its table width
      // (less the up-down's overlap of the edit's border, as at 96 dpi).
      if (i + 1 < rows.size() && rows[i + 1].kind == quenlark::ControlKind::UpDown) {
        r.right = PlaceIn(h, form.Control(rows[i + 1].id)).right + (row.left + row.width - at96[i + 1].right);
      }
      SCOPED_TRACE(row.name);
      if (dpi == 96) {
        EXPECT_TRUE(EqualRect(&own, &was)) << "not back where it was at 96 dpi";
      }
      // A status bar places itself, an up-down beside its buddy.
      if (row.kind == quenlark::ControlKind::StatusBar || row.kind == quenlark::ControlKind::UpDown) continue;
      EXPECT_EQ(FontHeight(form.Control(row.id)), FontHeight(first));
      EXPECT_EQ(r.left, MulDiv(row.left, dpi, 96));
      EXPECT_EQ(r.top, MulDiv(row.top, dpi, 96));
      if (row.width > 0) {
        EXPECT_EQ(r.right - r.left, MulDiv(row.width, dpi, 96));
        // A combo box's window is its closed height, not the table's.
        if (row.kind != quenlark::ControlKind::ComboBox) {
          EXPECT_EQ(r.bottom - r.top, MulDiv(row.height, dpi, 96));
        }
      } else if (dpi > 96) {
        EXPECT_GT(r.bottom - r.top, was.bottom - was.top) << "a label's text is not measured larger";
      }
    }
  }
  EXPECT_EQ(FontHeight(first), font96);
  form.Destroy();
  passChange.Destroy();
}

// A menu opened on a monitor of 144 or 192 dpi: the renderer measures its
// rows with the menu font for that DPI, the pictures are made at its size.
TEST(DpiChangeTest, AMenuMeasuresAndTakesPicturesAtTheDpiItIsGiven) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  quenlark::TMenuImages images(instance);
  quenlark::ui::TPopupCool renderer(instance);
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 7, "x");
  renderer.SetMenu(menu);
  renderer.OwnerDrawItems(menu);
  std::vector<UINT> heights;
  for (const int dpi : {96, 144, 192}) {
    SCOPED_TRACE(dpi);
    images.SetDpi(dpi);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(images.IconImageList(), &cx, &cy);
    EXPECT_EQ(cx, dpi / 6);  // 16, 24, 32
    renderer.ReleaseOpening();
    renderer.OwnerDrawItems(menu);
    renderer.SetDpi(dpi);
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, 7, 0, 0, reinterpret_cast<ULONG_PTR>(&renderer)};
    LRESULT result = 0;
    quenlark::ui::TPopupCool::RouteMessage(nullptr, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), result);
    heights.push_back(measure.itemHeight);
  }
  // The system's menu font at 96 dpi plus 5 pixels, each scaled.
  EXPECT_EQ(heights[1], static_cast<UINT>(MulDiv(static_cast<int>(heights[0]) - 5, 144, 96) + 8));
  EXPECT_EQ(heights[2], static_cast<UINT>(MulDiv(static_cast<int>(heights[0]) - 5, 192, 96) + 10));
  renderer.SetMenu(nullptr);
  DestroyMenu(menu);
}
