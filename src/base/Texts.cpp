#include "base/Texts.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>

namespace quenlark {

const TextEntry* JapaneseTexts();
const TextEntry* EnglishTexts();

namespace {

Face currentFace = Face::Japanese;

constexpr TextRange kGroups[] = {
    {TextId::MenuSetting, TextId::MenuExit},
    {TextId::MenuClearWindowsRecent, TextId::MenuClearQuenlarkRecent},
    {TextId::SettingCaption, TextId::SettingPathDiff},
    {TextId::UseFileCaption, TextId::UseFileListHint},
    {TextId::ClearCaption, TextId::ClearListHint},
    {TextId::PassCaption, TextId::PassCancel},
    {TextId::PassChangeCaption, TextId::PassChangeCancel},
    {TextId::AboutCaption, TextId::AboutOk},
};

// The primary language of a LANGID (PRIMARYLANGID) and Japanese's (LANG_JAPANESE).
constexpr unsigned kPrimaryLanguageMask = 0x3FF;
constexpr unsigned kLangJapanese = 0x11;

bool SameLetters(const std::string& text, const char* name) {
  std::size_t i = 0;
  for (; i < text.size() && name[i] != '\0'; ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != name[i]) return false;
  }
  return i == text.size() && name[i] == '\0';
}

}  // namespace

Face ChooseFace(unsigned short uiLanguage, const std::optional<std::string>& override) {
  if (override) {
    if (SameLetters(*override, "ja") || SameLetters(*override, "japanese")) return Face::Japanese;
    if (SameLetters(*override, "en") || SameLetters(*override, "english")) return Face::English;
  }
  return (uiLanguage & kPrimaryLanguageMask) == kLangJapanese ? Face::Japanese : Face::English;
}

void SetFace(Face face) { currentFace = face; }

Face CurrentFace() { return currentFace; }

const char* Text(Face face, TextId id) {
  const TextEntry* table = face == Face::English ? EnglishTexts() : JapaneseTexts();
  return table[static_cast<int>(id)].text;
}

const char* Text(TextId id) { return Text(currentFace, id); }

std::string FormatText(TextId id, ...) {
  const char* format = Text(id);
  va_list args;
  va_start(args, id);
  va_list again;
  va_copy(again, args);
  const int size = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string text(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
  if (size > 0) std::vsnprintf(text.data(), text.size() + 1, format, again);
  va_end(again);
  return text;
}

std::span<const TextRange> TextGroups() { return kGroups; }

}  // namespace quenlark
