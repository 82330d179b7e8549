// The user locale's case-insensitive ordering (CompareStringW on the text
// converted from code page 932).
#pragma once

#include "platform/Collation.h"

namespace platform {

class Win32Collation : public ITextCollation {
 public:
  int Compare(std::string_view a, std::string_view b) override;
};

}  // namespace platform
