#include "dialogs/AboutUnit.h"

#include <shellapi.h>

namespace quenlark {

namespace {

enum { kIconId = 100, kProductId, kVersionId, kDescriptionId, kWebId, kMailId };

const ControlRow kControls[] = {
    {.kind = ControlKind::Icon, .id = kIconId, .name = "ProgramIcon", .left = 16, .top = 16, .width = 32, .height = 32},
    {.kind = ControlKind::Label, .id = kProductId, .name = "ProductName", .left = 64, .top = 16, .width = 220,
     .height = 16, .caption = "Quenlark"},
    {.kind = ControlKind::Label, .id = kVersionId, .name = "Version", .left = 64, .top = 36, .width = 220,
     .height = 16, .caption = "Version 2.4.2"},
    {.kind = ControlKind::Label, .id = kDescriptionId, .name = "Comments", .left = 64, .top = 56, .width = 220,
     .height = 16, .caption = "[最近使ったﾌｧｲﾙ]拡張ﾄﾚｲｱｲｺﾝ"},
    {.kind = ControlKind::Link, .id = kWebId, .name = "WebLabel", .left = 64, .top = 80, .width = 220, .height = 16,
     .caption = kMakerWebPage},
    {.kind = ControlKind::Link, .id = kMailId, .name = "MailLabel", .left = 64, .top = 98, .width = 220,
     .height = 16, .caption = "quenlark@kestrow.example"},
    {.kind = ControlKind::DefaultButton, .id = IDOK, .name = "OKButton", .left = 112, .top = 118, .width = 75,
     .height = 24, .caption = "OK"},
};

}  // namespace

void TAboutForm::FormCreate() {
  CreateControls(kControls);
  SetCommands({{kWebId, [this] { OpenLink(kMakerWebPage); }}, {kMailId, [this] { OpenLink(kMakerMail); }}});
  SendMessageA(Control(kIconId), STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(app_.Instance(), "MAINICON")), 0);
  CentreOnScreen();
}

void TAboutForm::OpenLink(const char* address) {
  ShellExecuteA(Handle(), "open", address, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace quenlark
