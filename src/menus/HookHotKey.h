// The three global hot keys: a hidden window of its own receives WM_HOTKEY.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "ui/Window.h"

namespace quenlark {

class THookHotKey : public TWindow {
 public:
  explicit THookHotKey(HINSTANCE instance);
  ~THookHotKey() override;

  // Registers the combination (virtual key in bits 0-12, Shift 0x2000, Ctrl
  // 0x4000, Alt 0x8000) under the identifier; false when it cannot be (0, or
  // held by another program).
  bool Register(int id, std::int32_t combination);
  bool Unregister(int id);

  std::function<void(int id)> OnHotKey;

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};

}  // namespace quenlark
