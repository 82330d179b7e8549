// The front door's order of steps around a popup menu, against a recording
// fake of the windows it moves.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "menus/FrontDoor.h"

namespace quenlark {
namespace {

class FakeKeys : public platform::IKeyState {
 public:
  bool ctrl = false, shift = false;
  bool KeyDown(int vk) override { return vk == platform::kVkControl ? ctrl : vk == platform::kVkShift && shift; }
};

class RecordingWindows : public IFrontDoorWindows {
 public:
  std::vector<std::string> steps;
  ChosenItem chosen;
  std::function<void()> duringMenu;     // runs while the menu is "up"
  std::function<void()> duringCommand;  // runs while the command runs
  std::function<void()> duringMessages;
  TFrontDoor* door = nullptr;

  void BringToFront(ScreenPoint at) override {
    steps.push_back("front " + std::to_string(at.x) + "," + std::to_string(at.y));
  }
  void ProcessMessages() override {
    steps.push_back("messages");
    if (duringMessages) duringMessages();
  }
  void Recede() override { steps.push_back("recede"); }
  ScreenPoint CursorPos() override { return {300, 200}; }
  ChosenItem PopUp(std::uint8_t menuCode, ScreenPoint) override {
    steps.push_back("popup " + std::to_string(menuCode));
    if (duringMenu) duringMenu();
    return chosen;
  }
  void RunCommand(const ChosenItem& item) override {
    steps.push_back("run " + std::to_string(static_cast<int>(item.command)));
    if (duringCommand) duringCommand();
  }
  void StartClickWait() override { steps.push_back("wait"); }
  void StopClickWait() override { steps.push_back("stop wait"); }
};

struct FrontDoorTest : ::testing::Test {
  FakeKeys keys;
  RecordingWindows windows;
  TFrontDoor door{windows, keys};
  void SetUp() override {
    door.ClickMenuTable = BuildClickMenuTable(0, 1, 3);
    windows.door = &door;
  }
};

TEST_F(FrontDoorTest, ALaunchRunsWhileTheProgramHoldsTheForegroundThenRecedes) {
  windows.chosen = {MenuCommand::OpenRecentItem, 4};
  door.TrayClick(MouseButton::Left, {1000, 750});
  const std::vector<std::string> expected{"front 1000,750", "messages", "popup 1", "run 1", "recede"};
  EXPECT_EQ(windows.steps, expected);
  EXPECT_EQ(door.LastClickPos.x, 1000);
}

TEST_F(FrontDoorTest, ADialogCommandRunsAfterTheWindowReceded) {
  windows.chosen = {MenuCommand::Setting, 0};
  door.TrayClick(MouseButton::Right, {10, 20});
  const std::vector<std::string> expected{"front 10,20", "messages", "popup 3", "recede",
                                          "run " + std::to_string(static_cast<int>(MenuCommand::Setting))};
  EXPECT_EQ(windows.steps, expected);
}

TEST_F(FrontDoorTest, BusyFlagsCoverTheMenuButNotTheCommand) {
  windows.chosen = {MenuCommand::UseFileSetting, 0};
  bool busyDuringMenu = false, busyDuringCommand = true;
  windows.duringMenu = [&] { busyDuringMenu = door.ClickBusy; };
  windows.duringCommand = [&] {
    busyDuringCommand = door.ClickBusy;
    // A click while the command's dialog is up opens its menu again.
    windows.chosen = {};
    windows.duringCommand = nullptr;
    door.TrayClick(MouseButton::Left, {5, 5});
  };
  door.TrayClick(MouseButton::Right, {1, 1});
  EXPECT_TRUE(busyDuringMenu);
  EXPECT_FALSE(busyDuringCommand);
  EXPECT_EQ(std::count(windows.steps.begin(), windows.steps.end(), "popup 1"), 1);
  EXPECT_FALSE(door.ClickBusy);

  windows.steps.clear();
  windows.chosen = {MenuCommand::UseFileSetting, 0};
  bool hotKeyBusyDuringCommand = true;
  windows.duringCommand = [&] { hotKeyBusyDuringCommand = door.HotKeyBusy; };
  door.HotKey(3);
  EXPECT_FALSE(hotKeyBusyDuringCommand);
  EXPECT_FALSE(door.HotKeyBusy);
}

TEST_F(FrontDoorTest, AClickWhileAClickMenuIsUpMovesNoWindow) {
  windows.duringMenu = [&] {
    windows.steps.push_back("second click");
    door.TrayClick(MouseButton::Left, {7, 7});
  };
  door.TrayClick(MouseButton::Left, {1, 1});
  // The second click changed nothing but the click position: it did not
  // bring the application window forward (nothing would hide it again).
  const std::vector<std::string> expected{"front 1,1", "messages", "popup 1", "second click", "recede"};
  EXPECT_EQ(windows.steps, expected);
  EXPECT_EQ(door.LastClickPos.x, 7);
}

TEST_F(FrontDoorTest, AClickDuringPendingMessagesOpensNothing) {
  windows.duringMessages = [&] {
    windows.duringMessages = nullptr;
    door.TrayClick(MouseButton::Left, {2, 2});
  };
  door.TrayClick(MouseButton::Left, {1, 1});
  EXPECT_EQ(std::count(windows.steps.begin(), windows.steps.end(), "popup 1"), 1);
}

TEST_F(FrontDoorTest, LockedMiddleAndEmptyChoicesLeaveNoWindowShown) {
  door.UseAllowed = false;
  door.TrayClick(MouseButton::Left, {3, 4});
  door.HotKey(1);
  EXPECT_TRUE(windows.steps.empty());
  EXPECT_EQ(door.LastClickPos.y, 4);

  door.UseAllowed = true;
  door.TrayClick(MouseButton::Middle, {3, 4});
  EXPECT_TRUE(windows.steps.empty());

  // Entry 0 of the table: the window came forward and goes again.
  door.ClickMenuTable = BuildClickMenuTable(3, 3, 3);
  door.ClickMenuTable[0] = kNoMenu;
  door.TrayClick(MouseButton::Left, {3, 4});
  const std::vector<std::string> expected{"front 3,4", "messages", "recede"};
  EXPECT_EQ(windows.steps, expected);
}

TEST_F(FrontDoorTest, HotKeysOpenAtTheCursorAndMarkTheirMenus) {
  door.HotKey(2);
  EXPECT_EQ(windows.steps.front(), "front 300,200");
  EXPECT_EQ(door.MenuChoice, kFavouritesMenu);
  EXPECT_TRUE(door.OpenedByHotKey);
  door.OpenedByHotKey = false;
  door.HotKey(3);
  EXPECT_EQ(door.MenuChoice, kProgramMenu);
  EXPECT_FALSE(door.OpenedByHotKey);  // the program's menu leaves it as it was
  windows.steps.clear();
  door.HotKey(7);
  EXPECT_TRUE(windows.steps.empty());
}

// While a double click locks, a left click waits, then opens where it was
// made with the keys held then; a double click or a hot key drops it. A
// click reported before a double click that was handled first (the program
// was busy; the double click unlocked it) opens nothing, waiting or not.
TEST_F(FrontDoorTest, ALeftClickWaitsWhileADoubleClickLocks) {
  keys.shift = true;
  door.IconClick(MouseButton::Left, {4, 5}, true, door.DoubleClicks());
  keys.shift = false;
  door.ClickWaitOver();
  door.IconClick(MouseButton::Left, {4, 5}, true, door.DoubleClicks());
  const unsigned beforeDoubleClick = door.DoubleClicks();
  door.IconDoubleClick();
  door.IconClick(MouseButton::Left, {4, 5}, true, beforeDoubleClick);
  door.IconClick(MouseButton::Right, {4, 5}, false, beforeDoubleClick);
  door.ClickWaitOver();
  door.IconClick(MouseButton::Left, {4, 5}, true, door.DoubleClicks());
  door.HotKey(3);
  door.IconClick(MouseButton::Left, {4, 5}, false, door.DoubleClicks());  // no wait
  const std::vector<std::string> expected{"wait", "front 4,5", "messages", "popup 2", "recede", "wait", "stop wait",
                                          "wait", "stop wait", "front 300,200", "messages", "popup 3", "recede",
                                          "front 4,5", "messages", "popup 1", "recede"};
  EXPECT_EQ(windows.steps, expected);
}

TEST_F(FrontDoorTest, CtrlWinsOverShiftReadLiveAtTheClick) {
  keys.shift = true;
  door.TrayClick(MouseButton::Left, {0, 0});
  EXPECT_EQ(door.MenuChoice, kFavouritesMenu);
  keys.ctrl = true;
  door.TrayClick(MouseButton::Left, {0, 0});
  EXPECT_EQ(door.MenuChoice, kRecentMenu);
}

}  // namespace
}  // namespace quenlark
