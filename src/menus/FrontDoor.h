// The front door's decisions: which menu a tray click or a hot key opens,
// the busy flags that keep a second menu of the same source from opening,
// and the order of the steps around a popup menu. The windows it moves are
// behind IFrontDoorWindows (the controller implements it), so the order is
// tested natively with a recording fake.
#pragma once

#include <cstdint>
#include <optional>

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
  // Starts, or starts again, the wait of the system's double-click time at
  // whose end ClickWaitOver is called; StopClickWait ends it unfired.
  virtual void StartClickWait() = 0;
  virtual void StopClickWait() = 0;
};

class TFrontDoor {
 public:
  TFrontDoor(IFrontDoorWindows& windows, platform::IKeyState& keys) : windows_(windows), keys_(keys) {}

  // The icon reported a click at `at`. While a double click means something
  // (`doubleClickLocks`, and use allowed) a left click may be the first half
  // of one: its menu waits for the double-click time, since a menu open at
  // the first release would take the mouse and the second press would never
  // reach the icon. Any other click dispatches at once. A click is handled
  // after it was reported (the icon's notification is posted on), and a
  // double click sent meanwhile may already have been handled, unlocking the
  // program: a click reported before the latest double click
  // (`doubleClicksWhenReported` older than DoubleClicks()) opens nothing.
  void IconClick(MouseButton button, ScreenPoint at, bool doubleClickLocks, unsigned doubleClicksWhenReported);
  // The icon reported a double click: the click waiting for it opens nothing,
  // and so does any click reported before it and handled after it.
  void IconDoubleClick();
  // How many double clicks were handled, the stamp of a reported click.
  unsigned DoubleClicks() const { return doubleClicks_; }
  // The double-click time passed: the waiting click opens its menu where it
  // was made, with the modifier keys that were down then.
  void ClickWaitOver();
  // The click dispatch: the menu of a click at `at` opens now (also the
  // menu reopened after the password).
  void TrayClick(MouseButton button, ScreenPoint at);
  // Hot key 1 (recent files), 2 (favourites) or 3 (the program's menu); a
  // click still waiting gives way to it.
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
  struct Modifiers {
    bool ctrl = false, shift = false;
  };
  // Modifiers nullopt: read live once pending messages were handled.
  void Dispatch(MouseButton button, ScreenPoint at, std::optional<Modifiers> modifiers);
  void DropWaitingClick();

  struct WaitingClick {
    ScreenPoint at;
    Modifiers modifiers;
  };
  std::optional<WaitingClick> waiting_;
  unsigned doubleClicks_ = 0;

  IFrontDoorWindows& windows_;
  platform::IKeyState& keys_;
};

// True for the commands that hand something to the shell.
bool LaunchesDocument(MenuCommand command);

}  // namespace quenlark
