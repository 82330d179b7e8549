#include "settings/PasswordForm.h"

#include <cstdint>
#include <cstdio>

#include "base/Cp932.h"
#include "base/Util.h"

namespace quenlark {
namespace {

// The mark of this version's form: a name and an FNV-1a check of the stored
// bytes, in hexadecimal.
std::string FormMark(std::string_view value) {
  std::uint32_t hash = 2166136261u;
  for (unsigned char c : value) hash = (hash ^ c) * 16777619u;
  char mark[24];
  std::snprintf(mark, sizeof mark, "chars:%08X", static_cast<unsigned>(hash));
  return mark;
}

// Whether every lead byte of `text` is followed by a trail byte of code page
// 932 (0x40-0x7E, 0x80-0xFC), as in any text the registry gave back.
bool DoubleBytesWhole(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!cp932::IsLeadByte(static_cast<unsigned char>(text[i]))) continue;
    if (++i == text.size()) return false;
    const auto trail = static_cast<unsigned char>(text[i]);
    if (trail < 0x40 || trail == 0x7F || trail > 0xFC) return false;
  }
  return true;
}

}  // namespace

StoredPassword StorePassword(std::string_view password) {
  StoredPassword stored{util::ReverseText(password), {}};
  stored.form = FormMark(stored.value);
  return stored;
}

std::string LoadPassword(std::string_view value, const std::optional<std::string>& form) {
  if (form && *form == FormMark(value)) return util::ReverseText(value);
  std::string bytes(value.rbegin(), value.rend());
  // An escape (a character code page 932 cannot spell) never came from an
  // earlier version, which knew none; its bytes reversed are no escape.
  if (cp932::FirstEscape(value) != std::string_view::npos || !DoubleBytesWhole(bytes)) {
    return util::ReverseText(value);
  }
  return bytes;
}

}  // namespace quenlark
