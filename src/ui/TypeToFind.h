// Finding an entry of a popup menu by typing its name, as the system's list
// views find their items: the portable decision, apart from the menu that
// carries it out (CoolMenu answers WM_MENUCHAR with it).
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quenlark::ui {

// Characters typed within this time of each other make one text: the time
// the system's list view documents for its incremental search (one second).
inline constexpr unsigned kTypeAheadMilliseconds = 1000;

// Whether the name begins with the typed text, as the user's locale compares
// them (both CP932 text with escapes).
using NameStartsWith = std::function<bool(std::string_view name, std::string_view typed)>;

struct TypeToFindStep {
  // The item to select; none leaves the selection as it is.
  std::optional<std::size_t> position;
  // The text typed so far, for the next key.
  std::string typed;
};

// One typed character (a whole character: one or two bytes, or an escape).
// `names` are the names the menu's items are found by, in menu order; an
// empty name is never found (separators, commands). `current` is the
// selected item, if any. The same character typed again and again (or typed
// first) selects the next item after the current one whose name starts with
// it, wrapping round; other characters typed within kTypeAheadMilliseconds
// of the one before join the text typed so far, and the first item whose
// name starts with that text is selected.
TypeToFindStep TypeToFind(std::span<const std::string> names, std::optional<std::size_t> current,
                          std::string_view typedSoFar, unsigned millisecondsSinceLastKey,
                          std::string_view character, const NameStartsWith& startsWith);

// The text a caption shows: the "&" that underlines the next character taken
// out, "&&" as one "&" (the prefix rule the menu's text drawing follows).
std::string ShownText(std::string_view caption);

}  // namespace quenlark::ui
