#include "dialogs/UseFileSettingUnit.h"

namespace quenlark {

// The dialog keeps its position and its size between runs.
void TUseFileSettingForm::FormCreate() {
  LoadPosition();
  LoadSize();
}

void TUseFileSettingForm::FormDestroy() {
  SavePosition();
  SaveSize();
}

}  // namespace quenlark
