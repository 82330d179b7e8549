// The text the notification area shows for the tray icon's hint.
#pragma once

#include <string>

namespace quenlark {

// The part of the hint before the first "|", at most 63 bytes, never ending
// in half a double-byte character. Both are walked as CP932 characters.
std::string TrayTipText(const std::string& hint);

}  // namespace quenlark
