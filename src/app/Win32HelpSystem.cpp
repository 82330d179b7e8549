#include "app/Win32HelpSystem.h"

#include "base/Texts.h"
#include "platform/Win32SystemFunction.h"
#include "platform/Win32Text.h"

namespace quenlark {

bool Win32HelpSystem::CallWinHelp(const std::string& file, WinHelpCommand command, unsigned data) {
  return WinHelpW(owner_, platform::Wide(file).c_str(), static_cast<UINT>(command), data) != FALSE;
}

bool Win32HelpSystem::CallHtmlHelp(const std::string& target, HtmlHelpCommand command) {
  if (command == HtmlHelpCommand::CloseAll) {
    // Nothing to close when the viewer was never loaded.
    if (htmlHelp_) htmlHelp_(nullptr, nullptr, static_cast<UINT>(command), 0);
    return true;
  }
  if (!loadTried_) {
    loadTried_ = true;
    // From the system folder only, never from the program's folder or the
    // current one.
    htmlHelp_ = platform::SystemFunction<HtmlHelpFunction>(L"hhctrl.ocx", "HtmlHelpW", true);
  }
  if (!htmlHelp_) return false;
  HWND window = htmlHelp_(owner_, platform::Wide(target).c_str(), static_cast<UINT>(command), 0);
  if (!window) return false;
  // Wine's viewer decodes the compiled help's title with the process's ANSI
  // code page, which garbles it on every system but a Japanese one; the
  // program's own text reads the same everywhere.
  SetWindowTextW(window, platform::Wide(Text(TextId::HelpTitle)).c_str());
  // A modal dialog disables the program's windows while it is up, the help
  // window too when it was open before; the page asked for from that dialog
  // must be readable (scrolled, clicked) beside it.
  if (!IsWindowEnabled(window)) EnableWindow(window, TRUE);
  return true;
}

void Win32HelpSystem::ShowMessage(const std::string& text) {
  messages_.Show(text, Text(TextId::HelpErrorCaption), platform::kMbOk | platform::kMbIconExclamation);
}

}  // namespace quenlark
