#include "menus/HookHotKey.h"

#include "menus/ClickTable.h"

namespace quenlark {

namespace {
constexpr const char* kHotKeyWindowClass = "QuenlarkHotKeyWindow";
}

THookHotKey::THookHotKey(HINSTANCE instance) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &THookHotKey::WndProc;
  wc.hInstance = instance;
  wc.lpszClassName = kHotKeyWindowClass;
  RegisterClassExA(&wc);
  window_ = CreateWindowExA(0, kHotKeyWindowClass, "", WS_POPUP, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
}

THookHotKey::~THookHotKey() {
  // Destroying the window ends the delivery of its hot keys.
  if (window_) DestroyWindow(window_);
}

bool THookHotKey::Register(int id, std::int32_t combination) {
  HotKeyParts parts = SplitHotKey(combination);
  if (!window_ || parts.virtualKey == 0) return false;
  return RegisterHotKey(window_, id, parts.modifiers, parts.virtualKey) != FALSE;
}

bool THookHotKey::Unregister(int id) { return window_ && UnregisterHotKey(window_, id) != FALSE; }

LRESULT CALLBACK THookHotKey::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* self = reinterpret_cast<THookHotKey*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self && msg == WM_HOTKEY) {
    try {
      if (self->OnHotKey) self->OnHotKey(static_cast<int>(wp));
    } catch (...) {
    }
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace quenlark
