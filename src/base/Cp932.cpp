#include "base/Cp932.h"

#include "base/Cp932UpperTable.h"

namespace cp932 {

std::size_t CharLength(std::string_view text, std::size_t i) {
  if (i + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[i]))) return 2;
  return 1;
}

std::size_t LastDelimiter(std::string_view delimiters, std::string_view text) {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
    if (CharLength(text, i) == 1 && delimiters.find(text[i]) != std::string_view::npos) found = i;
  }
  return found;
}

bool EndsWithDelimiter(std::string_view text, std::string_view delimiters) {
  if (text.empty()) return false;
  std::size_t last = 0;
  for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) last = i;
  return CharLength(text, last) == 1 && delimiters.find(text[last]) != std::string_view::npos;
}

std::string ExtractFileName(std::string_view path) {
  std::size_t d = LastDelimiter("\\:", path);
  return std::string(d == std::string_view::npos ? path : path.substr(d + 1));
}

std::string ExtractFilePath(std::string_view path) {
  std::size_t d = LastDelimiter("\\:", path);
  return d == std::string_view::npos ? std::string() : std::string(path.substr(0, d + 1));
}

std::string ExtractFileExt(std::string_view path) {
  std::size_t d = LastDelimiter(".\\:", path);
  if (d == std::string_view::npos || path[d] != '.') return {};
  return std::string(path.substr(d));
}

std::string ExtractFileDrive(std::string_view path) {
  if (path.size() >= 2 && path[1] == ':') return std::string(path.substr(0, 2));
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
    // "\\server\share": up to (not including) the separator after the share name.
    int separators = 0;
    std::size_t i = 2;
    while (i < path.size()) {
      std::size_t len = CharLength(path, i);
      if (len == 1 && path[i] == '\\' && ++separators == 2) break;
      i += len;
    }
    return std::string(path.substr(0, i));
  }
  return {};
}

std::string Upper(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size();) {
    auto c = static_cast<unsigned char>(out[i]);
    if (CharLength(out, i) == 2) {
      unsigned code = (c << 8) | static_cast<unsigned char>(out[i + 1]);
      unsigned upper = UpperDoubleByte(code);
      out[i] = static_cast<char>(upper >> 8);
      out[i + 1] = static_cast<char>(upper & 0xFF);
      i += 2;
    } else {
      out[i] = static_cast<char>(UpperSingleByte(c));
      ++i;
    }
  }
  return out;
}

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& ch : out) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  }
  return out;
}

std::string Trim(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= 0x20) ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= 0x20) --e;
  return std::string(text.substr(b, e - b));
}

}  // namespace cp932
