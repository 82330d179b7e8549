#include "dialogs/SettingUnit.h"

namespace quenlark {

// The dialog keeps its position (not its size) between runs.
void TSettingForm::FormCreate() { LoadPosition(); }

void TSettingForm::FormDestroy() { SavePosition(); }

}  // namespace quenlark
