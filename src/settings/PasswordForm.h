// The registry form of the lock password.
//
// Earlier versions stored the password with its bytes in reverse order, so a
// double-byte character had its two bytes exchanged; such a value survived
// the registry only when the exchanged bytes happened to be characters of
// code page 932 again ("東京" as 9E 8B 8C 93), and then it unlocked for
// years. This version stores the characters in reverse order (each keeps its
// bytes) and marks that form with the value PassWordForm beside it, which
// holds a check of the stored text, so that a password an earlier version
// writes over it later (it leaves the mark as it was) is never read as this
// version's form.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quenlark {

inline constexpr const char* kPassWordValue = "PassWord";
inline constexpr const char* kPassWordFormValue = "PassWordForm";

struct StoredPassword {
  std::string value;  // System\PassWord
  std::string form;   // System\PassWordForm
};

// The stored form of a password: its characters in reverse order, and the
// mark of that form.
StoredPassword StorePassword(std::string_view password);

// The password a stored value means. With this version's mark (the check
// matching the value), the characters in reverse order. Without it, as an
// earlier version meant it: the bytes in reverse order. Only when reversing
// the bytes leaves no text an earlier version could have stored (a lead byte
// without its trail byte) is an unmarked value read by characters, as the
// builds that stored that form unmarked meant it.
std::string LoadPassword(std::string_view value, const std::optional<std::string>& form);

}  // namespace quenlark
