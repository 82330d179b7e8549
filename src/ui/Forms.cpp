#include "ui/Forms.h"

#include <commctrl.h>

#include "platform/Win32System.h"

namespace quenlark {

namespace {

// The forms' font: the Japanese proportional Gothic, 12 pixels high.
HFONT CreateFormFont() {
  return CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "ＭＳ Ｐゴシック");
}

struct ControlClass {
  const char* windowClass;
  DWORD style;
};

ControlClass ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
      return {"STATIC", SS_LEFT | SS_NOPREFIX};
    case ControlKind::Link:
      return {"STATIC", SS_LEFT | SS_NOTIFY | SS_NOPREFIX};
    case ControlKind::Icon:
      return {"STATIC", SS_ICON};
    case ControlKind::Button:
    case ControlKind::CancelButton:
      return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
    case ControlKind::DefaultButton:
      return {"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP};
    case ControlKind::CheckBox:
      return {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP};
    case ControlKind::Edit:
      return {"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP};
    case ControlKind::GroupBox:
      return {"BUTTON", BS_GROUPBOX};
  }
  return {"STATIC", 0};
}

BOOL CALLBACK CollectEnabledWindow(HWND w, LPARAM p) {
  auto* list = reinterpret_cast<std::vector<HWND>*>(p);
  if (IsWindowVisible(w) && IsWindowEnabled(w)) list->push_back(w);
  return TRUE;
}

}  // namespace

ScreenSize PlacementScreenSize() {
  const platform::OsVersion v = platform::QueryOsVersion();
  const platform::ScreenExtent e =
      UsesVirtualScreen(WindowsVersionName(v.queried, v.platformId, v.major, v.minor))
          ? platform::VirtualScreenExtent()
          : platform::PrimaryScreenExtent();
  return {e.width, e.height};
}

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

TForm::~TForm() {
  if (handle_) DestroyWindow(handle_);
  if (font_) DeleteObject(font_);
}

bool TForm::Create() {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &TForm::WndProc;
  wc.cbWndExtra = sizeof(TForm*);
  wc.hInstance = app_.Instance();
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = className_.c_str();
  wc.hIcon = LoadIconA(app_.Instance(), "MAINICON");
  RegisterClassExA(&wc);

  RECT r{0, 0, clientWidth_, clientHeight_};
  if (sizeKind_ == SizeKind::Client) AdjustWindowRectEx(&r, style_, FALSE, exStyle_);
  handle_ = CreateWindowExA(exStyle_, className_.c_str(), caption_.c_str(), style_, CW_USEDEFAULT, CW_USEDEFAULT,
                            r.right - r.left, r.bottom - r.top, app_.Handle(), nullptr, app_.Instance(), this);
  if (!handle_) return false;
  font_ = CreateFormFont();
  SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  FormCreate();
  return true;
}

void TForm::SaveState() {
  if (stateSaved_ || !handle_) return;
  stateSaved_ = true;
  FormDestroy();
}

void TForm::Destroy() {
  SaveState();
  if (handle_) {
    DestroyWindow(handle_);
    handle_ = nullptr;
  }
}

LRESULT CALLBACK TForm::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  // The form object lives in the window's extra bytes: the user data of the
  // controller's window is reserved for the single-instance marker.
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
    SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    static_cast<TForm*>(cs->lpCreateParams)->handle_ = hwnd;
  }
  auto* self = reinterpret_cast<TForm*>(GetWindowLongPtrA(hwnd, 0));
  if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
  try {
    return self->Dispatch(msg, wp, lp);
  } catch (...) {
    return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

LRESULT TForm::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (OnMessage(msg, wp, lp, result)) return result;
  switch (msg) {
    case WM_CLOSE:
      Close(mrCancel);
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wp), HIWORD(wp));
      return 0;
    default:
      return DefWindowProcA(handle_, msg, wp, lp);
  }
}

bool TForm::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

void TForm::OnCommand(int id, int) {
  if (id == IDOK) Close(mrOk);
  if (id == IDCANCEL) Close(mrCancel);
}

void TForm::CreateControls(std::span<const ControlSpec> controls) {
  if (!tooltip_) {
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, handle_, nullptr,
                               app_.Instance(), nullptr);
    if (tooltip_) SendMessageA(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(app_.HintHidePause, 0));
  }
  for (const ControlSpec& c : controls) {
    ControlClass cls = ClassOf(c.kind);
    HWND h = CreateWindowExA(c.kind == ControlKind::Edit ? WS_EX_CLIENTEDGE : 0, cls.windowClass, c.caption,
                             WS_CHILD | WS_VISIBLE | cls.style, c.left, c.top, c.width, c.height, handle_,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), app_.Instance(), nullptr);
    if (!h) continue;
    SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    if (tooltip_ && c.hint && *c.hint) {
      hints_.emplace_back(c.hint);
      TOOLINFOA ti{};
      ti.cbSize = sizeof ti;
      ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      ti.hwnd = handle_;
      ti.uId = reinterpret_cast<UINT_PTR>(h);
      ti.lpszText = hints_.back().data();
      SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
  }
}

void TForm::Show() {
  if (!handle_) return;
  if (!IsWindowVisible(handle_)) FormShow();
  ShowWindow(handle_, SW_SHOW);
  SetForegroundWindow(handle_);
  BringWindowToTop(handle_);
}

int TForm::ShowModal() {
  if (!handle_ || inModalLoop_) return mrCancel;
  inModalLoop_ = true;
  modalResult_ = mrNone;

  // Every other visible window of the program is disabled while this one is up.
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), &CollectEnabledWindow, reinterpret_cast<LPARAM>(&disabled));
  for (HWND w : disabled) EnableWindow(w, FALSE);

  FormShow();
  ShowWindow(handle_, SW_SHOW);
  SetForegroundWindow(handle_);

  MSG msg;
  while (modalResult_ == mrNone && IsWindow(handle_)) {
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
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
  if (IsWindow(handle_)) {
    FormClose();
    ShowWindow(handle_, SW_HIDE);
  }
  inModalLoop_ = false;
  return modalResult_;
}

void TForm::Close(int result) {
  if (inModalLoop_) {
    modalResult_ = result == mrNone ? mrCancel : result;
    return;
  }
  if (handle_ && IsWindowVisible(handle_)) {
    FormClose();
    ShowWindow(handle_, SW_HIDE);
  }
}

FormBounds TForm::Bounds() const {
  RECT r{};
  if (handle_) GetWindowRect(handle_, &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void TForm::SetBounds(const FormBounds& b) {
  if (handle_) SetWindowPos(handle_, nullptr, b.Left, b.Top, b.Width, b.Height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::LoadPosition() {
  FormBounds b = Bounds();
  LoadWindowPosition(registry_, b, className_, PlacementScreenSize());
  SetBounds(b);
  InvalidateRect(handle_, nullptr, TRUE);
}

void TForm::LoadSize() {
  FormBounds b = Bounds();
  LoadWindowSize(registry_, b, className_);
  SetBounds(b);
}

void TForm::SavePosition() { SaveWindowPosition(registry_, Bounds(), className_); }

void TForm::SaveSize() { SaveWindowSize(registry_, Bounds(), className_); }

void TForm::CentreOnScreen() {
  FormBounds b = Bounds();
  ScreenSize s{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  b.Left = (s.Width - b.Width) / 2;
  b.Top = (s.Height - b.Height) / 2;
  SetBounds(b);
}

void ShowDialog(TForm& form) {
  if (form.Showing()) {
    form.Show();
    return;
  }
  form.ShowModal();
}

}  // namespace quenlark
