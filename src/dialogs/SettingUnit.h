// The settings dialog: every option of the program, checked and stored on OK.
#pragma once

#include "ui/Forms.h"

namespace quenlark {

class TSettingForm : public TForm {
 public:
  TSettingForm(TApplication& app, platform::IRegistry& registry)
      : TForm(app, registry, "TSettingForm", "Quenlarkの設定", 528, 494) {}

 protected:
  void FormCreate() override;
  void FormDestroy() override;
};

}  // namespace quenlark
