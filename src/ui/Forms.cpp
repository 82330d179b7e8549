#include "ui/Forms.h"

#include <algorithm>

#include "platform/Win32Theme.h"
#include "ui/Dpi.h"
#include "ui/FormParts.h"

namespace quenlark {

namespace {

BOOL CALLBACK CollectEnabledWindow(HWND w, LPARAM p) {
  auto* list = reinterpret_cast<std::vector<HWND>*>(p);
  if (IsWindowVisible(w) && IsWindowEnabled(w)) list->push_back(w);
  return TRUE;
}

}  // namespace

TForm::TForm(TApplication& app, platform::IRegistry& registry, std::string className, std::string caption,
             int clientWidth, int clientHeight, DWORD style, DWORD exStyle, SizeKind sizeKind)
    : app_(app),
      registry_(registry),
      className_(std::move(className)),
      caption_(std::move(caption)),
      clientWidth_(clientWidth),
      clientHeight_(clientHeight),
      style_(style),
      exStyle_(exStyle),
      sizeKind_(sizeKind) {}

TForm::~TForm() { DestroyHandle(); }

bool TForm::Create() {
  if (Handle()) return true;
  if (!RegisterWindowClass(app_.Instance(), className_.c_str(), CS_DBLCLKS, LoadIconW(app_.Instance(), L"MAINICON"),
                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1))) {
    return false;
  }
  // Made (hidden) on the monitor under the pointer, where it opens unless
  // it is placed elsewhere, and laid out for the DPI Windows gives the
  // window there: the form and its window agree on the DPI from the start.
  POINT cursor{};
  const bool pointed = GetCursorPos(&cursor) != FALSE;
  if (!CreateHandle(exStyle_, className_.c_str(), caption_.c_str(), style_, pointed ? cursor.x : CW_USEDEFAULT,
                    pointed ? cursor.y : CW_USEDEFAULT, 0, 0, app_.Handle(), app_.Instance())) {
    return false;
  }
  dpi_ = ui::WindowDpi(Handle());
  font_.reset(CreateFormFont(dpi_));
  SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  const FormBounds at = Bounds();
  Apply(Decide(dpi_, {at.Left, at.Top}));
  FormCreate();
  LoadPlacement();
  return true;
}

void TForm::SaveState() {
  if (stateSaved_ || !Handle()) return;
  stateSaved_ = true;
  SavePlacement();
  FormDestroy();
}

void TForm::Destroy() {
  SaveState();
  if (!released_) {
    released_ = true;
    FormRelease();
  }
  DestroyHandle();
}

// The base's own answers to messages; a form's HandleMessage comes first.
LRESULT TForm::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  using Handler = LRESULT (TForm::*)(UINT, WPARAM, LPARAM);
  struct Route {
    UINT msg;
    Handler handler;
  };
  static constexpr Route kRoutes[] = {
      {WM_DPICHANGED, &TForm::OnDpiChanged},   {WM_MEASUREITEM, &TForm::OnMeasureItem},
      {WM_DRAWITEM, &TForm::OnDrawItem},       {WM_CLOSE, &TForm::OnCloseMessage},
      {WM_COMMAND, &TForm::OnCommandMessage},  {WM_ACTIVATE, &TForm::OnActivate},
      {WM_NEXTDLGCTL, &TForm::OnNextControl},  {DM_GETDEFID, &TForm::OnGetDefaultId},
  };
  if (msg == WM_MOUSEMOVE || msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP || msg == WM_RBUTTONDOWN ||
      msg == WM_RBUTTONUP || msg == WM_MBUTTONDOWN || msg == WM_MBUTTONUP) {
    RelayToHints(msg, wp, lp);
  }
  // The title bar follows the apps' theme when it changes.
  if (msg == WM_SETTINGCHANGE || msg == WM_THEMECHANGED) platform::FollowThemeInTitleBar(Handle(), app_.DarkTheme());
  LRESULT result = 0;
  if (HandleMessage(msg, wp, lp, result)) return result;
  for (const Route& route : kRoutes) {
    if (route.msg == msg) return (this->*route.handler)(msg, wp, lp);
  }
  return Default(msg, wp, lp);
}

LRESULT TForm::OnCloseMessage(UINT, WPARAM, LPARAM) {
  Close(mrCancel);
  return 0;
}

LRESULT TForm::OnCommandMessage(UINT, WPARAM wp, LPARAM) {
  const int id = LOWORD(wp);
  const int code = HIWORD(wp);
  auto it = std::find_if(commands_.begin(), commands_.end(),
                         [&](const CommandRow& c) { return c.id == id && c.code == code; });
  if (it != commands_.end() && it->handler) {
    it->handler();
  } else {
    OnCommand(id, code);
  }
  return 0;
}

// As a dialog does: the control that had the focus when the form was left
// (for a message box, another program) has it again when the form comes
// back, else the first control in tab order. Without this the form itself
// keeps the focus and the keyboard reaches no control.
LRESULT TForm::OnActivate(UINT msg, WPARAM wp, LPARAM lp) {
  if (LOWORD(wp) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(Handle(), focus)) focus_ = focus;
    return Default(msg, wp, lp);
  }
  const LRESULT result = Default(msg, wp, lp);
  HWND focus = GetFocus();
  if (!(focus && IsChild(Handle(), focus)) && !IsIconic(Handle())) {
    HWND target = focus_ && IsWindow(focus_) && IsChild(Handle(), focus_) && IsWindowEnabled(focus_) &&
                          IsWindowVisible(focus_)
                      ? focus_
                      : GetNextDlgTabItem(Handle(), nullptr, FALSE);
    if (target && target != Handle()) SetFocus(target);
  }
  return result;
}

// The dialog manager asks for this when a label's "&" letter is typed: the
// focus goes to the label, then on to the next control in tab order.
LRESULT TForm::OnNextControl(UINT, WPARAM wp, LPARAM lp) {
  HWND target = lp ? reinterpret_cast<HWND>(wp) : GetNextDlgTabItem(Handle(), GetFocus(), wp != 0);
  if (target && IsChild(Handle(), target)) SetFocus(target);
  return 0;
}

// Enter in the form presses its default button, and only that.
LRESULT TForm::OnGetDefaultId(UINT, WPARAM, LPARAM) {
  const int row = FindRowKind(ControlKind::DefaultButton);
  return row >= 0 ? MAKELRESULT(rows_[static_cast<std::size_t>(row)].id, DC_HASDEFID) : 0;
}

bool TForm::HandleMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

int TForm::FindRowKind(ControlKind kind) const {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].kind == kind) return static_cast<int>(i);
  }
  return -1;
}

void TForm::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  // Enter arrives as IDOK and Esc as IDCANCEL; they press the designed
  // default and cancel buttons, whose handlers (or the plain closing) decide.
  const int defaultRow = FindRowKind(ControlKind::DefaultButton);
  const int cancelRow = FindRowKind(ControlKind::CancelButton);
  const int defaultId = defaultRow >= 0 ? rows_[static_cast<std::size_t>(defaultRow)].id : 0;
  const int cancelId = cancelRow >= 0 ? rows_[static_cast<std::size_t>(cancelRow)].id : 0;
  auto handler = [&](int target) -> const CommandRow* {
    for (const CommandRow& c : commands_) {
      if (c.id == target && c.code == BN_CLICKED && c.handler) return &c;
    }
    return nullptr;
  };
  if ((id == IDOK && defaultRow >= 0) || (defaultRow >= 0 && id == defaultId)) {
    // Enter does not press a default button that is disabled.
    if (!IsWindowEnabled(Control(defaultId))) return;
    if (const CommandRow* c = handler(defaultId)) {
      c->handler();
    } else {
      Close(mrOk);
    }
  } else if ((id == IDCANCEL && cancelRow >= 0) || (cancelRow >= 0 && id == cancelId)) {
    if (const CommandRow* c = handler(cancelId)) {
      c->handler();
    } else {
      Close(mrCancel);
    }
  } else if (id == IDOK && Row(IDOK)) {
    Close(mrOk);
  } else if (id == IDCANCEL && Row(IDCANCEL)) {
    Close(mrCancel);
  }
}

const ControlRow* TForm::Row(int id) const {
  for (const ControlRow& row : rows_) {
    if (row.id == id) return &row;
  }
  return nullptr;
}

void TForm::EnableControl(int id, bool enabled) {
  if (HWND control = Control(id)) EnableWindow(control, enabled ? TRUE : FALSE);
}

void TForm::UpdateEnablement() {
  for (const EnableRow& row : enablement_) EnableControl(row.id, row.enabled());
}

bool TForm::ShowFailure(const Validation& failure, platform::IMessageBox& messages) {
  if (!failure) return false;
  messages.Show(failure->message, failure->caption, failure->flags);
  // After the box, the keyboard goes to the field to mend.
  if (HWND control = failure->control ? Control(failure->control) : nullptr) {
    SetFocus(control);
    if (Row(failure->control) && (Row(failure->control)->kind == ControlKind::Edit ||
                                  Row(failure->control)->kind == ControlKind::PasswordEdit)) {
      SendMessageW(control, EM_SETSEL, 0, -1);
    }
  }
  return true;
}

void TForm::LoadControls() {
  loading_ = true;
  for (const ControlRow& row : rows_) {
    if (row.binding) WriteControl(row.id, row.binding.Load());
  }
  loading_ = false;
}

void TForm::StoreControls() {
  for (const ControlRow& row : rows_) {
    if (row.binding) row.binding.Store(ReadControl(row.id));
  }
}

void TForm::Show() {
  if (!Handle()) return;
  if (!IsWindowVisible(Handle())) {
    focus_ = nullptr;
    ShowAtWindowDpi();
    FormShow();
    RememberFocus();
  }
  platform::FollowThemeInTitleBar(Handle(), app_.DarkTheme());
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
  BringWindowToTop(Handle());
}

int TForm::ShowModal() {
  if (!Handle() || inModalLoop_) return mrCancel;
  inModalLoop_ = true;
  modalResult_ = mrNone;

  // Every other visible window of the program is disabled while this one is up.
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), &CollectEnabledWindow, reinterpret_cast<LPARAM>(&disabled));
  for (HWND w : disabled) EnableWindow(w, FALSE);

  focus_ = nullptr;
  ShowAtWindowDpi();
  FormShow();
  RememberFocus();
  platform::FollowThemeInTitleBar(Handle(), app_.DarkTheme());
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());

  MSG msg;
  while (modalResult_ == mrNone && Handle()) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      // The program is ending: close this dialog and let the outer loop see the quit.
      PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 0);
      if (modalResult_ == mrNone) modalResult_ = mrCancel;
      break;
    }
    TApplication::DispatchOne(msg);
  }

  for (HWND w : disabled) {
    if (IsWindow(w)) EnableWindow(w, TRUE);
  }
  if (Handle()) {
    FormClose();
    Hide();
  }
  inModalLoop_ = false;
  return modalResult_;
}

void TForm::RememberFocus() {
  HWND focus = GetFocus();
  if (focus && IsChild(Handle(), focus)) focus_ = focus;
}

void TForm::Close(int result) {
  if (inModalLoop_) {
    modalResult_ = result == mrNone ? mrCancel : result;
    return;
  }
  if (Handle() && IsWindowVisible(Handle())) {
    FormClose();
    Hide();
  }
}

void TForm::Hide() {
  ShowWindow(Handle(), SW_HIDE);
  // The system hands the activation to the form's owner, the program's
  // hidden window. A hidden window that is the foreground one takes the
  // keyboard from the next menu (and Alt+F4 from the user): the foreground
  // goes back to the desktop instead.
  HWND front = GetForegroundWindow();
  DWORD process = 0;
  if (front && !IsWindowVisible(front) && GetWindowThreadProcessId(front, &process) == GetCurrentThreadId()) {
    SetForegroundWindow(GetDesktopWindow());
  }
}

void ShowDialog(TForm& form) {
  if (form.Showing()) {
    form.Show();
    return;
  }
  form.ShowModal();
}

}  // namespace quenlark
