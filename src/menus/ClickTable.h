// Which menu a click on the tray icon or a hot key opens.
#pragma once

#include <array>
#include <cstdint>

namespace quenlark {

// Menu codes.
inline constexpr std::uint8_t kNoMenu = 0;
inline constexpr std::uint8_t kRecentMenu = 1;
inline constexpr std::uint8_t kFavouritesMenu = 2;
inline constexpr std::uint8_t kProgramMenu = 3;

// Six entries, index = button * 3 + modifier (button 0 left, 1 right;
// modifier 0 none, 1 Shift, 2 Ctrl), each a menu code.
using ClickMenuTable = std::array<std::uint8_t, 6>;

ClickMenuTable BuildClickMenuTable(std::uint8_t recentClick, std::uint8_t useFileClick, std::uint8_t quenlarkClick);

enum class MouseButton { Left, Right, Middle };

// The menu code a click opens: kNoMenu when use is locked, the button is not
// left or right, a click menu is already open (busy), or the table entry is 0.
// Ctrl wins over Shift when both are down.
std::uint8_t ClickMenuChoice(const ClickMenuTable& table, MouseButton button, bool ctrlDown, bool shiftDown,
                             bool useAllowed, bool clickBusy);

// A hot-key combination: virtual key in bits 0-12, Shift 0x2000, Ctrl 0x4000,
// Alt 0x8000 of the low 16 bits; 0 is none.
struct HotKeyParts {
  unsigned virtualKey = 0;
  unsigned modifiers = 0;  // MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4
};
HotKeyParts SplitHotKey(std::int32_t combination);

}  // namespace quenlark
