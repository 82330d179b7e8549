#include "ui/Window.h"

#include "platform/Win32Text.h"

namespace quenlark {

namespace {
constexpr int kObjectSlot = 0;
}

TWindow::~TWindow() { DestroyHandle(); }

bool TWindow::RegisterWindowClass(HINSTANCE instance, const char* className, UINT style, HICON icon,
                                  HBRUSH background) {
  // Unicode windows: their text is UTF-16, which the program converts with
  // code page 932 itself, whatever the system's ANSI code page.
  const std::wstring name = platform::Wide(className);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, name.c_str(), &existing)) return existing.lpfnWndProc == &TWindow::Trampoline;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = &TWindow::Trampoline;
  wc.cbWndExtra = sizeof(TWindow*);
  wc.hInstance = instance;
  wc.hIcon = icon;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = background;
  wc.lpszClassName = name.c_str();
  return RegisterClassExW(&wc) != 0;
}

HWND TWindow::CreateHandle(DWORD exStyle, const char* className, const char* caption, DWORD style, int x, int y,
                           int width, int height, HWND parent, HINSTANCE instance) {
  if (handle_) return handle_;
  // The trampoline stores handle_ at WM_NCCREATE, before any other message.
  HWND created = CreateWindowExW(exStyle, platform::Wide(className).c_str(), platform::Wide(caption).c_str(), style, x,
                                 y, width, height, parent, nullptr, instance, this);
  if (!created) handle_ = nullptr;
  return handle_;
}

void TWindow::DestroyHandle() {
  if (!handle_) return;
  HWND h = handle_;
  DestroyWindow(h);
  // WM_NCDESTROY has cleared the tie; make sure even if the window was
  // destroyed behind our back.
  if (IsWindow(h)) SetWindowLongPtrW(h, kObjectSlot, 0);
  handle_ = nullptr;
}

LRESULT TWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) { return Default(msg, wp, lp); }

LRESULT CALLBACK TWindow::Trampoline(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    auto* created = static_cast<TWindow*>(cs->lpCreateParams);
    SetWindowLongPtrW(hwnd, kObjectSlot, reinterpret_cast<LONG_PTR>(created));
    if (created) created->handle_ = hwnd;
  }
  auto* self = reinterpret_cast<TWindow*>(GetWindowLongPtrW(hwnd, kObjectSlot));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    // The last message of the window: untie it so that no later message
    // reaches an object that may be gone.
    SetWindowLongPtrW(hwnd, kObjectSlot, 0);
    self->handle_ = nullptr;
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  try {
    return self->OnMessage(msg, wp, lp);
  } catch (...) {
    // A handler that failed leaves the message to the system's default.
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

}  // namespace quenlark
