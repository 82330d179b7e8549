#include "platform/Win32Text.h"

namespace platform {

std::wstring Wide(std::string_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int n = MultiByteToWideChar(kProgramCodePage, 0, text.data(), length, nullptr, 0);
  if (n <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(kProgramCodePage, 0, text.data(), length, wide.data(), n);
  return wide;
}

namespace {

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

}  // namespace

std::optional<std::string> ExactCp932(std::wstring_view text) {
  BOOL usedDefault = FALSE;
  std::string narrow = Narrow(text, &usedDefault);
  // The round trip catches what the flags alone let through on some systems
  // (a best-fit mapping, a lone surrogate turned into "?").
  if (usedDefault || Wide(narrow) != text) return std::nullopt;
  return narrow;
}

std::string Cp932Shown(std::wstring_view text) { return Narrow(text, nullptr); }

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
  return Cp932Shown(text);
}

bool SetWindowText(HWND window, std::string_view text) {
  return SetWindowTextW(window, Wide(text).c_str()) != FALSE;
}

}  // namespace platform
