#include "menus/ClickTable.h"

namespace quenlark {

namespace {

// Gives click kind `kind` to menu `code`: a plain button claims the entries of
// that button that nobody holds yet, a kind with a modifier takes its entry
// outright. Unknown kinds (a hand-edited registry) change nothing.
void ApplyClickKind(ClickMenuTable& table, std::uint8_t kind, std::uint8_t code) {
  switch (kind) {
    case 0:
    case 3:
      for (int i = kind; i < kind + 3; ++i) {
        if (table[i] == kNoMenu) table[i] = code;
      }
      break;
    case 1:
    case 2:
    case 4:
    case 5:
      table[kind] = code;
      break;
    default:
      break;
  }
}

}  // namespace

ClickMenuTable BuildClickMenuTable(std::uint8_t recentClick, std::uint8_t useFileClick, std::uint8_t quenlarkClick) {
  ClickMenuTable table{};
  ApplyClickKind(table, recentClick, kRecentMenu);
  ApplyClickKind(table, useFileClick, kFavouritesMenu);
  ApplyClickKind(table, quenlarkClick, kProgramMenu);
  return table;
}

std::uint8_t ClickMenuChoice(const ClickMenuTable& table, MouseButton button, bool ctrlDown, bool shiftDown,
                             bool useAllowed, bool clickBusy) {
  if (!useAllowed) return kNoMenu;
  int row;
  switch (button) {
    case MouseButton::Left:
      row = 0;
      break;
    case MouseButton::Right:
      row = 1;
      break;
    default:
      return kNoMenu;
  }
  if (clickBusy) return kNoMenu;
  const int modifier = ctrlDown ? 2 : (shiftDown ? 1 : 0);
  return table[row * 3 + modifier];
}

HotKeyParts SplitHotKey(std::int32_t combination) {
  const auto bits = static_cast<std::uint32_t>(combination) & 0xFFFFu;
  HotKeyParts parts;
  parts.virtualKey = bits & 0x1FFFu;
  if (bits & 0x8000u) parts.modifiers |= 1u;  // MOD_ALT
  if (bits & 0x4000u) parts.modifiers |= 2u;  // MOD_CONTROL
  if (bits & 0x2000u) parts.modifiers |= 4u;  // MOD_SHIFT
  return parts;
}

}  // namespace quenlark
