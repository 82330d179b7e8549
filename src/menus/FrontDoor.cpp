#include "menus/FrontDoor.h"

namespace quenlark {

bool LaunchesDocument(MenuCommand command) {
  return command == MenuCommand::OpenRecentItem || command == MenuCommand::OpenFavourite;
}

void TFrontDoor::TrayClick(MouseButton button, ScreenPoint at) {
  LastClickPos = at;
  if (!UseAllowed) return;
  // A click while a click menu is up is ignored before anything is moved:
  // the application window must not be left shown at the click point.
  if (ClickBusy) return;
  if (button == MouseButton::Middle) return;
  // Busy from here: a click handled while pending messages are processed
  // opens nothing.
  ClickBusy = true;
  windows_.BringToFront(at);
  windows_.ProcessMessages();
  const std::uint8_t choice = ClickMenuChoice(ClickMenuTable, button, keys_.KeyDown(platform::kVkControl),
                                              keys_.KeyDown(platform::kVkShift), UseAllowed, false);
  MenuChoice = choice;
  OpenedByHotKey = false;
  ChosenItem item;
  if (choice != kNoMenu) item = windows_.PopUp(choice, at);
  ClickBusy = false;
  Finish(item);
}

void TFrontDoor::HotKey(int index) {
  if (!UseAllowed || HotKeyBusy) return;
  if (index != kRecentMenu && index != kFavouritesMenu && index != kProgramMenu) return;
  HotKeyBusy = true;
  const ScreenPoint at = windows_.CursorPos();
  windows_.BringToFront(at);
  windows_.ProcessMessages();
  MenuChoice = static_cast<std::uint8_t>(index);
  if (index != kProgramMenu) OpenedByHotKey = true;
  const ChosenItem item = windows_.PopUp(MenuChoice, at);
  HotKeyBusy = false;
  Finish(item);
}

void TFrontDoor::Finish(const ChosenItem& item) {
  const bool launch = LaunchesDocument(item.command);
  if (launch) windows_.RunCommand(item);
  windows_.Recede();
  if (!launch && item.command != MenuCommand::None) windows_.RunCommand(item);
}

}  // namespace quenlark
