// The program's text meets the system's here. Quenlark keeps its text in code
// page 932 whatever the system's ANSI code page is (1252, 936, 65001 with the
// "UTF-8 for worldwide language support" option, or 932), and speaks to the
// system in UTF-16 through the "W" functions, converting with code page 932
// itself. A character code page 932 cannot spell is never replaced by a
// look-alike or a "?", which could name another file: it travels as an
// escape (base/Cp932.h), so every name the system gives comes back to it
// exactly, a lone surrogate included.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace platform {

inline constexpr UINT kProgramCodePage = 932;

// The program's text as UTF-16: CP932 with its escapes decoded. A byte
// sequence that code page 932 does not define (a lead byte at the end, an
// unassigned code) comes out as the system's replacement; the program's own
// text never holds one.
std::wstring Wide(std::string_view text);

// UTF-16 text as the program's text: CP932 where every character has its own
// spelling there that reads back as itself (the same bytes as before, on any
// system), an escape for each code unit that has none. Wide() gives the
// text back exactly, whatever it was.
std::string ProgramText(std::wstring_view text);

// UTF-16 text in plain CP932, or nothing when a character has no CP932
// spelling of its own (for a key typed, matched against CP932 captions).
std::optional<std::string> ExactCp932(std::wstring_view text);

// A NUL-terminated wide buffer's text, up to its first NUL or its end.
std::wstring_view WideUntilNul(const wchar_t* buffer, std::size_t capacity);

// A window's text (a caption, an edit's contents) as the program's text.
std::string WindowText(HWND window);
// Sets a window's text from the program's text.
bool SetWindowText(HWND window, std::string_view text);

}  // namespace platform
