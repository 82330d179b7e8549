// The CP932 text walkers and upper-casing on any bytes at all (a name that
// reached the program through the ANSI calls may hold anything, including a
// lead byte at its very end).
//
// Properties: each walker agrees with a slow walk over the characters cut
// one by one; the file name and the path part put together give the path
// back; upper-casing changes no character boundary, equals upper-casing each
// character on its own (an escape as one), and is idempotent; trimming
// leaves no blank or control byte at either end.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzInput.h"
#include "base/Cp932.h"
#include "base/Cp932UpperTable.h"

namespace {

// The characters of the text, cut by the plain rule: a lead byte and the
// byte after it are one character; any other byte, and a lead byte at the
// end, stands alone.
std::vector<std::string_view> SlowChars(std::string_view text) {
  std::vector<std::string_view> chars;
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    const std::size_t len = lead && i + 1 < text.size() ? 2 : 1;
    chars.push_back(text.substr(i, len));
    i += len;
  }
  return chars;
}

std::vector<std::size_t> Starts(std::string_view text) {
  std::vector<std::size_t> starts;
  for (std::string_view ch : SlowChars(text)) starts.push_back(static_cast<std::size_t>(ch.data() - text.data()));
  return starts;
}

// Index of the last single-byte character among `delimiters`, by the slow walk.
std::size_t SlowLastDelimiter(std::string_view delimiters, std::string_view text) {
  std::size_t found = std::string_view::npos;
  for (std::string_view ch : SlowChars(text)) {
    if (ch.size() == 1 && delimiters.find(ch[0]) != std::string_view::npos) {
      found = static_cast<std::size_t>(ch.data() - text.data());
    }
  }
  return found;
}

std::string SlowUpperChar(std::string_view ch) {
  if (ch.size() == 2) {
    const unsigned code = (static_cast<unsigned char>(ch[0]) << 8) | static_cast<unsigned char>(ch[1]);
    const unsigned upper = cp932::UpperDoubleByte(code);
    return {static_cast<char>(upper >> 8), static_cast<char>(upper & 0xFF)};
  }
  const char c = ch[0];
  return std::string(1, c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
}

void CheckWalkers(std::string_view text) {
  // CharLength cuts the text as the slow walk does.
  std::size_t i = 0;
  for (std::string_view ch : SlowChars(text)) {
    FUZZ_CHECK(cp932::CharLength(text, i) == ch.size(), "at " + std::to_string(i) + " of " + fuzz::Shown(text));
    i += ch.size();
  }

  for (std::string_view delimiters : {std::string_view("\\:"), std::string_view(".\\:"), std::string_view("|\\")}) {
    const std::size_t d = cp932::LastDelimiter(delimiters, text);
    FUZZ_CHECK(d == SlowLastDelimiter(delimiters, text), fuzz::Shown(text));
    const std::vector<std::size_t> starts = Starts(text);
    const bool ends = !starts.empty() && d == starts.back();
    FUZZ_CHECK(cp932::EndsWithDelimiter(text, delimiters) == ends, fuzz::Shown(text));
  }

  const std::string name = cp932::ExtractFileName(text);
  const std::string path = cp932::ExtractFilePath(text);
  FUZZ_CHECK(path + name == text, fuzz::Shown(path) + " + " + fuzz::Shown(name));
  FUZZ_CHECK(cp932::LastDelimiter("\\:", name) == std::string::npos, fuzz::Shown(name));
  // The path part is whole characters: cutting it off does not split one.
  FUZZ_CHECK(path.empty() || cp932::EndsWithDelimiter(path, "\\:"), fuzz::Shown(path));

  const std::string ext = cp932::ExtractFileExt(text);
  if (!ext.empty()) {
    FUZZ_CHECK(ext[0] == '.' && name.size() >= ext.size() && name.compare(name.size() - ext.size(), ext.size(), ext) == 0,
               fuzz::Shown(ext) + " of " + fuzz::Shown(name));
    FUZZ_CHECK(cp932::LastDelimiter(".\\:", ext) == 0, fuzz::Shown(ext));
  }

  const std::string drive = cp932::ExtractFileDrive(text);
  FUZZ_CHECK(text.substr(0, drive.size()) == drive, fuzz::Shown(drive) + " of " + fuzz::Shown(text));
  FUZZ_CHECK(drive.empty() || drive.size() >= 2, fuzz::Shown(drive));
}

// The code unit of an escape of four double-byte characters FC 8h FC 9h FC Ah
// FC Bh at i, or -1.
long SlowEscapeAt(std::string_view text, std::size_t i) {
  if (i + 8 > text.size()) return -1;
  long unit = 0;
  for (int k = 0; k < 4; ++k) {
    const auto lead = static_cast<unsigned char>(text[i + 2 * k]), trail = static_cast<unsigned char>(text[i + 2 * k + 1]);
    if (lead != 0xFC || trail / 16 != 8 + k) return -1;
    unit = unit * 16 + trail % 16;
  }
  return unit;
}

// Upper-casing character by character, an escape as one character.
std::string SlowUpper(std::string_view text) {
  std::string slow;
  const std::vector<std::string_view> chars = SlowChars(text);
  for (std::size_t c = 0; c < chars.size(); ++c) {
    const long unit = SlowEscapeAt(text, static_cast<std::size_t>(chars[c].data() - text.data()));
    if (unit < 0) {
      slow += SlowUpperChar(chars[c]);
      continue;
    }
    cp932::AppendEscape(slow, cp932::UpperLatin(static_cast<char16_t>(unit)));
    c += 3;
  }
  return slow;
}

void CheckUpper(std::string_view text) {
  const std::string upper = cp932::Upper(text);
  FUZZ_CHECK(upper.size() == text.size(), fuzz::Shown(text));
  // No character boundary moves: a changed character stays a character of
  // the same length, so walkers read the upper-cased text the same way.
  FUZZ_CHECK(Starts(upper) == Starts(text), fuzz::Shown(text) + " -> " + fuzz::Shown(upper));
  for (std::string_view ch : SlowChars(text)) FUZZ_CHECK(cp932::Upper(ch) == SlowUpperChar(ch), fuzz::Shown(ch));
  const std::string slow = SlowUpper(text);
  FUZZ_CHECK(upper == slow, fuzz::Shown(text) + " -> " + fuzz::Shown(upper) + " slow " + fuzz::Shown(slow));
  FUZZ_CHECK(cp932::Upper(upper) == upper, fuzz::Shown(text) + " -> " + fuzz::Shown(upper));
  // Upper-casing moves no delimiter: the file name of the upper-cased path
  // is the upper-cased file name.
  FUZZ_CHECK(cp932::ExtractFileName(upper) == cp932::Upper(cp932::ExtractFileName(text)), fuzz::Shown(text));

  const std::string ascii = cp932::UpperAscii(text);
  FUZZ_CHECK(ascii.size() == text.size(), fuzz::Shown(text));
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    FUZZ_CHECK(ascii[i] == (c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c), fuzz::Shown(text));
  }
}

void CheckTrim(std::string_view text) {
  const std::string trimmed = cp932::Trim(text);
  FUZZ_CHECK(text.find(trimmed) != std::string_view::npos, fuzz::Shown(text));
  if (!trimmed.empty()) {
    FUZZ_CHECK(static_cast<unsigned char>(trimmed.front()) > 0x20 && static_cast<unsigned char>(trimmed.back()) > 0x20,
               fuzz::Shown(trimmed));
  }
  FUZZ_CHECK(cp932::Trim(trimmed) == trimmed, fuzz::Shown(trimmed));
  // Only blanks and control bytes are dropped.
  std::size_t kept = 0;
  for (unsigned char c : text) kept += c > 0x20;
  std::size_t keptTrimmed = 0;
  for (unsigned char c : trimmed) keptTrimmed += c > 0x20;
  FUZZ_CHECK(kept == keptTrimmed, fuzz::Shown(text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckWalkers(text);
  CheckUpper(text);
  CheckTrim(text);
  return 0;
}
