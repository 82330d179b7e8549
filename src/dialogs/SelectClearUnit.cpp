#include "dialogs/SelectClearUnit.h"

namespace quenlark {

// The dialog keeps its position and its size between runs.
void TSelectClearForm::FormCreate() {
  LoadPosition();
  LoadSize();
}

void TSelectClearForm::FormDestroy() {
  SavePosition();
  SaveSize();
}

}  // namespace quenlark
