// A form's size across DPIs under Wine (every monitor has the system's DPI,
// so WM_DPICHANGED is sent by hand): a size stored at another DPI comes back
// at this one, and what a form measures for its frame and metrics is the
// DPI's. (A DPI change to the DPI a form has: DpiChangeTests.)
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "FakeDialogHost.h"
#include "FakeRegistry.h"
#include "dialogs/SelectClearUnit.h"
#include "dialogs/UseFileSettingUnit.h"
#include "platform/Win32Desktop.h"
#include "platform/Win32FileSystem.h"
#include "platform/Win32Shell.h"
#include "settings/SettingsStore.h"
#include "ui/Dpi.h"

using namespace quenlark;

namespace {

// The frame Windows gives a window of `form`'s styles at a DPI.
SIZE FrameAt(HWND form, int dpi) {
  using Fn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  const auto fn = reinterpret_cast<Fn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
  RECT r{};
  if (fn) fn(&r, static_cast<DWORD>(GetWindowLongPtrW(form, GWL_STYLE)), FALSE,
             static_cast<DWORD>(GetWindowLongPtrW(form, GWL_EXSTYLE)), static_cast<UINT>(dpi));
  return {r.right - r.left, r.bottom - r.top};
}

struct Forms {
  TApplication app{GetModuleHandleA(nullptr)};
  test::FakeRegistry registry;
  test::FakeDialogHost host;
  test::ScriptedMessages messages;
  platform::Win32PathQuery paths;
  Forms() { app.Initialize(); }
};

}  // namespace

TEST(FormPlacementDpiTest, ASizeStoredAt144DpiIsShownAtItsClientSizeAt96) {
  Forms f;
  TUseFileSettingForm probe{f.app, f.registry, f.host, {f.messages, f.paths}};
  ASSERT_TRUE(probe.Create());
  ASSERT_EQ(probe.Dpi(), 96);
  const SIZE frame144 = FrameAt(probe.Handle(), 144);
  probe.Destroy();
  // 720 x 600 of client area at 144 dpi, the user's size on a 150% monitor.
  test::FakeRegistry registry;
  registry.Set(kRegistryKey, "Position", "TUseFileSettingForm.Left", "30");
  registry.Set(kRegistryKey, "Position", "TUseFileSettingForm.Top", "40");
  registry.Set(kRegistryKey, "Position", "TUseFileSettingForm.Width", std::to_string(720 + frame144.cx));
  registry.Set(kRegistryKey, "Position", "TUseFileSettingForm.Height", std::to_string(600 + frame144.cy));
  registry.Set(kRegistryKey, "Position", "TUseFileSettingForm.Dpi", "144");
  TUseFileSettingForm form{f.app, registry, f.host, {f.messages, f.paths}};
  ASSERT_TRUE(form.Create());
  RECT client{};
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(client.right, 480);
  EXPECT_EQ(client.bottom, 400);
  // Shown where it stays, it keeps that size, and stores it at its DPI.
  form.Show();
  form.Close();
  GetClientRect(form.Handle(), &client);
  EXPECT_TRUE(client.right == 480 && client.bottom == 400) << client.right << " x " << client.bottom;
  form.Destroy();
  EXPECT_EQ(registry.Get(kRegistryKey, "Position", "TUseFileSettingForm.Dpi"), "96");
  EXPECT_EQ(registry.Get(kRegistryKey, "Position", "TUseFileSettingForm.Left"), "30");
}

TEST(FormPlacementDpiTest, FramesAndMetricsAreMeasuredAtTheFormsDpi) {
  Forms f;
  platform::Win32FileSystem fs;
  platform::Win32Shell shell;
  platform::Win32KeyState keys;
  TSelectClearForm clear{f.app, f.registry, f.host, {fs, shell, keys, f.paths, f.messages}};
  TUseFileSettingForm editor{f.app, f.registry, f.host, {f.messages, f.paths}};
  ASSERT_TRUE(clear.Create() && editor.Create());
  MINMAXINFO at96{}, at144{};
  SendMessageW(editor.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&at96));
  for (const HWND form : {clear.Handle(), editor.Handle()}) SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(144, 144), 0);
  SendMessageW(editor.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&at144));
  const HWND list = clear.Control(TSelectClearForm::kRecentFilesCheckListBox);
  RECT place{};
  GetWindowRect(list, &place);
  const long frame96 = FrameAt(editor.Handle(), 96).cx, frame144 = FrameAt(editor.Handle(), 144).cx;
  const struct {
    const char* measure;
    long got, expected;
  } rows[] = {
      // The list's column stops short of a vertical scroll bar as wide as it is at the DPI.
      {"clear dialog's column", static_cast<long>(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0)),
       place.right - place.left - ui::SystemMetricForDpi(SM_CXVSCROLL, 144) - 6},
      // The fields' band at the DPI in the frame at the DPI.
      {"favourites editor's least width", at144.ptMinTrackSize.x, MulDiv(at96.ptMinTrackSize.x - frame96, 144, 96) + frame144},
  };
  for (const auto& row : rows) EXPECT_EQ(row.got, row.expected) << row.measure;
  clear.Destroy();
  editor.Destroy();
}
