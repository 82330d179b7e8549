// The tray icon's hint: what the controller sets after every scan, and the
// text the notification area shows of it.
#pragma once

#include <string>

namespace quenlark {

// The entries the history holds after the latest scan and the RecentMax that
// scan trimmed it to, in the current face: "Quenlark - 12/30Files" in the
// Japanese one, "Quenlark - 12 of 30 files" in the English one.
std::string TrayHint(int historyCount, int recentMax);

// The part of the hint before the first "|", at most 63 bytes, never ending
// in half a double-byte character. Both are walked as CP932 characters.
std::string TrayTipText(const std::string& hint);

}  // namespace quenlark
