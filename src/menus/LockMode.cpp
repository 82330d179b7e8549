#include "menus/LockMode.h"

#include "base/Cp932.h"

namespace quenlark {

bool UseAllowedAtStart(std::uint8_t startMode, bool lastMode) {
  switch (startMode) {
    case 1:
      return false;
    case 2:
      return lastMode;
    default:
      return true;
  }
}

bool PasswordMatches(const std::string& entered, const std::string& password) {
  return cp932::UpperAscii(entered) == cp932::UpperAscii(password);
}

DoubleClickOutcome TrayIconDoubleClick(bool& useAllowed, bool dbClickPassWord, const std::string& password,
                                       IPasswordPrompt& prompt) {
  constexpr int kAttempts = 3;
  DoubleClickOutcome outcome;
  if (!useAllowed && !password.empty()) {
    if (prompt.PromptShowing()) return outcome;
    bool proceed = false;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
      std::string entered;
      if (!prompt.AskPassword(entered)) break;
      if (PasswordMatches(entered, password)) {
        proceed = true;
        outcome.reopen = true;
        break;
      }
      if (!prompt.RetryAfterWrongPassword()) break;
    }
    if (!proceed) return outcome;
  }
  useAllowed = dbClickPassWord ? !useAllowed : true;
  outcome.changed = true;
  return outcome;
}

std::optional<DoubleClickOutcome> TDoubleClickSequence::Run(bool& useAllowed, bool dbClickPassWord,
                                                            const std::string& password, IPasswordPrompt& prompt) {
  if (running_) return std::nullopt;
  running_ = true;
  const DoubleClickOutcome outcome = TrayIconDoubleClick(useAllowed, dbClickPassWord, password, prompt);
  running_ = false;
  return outcome;
}

}  // namespace quenlark
