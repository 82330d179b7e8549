#include "menus/PassForm.h"

namespace quenlark {

// Opens centred on the screen every time; nothing of its placement is kept.
void TPass::FormCreate() { CentreOnScreen(); }

void TPass::FormDestroy() {}

}  // namespace quenlark
