// The favourites editor: builds the favourites menu slot by slot.
#pragma once

#include "ui/Forms.h"

namespace quenlark {

class TUseFileSettingForm : public TForm {
 public:
  TUseFileSettingForm(TApplication& app, platform::IRegistry& registry)
      : TForm(app, registry, "TUseFileSettingForm", "良く使うﾌｧｲﾙとﾌｫﾙﾀﾞの設定", 416, 373, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, WS_EX_CONTROLPARENT) {}

 protected:
  void FormCreate() override;
  void FormDestroy() override;
};

}  // namespace quenlark
