// Small text and number helpers shared by every part of the program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace util {

// Decimal text of `number`, padded in front with `pad` to `width` characters,
// or cut to its last `width` characters when it is longer.
std::string PadNumber(long long number, int width, char pad = ' ');

// The last / first n bytes of the text (all of it when it is shorter).
std::string RightChars(std::string_view text, int n);
std::string LeftChars(std::string_view text, int n);

// The characters of the text in reverse order (the stored form of the
// password). A double-byte character, an escape (base/Cp932.h) and the two
// escapes of a surrogate pair each keep their bytes, so the reversed text is
// itself on its way through UTF-16 and comes back whole; ASCII and
// single-byte katakana reverse byte by byte.
std::string ReverseText(std::string_view text);

// Field n (counting from 1) of a line whose fields are separated by ",";
// n <= 1 gives the first field, a missing field gives the empty text.
std::string FieldOf(std::string_view line, int n);

// An integer as the registry stores it: optional leading blanks, an optional
// sign, then decimal digits, or hexadecimal digits after "$" or "0x"/"0X".
// Hexadecimal text may use all 32 bits ("$FFFFFFFF" is -1). Anything else,
// an empty text or a value outside 32 bits gives nullopt.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// ParseInteger with a default for text that is not a number.
std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback);

// The settings dialog's number fields: trims blanks and control characters,
// folds full-width digits, letters, blank, "+", "-" and "$" to their ASCII
// forms, then parses like ParseInteger without the "0x" form and without
// trailing blanks. Returns `fallback` for text that is not a number.
std::int32_t ParseNumberField(std::string_view text, std::int32_t fallback);

}  // namespace util
