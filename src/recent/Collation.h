// A portable stand-in for the user locale's case-insensitive ordering
// (CompareStringW with NORM_IGNORECASE), used where the system's is not
// available. It agrees with the system on what listing lines hold: ASCII
// names and paths (punctuation before digits before letters, "-" and "'"
// ignored unless they decide a tie), and date texts. Other characters sort
// after ASCII by their code.
#pragma once

#include "platform/Collation.h"

namespace quenlark {

class WordSortCollation : public platform::ITextCollation {
 public:
  int Compare(std::string_view a, std::string_view b) override;
};

}  // namespace quenlark
