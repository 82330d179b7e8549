// Move-only owners of Win32 handles and COM interfaces.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include "platform/Win32Text.h"

namespace platform {

// Owners that count nothing.
struct NotCounted {
  static void Taken() {}
  static void Given() {}
};

// How many handles of one kind the counted owners hold now (`live`) and have
// taken since the process started (`made`). The menus' tests read them to
// prove that an opening frees what it made and does not remake per item what
// it can keep; the system's own count (GetGuiResources) is not kept by every
// implementation. Only the user-interface thread makes these handles.
template <class Kind>
struct HandleCount {
  static inline long live = 0;
  static inline long made = 0;
  static void Taken() {
    ++live;
    ++made;
  }
  static void Given() { --live; }
};
using GdiCount = HandleCount<struct GdiKind>;    // fonts, brushes, bitmaps, memory DCs
using MenuCount = HandleCount<struct MenuKind>;  // menus
using IconCount = HandleCount<struct IconKind>;  // icons

template <class H, auto Close, H Invalid = H{}, class Count = NotCounted>
class Unique {
 public:
  explicit Unique(H h = Invalid) : h_(h) {
    if (h_ != Invalid) Count::Taken();
  }
  Unique(Unique&& o) noexcept : h_(std::exchange(o.h_, Invalid)) {}
  Unique& operator=(Unique&& o) noexcept {
    if (this != &o) {
      reset();
      h_ = std::exchange(o.h_, Invalid);
    }
    return *this;
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  ~Unique() { reset(); }
  void reset(H h = Invalid) {
    if (h_ != Invalid) {
      Close(h_);
      Count::Given();
    }
    h_ = h;
    if (h_ != Invalid) Count::Taken();
  }
  H get() const { return h_; }
  // For an API that writes the handle; counted owners take theirs by reset.
  H* put()
    requires std::is_same_v<Count, NotCounted>
  {
    reset();
    return &h_;
  }
  // Gives the handle up to a new owner (a menu takes its submenus).
  H release() {
    if (h_ != Invalid) Count::Given();
    return std::exchange(h_, Invalid);
  }
  explicit operator bool() const { return h_ != Invalid; }

 private:
  H h_;
};

inline void CloseKey(HKEY k) { RegCloseKey(k); }
inline void CloseHandleChecked(HANDLE h) { CloseHandle(h); }
inline void DestroyIconHandle(HICON h) { DestroyIcon(h); }

using UniqueKey = Unique<HKEY, &CloseKey>;
using UniqueHandle = Unique<HANDLE, &CloseHandleChecked>;

template <class H>
inline void DeleteGdiObject(H object) {
  DeleteObject(object);
}
inline void DeleteMemoryDc(HDC dc) { DeleteDC(dc); }
inline void DestroyMenuHandle(HMENU menu) { DestroyMenu(menu); }

using UniqueFont = Unique<HFONT, &DeleteGdiObject<HFONT>, HFONT{}, GdiCount>;
using UniqueBrush = Unique<HBRUSH, &DeleteGdiObject<HBRUSH>, HBRUSH{}, GdiCount>;
using UniqueBitmap = Unique<HBITMAP, &DeleteGdiObject<HBITMAP>, HBITMAP{}, GdiCount>;
// A DC of our own (CreateCompatibleDC), not one borrowed from a window.
using UniqueMemoryDc = Unique<HDC, &DeleteMemoryDc, HDC{}, GdiCount>;
using UniqueMenu = Unique<HMENU, &DestroyMenuHandle, HMENU{}, MenuCount>;
using UniqueIcon = Unique<HICON, &DestroyIconHandle, HICON{}, IconCount>;

// A window's DC (the screen's for no window), given back when the scope ends.
class WindowDc {
 public:
  explicit WindowDc(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// FindFirstFile handles use INVALID_HANDLE_VALUE, which cannot be a template argument.
class UniqueFind {
 public:
  explicit UniqueFind(HANDLE h = INVALID_HANDLE_VALUE) : h_(h) {}
  UniqueFind(const UniqueFind&) = delete;
  UniqueFind& operator=(const UniqueFind&) = delete;
  ~UniqueFind() {
    if (h_ != INVALID_HANDLE_VALUE) FindClose(h_);
  }
  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE h_;
};

// Owner of one COM interface pointer.
template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& o) noexcept {
    reset(std::exchange(o.p_, nullptr));
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() { reset(); }
  void reset(T* p = nullptr) {
    if (p_) p_->Release();
    p_ = p;
  }
  T* get() const { return p_; }
  T* operator->() const { return p_; }
  T** put() {
    reset();
    return &p_;
  }
  void** put_void() { return reinterpret_cast<void**>(put()); }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

}  // namespace platform
