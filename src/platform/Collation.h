// Text ordering as the user's locale sorts it, ignoring case.
#pragma once

#include <string_view>

namespace platform {

class ITextCollation {
 public:
  virtual ~ITextCollation() = default;
  // Negative, zero or positive as a sorts before, with or after b.
  virtual int Compare(std::string_view a, std::string_view b) = 0;
};

}  // namespace platform
