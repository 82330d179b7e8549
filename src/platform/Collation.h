// Text ordering as the user's locale sorts it, ignoring case.
#pragma once

#include <string_view>

#include "base/Cp932.h"

namespace platform {

class ITextCollation {
 public:
  virtual ~ITextCollation() = default;
  // Negative, zero or positive as a sorts before, with or after b.
  virtual int Compare(std::string_view a, std::string_view b) = 0;
};

// Where texts holding characters code page 932 cannot spell (escapes, see
// base/Cp932.h) fall: each text is compared by `plain` (the locale's order)
// up to its first such character, and texts equal there by the rest, byte by
// byte, where such a character comes after every other and such characters
// among themselves by UTF-16 code unit. So "caf\u00E9.pdf" sorts right after
// "caf" and before "cafe.pdf", whatever the system. Two texts without one are
// compared by `plain` alone, as they always were. A total order on every
// system that orders its plain texts totally.
template <class PlainCompare>
int CompareUpToEscape(std::string_view a, std::string_view b, PlainCompare plain) {
  const std::size_t ea = cp932::FirstEscape(a), eb = cp932::FirstEscape(b);
  if (ea == std::string_view::npos && eb == std::string_view::npos) return plain(a, b);
  if (int r = plain(a.substr(0, ea), b.substr(0, eb))) return r;
  const std::string_view ra = ea == std::string_view::npos ? std::string_view() : a.substr(ea);
  const std::string_view rb = eb == std::string_view::npos ? std::string_view() : b.substr(eb);
  const int r = ra.compare(rb);
  return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

}  // namespace platform
