#include "ui/Application.h"

#include <iterator>

#include <commctrl.h>

namespace quenlark {

namespace {
constexpr const char* kApplicationClass = "QuenlarkApplication";
}

TApplication::TApplication(HINSTANCE instance) : instance_(instance) {}

TApplication::~TApplication() { DestroyHandle(); }

bool TApplication::Initialize() {
  if (!RegisterWindowClass(instance_, kApplicationClass)) return false;
  return CreateHandle(WS_EX_TOOLWINDOW, kApplicationClass, Title.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr, instance_) !=
         nullptr;
}

LRESULT TApplication::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_MINIMIZE) {
    Minimize();
    return 0;
  }
  return Default(msg, wp, lp);
}

namespace {

// The system answers a pressed F1 with this message as well (WM_KEYF1, not
// in the headers), and its default processing sends WM_HELP a second time.
constexpr UINT kWmKeyF1 = 0x004D;

// A hot-key field takes F1 as the key the user is entering.
bool TakesKeysAsValues(HWND h) {
  wchar_t name[32] = {};
  GetClassNameW(h, name, 32);
  return lstrcmpiW(name, HOTKEY_CLASSW) == 0;
}

}  // namespace

void TApplication::DispatchOne(MSG& msg) {
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_F1 && msg.hwnd && !TakesKeysAsValues(msg.hwnd)) {
    // F1 asks the focused window for help; the request climbs to its form.
    HELPINFO info{};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = GetDlgCtrlID(msg.hwnd);
    info.hItemHandle = msg.hwnd;
    GetCursorPos(&info.MousePos);
    SendMessageW(msg.hwnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    return;
  }
  // The request above is the only one: one F1, one help window or message,
  // and none from a hot-key field.
  if (msg.message == kWmKeyF1) return;
  HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (root && (GetWindowLongW(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) && IsDialogMessageW(root, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

int TApplication::Run() {
  MSG msg{};
  while (true) {
    HANDLE handles[MAXIMUM_WAIT_OBJECTS - 1];
    const DWORD count = waitSource_ ? static_cast<DWORD>(waitSource_->WaitHandles(handles, std::size(handles))) : 0;
    if (count > 0) {
      const DWORD woke = MsgWaitForMultipleObjectsEx(count, handles, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
      if (woke < WAIT_OBJECT_0 + count) {
        waitSource_->Signalled(handles[woke - WAIT_OBJECT_0]);
      } else if (woke != WAIT_OBJECT_0 + count) {
        // The wait itself failed: fall back to waiting for a message, so the
        // loop never spins.
        WaitMessage();
      }
      // Whatever woke the wait, every waiting message is handled before the
      // next one: a folder that changes without pause cannot starve them.
      bool quit = false;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
          quit = true;
          break;
        }
        DispatchOne(msg);
      }
      if (quit) break;
      continue;
    }
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    DispatchOne(msg);
  }
  terminated_ = true;
  return static_cast<int>(msg.wParam);
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  PostQuitMessage(0);
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Leave the quit message for the loop that owns the program's life.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    DispatchOne(msg);
  }
}

void TApplication::ShowInCorner(UINT flags) {
  // One pixel in the top-left corner of the screen: shown on the screen (a
  // window off it takes no keyboard under every window system) but away
  // from the pointer, where it would take the second click of a double
  // click on the tray icon. Shown where it is in the Z order: the
  // foreground raises it anyway. Made topmost, it would make every dialog
  // it owns topmost with it (the system does so, one window at a time, at
  // every opening), and the dialogs would then stay above every other
  // program's windows.
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  SetWindowPos(Handle(), nullptr, left, top, 1, 1, SWP_SHOWWINDOW | SWP_NOZORDER | SWP_NOOWNERZORDER | flags);
}

void TApplication::BringToFront(POINT) {
  // Still the foreground window while hidden (a dialog just closed gave it
  // the activation), it would not become the active one again: the
  // foreground goes to the desktop first.
  if (GetForegroundWindow() == Handle() && !IsWindowVisible(Handle())) SetForegroundWindow(GetDesktopWindow());
  if (!IsWindowVisible(Handle())) ShowInCorner(0);
  SetForegroundWindow(Handle());
}

void TApplication::ShowAhead() {
  if (!IsWindowVisible(Handle())) ShowInCorner(SWP_NOACTIVATE);
}

void TApplication::HideIfIdle() {
  if (IsWindowVisible(Handle()) && GetForegroundWindow() != Handle()) ShowWindow(Handle(), SW_HIDE);
}

void TApplication::Recede() {
  // Give the foreground back first: a hidden window that is still the
  // foreground one cannot be brought forward again for the next menu.
  if (GetForegroundWindow() == Handle()) SetForegroundWindow(GetDesktopWindow());
  ShowWindow(Handle(), SW_HIDE);
}

void TApplication::Minimize() {
  ShowWindow(Handle(), SW_HIDE);
  if (OnMinimize) OnMinimize();
}

}  // namespace quenlark
