// Text helpers for code page 932 (Shift-JIS) byte strings.
//
// Every path and caption of the program is CP932 bytes in a std::string. A
// double-byte character's trail byte may be 0x5C ('\') or 0x7C ('|'), so
// anything that looks for a path separator walks the text character by
// character with these helpers, never byte by byte.
//
// A character code page 932 cannot spell (U+301C WAVE DASH, U+00FC in a
// German name, Hangul, an emoji's surrogates, a lone surrogate) travels in
// the same text as an escape: four double-byte characters that code page 932
// leaves unassigned, FC 8h FC 9h FC Ah FC Bh, whose low nibbles are the UTF-16
// code unit's four nibbles, highest first. So every rule written on the bytes
// keeps working: an escape holds no ASCII byte (no separator, dot or "&"), it
// sorts after every character code page 932 spells and escapes sort among
// themselves by code unit, and a text without one is the plain CP932 text,
// byte for byte. Only the system's seam (platform/Win32Text) makes escapes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace cp932 {

// The bytes of one escape.
inline constexpr std::size_t kEscapeLength = 8;
inline constexpr unsigned char kEscapeLead = 0xFC;

// Appends the escape of one UTF-16 code unit.
void AppendEscape(std::string& text, char16_t unit);

// The code unit of the escape that starts at byte i, or nothing.
std::optional<char16_t> EscapeAt(std::string_view text, std::size_t i);

// Byte index of the first escape in the text, walking it by characters; npos
// when it holds none.
std::size_t FirstEscape(std::string_view text);

// The capital of a small Latin letter of Latin-1 and Latin Extended-A
// (U+00FC to U+00DC); any other code unit as it is. Upper() applies it to
// escapes, so a name keeps one spelling whatever case its accents have.
char16_t UpperLatin(char16_t unit);

// True for a byte that starts a double-byte character (0x81-0x9F, 0xE0-0xFC).
constexpr bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Length in bytes of the character starting at index i (1 or 2). A lead byte
// at the very end of the text counts as a single-byte character.
std::size_t CharLength(std::string_view text, std::size_t i);

// Length in bytes of the whole character starting at index i: a CP932
// character (1 or 2), an escape (8), or the two escapes of a surrogate pair
// (16), so that text moved, cut or reversed by it keeps every character.
std::size_t CharacterLength(std::string_view text, std::size_t i);

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
// the system converts it to. Escapes take UpperLatin.
std::string Upper(std::string_view text);

// Upper-casing of the ASCII letters a-z only.
std::string UpperAscii(std::string_view text);

// Removes blanks and control characters (bytes up to 0x20) from both ends.
std::string Trim(std::string_view text);

}  // namespace cp932
