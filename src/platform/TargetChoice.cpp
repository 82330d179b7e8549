#include "platform/TargetChoice.h"

#include <cstddef>
#include <string_view>

#include "base/Cp932.h"

namespace platform {

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

// Calls `each` with every character's code (a CP932 byte or double byte, or
// an escape's UTF-16 unit with `escape` set) after a "\\?\" prefix.
template <class Each>
void ForEachCharacter(std::string_view path, Each each) {
  std::size_t i = path.rfind("\\\\?\\", 0) == 0 ? 4 : 0;
  while (i < path.size()) {
    if (const auto unit = cp932::EscapeAt(path, i)) {
      each(static_cast<unsigned>(*unit), true);
      i += cp932::kEscapeLength;
    } else {
      each(static_cast<unsigned char>(path[i]), false);
      i += cp932::CharLength(path, i);
    }
  }
}

bool HasQuestionMark(std::string_view path) {
  bool found = false;
  ForEachCharacter(path, [&](unsigned c, bool escape) { found = found || (!escape && c == '?'); });
  return found;
}

// A "?" or U+FFFD: what an object writes where its code page has no spelling.
bool HasStandIn(std::string_view path) {
  bool found = HasQuestionMark(path);
  ForEachCharacter(path, [&](unsigned c, bool escape) { found = found || (escape && c == kReplacement); });
  return found;
}

// The path with every U+FFFD spelled "?", as a code page without it spells it.
std::string FffdAsQuestionMarks(std::string_view path) {
  std::string spelled;
  for (std::size_t i = 0; i < path.size();) {
    const auto unit = cp932::EscapeAt(path, i);
    const std::size_t length = unit ? cp932::kEscapeLength : cp932::CharLength(path, i);
    if (unit == kReplacement) {
      spelled += '?';
    } else {
      spelled.append(path.substr(i, length));
    }
    i += length;
  }
  return spelled;
}

// The length in UTF-16 code units: every CP932 character is one, so is an escape.
std::size_t Units(std::string_view path) {
  std::size_t units = path.rfind("\\\\?\\", 0) == 0 ? 4 : 0;
  ForEachCharacter(path, [&](unsigned, bool) { ++units; });
  return units;
}

}  // namespace

TargetVerdict ChooseTarget(const TargetFacts& facts) {
  const std::string& link = facts.linkPath;
  const std::string& listed = facts.listedPath;
  if (!listed.empty() && cp932::Upper(link) == cp932::Upper(listed)) {
    return HasQuestionMark(link) && !facts.namesFile(link) ? TargetVerdict::MadeUp : TargetVerdict::LinkPath;
  }
  if (!listed.empty()) {
    if (link == FffdAsQuestionMarks(listed)) return TargetVerdict::ListedPath;
    if (link == facts.throughAnsi(listed) &&
        (!HasStandIn(link) || facts.namesFile(listed) || facts.namesFile(link))) {
      return TargetVerdict::ListedPath;
    }
    if ((HasStandIn(link) || Units(link) == Units(listed)) && facts.namesFile(listed)) {
      return TargetVerdict::ListedPath;
    }
  }
  return HasStandIn(link) && !facts.namesFile(link) ? TargetVerdict::MadeUp : TargetVerdict::LinkPath;
}

}  // namespace platform
