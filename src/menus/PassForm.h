// The password entry dialog shown before lock mode ends.
#pragma once

#include "ui/Forms.h"

namespace quenlark {

class TPass : public TForm {
 public:
  enum : int { kPassLabel = 100, kPassEdit, kOkButton = IDOK, kCancelButton = IDCANCEL };

  TPass(TApplication& app, platform::IRegistry& registry)
      : TForm(app, registry, "TPass", "ﾊﾟｽﾜｰﾄﾞ入力", 313, 82, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
              WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT | WS_EX_TOPMOST) {}

 protected:
  void FormCreate() override;
  void FormDestroy() override;
};

}  // namespace quenlark
