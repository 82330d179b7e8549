#include "ui/TypeToFind.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/Cp932.h"

using namespace quenlark::ui;

namespace {

std::string Escaped(char16_t unit, const char* rest) {
  std::string text;
  cp932::AppendEscape(text, unit);
  return text + rest;
}

// Stands in for the locale's comparison: case folded as the program's
// upper-casing does it (ASCII, and the accented Latin letters of escapes).
bool StartsWithFolded(std::string_view name, std::string_view typed) {
  return cp932::Upper(name).starts_with(cp932::Upper(typed));
}

constexpr unsigned kQuick = 200, kSlow = 1500;

}  // namespace

TEST(TypeToFindTest, FindsByInitialsRepeatedInitialsAndPrefixes) {
  // English, Japanese and German names, a separator (no name), and a
  // Japanese name twice.
  const std::vector<std::string> names = {"alpha.txt", "Beta.txt",  "",       "bob.txt", "報告書.doc",
                                          Escaped(u'Ü', "ber.txt"), "bravo.txt", "本.txt", "報告書.doc"};
  // The current item, the item typing selects; what was typed before, how
  // long ago, the character typed now, and the text typed so far after it.
  struct Case {
    const char* what;
    std::optional<std::size_t> current, expected;
    std::string typedBefore;
    unsigned elapsed;
    std::string character, typed;
  } cases[] = {
      {"a first letter, nothing selected", std::nullopt, 1, "", kSlow, "b", "b"},
      {"the same letter moves on", 1, 3, "b", kQuick, "b", "bb"},
      {"past the last one it wraps round", 6, 1, "bbb", kQuick, "b", "bbbb"},
      {"two letters quickly: the first that starts with both", 3, 6, "b", kQuick, "r", "br"},
      {"two letters slowly: the second alone, after the current", 1, 0, "b", kSlow, "a", "a"},
      {"two letters quickly that no name starts with", 3, std::nullopt, "b", kQuick, "a", "ba"},
      {"a Japanese initial", std::nullopt, 4, "", kSlow, "報", "報"},
      {"the same Japanese name twice, one after the other", 4, 8, "報", kQuick, "報", "報報"},
      {"two Japanese characters", 7, 4, "報", kQuick, "告", "報告"},
      {"a German name, case ignored in an escape", 0, 5, "", kSlow, Escaped(u'ü', ""), Escaped(u'ü', "")},
  };
  for (const Case& c : cases) {
    const TypeToFindStep step = TypeToFind(names, c.current, c.typedBefore, c.elapsed, c.character, StartsWithFolded);
    EXPECT_EQ(step.position, c.expected) << c.what;
    EXPECT_EQ(step.typed, c.typed) << c.what;
  }
  EXPECT_EQ(ShownText("R&&D &notes (&H)&"), "R&D notes (H)");
}
