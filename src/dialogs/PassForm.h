// The password entry dialog shown before lock mode ends.
#pragma once

#include <string>

#include "base/Texts.h"
#include "ui/Forms.h"

namespace quenlark {

class TPass : public TForm {
 public:
  enum : int { kPassLabel = 100, kPassEdit, kOkButton = IDOK, kCancelButton = IDCANCEL };

  TPass(TApplication& app, platform::IRegistry& registry)
      : TForm(app, registry, "TPass", Text(TextId::PassCaption), 313, 82, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
              WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT | WS_EX_TOPMOST) {}

  // The entry, emptied before each question and read after it.
  void ClearPassEdit();
  std::string PassEditText() const;

  void FocusTimerTimer();

 protected:
  void FormCreate() override;
  void FormShow() override;
  void FormClose() override;
  void FormDestroy() override;
  bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  UINT_PTR focusTimer_ = 0;
};

}  // namespace quenlark
