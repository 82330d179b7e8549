// The three global hot keys: a hidden window of its own receives WM_HOTKEY.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

namespace quenlark {

class THookHotKey {
 public:
  explicit THookHotKey(HINSTANCE instance);
  ~THookHotKey();
  THookHotKey(const THookHotKey&) = delete;
  THookHotKey& operator=(const THookHotKey&) = delete;

  // Registers the combination (virtual key in bits 0-12, Shift 0x2000, Ctrl
  // 0x4000, Alt 0x8000) under the identifier; false when it cannot be (0, or
  // held by another program).
  bool Register(int id, std::int32_t combination);
  bool Unregister(int id);
  HWND Handle() const { return window_; }

  std::function<void(int id)> OnHotKey;

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;
  HWND window_ = nullptr;
};

}  // namespace quenlark
