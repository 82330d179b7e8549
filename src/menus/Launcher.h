// Handing chosen items to the shell (ShellExecuteA).
#pragma once

#include <windows.h>

#include <string>

#include "menus/Launch.h"

namespace quenlark {

// Runs one execute request; the shell's result is not looked at.
void ExecuteRequest(const ShellExecuteRequest& request, HWND controller);

// Opens a shortcut file with the arguments, working folder and show command
// it stores; false when the shortcut cannot be read (nothing is opened).
bool OpenShortcut(const std::string& shortcutPath, HWND controller);

}  // namespace quenlark
