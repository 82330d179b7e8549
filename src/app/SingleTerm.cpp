#include "app/SingleTerm.h"

namespace quenlark {

namespace {

struct Search {
  const std::string* className;
  HWND self;
  HWND found;
};

BOOL CALLBACK MatchMarkedWindow(HWND w, LPARAM p) {
  auto* s = reinterpret_cast<Search*>(p);
  if (w == s->self) return TRUE;
  if (GetWindowLongPtrA(w, GWLP_USERDATA) != reinterpret_cast<LONG_PTR>(w)) return TRUE;
  char name[256] = {};
  GetClassNameA(w, name, 255);
  if (*s->className != name) return TRUE;
  s->found = w;
  return FALSE;
}

}  // namespace

TSingleTerm::~TSingleTerm() {
  if (mutex_) ReleaseMutex(mutex_.get());
}

HWND TSingleTerm::FindMarkedWindow(const std::string& className, HWND self) {
  Search s{&className, self, nullptr};
  EnumWindows(&MatchMarkedWindow, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

bool TSingleTerm::Attach(HWND owner) {
  char name[256] = {};
  GetClassNameA(owner, name, 255);
  const std::string className = name;

  platform::UniqueHandle existing(OpenMutexA(MUTEX_ALL_ACCESS, FALSE, className.c_str()));
  bool anotherInstance = static_cast<bool>(existing);
  existing.reset();
  if (!anotherInstance) {
    mutex_.reset(CreateMutexA(nullptr, FALSE, className.c_str()));
    // Two starts at the same moment: the later creation finds the mutex made by
    // the other and yields to it.
    if (mutex_ && GetLastError() == ERROR_ALREADY_EXISTS) {
      mutex_.reset();
      anotherInstance = true;
    }
  }
  if (anotherInstance) {
    if (HWND running = FindMarkedWindow(className, owner)) {
      HWND runningOwner = reinterpret_cast<HWND>(GetWindowLongPtrA(running, GWLP_HWNDPARENT));
      if (runningOwner && IsWindowVisible(runningOwner)) SetForegroundWindow(runningOwner);
    }
    return false;
  }
  SetWindowLongPtrA(owner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
  return true;
}

}  // namespace quenlark
