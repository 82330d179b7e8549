// Driving a modal dialog from inside its own message loop: steps run one
// after another from a thread timer, 60 ms apart, while the test waits in
// ShowModal.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// Starts the steps; the first runs 60 ms from now.
void RunSteps(std::vector<std::function<void()>> steps);
// A window's text (up to 255 bytes).
std::string Text(HWND window);

}  // namespace testsupport
