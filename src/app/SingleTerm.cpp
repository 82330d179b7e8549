#include "app/SingleTerm.h"

#include "platform/Win32Text.h"

namespace quenlark {

namespace {

struct Search {
  const std::wstring* className;
  HWND self;
  HWND found;
};

BOOL CALLBACK MatchMarkedWindow(HWND w, LPARAM p) {
  auto* s = reinterpret_cast<Search*>(p);
  if (w == s->self) return TRUE;
  if (GetWindowLongPtrW(w, GWLP_USERDATA) != reinterpret_cast<LONG_PTR>(w)) return TRUE;
  wchar_t name[256] = {};
  GetClassNameW(w, name, 255);
  if (*s->className != name) return TRUE;
  s->found = w;
  return FALSE;
}

}  // namespace

TSingleTerm::~TSingleTerm() {
  if (mutex_) ReleaseMutex(mutex_.get());
}

HWND TSingleTerm::FindMarkedWindow(const std::string& className, HWND self) {
  const std::wstring wide = platform::Wide(className);
  Search s{&wide, self, nullptr};
  EnumWindows(&MatchMarkedWindow, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

bool TSingleTerm::Attach(HWND owner) {
  // The window's class name is also the name of the mutex that marks the
  // running instance, as every version has named it.
  wchar_t name[256] = {};
  GetClassNameW(owner, name, 255);
  const std::wstring mutexName = name;

  platform::UniqueHandle existing(OpenMutexW(MUTEX_ALL_ACCESS, FALSE, mutexName.c_str()));
  bool anotherInstance = static_cast<bool>(existing);
  existing.reset();
  if (!anotherInstance) {
    mutex_.reset(CreateMutexW(nullptr, FALSE, mutexName.c_str()));
    // Two starts at the same moment: the later creation finds the mutex made by
    // the other and yields to it.
    if (mutex_ && GetLastError() == ERROR_ALREADY_EXISTS) {
      mutex_.reset();
      anotherInstance = true;
    }
  }
  if (anotherInstance) {
    if (HWND running = FindMarkedWindow(platform::ProgramText(mutexName), owner)) {
      HWND runningOwner = reinterpret_cast<HWND>(GetWindowLongPtrW(running, GWLP_HWNDPARENT));
      if (runningOwner && IsWindowVisible(runningOwner)) SetForegroundWindow(runningOwner);
    }
    return false;
  }
  SetWindowLongPtrW(owner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
  return true;
}

}  // namespace quenlark
