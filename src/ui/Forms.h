// The base of every form: one window of its own class (named after the form
// class, as the program's windows are found by class name), created once and
// reused, shown modally or brought forward, with its controls built from a
// table and its placement kept in the registry.
#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <vector>

#include "ui/Application.h"
#include "ui/WindowPlacement.h"
#include "platform/Registry.h"

namespace quenlark {

enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

// Whether a form's designed size is that of its client area or of its window.
enum class SizeKind { Client, Window };

enum class ControlKind { Label, Button, DefaultButton, CancelButton, CheckBox, Edit, GroupBox, Icon, Link };

// One control of a form, as designed: kind, identifier, rectangle (client
// coordinates), caption and tooltip text. Tab order is the table's order.
struct ControlSpec {
  ControlKind kind;
  int id;
  int left, top, width, height;
  const char* caption;
  const char* hint;
};

class TForm {
 public:
  TForm(TApplication& app, platform::IRegistry& registry, std::string className, std::string caption,
        int clientWidth, int clientHeight, DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
        DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, SizeKind sizeKind = SizeKind::Client);
  virtual ~TForm();
  TForm(const TForm&) = delete;
  TForm& operator=(const TForm&) = delete;

  // Creates the window (hidden) and runs FormCreate.
  bool Create();
  // Runs FormDestroy once (placement saved) and destroys the window.
  void Destroy();
  // FormDestroy without destroying the window, for an end of session that
  // may not come back to the message loop.
  void SaveState();

  HWND Handle() const { return handle_; }
  const std::string& ClassName() const { return className_; }
  bool Showing() const { return handle_ && IsWindowVisible(handle_); }

  // Shows the form and brings it forward (not modal).
  void Show();
  // Shows the form modally; returns its modal result when it closes.
  int ShowModal();
  // Ends a modal showing with the given result (or hides a modeless one).
  void Close(int result = mrCancel);
  int ModalResultValue() const { return modalResult_; }

  FormBounds Bounds() const;
  void SetBounds(const FormBounds& bounds);

 protected:
  virtual void FormCreate() {}
  virtual void FormShow() {}
  virtual void FormClose() {}
  virtual void FormDestroy() {}
  // Window messages the form handles itself; return true when handled.
  virtual bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  virtual void OnCommand(int id, int code);

  void CreateControls(std::span<const ControlSpec> controls);
  HWND Control(int id) const { return GetDlgItem(handle_, id); }

  // Placement helpers for the forms that keep theirs.
  void LoadPosition();
  void LoadSize();
  void SavePosition();
  void SaveSize();
  // Centres the form on the screen area used for placement.
  void CentreOnScreen();

  TApplication& app_;
  platform::IRegistry& registry_;

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;
  LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);

  std::string className_;
  std::string caption_;
  int clientWidth_;
  int clientHeight_;
  DWORD style_;
  DWORD exStyle_;
  SizeKind sizeKind_;
  HWND handle_ = nullptr;
  HWND tooltip_ = nullptr;
  HFONT font_ = nullptr;
  std::vector<std::string> hints_;
  bool inModalLoop_ = false;
  bool stateSaved_ = false;
  int modalResult_ = mrNone;
};

// The screen area dialogs are placed in: the virtual screen, or the primary
// screen on systems that know no virtual screen.
ScreenSize PlacementScreenSize();

// Shows the form modally, or only brings it forward when it is already shown.
void ShowDialog(TForm& form);

}  // namespace quenlark
