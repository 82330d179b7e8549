// Upper-casing of single characters of code page 932, as the system does it.
#pragma once

namespace cp932 {

// The upper-case form of a double-byte character (lead byte << 8 | trail byte);
// the code itself when the system leaves it unchanged.
unsigned UpperDoubleByte(unsigned code);

// The upper-case form of a single-byte character.
unsigned UpperSingleByte(unsigned char c);

}  // namespace cp932
