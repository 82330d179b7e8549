// What a dialog's model reports when the user's input cannot be taken: the
// first failing check's message box (text, caption, flags) and the control
// that gets the focus. Portable: the checks are tested natively.
#pragma once

#include <optional>
#include <string>

namespace quenlark {

struct ValidationFailure {
  std::string message;
  std::string caption;
  unsigned flags = 0;  // message box flags (platform/Desktop.h)
  int control = 0;     // the control to focus, 0 for none
};

using Validation = std::optional<ValidationFailure>;

}  // namespace quenlark
