// The password change dialog's model: the two entries, checked against each
// other when the user confirms.
#pragma once

#include <string>

#include "ui/FormModel.h"

namespace quenlark {

struct PassChangeModel {
  std::string PassEdit1;
  std::string PassEdit2;

  // Both entries start as the current password.
  void Load(const std::string& password) { PassEdit1 = PassEdit2 = password; }
  // The entries must be equal, letter case included; two empty entries are
  // (they switch the password off).
  Validation Validate(int firstEntryControl) const;
  // The new password, once Validate found nothing.
  const std::string& NewPassword() const { return PassEdit1; }
};

}  // namespace quenlark
