// The program's text meets the system's here. Quenlark keeps its text in code
// page 932 whatever the system's ANSI code page is (1252, 936, 65001 with the
// "UTF-8 for worldwide language support" option, or 932), and speaks to the
// system in UTF-16 through the "W" functions, converting with code page 932
// itself. A name the system gives that code page 932 cannot spell is never
// replaced by a look-alike or a "?", which could name another file: the
// strict conversion refuses it and the caller leaves the name alone.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace platform {

inline constexpr UINT kProgramCodePage = 932;

// CP932 text as UTF-16. A byte sequence that code page 932 does not define
// (a lead byte at the end, an unassigned code) comes out as the system's
// replacement; the program's own text never holds one.
std::wstring Wide(std::string_view text);

// UTF-16 text in CP932 when every character has its own spelling there, and
// that spelling reads back as the same text; nothing when one character would
// become "?" or a look-alike (U+301C WAVE DASH, "ä", an emoji, a lone
// surrogate).
std::optional<std::string> ExactCp932(std::wstring_view text);

// UTF-16 text in CP932 for showing or storing as text (a registry value, a
// window's caption): a character without a CP932 spelling becomes "?", never
// a look-alike. Not for names of files.
std::string Cp932Shown(std::wstring_view text);

// A NUL-terminated wide buffer's text, up to its first NUL or its end.
std::wstring_view WideUntilNul(const wchar_t* buffer, std::size_t capacity);

// A window's text (a caption, an edit's contents) in CP932, as shown: a
// character typed that code page 932 cannot spell reads as "?".
std::string WindowText(HWND window);
// Sets a window's text from CP932.
bool SetWindowText(HWND window, std::string_view text);

}  // namespace platform
