// Text helpers for code page 932 (Shift-JIS) byte strings.
//
// Every path and caption of the program is CP932 bytes in a std::string. A
// double-byte character's trail byte may be 0x5C ('\') or 0x7C ('|'), so
// anything that looks for a path separator walks the text character by
// character with these helpers, never byte by byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cp932 {

// True for a byte that starts a double-byte character (0x81-0x9F, 0xE0-0xFC).
constexpr bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Length in bytes of the character starting at index i (1 or 2). A lead byte
// at the very end of the text counts as a single-byte character.
std::size_t CharLength(std::string_view text, std::size_t i);

// Index of the last single-byte character of `text` that is one of
// `delimiters`, or npos. Trail bytes of double-byte characters never match.
std::size_t LastDelimiter(std::string_view delimiters, std::string_view text);

// True when the character that ends `text` is a single-byte one in `delimiters`.
bool EndsWithDelimiter(std::string_view text, std::string_view delimiters);

// The part after the last "\" or ":" (the whole text if there is none).
std::string ExtractFileName(std::string_view path);
// The part up to and including the last "\" or ":".
std::string ExtractFilePath(std::string_view path);
// The extension of the file name including its dot, or the empty text.
std::string ExtractFileExt(std::string_view path);
// "X:" for a path starting with a drive letter and a colon; "\\server\share"
// for a UNC path; otherwise the empty text.
std::string ExtractFileDrive(std::string_view path);

// The system's ANSI upper-casing on code page 932 (what CharUpperBuffA does):
// ASCII letters and the double-byte letters that have capitals change, and a
// double-byte character that the code page holds twice is written in the form
// the system converts it to.
std::string Upper(std::string_view text);

// Upper-casing of the ASCII letters a-z only.
std::string UpperAscii(std::string_view text);

// Removes blanks and control characters (bytes up to 0x20) from both ends.
std::string Trim(std::string_view text);

}  // namespace cp932
