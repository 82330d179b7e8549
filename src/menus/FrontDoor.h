// The front door's decisions: which menu a tray click or a hot key opens,
// the busy flags that keep a second menu of the same source from opening,
// and the order of the steps around a popup menu. The windows it moves are
// behind IFrontDoorWindows (the controller implements it), so the order is
// tested natively with a recording fake.
#pragma once

#include <cstdint>

#include "base/Geometry.h"
#include "menus/ClickTable.h"
#include "menus/MenuModel.h"
#include "platform/Desktop.h"

namespace quenlark {

class IFrontDoorWindows {
 public:
  virtual ~IFrontDoorWindows() = default;
  // The application window comes forward at the point (a popup menu needs a
  // foreground window of the program), and pending messages are handled.
  virtual void BringToFront(ScreenPoint at) = 0;
  virtual void ProcessMessages() = 0;
  // The application window hides and gives up the foreground.
  virtual void Recede() = 0;
  virtual ScreenPoint CursorPos() = 0;
  // Builds the menu of `menuCode` (1 recent files, 2 favourites, 3 the
  // program's menu) and shows it at the point; returns the chosen item
  // (None when the user cancelled or the menu was empty).
  virtual ChosenItem PopUp(std::uint8_t menuCode, ScreenPoint at) = 0;
  // Carries out the chosen item's command.
  virtual void RunCommand(const ChosenItem& item) = 0;
};

class TFrontDoor {
 public:
  TFrontDoor(IFrontDoorWindows& windows, platform::IKeyState& keys) : windows_(windows), keys_(keys) {}

  // A click on the tray icon at `at`.
  void TrayClick(MouseButton button, ScreenPoint at);
  // Hot key 1 (recent files), 2 (favourites) or 3 (the program's menu).
  void HotKey(int index);

  quenlark::ClickMenuTable ClickMenuTable{};
  bool UseAllowed = true;
  std::uint8_t MenuChoice = 0;
  bool OpenedByHotKey = false;
  ScreenPoint LastClickPos{};
  bool ClickBusy = false;
  bool HotKeyBusy = false;

 private:
  // After the popup: a launch runs while the program still holds the
  // foreground (only then may the started program take it), and the window
  // recedes afterwards; any other command (a dialog) runs after it receded.
  void Finish(const ChosenItem& item);

  IFrontDoorWindows& windows_;
  platform::IKeyState& keys_;
};

// True for the commands that hand something to the shell.
bool LaunchesDocument(MenuCommand command);

}  // namespace quenlark
