#include "dialogs/AboutUnit.h"

#include <shellapi.h>

namespace quenlark {

namespace {

enum { kIconId = 100, kProductId, kVersionId, kDescriptionId, kWebId, kMailId };

constexpr ControlSpec kControls[] = {
    {ControlKind::Icon, kIconId, 16, 16, 32, 32, "", nullptr},
    {ControlKind::Label, kProductId, 64, 16, 220, 16, "Quenlark", nullptr},
    {ControlKind::Label, kVersionId, 64, 36, 220, 16, "Version 2.4.2", nullptr},
    {ControlKind::Label, kDescriptionId, 64, 56, 220, 16, "[最近使ったﾌｧｲﾙ]拡張ﾄﾚｲｱｲｺﾝ", nullptr},
    {ControlKind::Link, kWebId, 64, 80, 220, 16, "http://kestrow.example/quenlark/", nullptr},
    {ControlKind::Link, kMailId, 64, 98, 220, 16, "quenlark@kestrow.example", nullptr},
    {ControlKind::DefaultButton, IDOK, 112, 118, 75, 24, "OK", nullptr},
};

}  // namespace

void TAboutForm::FormCreate() {
  CreateControls(kControls);
  SendMessageA(Control(kIconId), STM_SETICON,
               reinterpret_cast<WPARAM>(LoadIconA(app_.Instance(), "MAINICON")), 0);
  CentreOnScreen();
}

void TAboutForm::OnCommand(int id, int code) {
  if ((id == kWebId || id == kMailId) && code == STN_CLICKED) {
    ShellExecuteA(Handle(), "open", id == kWebId ? kMakerWebPage : kMakerMail, nullptr, nullptr, SW_SHOWNORMAL);
    return;
  }
  TForm::OnCommand(id, code);
}

}  // namespace quenlark
