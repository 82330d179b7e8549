// Checks shared by the menu targets: the characters of a text cut one by
// one, and the accelerator search of the menu renderer over built captions.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "FuzzInput.h"
#include "base/Cp932.h"
#include "ui/CoolMenuLayout.h"

namespace fuzz {

// The characters of the text: a lead byte and the byte after it are one
// character; any other byte, and a lead byte at the end, stands alone.
inline std::vector<std::string> SlowChars(std::string_view text) {
  std::vector<std::string> chars;
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    const std::size_t len = lead && i + 1 < text.size() ? 2 : 1;
    chars.emplace_back(text.substr(i, len));
    i += len;
  }
  return chars;
}

// The character after the first "&" that is not part of "&&".
inline std::string SlowAccelerator(std::string_view caption) {
  const std::vector<std::string> chars = SlowChars(caption);
  for (std::size_t k = 0; k < chars.size(); ++k) {
    if (chars[k] != "&") continue;
    if (k + 1 >= chars.size()) return {};
    if (chars[k + 1] == "&") {
      ++k;
      continue;
    }
    return chars[k + 1];
  }
  return {};
}

// The accelerator of every caption is found as the slow search finds it, and
// typing an item's accelerator chooses that item or an earlier visible one
// with the same accelerator (never an invisible one, never one past the end).
inline void CheckAccelerators(const std::vector<std::string>& captions, unsigned hiddenMask, unsigned typed) {
  using namespace quenlark::ui::coolmenu;
  std::vector<AcceleratorItem> items;
  std::vector<std::string> visibleKeys;
  for (std::size_t i = 0; i < captions.size(); ++i) {
    const bool visible = !((hiddenMask >> (i % 32)) & 1u);
    items.push_back({captions[i], visible});
    const std::string_view accelerator = AcceleratorOf(captions[i]);
    FUZZ_CHECK(accelerator == SlowAccelerator(captions[i]), Shown(captions[i]));
    if (visible) visibleKeys.push_back(cp932::Upper(accelerator));
  }
  auto check = [&](unsigned key) {
    const std::uint32_t result = MatchAccelerator(items, key);
    if (result == kMncIgnore) return result;
    FUZZ_CHECK((result >> 16) == kMncExecute && (result & 0xFFFF) < visibleKeys.size(), std::to_string(result));
    const std::size_t position = result & 0xFFFF;
    std::string typedText;
    if (key > 0xFF) typedText.push_back(static_cast<char>(key >> 8));
    typedText.push_back(static_cast<char>(key & 0xFF));
    FUZZ_CHECK(visibleKeys[position] == cp932::Upper(typedText), Shown(typedText));
    for (std::size_t p = 0; p < position; ++p) FUZZ_CHECK(visibleKeys[p] != visibleKeys[position], Shown(typedText));
    return result;
  };
  check(typed);
  for (std::size_t p = 0; p < visibleKeys.size(); ++p) {
    const std::string& key = visibleKeys[p];
    if (key.empty()) continue;
    unsigned code = 0;
    for (unsigned char c : key) code = (code << 8) | c;
    const std::uint32_t result = check(code);
    FUZZ_CHECK(result != kMncIgnore && (result & 0xFFFF) <= p, "item " + std::to_string(p) + ": " + Shown(key));
  }
}

}  // namespace fuzz
