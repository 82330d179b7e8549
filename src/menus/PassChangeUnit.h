// The password change dialog opened from the settings dialog.
#pragma once

#include "ui/Forms.h"

namespace quenlark {

class TPassChangeForm : public TForm {
 public:
  enum : int { kPassLabel1 = 100, kPassLabel2, kPassEdit1, kPassEdit2, kOkButton, kCancelButton };

  TPassChangeForm(TApplication& app, platform::IRegistry& registry)
      : TForm(app, registry, "TPassChangeForm", "ﾊﾟｽﾜｰﾄﾞ変更", 245, 104) {}

 protected:
  void FormCreate() override;
  void FormDestroy() override;
};

}  // namespace quenlark
