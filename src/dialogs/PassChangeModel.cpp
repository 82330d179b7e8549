#include "dialogs/PassChangeModel.h"

#include "platform/Desktop.h"

namespace quenlark {

Validation PassChangeModel::Validate(int firstEntryControl) const {
  if (PassEdit1 == PassEdit2) return std::nullopt;
  return ValidationFailure{"入力された2つのﾊﾟｽﾜｰﾄﾞが異なります。", "ﾊﾟｽﾜｰﾄﾞｴﾗｰ", platform::kMbIconError,
                           firstEntryControl};
}

}  // namespace quenlark
