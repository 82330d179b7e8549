// What the files of the form base share and nothing else uses: Forms.cpp
// (the form itself), FormControls.cpp, FormCheckList.cpp, FormHints.cpp and
// FormDpi.cpp (placement and DPI).
#pragma once

#include <windows.h>

namespace quenlark {

// The forms' font at a DPI.
HFONT CreateFormFont(int dpi);

}  // namespace quenlark
