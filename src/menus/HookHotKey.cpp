#include "menus/HookHotKey.h"

#include "menus/ClickTable.h"

namespace quenlark {

namespace {
constexpr const char* kHotKeyWindowClass = "QuenlarkHotKeyWindow";
}

THookHotKey::THookHotKey(HINSTANCE instance) {
  if (RegisterWindowClass(instance, kHotKeyWindowClass)) {
    CreateHandle(0, kHotKeyWindowClass, "", WS_POPUP, 0, 0, 0, 0, HWND_MESSAGE, instance);
  }
}

// Destroying the window ends the delivery of its hot keys.
THookHotKey::~THookHotKey() { DestroyHandle(); }

bool THookHotKey::Register(int id, std::int32_t combination) {
  HotKeyParts parts = SplitHotKey(combination);
  if (!Handle() || parts.virtualKey == 0) return false;
  return RegisterHotKey(Handle(), id, parts.modifiers, parts.virtualKey) != FALSE;
}

bool THookHotKey::Unregister(int id) { return Handle() && UnregisterHotKey(Handle(), id) != FALSE; }

LRESULT THookHotKey::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_HOTKEY) {
    if (OnHotKey) OnHotKey(static_cast<int>(wp));
    return 0;
  }
  return Default(msg, wp, lp);
}

}  // namespace quenlark
