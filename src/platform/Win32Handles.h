// Move-only owners of Win32 handles and COM interfaces.
#pragma once

#include <windows.h>

#include <utility>

namespace platform {

template <class H, auto Close, H Invalid = H{}>
class Unique {
 public:
  explicit Unique(H h = Invalid) : h_(h) {}
  Unique(Unique&& o) noexcept : h_(std::exchange(o.h_, Invalid)) {}
  Unique& operator=(Unique&& o) noexcept {
    reset(std::exchange(o.h_, Invalid));
    return *this;
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  ~Unique() { reset(); }
  void reset(H h = Invalid) {
    if (h_ != Invalid) Close(h_);
    h_ = h;
  }
  H get() const { return h_; }
  H* put() {
    reset();
    return &h_;
  }
  H release() { return std::exchange(h_, Invalid); }
  explicit operator bool() const { return h_ != Invalid; }

 private:
  H h_;
};

inline void CloseKey(HKEY k) { RegCloseKey(k); }
inline void CloseHandleChecked(HANDLE h) { CloseHandle(h); }
inline void DestroyIconHandle(HICON h) { DestroyIcon(h); }

using UniqueKey = Unique<HKEY, &CloseKey>;
using UniqueHandle = Unique<HANDLE, &CloseHandleChecked>;
using UniqueIcon = Unique<HICON, &DestroyIconHandle>;

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
