#include "dialogs/PassForm.h"

namespace quenlark {

namespace {

std::vector<ControlRow> Controls() {
  // The label stands right before the entry: in the English face its "&"
  // letter moves there (the Japanese label has none and takes its text's size).
  const bool english = CurrentFace() == Face::English;
  return {
    {.kind = english ? ControlKind::FocusLabel : ControlKind::Label, .id = TPass::kPassLabel, .name = "PassLabel",
     .left = 16, .top = 18, .width = english ? 200 : 0, .height = english ? 14 : 0, .caption = Text(TextId::PassLabel)},
    {.kind = ControlKind::PasswordEdit, .id = TPass::kPassEdit, .name = "PassEdit", .left = 35, .top = 48,
     .width = 174, .height = 20},
    {.kind = ControlKind::DefaultButton, .id = TPass::kOkButton, .name = "OkButton", .left = 224, .top = 8,
     .width = 75, .height = 25, .caption = Text(TextId::PassOk)},
    {.kind = ControlKind::CancelButton, .id = TPass::kCancelButton, .name = "CancelButton", .left = 224, .top = 48,
     .width = 75, .height = 25, .caption = Text(TextId::PassCancel)},
  };
}

}  // namespace

void TPass::FormCreate() {
  CreateControls(Controls());
  focusTimer_ = NewTimerId();
}

// Opens centred on the screen every time, wherever it was moved before;
// nothing of its placement is kept. The dialog may come up while another
// program has the foreground (a double click on the tray icon); a moment
// after it shows it takes the foreground and puts the keyboard into the entry.
void TPass::FormShow() {
  CentreOnScreen();
  SetTimer(Handle(), focusTimer_, 100, nullptr);
}

// Closed before the timer fired, the dialog must not come forward hidden.
void TPass::FormClose() { KillTimer(Handle(), focusTimer_); }

void TPass::FocusTimerTimer() {
  KillTimer(Handle(), focusTimer_);
  SetForegroundWindow(Handle());
  SetFocus(Control(kPassEdit));
}

bool TPass::HandleMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  if (msg == WM_TIMER && wp == focusTimer_) {
    FocusTimerTimer();
    result = 0;
    return true;
  }
  return false;
}

void TPass::ClearPassEdit() { WriteControl(kPassEdit, {}); }

std::string TPass::PassEditText() const { return ReadControl(kPassEdit).text; }

void TPass::FormDestroy() {}

}  // namespace quenlark
