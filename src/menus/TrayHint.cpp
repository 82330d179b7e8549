#include "menus/TrayHint.h"

#include "base/Cp932.h"
#include "base/Texts.h"

namespace quenlark {

std::string TrayHint(int historyCount, int recentMax) {
  return FormatText(TextId::TrayHintText, historyCount, recentMax);
}

std::string TrayTipText(const std::string& hint) {
  constexpr std::size_t kMaxTip = 63;
  std::size_t end = 0;
  for (std::size_t i = 0; i < hint.size();) {
    std::size_t len = cp932::CharLength(hint, i);
    if (len == 1 && hint[i] == '|') break;
    if (i + len > kMaxTip) break;
    i += len;
    end = i;
  }
  return hint.substr(0, end);
}

}  // namespace quenlark
