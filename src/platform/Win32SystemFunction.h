// Functions of system DLLs looked up at run time: those that an older
// Windows lacks (the per-monitor DPI functions, the window manager's
// attributes) and those of a library the program loads only when needed (the
// help viewer). A library is taken only from the system folder, never from
// the program's folder or the current one.
#pragma once

#include <windows.h>

#include <string>

namespace platform {

// The library `dll` (a bare file name such as L"shcore.dll"): the copy already
// in the process, or, when `load` is set, the one in the system folder, loaded
// for the rest of the process. nullptr when it is neither there nor allowed
// to be loaded.
inline HMODULE SystemLibrary(const wchar_t* dll, bool load) {
  if (HMODULE module = GetModuleHandleW(dll)) return module;
  if (!load) return nullptr;
  // The full path works on every Windows, also on Windows 7 without the
  // update that brought LOAD_LIBRARY_SEARCH_SYSTEM32.
  wchar_t system[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryW(system, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  return LoadLibraryW((std::wstring(system, length) + L"\\" + dll).c_str());
}

// The function `name` of the system library `dll` as the pointer type Fn,
// or nullptr where this Windows lacks it.
template <typename Fn>
Fn SystemFunction(const wchar_t* dll, const char* name, bool load) {
  HMODULE module = SystemLibrary(dll, load);
  if (!module) return nullptr;
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace platform
