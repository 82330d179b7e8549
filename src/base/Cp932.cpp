#include "base/Cp932.h"

#include "base/Cp932UpperTable.h"

namespace cp932 {

void AppendEscape(std::string& text, char16_t unit) {
  for (int nibble = 0; nibble < 4; ++nibble) {
    text += static_cast<char>(kEscapeLead);
    text += static_cast<char>(0x80 + nibble * 0x10 + ((unit >> (12 - nibble * 4)) & 0x0F));
  }
}

std::optional<char16_t> EscapeAt(std::string_view text, std::size_t i) {
  if (i + kEscapeLength > text.size()) return std::nullopt;
  unsigned unit = 0;
  for (int nibble = 0; nibble < 4; ++nibble) {
    const auto lead = static_cast<unsigned char>(text[i + nibble * 2]);
    const auto trail = static_cast<unsigned char>(text[i + nibble * 2 + 1]);
    if (lead != kEscapeLead || (trail & 0xF0) != 0x80 + nibble * 0x10) return std::nullopt;
    unit = (unit << 4) | (trail & 0x0F);
  }
  return static_cast<char16_t>(unit);
}

std::size_t FirstEscape(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
    if (static_cast<unsigned char>(text[i]) == kEscapeLead && EscapeAt(text, i)) return i;
  }
  return std::string_view::npos;
}

char16_t UpperLatin(char16_t unit) {
  // Latin-1: U+00E0-U+00FE but the division sign, and y with diaeresis.
  if (unit >= 0x00E0 && unit <= 0x00FE && unit != 0x00F7) return static_cast<char16_t>(unit - 0x20);
  if (unit == 0x00FF) return 0x0178;
  // Latin Extended-A pairs its capitals and smalls; the dotted and dotless i,
  // kra, n preceded by apostrophe and long s have no capital of their own here.
  const bool evenCapital = (unit >= 0x0100 && unit <= 0x012F) || (unit >= 0x0132 && unit <= 0x0137) ||
                           (unit >= 0x014A && unit <= 0x0177);
  const bool oddCapital = (unit >= 0x0139 && unit <= 0x0148) || (unit >= 0x0179 && unit <= 0x017E);
  if (evenCapital && (unit & 1)) return static_cast<char16_t>(unit - 1);
  if (oddCapital && !(unit & 1)) return static_cast<char16_t>(unit - 1);
  return unit;
}

std::size_t CharLength(std::string_view text, std::size_t i) {
  if (i + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[i]))) return 2;
  return 1;
}

std::size_t CharacterLength(std::string_view text, std::size_t i) {
  const auto unit = static_cast<unsigned char>(text[i]) == kEscapeLead ? EscapeAt(text, i) : std::nullopt;
  if (!unit) return CharLength(text, i);
  const auto next = *unit >= 0xD800 && *unit <= 0xDBFF ? EscapeAt(text, i + kEscapeLength) : std::nullopt;
  return next && *next >= 0xDC00 && *next <= 0xDFFF ? 2 * kEscapeLength : kEscapeLength;
}

std::size_t LastDelimiter(std::string_view delimiters, std::string_view text) {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
    if (CharLength(text, i) == 1 && delimiters.find(text[i]) != std::string_view::npos) found = i;
  }
  return found;
}

bool EndsWithDelimiter(std::string_view text, std::string_view delimiters) {
  if (text.empty()) return false;
  std::size_t last = 0;
  for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) last = i;
  return CharLength(text, last) == 1 && delimiters.find(text[last]) != std::string_view::npos;
}

std::string ExtractFileName(std::string_view path) {
  std::size_t d = LastDelimiter("\\:", path);
  return std::string(d == std::string_view::npos ? path : path.substr(d + 1));
}

std::string ExtractFilePath(std::string_view path) {
  std::size_t d = LastDelimiter("\\:", path);
  return d == std::string_view::npos ? std::string() : std::string(path.substr(0, d + 1));
}

std::string ExtractFileExt(std::string_view path) {
  std::size_t d = LastDelimiter(".\\:", path);
  if (d == std::string_view::npos || path[d] != '.') return {};
  return std::string(path.substr(d));
}

std::string ExtractFileDrive(std::string_view path) {
  if (path.size() >= 2 && path[1] == ':') return std::string(path.substr(0, 2));
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
    // "\\server\share": up to (not including) the separator after the share name.
    int separators = 0;
    std::size_t i = 2;
    while (i < path.size()) {
      std::size_t len = CharLength(path, i);
      if (len == 1 && path[i] == '\\' && ++separators == 2) break;
      i += len;
    }
    return std::string(path.substr(0, i));
  }
  return {};
}

std::string Upper(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size();) {
    auto c = static_cast<unsigned char>(out[i]);
    if (const std::optional<char16_t> unit = c == kEscapeLead ? EscapeAt(out, i) : std::nullopt) {
      std::string upper;
      AppendEscape(upper, UpperLatin(*unit));
      out.replace(i, kEscapeLength, upper);
      i += kEscapeLength;
    } else if (CharLength(out, i) == 2) {
      unsigned code = (c << 8) | static_cast<unsigned char>(out[i + 1]);
      unsigned upper = UpperDoubleByte(code);
      out[i] = static_cast<char>(upper >> 8);
      out[i + 1] = static_cast<char>(upper & 0xFF);
      i += 2;
    } else {
      out[i] = static_cast<char>(UpperSingleByte(c));
      ++i;
    }
  }
  return out;
}

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& ch : out) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  }
  return out;
}

std::string Trim(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= 0x20) ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= 0x20) --e;
  return std::string(text.substr(b, e - b));
}

}  // namespace cp932
