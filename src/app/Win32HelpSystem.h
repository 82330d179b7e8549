// The help viewers of the system for THelpViewer: WinHelp, and HTML Help
// from hhctrl.ocx, loaded from the system folder when it is first needed
// (no link-time dependency on the HTML Help library).
#pragma once

#include <windows.h>

#include "app/HelpViewer.h"
#include "platform/Desktop.h"

namespace quenlark {

class Win32HelpSystem : public IHelpSystem {
 public:
  Win32HelpSystem(HWND owner, platform::IPathQuery& paths, platform::IMessageBox& messages)
      : owner_(owner), paths_(paths), messages_(messages) {}

  bool FileExists(const std::string& path) override { return paths_.IsExistingFile(path); }
  bool CallWinHelp(const std::string& file, WinHelpCommand command, unsigned data) override;
  bool CallHtmlHelp(const std::string& target, HtmlHelpCommand command) override;
  void ShowMessage(const std::string& text) override;

 private:
  using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

  HWND owner_;
  platform::IPathQuery& paths_;
  platform::IMessageBox& messages_;
  // Loaded once and kept to the end of the process: the viewer's windows
  // run on its code.
  HtmlHelpFunction htmlHelp_ = nullptr;
  bool loadTried_ = false;
};

}  // namespace quenlark
