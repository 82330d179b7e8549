#include "ui/MeasuredWidths.h"

namespace quenlark::ui {

std::optional<int> MeasuredWidths::Find(const std::string& font, const std::string& text) {
  auto byFont = fonts_.find(font);
  if (byFont == fonts_.end()) return std::nullopt;
  auto found = byFont->second.find(text);
  if (found == byFont->second.end()) return std::nullopt;
  found->second.opening = opening_;
  used_ = true;
  return found->second.pixels;
}

void MeasuredWidths::Store(const std::string& font, const std::string& text, int width) {
  fonts_[font][text] = Width{width, opening_};
  used_ = true;
}

void MeasuredWidths::EndOpening() {
  if (!used_) return;
  if (Count() > keep_) {
    for (auto byFont = fonts_.begin(); byFont != fonts_.end();) {
      auto& widths = byFont->second;
      for (auto it = widths.begin(); it != widths.end();) {
        if (it->second.opening != opening_)
          it = widths.erase(it);
        else
          ++it;
      }
      byFont = widths.empty() ? fonts_.erase(byFont) : std::next(byFont);
    }
  }
  ++opening_;
  used_ = false;
}

std::size_t MeasuredWidths::Count() const {
  std::size_t count = 0;
  for (const auto& byFont : fonts_) count += byFont.second.size();
  return count;
}

}  // namespace quenlark::ui
