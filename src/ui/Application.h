// The process-wide application object: the hidden application window that
// owns every other window, the title, the help file, and the message loop.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/Theme.h"
#include "platform/Win32ChangeWatch.h"
#include "ui/Window.h"

namespace quenlark {

class TApplication : public TWindow {
 public:
  explicit TApplication(HINSTANCE instance);
  ~TApplication() override;

  // Creates the hidden application window; false when it cannot be created.
  bool Initialize();

  HINSTANCE Instance() const { return instance_; }

  std::string Title = "Quenlark";
  std::string HelpFile = "Quenlark.hlp";
  // How long the dialogs' tooltips stay up, in milliseconds.
  int HintHidePause = 10000;
  bool ShowMainForm = false;
  // The system's theme, which the dialogs' title bars and the menus follow;
  // not owned. Without one everything is light.
  platform::ITheme* Theme = nullptr;
  bool DarkTheme() const { return Theme && Theme->AppsUseDarkTheme(); }

  // Runs the message loop until Terminate; returns the quit code. Besides
  // the messages, the loop waits on the handles of the wait source, when one
  // is set, and hands a signalled one back to it.
  int Run();
  void SetWaitSource(platform::IWaitSource* source) { waitSource_ = source; }
  // Asks the message loop to end (posts the quit message once).
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles the messages that are waiting, then returns.
  void ProcessMessages();
  // Hides the application window (no task-bar button) and reports it.
  void Minimize();
  // Brings the application to the foreground for a popup menu: the window
  // becomes a 1 x 1 tool window in the screen's corner, so that the menu
  // gets the keyboard (a hidden window cannot take the focus under every
  // window system), and the menu closes when the user clicks elsewhere. It
  // is never made topmost, so neither are the dialogs it owns. The point is
  // where the menu will open; the window keeps away from it.
  void BringToFront(POINT at);
  // Shows the window ahead of a click, without taking the foreground, while
  // the pointer rests on the tray icon: a window system takes a few
  // milliseconds to show a window, which the menu then does not wait for.
  void ShowAhead();
  // Hides a window shown ahead when no click followed (not while it is the
  // foreground window: a menu or a question has it then, and Recede hides it).
  void HideIfIdle();
  // Hides the application window again after the menu.
  void Recede();
  std::function<void()> OnMinimize;

  // Dispatches one message, giving the dialog under it its keyboard handling.
  // The program's message loops take and hand on messages in their Unicode
  // form, so a typed double-byte character reaches an edit whole (an ANSI
  // loop splits it into lead and trail byte, which not every system puts
  // back together); the windows themselves still speak CP932.
  static void DispatchOne(MSG& msg);

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  // Shows the window as one pixel in the screen's corner, with `flags`
  // added to SetWindowPos's.
  void ShowInCorner(UINT flags);

  HINSTANCE instance_;
  bool terminated_ = false;
  platform::IWaitSource* waitSource_ = nullptr;
};

}  // namespace quenlark
