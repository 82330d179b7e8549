#include "dialogs/AboutUnit.h"

#include <cstring>
#include <iterator>
#include <vector>

#include "settings/SettingsStore.h"

namespace quenlark {

namespace {

// The version label's caption comes from the version resource when the form is made.
std::vector<ControlRow> Controls() {
  return {
    {.kind = ControlKind::Icon, .id = TAboutForm::kIconId, .name = "ProgramIcon", .left = 16, .top = 16, .width = 32,
     .height = 32},
    {.kind = ControlKind::Label, .id = TAboutForm::kProductId, .name = "ProductName", .left = 64, .top = 16,
     .width = 220, .height = 16, .caption = "Quenlark"},
    {.kind = ControlKind::Label, .id = TAboutForm::kVersionId, .name = "Version", .left = 64, .top = 36, .width = 220,
     .height = 16},
    {.kind = ControlKind::Label, .id = TAboutForm::kDescriptionId, .name = "Comments", .left = 64, .top = 56,
     .width = 220, .height = 16, .caption = Text(TextId::AboutDescription)},
    // Links take the size of their text: the hand and the click are on the address only.
    {.kind = ControlKind::Link, .id = TAboutForm::kWebId, .name = "WebLabel", .left = 64, .top = 80,
     .caption = kMakerWebPage},
    {.kind = ControlKind::Link, .id = TAboutForm::kMailId, .name = "MailLabel", .left = 64, .top = 98,
     .caption = "quenlark@kestrow.example"},
    {.kind = ControlKind::DefaultButton, .id = IDOK, .name = "OKButton", .left = 112, .top = 118, .width = 75,
     .height = 24, .caption = Text(TextId::AboutOk)},
  };
}

}  // namespace

std::string ModuleProductVersion(HMODULE module) {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
  if (size == 0) return {};
  std::vector<char> data(size);
  if (!GetFileVersionInfoW(path, 0, size, data.data())) return {};
  // The string table of the first translation the resource lists.
  struct Translation {
    WORD language;
    WORD codePage;
  };
  Translation* translations = nullptr;
  UINT translationBytes = 0;
  if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                      &translationBytes) ||
      !translations || translationBytes < sizeof(Translation)) {
    return {};
  }
  // Its language and code page as eight lower-case hex digits (written here,
  // not by swprintf, whose wide formatter would be the exe's only user).
  std::wstring query = L"\\StringFileInfo\\";
  for (const unsigned part : {translations[0].language, translations[0].codePage})
    for (int shift = 12; shift >= 0; shift -= 4) query += L"0123456789abcdef"[(part >> shift) & 0xF];
  query += L"\\ProductVersion";
  wchar_t* value = nullptr;
  UINT valueLength = 0;
  if (!VerQueryValueW(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &valueLength) || !value) return {};
  return platform::ProgramText(platform::WideUntilNul(value, valueLength));
}

void TAboutForm::FormCreate() {
  const std::string version = ModuleProductVersion(app_.Instance());
  std::vector<ControlRow> controls = Controls();
  for (ControlRow& row : controls) {
    // Without a readable version resource the built-in version is shown.
    if (row.id == kVersionId) row.caption = FormatText(TextId::AboutVersion, version.empty() ? kProgramVersion : version.c_str());
  }
  CreateControls(controls);
  SetCommands({{kWebId, [this] { OpenLink(kMakerWebPage); }}, {kMailId, [this] { OpenLink(kMakerMail); }}});
  SendMessageW(Control(kIconId), STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(app_.Instance(), L"MAINICON")), 0);
  CentreOnScreen();
}

void TAboutForm::OnCommand(int id, int code) {
  // The box has no Cancel button, but Esc closes it as its OK button does.
  if (id == IDCANCEL && code == BN_CLICKED) {
    Close(mrCancel);
    return;
  }
  TForm::OnCommand(id, code);
}

void TAboutForm::OpenLink(const char* address) {
  platform::ShellExecuteRequest request;
  request.verb = "open";
  request.file = address;
  request.showCommand = SW_SHOWNORMAL;
  shell_.Execute(request);
}

}  // namespace quenlark
