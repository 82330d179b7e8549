// The menu presenter shown for real: a popup menu tracked by the system with
// an owner window that routes the menu messages as the program's does, closed
// or answered from the owner's idle message. What an opening leaves behind
// (memory, handles, the renderer's remembered items) is measured over a
// long run, and the failure paths of building leave no menu behind.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menus/FavouritesMenu.h"
#include "menus/MenuPresenter.h"
#include "menus/RecentMenu.h"
#include "platform/Win32Handles.h"

using namespace quenlark;

namespace {

// What the owner does once the menu is up and waiting for input: cancel it,
// or press keys in it.
struct IdleScript {
  std::vector<WPARAM> keys;  // empty: cancel with EndMenu
  bool done = false;
  int openings = 0;
};
IdleScript* g_script = nullptr;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (ui::TPopupCool::RouteMessage(hwnd, msg, wp, lp, result)) return result;
  if (msg == WM_ENTERIDLE && wp == MSGF_MENU && g_script && !g_script->done) {
    g_script->done = true;
    ++g_script->openings;
    if (g_script->keys.empty()) {
      EndMenu();
    } else {
      // The menu loop reads the keys posted to the menu's window.
      HWND menuWindow = reinterpret_cast<HWND>(lp);
      for (WPARAM key : g_script->keys) {
        PostMessageA(menuWindow, WM_KEYDOWN, key, 0);
        PostMessageA(menuWindow, WM_KEYUP, key, 0xC0000000);
      }
    }
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

HWND MakeOwner() {
  static ATOM atom = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = OwnerProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QuenlarkMenuPresenterTestOwner";
    return RegisterClassA(&wc);
  }();
  EXPECT_NE(atom, 0);
  return CreateWindowExA(WS_EX_TOOLWINDOW, "QuenlarkMenuPresenterTestOwner", "", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1,
                         nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

// The process's private bytes. Wine leaves PrivateUsage at 0 and keeps the
// same commit charge in PagefileUsage, which Windows reports equal to it.
std::size_t PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                            sizeof counters))
    return 0;
  return counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
}

// A history of `count` entries as the listing gives them: ten file types,
// dates, targets that need not exist.
std::vector<ListingLine> History(int count) {
  const char* extensions[] = {".txt", ".doc", ".xls", ".htm", ".jpg", ".pdf", ".zip", ".ini", "", ".qlt"};
  std::vector<ListingLine> lines;
  for (int i = 0; i < count; ++i) {
    const std::string name = "document" + std::to_string(i) + extensions[i % 10];
    lines.push_back({name, "C:\\History\\" + name + ".lnk", "C:\\Docs\\報告書\\" + name,
                     "2026-05-" + std::to_string(10 + i % 20) + " 12:34:56"});
  }
  return lines;
}

class MenuPresenterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(nullptr);
    owner_ = MakeOwner();
    ASSERT_NE(owner_, nullptr);
    settings_.IconDisp = true;
    settings_.SortSelect = 2;
    settings_.DateTimeDisp = 1;
  }
  void TearDown() override {
    g_script = nullptr;
    DestroyWindow(owner_);
    CoUninitialize();
  }

  ChosenItem Open(TMenuPresenter& presenter, IdleScript& script) {
    script.done = false;
    g_script = &script;
    const ChosenItem chosen = presenter.Show(owner_, POINT{40, 40});
    g_script = nullptr;
    return chosen;
  }

  HINSTANCE instance_ = GetModuleHandleA(nullptr);
  HWND owner_ = nullptr;
  TSettings settings_;
};

}  // namespace

TEST_F(MenuPresenterTest, ShowReturnsTheChosenItemAndLeavesNothingOfTheOpening) {
  TMenuPresenter presenter(instance_);
  const std::vector<ListingLine> lines = History(3);
  for (bool iconDisp : {true, false}) {
    presenter.Rebuild(BuildRecentItems(lines, settings_, 0), iconDisp, ui::msOffice);
    ASSERT_EQ(presenter.ItemCount(), 3);
    EXPECT_EQ(presenter.Renderer().RememberedItemCount(), iconDisp ? 3u : 0u);

    // Down, Down, Return: the second item, the second newest line (sort 2
    // reads the table from its end).
    IdleScript script{{VK_DOWN, VK_DOWN, VK_RETURN}};
    const ChosenItem chosen = Open(presenter, script);
    EXPECT_EQ(script.openings, 1);
    EXPECT_EQ(chosen.command, MenuCommand::OpenRecentItem) << iconDisp;
    EXPECT_EQ(chosen.tag, 1) << iconDisp;

    // The opening's state is gone once Show returns.
    EXPECT_EQ(presenter.ItemCount(), 0);
    EXPECT_EQ(presenter.Renderer().RememberedItemCount(), 0u);
    EXPECT_EQ(ImageList_GetImageCount(presenter.Images()), 0);
    EXPECT_EQ(presenter.Find(1000).command, MenuCommand::None);
    // The owner gets WM_NULL, so that the next menu closes on a click elsewhere.
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, owner_, WM_NULL, WM_NULL, PM_REMOVE));
  }

  // Cancelled: nothing chosen. Released twice: harmless.
  presenter.Rebuild(BuildRecentItems(lines, settings_, 0), true, ui::msWindows);
  IdleScript cancel;
  EXPECT_EQ(Open(presenter, cancel).command, MenuCommand::None);
  EXPECT_EQ(cancel.openings, 1);
  presenter.Release();
  EXPECT_EQ(presenter.ItemCount(), 0);

  // An empty menu is not shown at all.
  IdleScript never;
  EXPECT_EQ(Open(presenter, never).command, MenuCommand::None);
  EXPECT_EQ(never.openings, 0);
}

// A program that opens its recent-files menu all day keeps its memory and
// handles flat: every opening frees what it made.
TEST_F(MenuPresenterTest, TwoThousandOpeningsOfAHundredEntriesLeaveMemoryAndHandlesFlat) {
  TMenuPresenter presenter(instance_);
  const std::vector<ListingLine> lines = History(100);
  IdleScript cancel;
  auto openOnce = [&] {
    presenter.Rebuild(BuildRecentItems(lines, settings_, 2), true, ui::msOffice);
    Open(presenter, cancel);
  };
  // Warm up: the system's own caches (fonts, icons of the file types).
  for (int i = 0; i < 20; ++i) openOnce();
  ASSERT_EQ(cancel.openings, 20);

  const std::size_t bytesBefore = PrivateBytes();
  const long gdiBefore = platform::GdiCount::live;
  const long gdiMadeBefore = platform::GdiCount::made;
  const long menusBefore = platform::MenuCount::live;
  const long iconsBefore = platform::IconCount::live;
  constexpr int kOpenings = 2000;
  for (int i = 0; i < kOpenings; ++i) openOnce();
  ASSERT_EQ(cancel.openings, 20 + kOpenings);
  const std::size_t bytesAfter = PrivateBytes();

  EXPECT_EQ(presenter.Renderer().RememberedItemCount(), 0u);
  EXPECT_EQ(platform::GdiCount::live, gdiBefore);
  EXPECT_EQ(platform::MenuCount::live, menusBefore);
  EXPECT_EQ(platform::IconCount::live, iconsBefore);
  // Fonts, brushes and DCs are made once per opening, not once per item.
  const long madePerOpening = (platform::GdiCount::made - gdiMadeBefore) / kOpenings;
  EXPECT_LE(madePerOpening, 6) << "GDI objects made per opening of 100 items";
  ASSERT_GT(bytesBefore, 0u);
  const long long growth = static_cast<long long>(bytesAfter) - static_cast<long long>(bytesBefore);
  EXPECT_LT(growth, 512 * 1024) << "private bytes before " << bytesBefore << ", after " << bytesAfter;
}

// Items that cannot be inserted (the menu is gone, or the system is out of
// menu handles) leave neither their submenus nor a command behind.
TEST_F(MenuPresenterTest, FailedInsertionsLeaveNoSubmenuBehind) {
  TFavourites favourites;
  favourites.Slots[0] = {">", "Docs", ""};
  favourites.Slots[1] = {"P", "C:\\windows", ""};
  favourites.Slots[2] = {"<", "", ""};
  favourites.Slots[3] = {"Web", "http://example.com/", ""};
  favourites.FavouriteCount = 4;
  const std::vector<MenuItem> items = BuildFavouriteItems(favourites, settings_, "C:\\quenlark.exe");

  TMenuImages images(instance_);
  TPopupMenu menu;
  // The menu's handle dies under it: every insertion fails.
  ASSERT_TRUE(DestroyMenu(menu.Handle()));
  menu.Build(items, images, nullptr);  // the system's first-use allocations
  const long menusBefore = platform::MenuCount::live;
  const std::size_t bytesBefore = PrivateBytes();
  for (int i = 0; i < 1000; ++i) {
    menu.Clear();
    menu.Build(items, images, nullptr);
  }
  const long long growth = static_cast<long long>(PrivateBytes()) - static_cast<long long>(bytesBefore);
  EXPECT_LT(growth, 256 * 1024) << "three submenus and a dozen items per build would stay behind";
  EXPECT_EQ(platform::MenuCount::live, menusBefore);
  EXPECT_EQ(menu.Find(1000).command, MenuCommand::None);
  // The dead handle is dropped (not destroyed again) for a new menu.
  menu.EnsureMenu();
  menu.Build(items, images, nullptr);
  EXPECT_EQ(menu.ItemCount(), 4);

  // A presenter whose menu died makes itself a new one at the next build.
  TMenuPresenter presenter(instance_);
  ASSERT_TRUE(DestroyMenu(presenter.Handle()));
  presenter.Rebuild(items, true, ui::msOffice);
  EXPECT_EQ(presenter.ItemCount(), 4);
}
