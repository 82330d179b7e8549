#include "menus/FrontDoor.h"

namespace quenlark {

bool LaunchesDocument(MenuCommand command) {
  return command == MenuCommand::OpenRecentItem || command == MenuCommand::OpenFavourite;
}

void TFrontDoor::IconClick(MouseButton button, ScreenPoint at, bool doubleClickLocks,
                           unsigned doubleClicksWhenReported) {
  // Half of a double click already handled: the unlock it made must not open
  // a menu a moment later.
  if (doubleClicksWhenReported != doubleClicks_) return;
  // A newer click, of either button, takes the place of one still waiting.
  DropWaitingClick();
  if (doubleClickLocks && UseAllowed && !ClickBusy && button == MouseButton::Left) {
    LastClickPos = at;
    waiting_ = WaitingClick{at, {keys_.KeyDown(platform::kVkControl), keys_.KeyDown(platform::kVkShift)}};
    windows_.StartClickWait();
    return;
  }
  TrayClick(button, at);
}

void TFrontDoor::IconDoubleClick() {
  // 24 bits, so that the stamp fits above the button in a message parameter
  // of either build.
  doubleClicks_ = (doubleClicks_ + 1) & 0xFFFFFFu;
  DropWaitingClick();
}

void TFrontDoor::ClickWaitOver() {
  if (!waiting_) return;
  const WaitingClick click = *waiting_;
  waiting_.reset();
  Dispatch(MouseButton::Left, click.at, click.modifiers);
}

void TFrontDoor::DropWaitingClick() {
  if (!waiting_) return;
  waiting_.reset();
  windows_.StopClickWait();
}

void TFrontDoor::TrayClick(MouseButton button, ScreenPoint at) { Dispatch(button, at, std::nullopt); }

void TFrontDoor::Dispatch(MouseButton button, ScreenPoint at, std::optional<Modifiers> modifiers) {
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
  if (!modifiers) modifiers = Modifiers{keys_.KeyDown(platform::kVkControl), keys_.KeyDown(platform::kVkShift)};
  const std::uint8_t choice =
      ClickMenuChoice(ClickMenuTable, button, modifiers->ctrl, modifiers->shift, UseAllowed, false);
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
  DropWaitingClick();
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
