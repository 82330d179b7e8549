// The one window procedure of the program. Every window the program creates
// (the application window, the forms and the controller, the hot-key window)
// is an object derived from TWindow: the trampoline ties the window to its
// object when it is created, hands each message to the object's OnMessage,
// and lets no exception out into the system. The object pointer lives in the
// window's extra bytes; GWLP_USERDATA stays free (the controller's window
// carries the single-instance marker there).
#pragma once

#include <windows.h>

namespace quenlark {

class TWindow {
 public:
  TWindow() = default;
  virtual ~TWindow();
  TWindow(const TWindow&) = delete;
  TWindow& operator=(const TWindow&) = delete;

  HWND Handle() const { return handle_; }

  // Registers a window class that uses the trampoline (once per class name;
  // registering again is harmless). False when the class cannot be registered.
  static bool RegisterWindowClass(HINSTANCE instance, const char* className, UINT style = 0, HICON icon = nullptr,
                                  HBRUSH background = nullptr);

  // A timer identifier not yet used on this window. Everything that sets
  // timers on a window of the program takes its identifiers from here, so
  // that two components sharing a window never share a timer.
  UINT_PTR NewTimerId() { return ++lastTimerId_; }

 protected:
  // Creates the window of a class registered above, tied to this object.
  HWND CreateHandle(DWORD exStyle, const char* className, const char* caption, DWORD style, int x, int y, int width,
                    int height, HWND parent, HINSTANCE instance);
  // Destroys the window (when there is one) and forgets it.
  void DestroyHandle();

  // Every message of the window. The default passes it to DefWindowProcW.
  virtual LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(handle_, msg, wp, lp); }

 private:
  static LRESULT CALLBACK Trampoline(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;

  HWND handle_ = nullptr;
  UINT_PTR lastTimerId_ = 0;
};

}  // namespace quenlark
