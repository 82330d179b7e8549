// Both number parsers on any text: the registry's integers (ParseInteger,
// StrToIntDef) and the settings dialog's number fields (ParseNumberField).
//
// Properties: each parser gives what a slow version written from the
// grammar gives (a regular expression for the form, strtoull for the value,
// and for the dialog a fold table spelled with the full-width characters
// themselves rather than their codes); every 32-bit number written in
// decimal, "$" hexadecimal or "0x" hexadecimal, or in full-width digits in
// the dialog, reads back as itself.
#include <cerrno>
#include <cinttypes>
#include <cstdlib>
#include <map>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "base/Cp932.h"
#include "base/Util.h"

namespace {

std::string Shown(const std::optional<std::int32_t>& v) { return v ? std::to_string(*v) : "none"; }

std::optional<std::int32_t> SlowParse(const std::string& text, bool allowZeroX) {
  static const std::regex withZeroX("^ *([+-]?)(\\$|0[xX])?([0-9A-Fa-f]+)$");
  static const std::regex withoutZeroX("^ *([+-]?)(\\$)?([0-9A-Fa-f]+)$");
  std::smatch m;
  if (!std::regex_match(text, m, allowZeroX ? withZeroX : withoutZeroX)) return std::nullopt;
  const bool negative = m[1] == "-";
  const bool hex = m[2].matched;
  const std::string digits = m[3];
  if (!hex && digits.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  errno = 0;
  const unsigned long long value = std::strtoull(digits.c_str(), nullptr, hex ? 16 : 10);
  if (errno == ERANGE || value > 0xFFFFFFFFull) return std::nullopt;
  if (hex) {
    // "$FFFFFFFF" is -1: the digits are the 32 bits; a minus negates them.
    const std::uint32_t bits = negative ? static_cast<std::uint32_t>(0x100000000ull - value)
                                        : static_cast<std::uint32_t>(value);
    return static_cast<std::int32_t>(bits);
  }
  const long long signedValue = negative ? -static_cast<long long>(value) : static_cast<long long>(value);
  if (signedValue < INT32_MIN || signedValue > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(signedValue);
}

// The characters the dialog's number fields take in full width, with the
// ASCII character each stands for.
const std::map<std::string, char>& FullWidth() {
  static const std::map<std::string, char> table = [] {
    std::map<std::string, char> t;
    auto add = [&t](std::string_view wide, std::string_view narrow) {
      for (std::size_t i = 0; i < narrow.size(); ++i) t[std::string(wide.substr(2 * i, 2))] = narrow[i];
    };
    add("０１２３４５６７８９", "0123456789");
    add("ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ", "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    add("ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ", "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    add("　＋－＄", " +-$");
    return t;
  }();
  return table;
}

std::int32_t SlowNumberField(std::string_view text, std::int32_t fallback) {
  std::size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= 0x20) ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= 0x20) --e;
  const std::string_view trimmed = text.substr(b, e - b);
  std::string folded;
  for (std::size_t i = 0; i < trimmed.size();) {
    const std::size_t len = cp932::CharLength(trimmed, i);
    const std::string ch(trimmed.substr(i, len));
    i += len;
    const auto wide = FullWidth().find(ch);
    if (wide != FullWidth().end()) {
      folded += wide->second;
    } else if (len == 1 && ch[0] >= 'a' && ch[0] <= 'z') {
      folded += static_cast<char>(ch[0] - 'a' + 'A');
    } else {
      folded += ch;
    }
  }
  return SlowParse(folded, false).value_or(fallback);
}

std::string Hex(std::int32_t v) {
  char text[16];
  std::snprintf(text, sizeof text, "%" PRIX32, static_cast<std::uint32_t>(v));
  return text;
}

// Decimal text in full-width digits and sign.
std::string FullWidthDecimal(std::int32_t v) {
  std::string out;
  for (char c : std::to_string(v)) {
    for (const auto& [wide, narrow] : FullWidth()) {
      if (narrow == c) {
        out += wide;
        break;
      }
    }
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  const std::int32_t number = in.Int32();
  const std::int32_t fallback = in.Int32();
  std::string text;
  for (const std::string& part : in.Texts()) text += part + '\0';
  if (!text.empty()) text.pop_back();

  const auto parsed = util::ParseInteger(text);
  FUZZ_CHECK(parsed == SlowParse(text, true), fuzz::Shown(text) + ": " + Shown(parsed));
  FUZZ_CHECK(util::StrToIntDef(text, fallback) == parsed.value_or(fallback), fuzz::Shown(text));
  const std::int32_t field = util::ParseNumberField(text, fallback);
  FUZZ_CHECK(field == SlowNumberField(text, fallback), fuzz::Shown(text) + ": " + std::to_string(field));

  const std::string decimal = std::to_string(number);
  FUZZ_CHECK(util::ParseInteger(decimal) == number, decimal);
  FUZZ_CHECK(util::ParseInteger("$" + Hex(number)) == number, Hex(number));
  FUZZ_CHECK(util::ParseInteger("  0x" + Hex(number)) == number, Hex(number));
  FUZZ_CHECK(util::ParseNumberField(" " + decimal + "\t", fallback) == number, decimal);
  FUZZ_CHECK(util::ParseNumberField(FullWidthDecimal(number), fallback) == number, decimal);
  FUZZ_CHECK(util::ParseNumberField("$" + Hex(number), fallback) == number, Hex(number));
  return 0;
}
