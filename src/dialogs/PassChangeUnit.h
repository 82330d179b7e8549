// The password change dialog opened from the settings dialog.
#pragma once

#include <string>

#include "base/Texts.h"
#include "dialogs/PassChangeModel.h"
#include "platform/Desktop.h"
#include "ui/Forms.h"

namespace quenlark {

class TPassChangeForm : public TForm {
 public:
  enum : int { kPassLabel1 = 100, kPassLabel2, kPassEdit1, kPassEdit2, kOkButton, kCancelButton };

  TPassChangeForm(TApplication& app, platform::IRegistry& registry, platform::IMessageBox& messages)
      : TForm(app, registry, "TPassChangeForm", Text(TextId::PassChangeCaption), 245, 104), messages_(messages) {}

  // The password: set before showing, read after the dialog closed with OK.
  std::string PassWordValue;

  void OkButtonClick();
  void CancelButtonClick();

 protected:
  void FormCreate() override;
  void FormShow() override;
  void FormDestroy() override;

 private:
  platform::IMessageBox& messages_;
  PassChangeModel model_;
};

}  // namespace quenlark
