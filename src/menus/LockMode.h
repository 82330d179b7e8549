// Lock mode: whether the menus may be used.
#pragma once

#include <cstdint>

namespace quenlark {

// The lock state at start from StartMode: 0 use allowed, 1 locked, 2 as at
// the last exit; any other value allows use.
bool UseAllowedAtStart(std::uint8_t startMode, bool lastMode);

}  // namespace quenlark
