#include "platform/Win32Collation.h"

#include <windows.h>

namespace platform {

int Win32Collation::Compare(std::string_view a, std::string_view b) {
  int r = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                         static_cast<int>(b.size()));
  if (r == 0) return a.compare(b);  // the system could not compare: fall back to the bytes
  return r - CSTR_EQUAL;
}

}  // namespace platform
