// UTF-16 text as UTF-8 and back for the end-to-end tools' logs and output,
// so that names code page 932 cannot spell (U+301C, an emoji, Hangul) read
// exactly on the script's side. A UTF-16 unit that is half of no pair (a
// lone surrogate, which no UTF-8 spells) is written "{U+D800}"; the same
// spelling reads back as that unit, so a script can pass one in an argument.
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace e2e {

inline bool IsHigh(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
inline bool IsLow(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

inline std::string Utf8(std::wstring_view text) {
  std::string out;
  auto convert = [&](std::wstring_view run) {
    if (run.empty()) return;
    const int size = static_cast<int>(run.size());
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, run.data(), size, nullptr, 0, nullptr, nullptr);
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(bytes));
    WideCharToMultiByte(CP_UTF8, 0, run.data(), size, out.data() + at, bytes, nullptr, nullptr);
  };
  std::size_t start = 0, i = 0;
  while (i < text.size()) {
    if (IsHigh(text[i]) && i + 1 < text.size() && IsLow(text[i + 1])) {
      i += 2;
    } else if (IsHigh(text[i]) || IsLow(text[i])) {
      convert(text.substr(start, i - start));
      char unit[12];
      std::snprintf(unit, sizeof unit, "{U+%04X}", static_cast<unsigned>(text[i]));
      out += unit;
      start = ++i;
    } else {
      ++i;
    }
  }
  convert(text.substr(start));
  return out;
}

inline std::wstring FromUtf8(std::string_view text) {
  std::wstring out;
  auto convert = [&](std::string_view run) {
    if (run.empty()) return;
    const int size = static_cast<int>(run.size());
    const int units = MultiByteToWideChar(CP_UTF8, 0, run.data(), size, nullptr, 0);
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(units));
    MultiByteToWideChar(CP_UTF8, 0, run.data(), size, out.data() + at, units);
  };
  std::size_t start = 0;
  for (std::size_t open = 0; (open = text.find("{U+", open)) != std::string_view::npos; ++open) {
    if (open + 8 > text.size() || text[open + 7] != '}') continue;
    const std::string digits(text.substr(open + 3, 4));
    char* end = nullptr;
    const unsigned long unit = std::strtoul(digits.c_str(), &end, 16);
    if (end != digits.c_str() + 4) continue;
    convert(text.substr(start, open - start));
    out.push_back(static_cast<wchar_t>(unit));
    start = open + 8;
  }
  convert(text.substr(start));
  return out;
}

}  // namespace e2e
