#include "platform/TargetChoice.h"

#include <gtest/gtest.h>

#include <set>

#include "base/Cp932.h"
#include "platform/Theme.h"

using platform::TargetVerdict;
static std::string Name(std::string text, char16_t unit, const std::string& after) {
  cp932::AppendEscape(text, unit);
  return text + after;
}

// GetPath's path, the item list's, the item list's through the ANSI code
// page and the files there, as Windows, Wine (932, 65001) and shortcuts
// another system wrote give them. A real U+FFFD is a name like any other.
TEST(TargetChoiceTest, TheItemListNamesTheFileUnlessGetPathAgreesOrDiffersByRight) {
  const std::string fffd = Name("C:\\d\\a", u'\uFFFD', "b.txt"), sus = "C:\\d\\Sus.txt", q = "C:\\d\\?x";
  const std::string suss = Name(Name("C:\\d\\S", u'\u00FC', ""), u'\u00DF', ".txt"), cafe = Name("C:\\d\\caf", u'\u00E9', ".txt");
  const std::string lone = Name("C:\\d\\", char16_t{0xD800}, "x"), fffdCafe = Name("C:\\d\\caf", u'\uFFFD', ".txt");
  const struct { std::string link, listed, ansi; std::set<std::string> files; TargetVerdict verdict; bool asksDisk; } rows[] = {
      {fffd, fffd, fffd, {}, TargetVerdict::LinkPath, false},  // Windows, 65001
      {"C:\\D\\A.TXT", "c:\\d\\a.txt", "", {}, TargetVerdict::LinkPath, false},
      {"C:\\d\\a?b.txt", fffd, "C:\\d\\a?b.txt", {}, TargetVerdict::ListedPath, false},  // Wine 932, 1252
      {sus, suss, sus, {sus}, TargetVerdict::ListedPath, false},  // never the look-alike
      {q, lone, q, {}, TargetVerdict::MadeUp, true},  // kept
      {fffdCafe, cafe, cafe, {cafe}, TargetVerdict::ListedPath, true},  // another system's code page
      {fffdCafe, cafe, cafe, {}, TargetVerdict::MadeUp, true},
      {"C:\\d\\caf\xB6.txt", cafe, cafe, {cafe}, TargetVerdict::ListedPath, true},
      {"\\\\s\\x\\a.txt", "Z:\\a.txt", "Z:\\a.txt", {"Z:\\a.txt"}, TargetVerdict::LinkPath, false},
      {"C:\\d\\a?b.txt", "", "", {}, TargetVerdict::MadeUp, true},  // no item list
  };
  for (const auto& row : rows) {
    bool asked = false;
    const platform::TargetFacts facts{row.link, row.listed, [&](const std::string&) { return row.ansi; },
                                      [&](const std::string& path) { return asked = true, row.files.count(path) > 0; }};
    EXPECT_EQ(platform::ChooseTarget(facts), row.verdict) << row.link << " | " << row.listed;
    EXPECT_EQ(asked, row.asksDisk) << row.link << " | " << row.listed;
  }
}

// The other decision of the platform seam: when the apps' theme counts as
// dark. High contrast wins; a missing value (or one of another type), 1 or
// any other number is light.
TEST(ThemeTest, DarkOnlyWithoutHighContrastAndALightThemeValueOfZero) {
  EXPECT_TRUE(platform::ThemeIsDark(false, 0u));
  using Facts = std::pair<bool, std::optional<std::uint32_t>>;
  for (const Facts& facts : {Facts{true, 0u}, Facts{false, std::nullopt}, Facts{true, std::nullopt},
                             Facts{false, 1u}, Facts{false, 0xFFFFFFFFu}})
    EXPECT_FALSE(platform::ThemeIsDark(facts.first, facts.second)) << facts.first << facts.second.value_or(99);
}
