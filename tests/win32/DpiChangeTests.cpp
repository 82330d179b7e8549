// WM_DPICHANGED sent by hand (Wine gives every monitor one DPI) to a form; a menu at another DPI.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include "FakeDialogHost.h"
#include "FakeRegistry.h"
#include "dialogs/SettingUnit.h"
#include "menus/MenuPresenter.h"
using namespace quenlark;
namespace {
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
struct CheckListForm : TForm {  // a check list drawn by the system, without the form's rows
  CheckListForm(TApplication& app, platform::IRegistry& r) : TForm(app, r, "TQuenlarkCheckList", "", 200, 100) {}
  void FormCreate() override { CreateControls({{.kind = ControlKind::CheckListView, .id = 5, .width = 190, .height = 90}}); }
};
}  // namespace
TEST(DpiChangeTest, EveryControlFollowsItsTableRowToTheNewDpiAndBack) {
  TApplication app{GetModuleHandleA(nullptr)};
  app.Initialize();
  test::FakeRegistry registry;
  test::FakeDialogHost host;
  test::ScriptedMessages messages;
  TPassChangeForm passChange{app, registry, messages};
  TSettingForm form{app, registry, host, passChange, messages};
  CheckListForm checks{app, registry};
  ASSERT_TRUE(passChange.Create() && form.Create() && checks.Create());
  const HWND h = form.Handle(), first = form.Control(form.Rows().front().id);
  const auto& rows = form.Rows();
  std::vector<RECT> at96;
  for (const auto& row : rows) at96.push_back(PlaceIn(h, form.Control(row.id)));
  RECT window{}, now{}, client96{};
  GetWindowRect(h, &window);
  GetClientRect(h, &client96);
  using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  const auto adjust = reinterpret_cast<AdjustForDpi>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
  ASSERT_TRUE(adjust);
  // A rectangle Windows suggests for a form it took to be at 144 dpi (two
  // thirds), sent at the DPI the form has: its place is taken, nothing rescaled.
  const RECT twoThirds{window.left + 10, window.top + 20, window.left + 10 + (window.right - window.left) * 2 / 3,
                       window.top + 20 + (window.bottom - window.top) * 2 / 3};
  SendMessageW(h, WM_DPICHANGED, MAKEWPARAM(form.Dpi(), form.Dpi()), reinterpret_cast<LPARAM>(&twoThirds));
  GetWindowRect(h, &now);
  EXPECT_TRUE(now.left == twoThirds.left && now.top == twoThirds.top && now.right - now.left == window.right - window.left &&
              now.bottom - now.top == window.bottom - window.top) << "rescaled at the DPI it has";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const RECT place = PlaceIn(h, form.Control(rows[i].id));
    EXPECT_TRUE(EqualRect(&place, &at96[i])) << rows[i].name << " moved at the DPI it has";
  }
  for (const int dpi : {144, 192, 96}) {
    const RECT suggested{window.left, window.top, window.left + MulDiv(window.right - window.left, dpi, 96),
                         window.top + MulDiv(window.bottom - window.top, dpi, 96)};
    SendMessageW(h, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    GetWindowRect(h, &now);
    // At the suggested place, the designed client area at the DPI in the frame Windows gives at the DPI.
    RECT expected{0, 0, MulDiv(client96.right, dpi, 96), MulDiv(client96.bottom, dpi, 96)};
    adjust(&expected, static_cast<DWORD>(GetWindowLongPtrW(h, GWL_STYLE)), FALSE,
           static_cast<DWORD>(GetWindowLongPtrW(h, GWL_EXSTYLE)), static_cast<UINT>(dpi));
    OffsetRect(&expected, suggested.left - expected.left, suggested.top - expected.top);
    EXPECT_TRUE(EqualRect(&now, &expected)) << now.right - now.left << " x " << now.bottom - now.top << " at " << dpi;
    EXPECT_TRUE(form.Dpi() == dpi && FontHeight(first) == -MulDiv(12, dpi, 96));
    SendMessageW(checks.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), 0);
    int box = 0, boxHeight = 0;  // the check boxes 16, 24, 32 pixels
    ImageList_GetIconSize(ListView_GetImageList(checks.Control(5), LVSIL_STATE), &box, &boxHeight);
    EXPECT_TRUE(box == dpi / 6 && boxHeight == box) << box << " px at " << dpi;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const auto& row = rows[i];
      SCOPED_TRACE(std::string(row.name) + " at " + std::to_string(dpi));
      const RECT own = PlaceIn(h, form.Control(row.id));
      RECT r = own;
      // An edit's up-down takes the right end of its width, less its overlap as at 96 dpi.
      if (i + 1 < rows.size() && rows[i + 1].kind == ControlKind::UpDown) {
        r.right = PlaceIn(h, form.Control(rows[i + 1].id)).right + (row.left + row.width - at96[i + 1].right);
      }
      EXPECT_TRUE(dpi != 96 || EqualRect(&own, &at96[i])) << "not back where it was at 96 dpi";
      if (row.kind == ControlKind::StatusBar || row.kind == ControlKind::UpDown) continue;  // placed by others
      EXPECT_EQ(FontHeight(form.Control(row.id)), FontHeight(first));
      EXPECT_TRUE(r.left == MulDiv(row.left, dpi, 96) && r.top == MulDiv(row.top, dpi, 96));
      EXPECT_TRUE(row.width == 0 || r.right - r.left == MulDiv(row.width, dpi, 96));
      // A combo box's window is its closed height; a label's follows its text.
      EXPECT_TRUE(row.width == 0 || row.kind == ControlKind::ComboBox || r.bottom - r.top == MulDiv(row.height, dpi, 96));
      EXPECT_TRUE(row.width > 0 || dpi == 96 || r.bottom - r.top > at96[i].bottom - at96[i].top);
    }
  }
}
TEST(DpiChangeTest, AMenuMeasuresAndTakesPicturesAtTheDpiItIsGiven) {
  TMenuImages images(GetModuleHandleA(nullptr));
  ui::TPopupCool renderer(GetModuleHandleA(nullptr));
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 7, "x");
  renderer.SetMenu(menu);
  std::vector<int> heights;
  NONCLIENTMETRICSW system{sizeof system}, metrics{};
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, system.cbSize, &system, 0);
  for (const int dpi : {96, 144, 192}) {
    EXPECT_TRUE(ui::NonClientMetricsForDpi(metrics, dpi) &&
                metrics.lfMenuFont.lfHeight == MulDiv(system.lfMenuFont.lfHeight, dpi, 96));
    images.SetDpi(dpi);
    int cx = 0, cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(images.IconImageList(), &cx, &cy) && cx == dpi / 6);  // 16, 24, 32
    renderer.ReleaseOpening();
    renderer.OwnerDrawItems(menu);
    renderer.SetDpi(dpi);
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, 7, 0, 0, reinterpret_cast<ULONG_PTR>(&renderer)};
    LRESULT result = 0;
    ui::TPopupCool::RouteMessage(nullptr, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), result);
    heights.push_back(static_cast<int>(measure.itemHeight));
  }
  // The system's menu font at 96 dpi plus 5 pixels, each scaled.
  EXPECT_TRUE(heights[1] == MulDiv(heights[0] - 5, 144, 96) + 8 && heights[2] == MulDiv(heights[0] - 5, 192, 96) + 10);
  renderer.SetMenu(nullptr);
  DestroyMenu(menu);
}
