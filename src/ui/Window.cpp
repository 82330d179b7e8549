#include "ui/Window.h"

namespace quenlark {

namespace {
constexpr int kObjectSlot = 0;
}

TWindow::~TWindow() { DestroyHandle(); }

bool TWindow::RegisterWindowClass(HINSTANCE instance, const char* className, UINT style, HICON icon,
                                  HBRUSH background) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(instance, className, &existing)) return existing.lpfnWndProc == &TWindow::Trampoline;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = &TWindow::Trampoline;
  wc.cbWndExtra = sizeof(TWindow*);
  wc.hInstance = instance;
  wc.hIcon = icon;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = className;
  return RegisterClassExA(&wc) != 0;
}

HWND TWindow::CreateHandle(DWORD exStyle, const char* className, const char* caption, DWORD style, int x, int y,
                           int width, int height, HWND parent, HINSTANCE instance) {
  if (handle_) return handle_;
  // The trampoline stores handle_ at WM_NCCREATE, before any other message.
  HWND created =
      CreateWindowExA(exStyle, className, caption, style, x, y, width, height, parent, nullptr, instance, this);
  if (!created) handle_ = nullptr;
  return handle_;
}

void TWindow::DestroyHandle() {
  if (!handle_) return;
  HWND h = handle_;
  DestroyWindow(h);
  // WM_NCDESTROY has cleared the tie; make sure even if the window was
  // destroyed behind our back.
  if (IsWindow(h)) SetWindowLongPtrA(h, kObjectSlot, 0);
  handle_ = nullptr;
}

LRESULT TWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) { return Default(msg, wp, lp); }

LRESULT CALLBACK TWindow::Trampoline(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
    auto* created = static_cast<TWindow*>(cs->lpCreateParams);
    SetWindowLongPtrA(hwnd, kObjectSlot, reinterpret_cast<LONG_PTR>(created));
    if (created) created->handle_ = hwnd;
  }
  auto* self = reinterpret_cast<TWindow*>(GetWindowLongPtrA(hwnd, kObjectSlot));
  if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    // The last message of the window: untie it so that no later message
    // reaches an object that may be gone.
    SetWindowLongPtrA(hwnd, kObjectSlot, 0);
    self->handle_ = nullptr;
    return DefWindowProcA(hwnd, msg, wp, lp);
  }
  try {
    return self->OnMessage(msg, wp, lp);
  } catch (...) {
    // A handler that failed leaves the message to the system's default.
    return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

}  // namespace quenlark
