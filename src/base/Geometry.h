// A point on the screen, in pixels, shared by the portable logic that
// decides where windows and menus go.
#pragma once

namespace quenlark {

struct ScreenPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

}  // namespace quenlark
