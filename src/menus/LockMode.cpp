#include "menus/LockMode.h"

namespace quenlark {

bool UseAllowedAtStart(std::uint8_t startMode, bool lastMode) {
  switch (startMode) {
    case 1:
      return false;
    case 2:
      return lastMode;
    default:
      return true;
  }
}

}  // namespace quenlark
