// The selective clear dialog: deletes chosen entries of the shell's list or of the history.
#pragma once

#include "ui/Forms.h"

namespace quenlark {

class TSelectClearForm : public TForm {
 public:
  TSelectClearForm(TApplication& app, platform::IRegistry& registry)
      : TForm(app, registry, "TSelectClearForm", "[最近使ったﾌｧｲﾙ]のｸﾘｱ", 296, 309,
              WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, WS_EX_CONTROLPARENT, SizeKind::Window) {}

 protected:
  void FormCreate() override;
  void FormDestroy() override;
};

}  // namespace quenlark
