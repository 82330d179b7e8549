#include "platform/Win32Text.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "base/Cp932.h"

namespace platform {

namespace {

std::wstring WideCp932(std::string_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int n = MultiByteToWideChar(kProgramCodePage, 0, text.data(), length, nullptr, 0);
  if (n <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(kProgramCodePage, 0, text.data(), length, wide.data(), n);
  return wide;
}

bool IsAscii(std::wstring_view text) {
  for (wchar_t c : text) {
    if (c >= 0x80) return false;
  }
  return true;
}

// Every UTF-16 code unit that has a CP932 spelling of its own, with that
// spelling (one byte, or lead << 8 | trail): what WideCharToMultiByte gives
// without best fit for a character that MultiByteToWideChar reads back as
// itself. Built once from the code page's ~8,000 codes (32 KB), so a name
// with characters outside it costs a lookup per character, not two calls.
class Cp932Spellings {
 public:
  Cp932Spellings() {
    std::vector<std::pair<wchar_t, std::uint16_t>> found;
    auto add = [&](const char* bytes, int length) {
      wchar_t c = 0;
      if (MultiByteToWideChar(kProgramCodePage, 0, bytes, length, &c, 1) != 1) return;
      char back[2] = {};
      BOOL usedDefault = FALSE;
      const int n = WideCharToMultiByte(kProgramCodePage, WC_NO_BEST_FIT_CHARS, &c, 1, back, 2, "?", &usedDefault);
      if (usedDefault || n < 1 || WideCp932(std::string_view(back, static_cast<std::size_t>(n))) != std::wstring(1, c))
        return;
      const auto code = static_cast<std::uint16_t>(n == 1 ? static_cast<unsigned char>(back[0])
                                                          : (static_cast<unsigned char>(back[0]) << 8) |
                                                                static_cast<unsigned char>(back[1]));
      found.emplace_back(c, code);
    };
    for (unsigned b = 0x80; b <= 0xFF; ++b) {
      const char one = static_cast<char>(b);
      if (!cp932::IsLeadByte(static_cast<unsigned char>(b))) {
        add(&one, 1);
        continue;
      }
      for (unsigned t = 0x40; t <= 0xFC; ++t) {
        const char two[2] = {static_cast<char>(b), static_cast<char>(t)};
        add(two, 2);
      }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    table_ = std::move(found);
  }

  // Appends the spelling of a non-ASCII code unit; false when it has none.
  bool Append(std::string& text, wchar_t c) const {
    auto it = std::lower_bound(table_.begin(), table_.end(), std::make_pair(c, std::uint16_t{0}));
    if (it == table_.end() || it->first != c) return false;
    if (it->second > 0xFF) text += static_cast<char>(it->second >> 8);
    text += static_cast<char>(it->second & 0xFF);
    return true;
  }

 private:
  std::vector<std::pair<wchar_t, std::uint16_t>> table_;
};

// Never destroyed: text may still be converted while the process ends.
const Cp932Spellings& Spellings() {
  static const Cp932Spellings* const spellings = new Cp932Spellings;
  return *spellings;
}

}  // namespace

std::wstring Wide(std::string_view text) {
  std::size_t escape = cp932::FirstEscape(text);
  if (escape == std::string_view::npos) return WideCp932(text);
  std::wstring wide;
  wide.reserve(text.size());
  std::size_t run = 0;  // start of the CP932 text not yet converted
  while (escape != std::string_view::npos) {
    wide += WideCp932(text.substr(run, escape - run));
    wide += static_cast<wchar_t>(*cp932::EscapeAt(text, escape));
    run = escape + cp932::kEscapeLength;
    const std::size_t next = cp932::FirstEscape(text.substr(run));
    escape = next == std::string_view::npos ? next : run + next;
  }
  wide += WideCp932(text.substr(run));
  return wide;
}

std::string ProgramText(std::wstring_view text) {
  // Most names are ASCII, and every scan lists hundreds of them.
  if (IsAscii(text)) return std::string(text.begin(), text.end());
  const Cp932Spellings& spellings = Spellings();
  std::string program;
  program.reserve(text.size() * 2);
  for (wchar_t c : text) {
    if (c < 0x80) {
      program += static_cast<char>(c);
    } else if (!spellings.Append(program, c)) {
      cp932::AppendEscape(program, static_cast<char16_t>(c));
    }
  }
  return program;
}

std::optional<std::string> ExactCp932(std::wstring_view text) {
  std::string spelled = ProgramText(text);
  if (cp932::FirstEscape(spelled) != std::string::npos) return std::nullopt;
  return spelled;
}

std::wstring_view WideUntilNul(const wchar_t* buffer, std::size_t capacity) {
  std::size_t n = 0;
  while (n < capacity && buffer[n] != L'\0') ++n;
  return {buffer, n};
}

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return ProgramText(text);
}

bool SetWindowText(HWND window, std::string_view text) {
  return SetWindowTextW(window, Wide(text).c_str()) != FALSE;
}

}  // namespace platform
