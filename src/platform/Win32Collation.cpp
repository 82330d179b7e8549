#include "platform/Win32Collation.h"

#include <windows.h>

#include "platform/Win32Text.h"

namespace platform {

namespace {

// Compared as the user's locale sorts, on the text as code page 932 spells it
// (CompareStringA would read the bytes in the locale's own code page).
int CompareInLocale(std::string_view a, std::string_view b) {
  const std::wstring wa = Wide(a), wb = Wide(b);
  int r = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wa.data(), static_cast<int>(wa.size()), wb.data(),
                         static_cast<int>(wb.size()));
  if (r == 0) return a.compare(b);  // the system could not compare: fall back to the bytes
  return r - CSTR_EQUAL;
}

}  // namespace

int Win32Collation::Compare(std::string_view a, std::string_view b) {
  return CompareUpToEscape(a, b, CompareInLocale);
}

}  // namespace platform
