// The widths of menu captions measured in earlier openings. A menu opened
// again (the history, a hundred entries) shows mostly the captions it showed
// last time, in the same font: measuring each again with the system's text
// functions is most of what happens between the click and the menu on the
// screen. Portable: the caller measures and names the font.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>

namespace quenlark::ui {

class MeasuredWidths {
 public:
  // At the end of an opening at most `keep` widths stay, besides those the
  // opening itself used (a menu longer than that keeps all of its own).
  explicit MeasuredWidths(std::size_t keep = 256) : keep_(keep) {}

  // The width of `text` in the font `font` (a description that differs
  // whenever the drawn width could: face, height, weight, italic, DPI), as
  // measured before; nothing when it was not.
  std::optional<int> Find(const std::string& font, const std::string& text);
  void Store(const std::string& font, const std::string& text, int width);

  // Ends an opening. When more than `keep` widths are kept, those the
  // opening did not use are forgotten: a font the user changed, entries that
  // left the history. Ending an opening that used nothing changes nothing.
  void EndOpening();

  std::size_t Count() const;

 private:
  struct Width {
    int pixels = 0;
    unsigned opening = 0;
  };
  std::size_t keep_;
  unsigned opening_ = 0;
  bool used_ = false;
  std::map<std::string, std::unordered_map<std::string, Width>> fonts_;
};

}  // namespace quenlark::ui
