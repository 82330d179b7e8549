#include "menus/PassForm.h"

namespace quenlark {

namespace {

const ControlRow kControls[] = {
    {.kind = ControlKind::PasswordEdit, .id = TPass::kPassEdit, .name = "PassEdit", .left = 35, .top = 48,
     .width = 174, .height = 20},
    {.kind = ControlKind::DefaultButton, .id = TPass::kOkButton, .name = "OkButton", .left = 224, .top = 8,
     .width = 75, .height = 25, .caption = "入  力"},
    {.kind = ControlKind::CancelButton, .id = TPass::kCancelButton, .name = "CancelButton", .left = 224, .top = 48,
     .width = 75, .height = 25, .caption = "ｷｬﾝｾﾙ"},
    {.kind = ControlKind::Label, .id = TPass::kPassLabel, .name = "PassLabel", .left = 16, .top = 18,
     .caption = "ﾊﾟｽﾜｰﾄﾞを入力してください｡"},
};

}  // namespace

// Opens centred on the screen every time; nothing of its placement is kept.
void TPass::FormCreate() {
  CreateControls(kControls);
  CentreOnScreen();
}

void TPass::FormDestroy() {}

}  // namespace quenlark
