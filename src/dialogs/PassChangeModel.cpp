#include "dialogs/PassChangeModel.h"

#include "base/Texts.h"
#include "platform/Desktop.h"

namespace quenlark {

Validation PassChangeModel::Validate(int firstEntryControl) const {
  if (PassEdit1 == PassEdit2) return std::nullopt;
  return ValidationFailure{Text(TextId::PassChangeMismatch), Text(TextId::PassErrorCaption), platform::kMbIconError,
                           firstEntryControl};
}

}  // namespace quenlark
