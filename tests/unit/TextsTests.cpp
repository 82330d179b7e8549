#include "base/Texts.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <tuple>

using namespace quenlark;

namespace {

// The printf conversions of a text in order, flags and width included; "%%" is none.
std::string Placeholders(const std::string& text) {
  std::string found;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') continue;
    if (i + 1 < text.size() && text[i + 1] == '%') {
      ++i;
      continue;
    }
    std::size_t end = i + 1;
    while (end < text.size() && !std::isalpha(static_cast<unsigned char>(text[end]))) ++end;
    found += text.substr(i, end + 1 - i) + " ";
    i = end;
  }
  return found;
}

// The letter after a single "&", upper-cased, or 0 ("&&" draws an ampersand).
char Accelerator(const std::string& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1])));
    ++i;
  }
  return 0;
}

}  // namespace

TEST(TextsTest, EveryTextInBothFacesWithTheSamePlaceholders) {
  for (int i = 0; i < static_cast<int>(TextId::Count); ++i) {
    const std::string japanese = Text(Face::Japanese, static_cast<TextId>(i));
    const std::string english = Text(Face::English, static_cast<TextId>(i));
    EXPECT_FALSE(japanese.empty()) << i;
    EXPECT_FALSE(english.empty()) << i;
    EXPECT_EQ(Placeholders(english), Placeholders(japanese)) << i << ": " << english;
  }
}

TEST(TextsTest, AcceleratorsDifferWithinOneMenuOrDialog) {
  for (Face face : {Face::Japanese, Face::English}) {
    for (const TextRange& group : TextGroups()) {
      std::set<char> taken;
      for (int i = static_cast<int>(group.first); i <= static_cast<int>(group.last); ++i) {
        const std::string text = Text(face, static_cast<TextId>(i));
        const char key = Accelerator(text);
        if (key == 0) continue;
        EXPECT_TRUE(taken.insert(key).second) << text << " takes '" << key << "' again";
      }
    }
  }
}

TEST(TextsTest, TheFaceSetDecidesWhatIsShown) {
  EXPECT_EQ(FormatText(TextId::UseFileStatus, 12), "登録ﾌｧｲﾙ/ﾌｫﾙﾀﾞ数 : 12個");
  SetFace(Face::English);
  EXPECT_EQ(FormatText(TextId::UseFileStatus, 12), "Favourites: 12");
  EXPECT_STREQ(Text(TextId::MenuExit), "E&xit Quenlark");
  SetFace(Face::Japanese);
  EXPECT_STREQ(Text(TextId::MenuExit), "Quenlarkの終了(&X)");
}

// A Language value naming a face wins in any case; else the UI language's primary language decides.
TEST(TextsTest, FaceFollowsTheOverrideElseTheUiLanguage) {
  const std::tuple<unsigned short, std::optional<std::string>, Face> cases[] = {
      {0x0411, {}, Face::Japanese},   {0x0811, {}, Face::Japanese},      {0x0409, {}, Face::English},
      {0x0412, {}, Face::English},    {0x0411, "EN", Face::English},     {0x0411, "English", Face::English},
      {0x0407, "ja", Face::Japanese}, {0x0409, "JAPANESE", Face::Japanese}, {0x0409, "", Face::English},
      {0x0411, " en ", Face::English}, {0x0411, "e", Face::Japanese},     {0x0409, "jp", Face::English},
      {0x0409, "ja-JP", Face::Japanese}, {0x0411, "en_gb", Face::English}, {0x0411, "English (United States)", Face::English},
      {0x0409, "\t日本語 ", Face::Japanese}, {0x0411, "en-", Face::Japanese}, {0x0411, "english (", Face::Japanese},
      {0x0411, "en-U S", Face::Japanese}, {0x0409, "jap", Face::English}, {0x0411, "fr-FR", Face::Japanese}};
  for (const auto& [language, override, face] : cases)
    EXPECT_EQ(ChooseFace(language, override), face) << language << " " << override.value_or("(none)");
}
