// The tray icon component against the real notification area of the test
// desktop: adding, the click reporting of its callback, and coming back when
// the taskbar is created again.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <vector>

#include "menus/TrayIcon.h"

using namespace quenlark;

namespace {

constexpr UINT kCallback = WM_APP + 7;

struct Events {
  std::vector<MouseButton> clicks;
  int doubleClicks = 0;
};

class TrayIconTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QuenlarkTrayIconTest";
    RegisterClassA(&wc);
    owner = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
    icon = LoadIcon(nullptr, IDI_APPLICATION);
    tray = std::make_unique<TTrayIcon>(owner, kCallback, 0x5154);
    tray->OnClick = [this](MouseButton b, POINT) { events.clicks.push_back(b); };
    tray->OnDblClick = [this] { ++events.doubleClicks; };
  }
  void TearDown() override {
    tray.reset();
    DestroyWindow(owner);
  }
  void Mouse(UINT message) { EXPECT_TRUE(tray->HandleMessage(kCallback, 0, message)); }
  bool IconExists() {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = 0;
    data.uFlags = NIF_TIP;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
  }

  HWND owner = nullptr;
  HICON icon = nullptr;
  std::unique_ptr<TTrayIcon> tray;
  Events events;
};

}  // namespace

TEST_F(TrayIconTest, ShownOnlyWhenActiveWithAnImage) {
  tray->SetActive(true);
  EXPECT_FALSE(tray->Shown());  // no image yet: nothing to show
  tray->SetIcon(icon);
  EXPECT_TRUE(tray->Shown());
  EXPECT_TRUE(IconExists());
  tray->SetHint("Quenlark - 3/30Files|details");
  tray->SetActive(false);
  EXPECT_FALSE(tray->Shown());
  EXPECT_FALSE(IconExists());
}

TEST_F(TrayIconTest, AClickIsAPressOnTheIconThenItsRelease) {
  Mouse(WM_LBUTTONDOWN);
  Mouse(WM_LBUTTONUP);
  Mouse(WM_RBUTTONDOWN);
  Mouse(WM_RBUTTONUP);
  Mouse(WM_LBUTTONUP);  // a release without a press on the icon
  Mouse(WM_MBUTTONDOWN);
  Mouse(WM_MBUTTONUP);  // the middle button reports nothing
  ASSERT_EQ(events.clicks.size(), 2u);
  EXPECT_EQ(events.clicks[0], MouseButton::Left);
  EXPECT_EQ(events.clicks[1], MouseButton::Right);
  // A double click: the click of the first release, then the double click.
  Mouse(WM_LBUTTONDOWN);
  Mouse(WM_LBUTTONUP);
  Mouse(WM_LBUTTONDBLCLK);
  Mouse(WM_LBUTTONUP);
  EXPECT_EQ(events.clicks.size(), 3u);
  EXPECT_EQ(events.doubleClicks, 1);
  // Messages for another icon or another message are not the tray's.
  EXPECT_FALSE(tray->HandleMessage(kCallback, 5, WM_LBUTTONDOWN));
  EXPECT_FALSE(tray->HandleMessage(WM_APP + 8, 0, WM_LBUTTONDOWN));
}

TEST_F(TrayIconTest, ComesBackWhenTheTaskbarIsCreatedAgain) {
  tray->SetIcon(icon);
  tray->SetActive(true);
  ASSERT_TRUE(IconExists());
  // What a restarted taskbar sees: no icons. Then it announces itself.
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = owner;
  Shell_NotifyIconA(NIM_DELETE, &data);
  ASSERT_FALSE(IconExists());
  tray->HandleMessage(RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  EXPECT_TRUE(IconExists());
  EXPECT_TRUE(tray->Shown());
  // Told of the new taskbar, the owner gives the picture made for its DPI.
  HICON fresh = LoadIcon(nullptr, IDI_WARNING);
  tray->OnTaskbarCreated = [&] { tray->SetIcon(fresh); };
  Shell_NotifyIconA(NIM_DELETE, &data);
  tray->HandleMessage(RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  EXPECT_TRUE(tray->Icon() == fresh && IconExists() && tray->Shown());
}

TEST_F(TrayIconTest, AsksForAPictureAtEachNewDpiOfTheNotificationArea) {
  const int system = tray->Dpi();  // WM_DPICHANGED tells a DPI, the others ask the monitor (the system's under Wine)
  std::vector<LONG> sizes;
  tray->OnDpiChanged = [&] { sizes.push_back(tray->PictureSize().cx); };
  for (const auto& [message, dpi] : {std::pair{WM_DPICHANGED, 144}, {WM_DPICHANGED, 144}, {WM_SETTINGCHANGE, 0},
                                     {WM_DISPLAYCHANGE, 0}, {WM_DPICHANGED, 192}}) {
    EXPECT_FALSE(tray->HandleMessage(message, MAKEWPARAM(dpi, dpi), 0));
  }
  EXPECT_EQ(sizes, (std::vector<LONG>{24, system / 6, 32}));
}
