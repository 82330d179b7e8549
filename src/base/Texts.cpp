#include "base/Texts.h"

#include <cctype>
#include <algorithm>
#include <string_view>

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

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsAlphaNumeric(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

// The language an override names, lower-cased without what follows it: a
// locale name ("ja-JP", "en_GB": the language before its first "-" or "_") or
// a language name with a region after it ("English (United States)"), with
// blanks around. Empty when the text is neither. A text beyond ASCII is
// taken whole ("日本語"): its trail bytes may look like "_" or letters.
std::string NamedLanguage(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return std::string(text);
  }
  if (const std::size_t open = text.find('('); open != std::string_view::npos) {
    if (text.back() != ')') return {};
    text = text.substr(0, open);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  } else if (const std::size_t dash = text.find_first_of("-_"); dash != std::string_view::npos) {
    const std::string_view region = text.substr(dash + 1);
    if (region.empty() || region.find_first_of("-_") == 0) return {};
    for (char c : region) {
      if (!IsAlphaNumeric(c) && c != '-' && c != '_') return {};
    }
    text = text.substr(0, dash);
  }
  std::string language;
  for (char c : text) language += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return language;
}

}  // namespace

Face ChooseFace(unsigned short uiLanguage, const std::optional<std::string>& override) {
  if (override) {
    const std::string language = NamedLanguage(*override);
    if (language == "ja" || language == "japanese" || language == "日本語") return Face::Japanese;
    if (language == "en" || language == "english" || language == "英語") return Face::English;
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

std::string_view ArgumentKinds(TextId id) {
  switch (id) {
    case TextId::SettingMultiUserHint:
    case TextId::UseFileSubmenuStartRow:
    case TextId::UseFileDeleteOne:
    case TextId::AboutVersion:
    case TextId::HelpNotFound:
    case TextId::HelpNotShown:
    case TextId::OwnerDrawFailed:
      return "s";
    case TextId::SettingRangeError:
      return "sdd";
    case TextId::SettingSameClickError:
    case TextId::SettingSameHotKeyError:
      return "ss";
    case TextId::TrayHintText:
      return "dd";
    case TextId::UseFileStatus:
    case TextId::UseFileStatusHint:
    case TextId::UseFileDeleteMany:
      return "d";
    default:
      return "";
  }
}

namespace {
int mismatches = 0;
}  // namespace

int MismatchedTextArguments() { return mismatches; }

// The texts' placeholders are "%d" and "%s" only, and "%%" for a percent
// sign (the text tests hold every face to that).
std::string FormatTextArguments(TextId id, std::span<const TextArgument> arguments) {
  const std::string_view kinds = ArgumentKinds(id);
  const bool matching = arguments.size() == kinds.size() &&
                        std::equal(kinds.begin(), kinds.end(), arguments.begin(),
                                   [](char kind, const TextArgument& a) { return a.Kind() == kind; });
  if (!matching) ++mismatches;
  const std::string_view format = Text(id);
  std::string text;
  std::size_t next = 0;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%' || i + 1 == format.size()) {
      text += format[i];
      continue;
    }
    const char kind = format[++i];
    if (kind == '%') {
      text += '%';
    } else if (matching && next < arguments.size()) {
      const TextArgument& argument = arguments[next++];
      text += kind == 'd' ? std::to_string(argument.Number()) : std::string(argument.Chars());
    }
  }
  return text;
}

std::span<const TextRange> TextGroups() { return kGroups; }

}  // namespace quenlark
