#include "base/Util.h"

#include <algorithm>

#include "base/Cp932.h"

namespace util {

std::string PadNumber(long long number, int width, char pad) {
  std::string digits = std::to_string(number);
  if (width < 0) width = 0;
  auto w = static_cast<std::size_t>(width);
  if (digits.size() < w) return std::string(w - digits.size(), pad) + digits;
  return digits.substr(digits.size() - w);
}

std::string RightChars(std::string_view text, int n) {
  if (n <= 0) return {};
  auto k = std::min(text.size(), static_cast<std::size_t>(n));
  return std::string(text.substr(text.size() - k));
}

std::string LeftChars(std::string_view text, int n) {
  if (n <= 0) return {};
  return std::string(text.substr(0, std::min(text.size(), static_cast<std::size_t>(n))));
}

std::string ReverseText(std::string_view text) {
  std::string reversed(text.size(), '\0');
  std::size_t end = text.size();
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = cp932::CharacterLength(text, i);
    end -= length;
    text.copy(reversed.data() + end, length, i);
    i += length;
  }
  return reversed;
}

std::string FieldOf(std::string_view line, int n) {
  std::size_t start = 0;
  for (int i = 1; i < n; ++i) {
    std::size_t comma = line.find(',', start);
    if (comma == std::string_view::npos) return {};
    start = comma + 1;
  }
  std::size_t end = line.find(',', start);
  return std::string(line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Parses text after blanks are skipped; `allowZeroX` admits the "0x" prefix.
std::optional<std::int32_t> ParseSignedNumber(std::string_view s, bool allowZeroX) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  bool hex = false;
  if (i < s.size() && s[i] == '$') {
    hex = true;
    ++i;
  } else if (allowZeroX && i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= s.size()) return std::nullopt;
  std::uint64_t value = 0;
  for (; i < s.size(); ++i) {
    int digit = hex ? HexDigit(s[i]) : (s[i] >= '0' && s[i] <= '9' ? s[i] - '0' : -1);
    if (digit < 0) return std::nullopt;
    value = value * (hex ? 16 : 10) + static_cast<unsigned>(digit);
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  if (hex) {
    // Hexadecimal text names the 32 bits themselves.
    auto bits = static_cast<std::uint32_t>(value);
    if (negative) bits = 0u - bits;
    return static_cast<std::int32_t>(bits);
  }
  if (negative) {
    if (value > 0x80000000ull) return std::nullopt;
    return static_cast<std::int32_t>(-static_cast<std::int64_t>(value));
  }
  if (value > 0x7FFFFFFFull) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) { return ParseSignedNumber(text, true); }

std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback) {
  return ParseInteger(text).value_or(fallback);
}

std::int32_t ParseNumberField(std::string_view text, std::int32_t fallback) {
  std::string trimmed = cp932::Trim(text);
  std::string folded;
  for (std::size_t i = 0; i < trimmed.size();) {
    if (cp932::CharLength(trimmed, i) == 2) {
      unsigned code = (static_cast<unsigned char>(trimmed[i]) << 8) | static_cast<unsigned char>(trimmed[i + 1]);
      if (code >= 0x824F && code <= 0x8258) {
        folded += static_cast<char>('0' + (code - 0x824F));
      } else if (code >= 0x8260 && code <= 0x8279) {
        folded += static_cast<char>('A' + (code - 0x8260));
      } else if (code >= 0x8281 && code <= 0x829A) {
        folded += static_cast<char>('A' + (code - 0x8281));
      } else if (code == 0x8140) {
        folded += ' ';
      } else if (code == 0x817B) {
        folded += '+';
      } else if (code == 0x817C) {
        folded += '-';
      } else if (code == 0x8190) {
        folded += '$';
      } else {
        folded.append(trimmed, i, 2);
      }
      i += 2;
    } else {
      char c = trimmed[i];
      folded += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
      ++i;
    }
  }
  return ParseSignedNumber(folded, false).value_or(fallback);
}

}  // namespace util

