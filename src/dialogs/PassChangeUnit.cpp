#include "dialogs/PassChangeUnit.h"

#include <vector>

namespace quenlark {

namespace {

// Each label stands right before its entry: in the English face its "&"
// letter moves there (the Japanese labels have none and take their texts' size).
std::vector<ControlRow> Controls(PassChangeModel& model) {
  const bool english = CurrentFace() == Face::English;
  const ControlKind label = english ? ControlKind::FocusLabel : ControlKind::Label;
  const int labelWidth = english ? 56 : 0, labelHeight = english ? 14 : 0;
  return {
    {.kind = label, .id = TPassChangeForm::kPassLabel1, .name = "PassLabel1", .left = 8, .top = 12,
     .width = labelWidth, .height = labelHeight, .caption = Text(TextId::PassChangeLabel1)},
    {.kind = ControlKind::PasswordEdit, .id = TPassChangeForm::kPassEdit1, .name = "PassEdit1", .left = 64,
     .top = 8, .width = 169, .height = 20, .binding = BindText(model.PassEdit1)},
    {.kind = label, .id = TPassChangeForm::kPassLabel2, .name = "PassLabel2", .left = 8, .top = 44,
     .width = labelWidth, .height = labelHeight, .caption = Text(TextId::PassChangeLabel2)},
    {.kind = ControlKind::PasswordEdit, .id = TPassChangeForm::kPassEdit2, .name = "PassEdit2", .left = 64,
     .top = 40, .width = 169, .height = 20, .binding = BindText(model.PassEdit2)},
    {.kind = ControlKind::Button, .id = TPassChangeForm::kOkButton, .name = "OkButton", .left = 64, .top = 72,
     .width = 73, .height = 25, .caption = Text(TextId::PassChangeOk)},
    {.kind = ControlKind::CancelButton, .id = TPassChangeForm::kCancelButton, .name = "CancelButton", .left = 160,
     .top = 72, .width = 73, .height = 25, .caption = Text(TextId::PassChangeCancel)},
  };
}

}  // namespace

void TPassChangeForm::FormCreate() {
  CreateControls(Controls(model_));
  SetCommands({{kOkButton, [this] { OkButtonClick(); }}, {kCancelButton, [this] { CancelButtonClick(); }}});
}

// Opens centred on the screen every time, wherever it was moved before;
// nothing of its placement is kept.
void TPassChangeForm::FormShow() {
  CentreOnScreen();
  model_.Load(PassWordValue);
  LoadControls();
  SetFocus(Control(kPassEdit1));
}

void TPassChangeForm::OkButtonClick() {
  StoreControls();
  // On a failure the dialog stays open with both entries as they are.
  if (ShowFailure(model_.Validate(kPassEdit1), messages_)) return;
  PassWordValue = model_.NewPassword();
  Close(mrOk);
}

void TPassChangeForm::CancelButtonClick() { Close(mrCancel); }

void TPassChangeForm::FormDestroy() {}

}  // namespace quenlark
