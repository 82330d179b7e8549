#include "platform/Win32Text.h"

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

// WC_NO_BEST_FIT_CHARS with "?" as the default character; `usedDefault`
// tells whether any character had no spelling of its own.
std::string Narrow(std::wstring_view text, BOOL* usedDefault) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int n =
      WideCharToMultiByte(kProgramCodePage, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, "?", usedDefault);
  if (n <= 0) {
    if (usedDefault) *usedDefault = TRUE;
    return {};
  }
  std::string narrow(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(kProgramCodePage, WC_NO_BEST_FIT_CHARS, text.data(), length, narrow.data(), n, "?",
                      usedDefault);
  return narrow;
}

bool IsAscii(std::wstring_view text) {
  for (wchar_t c : text) {
    if (c >= 0x80) return false;
  }
  return true;
}

// One character's own CP932 spelling, or nothing when it has none (a
// best-fit look-alike, "?", or bytes that read back as another character).
std::optional<std::string> SpelledAlone(wchar_t c) {
  if (c >= 0xD800 && c <= 0xDFFF) return std::nullopt;  // no surrogate has one
  BOOL usedDefault = FALSE;
  std::string narrow = Narrow(std::wstring_view(&c, 1), &usedDefault);
  if (usedDefault || narrow.empty() || WideCp932(narrow) != std::wstring_view(&c, 1)) return std::nullopt;
  return narrow;
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
  BOOL usedDefault = FALSE;
  std::string narrow = Narrow(text, &usedDefault);
  // The round trip catches what the flags alone let through on some systems
  // (a best-fit mapping, a lone surrogate turned into "?").
  if (!usedDefault && WideCp932(narrow) == text) return narrow;
  std::string mixed;
  mixed.reserve(text.size() * 2);
  for (wchar_t c : text) {
    if (std::optional<std::string> spelled = SpelledAlone(c)) {
      mixed += *spelled;
    } else {
      cp932::AppendEscape(mixed, static_cast<char16_t>(c));
    }
  }
  return mixed;
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
