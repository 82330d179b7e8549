#include "ui/TypeToFind.h"

#include "base/Cp932.h"

namespace quenlark::ui {

namespace {

// Whether `text` is `character` once or more, walking it by whole characters.
bool IsRepeatOf(std::string_view text, std::string_view character) {
  if (text.empty() || character.empty()) return false;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = cp932::CharacterLength(text, i);
    if (text.substr(i, length) != character) return false;
    i += length;
  }
  return true;
}

}  // namespace

TypeToFindStep TypeToFind(std::span<const std::string> names, std::optional<std::size_t> current,
                          std::string_view typedSoFar, unsigned millisecondsSinceLastKey,
                          std::string_view character, const NameStartsWith& startsWith) {
  TypeToFindStep step;
  if (millisecondsSinceLastKey < kTypeAheadMilliseconds) step.typed = typedSoFar;
  step.typed += character;
  if (character.empty() || names.empty()) return step;
  const auto found = [&](std::size_t i, std::string_view prefix) {
    return !names[i].empty() && startsWith(names[i], prefix);
  };
  if (IsRepeatOf(step.typed, character)) {
    // The next entry with this initial after the current one, wrapping round.
    const std::size_t first = current && *current < names.size() ? *current + 1 : 0;
    for (std::size_t k = 0; k < names.size(); ++k) {
      const std::size_t i = (first + k) % names.size();
      if (found(i, character)) {
        step.position = i;
        break;
      }
    }
    return step;
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (found(i, step.typed)) {
      step.position = i;
      break;
    }
  }
  return step;
}

std::string ShownText(std::string_view caption) {
  std::string shown;
  shown.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size();) {
    const std::size_t length = cp932::CharacterLength(caption, i);
    if (length == 1 && caption[i] == '&') {
      // "&&" shows one "&"; a single "&" only underlines what follows.
      const bool literal = i + 1 < caption.size() && caption[i + 1] == '&';
      if (literal) shown += '&';
      i += literal ? 2 : 1;
      continue;
    }
    shown.append(caption.substr(i, length));
    i += length;
  }
  return shown;
}

}  // namespace quenlark::ui
