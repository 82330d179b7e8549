// The single-instance guard: a named mutex, and a marker on the running
// instance's controller window by which a second start finds it.
#pragma once

#include <windows.h>

#include <string>

#include "platform/Win32Handles.h"

namespace quenlark {

class TSingleTerm {
 public:
  TSingleTerm() = default;
  ~TSingleTerm();
  TSingleTerm(const TSingleTerm&) = delete;
  TSingleTerm& operator=(const TSingleTerm&) = delete;

  // Runs the guard for the owner form's window. Returns true when this is the
  // first instance (the mutex is now held and the window marked); false when
  // another instance runs: its window's owner has been brought forward, and
  // the caller must end this process without touching anything.
  bool Attach(HWND owner);

  // The running instance's marked controller window other than `self`, or null.
  static HWND FindMarkedWindow(const std::string& className, HWND self);

 private:
  platform::UniqueHandle mutex_;
};

}  // namespace quenlark
