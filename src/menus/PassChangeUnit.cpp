#include "menus/PassChangeUnit.h"

namespace quenlark {

// Opens centred on the screen every time; nothing of its placement is kept.
void TPassChangeForm::FormCreate() { CentreOnScreen(); }

void TPassChangeForm::FormDestroy() {}

}  // namespace quenlark
