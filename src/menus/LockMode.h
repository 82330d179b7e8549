// Lock mode: whether the menus may be used, and the double click on the tray
// icon that locks and unlocks, asking for the password up to three times.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quenlark {

// The lock state at start from StartMode: 0 use allowed, 1 locked, 2 as at
// the last exit; any other value allows use.
bool UseAllowedAtStart(std::uint8_t startMode, bool lastMode);

// True when the entered password is the password: both folded from "a"-"z"
// to "A"-"Z" byte by byte (nothing else changes), then compared exactly.
bool PasswordMatches(const std::string& entered, const std::string& password);

// What the password question needs of the dialogs around it.
class IPasswordPrompt {
 public:
  virtual ~IPasswordPrompt() = default;
  // True while the password dialog is on screen.
  virtual bool PromptShowing() = 0;
  // Shows the password dialog with its entry emptied; true when it closed
  // with OK, the entered text in `entered`.
  virtual bool AskPassword(std::string& entered) = 0;
  // Tells the user the password was wrong; true when the user chose OK (try
  // again), false for Cancel.
  virtual bool RetryAfterWrongPassword() = 0;
};

struct DoubleClickOutcome {
  bool changed = false;  // UseAllowed was set (the tray image needs updating)
  bool reopen = false;   // unlocked with the password: open the left-click menu
};

// The double click on the tray icon. Locked with a password: at most three
// password dialogs, each wrong answer followed by the message, Cancel in the
// dialog or the message ending the attempt; a second double click while the
// dialog is up is ignored. Then DbClickPassWord inverts the mode, otherwise
// the program is unlocked.
DoubleClickOutcome TrayIconDoubleClick(bool& useAllowed, bool dbClickPassWord, const std::string& password,
                                       IPasswordPrompt& prompt);

// One double click is one password sequence. The password dialog and the
// wrong-password message run message loops of their own, and a double click
// on the icon meanwhile arrives inside them: that one is ignored (nullopt),
// or it would run a second sequence inside the first, and a right answer
// there would leave the outer sequence asking again and then, with
// DbClickPassWord, locking the program it had just unlocked.
class TDoubleClickSequence {
 public:
  std::optional<DoubleClickOutcome> Run(bool& useAllowed, bool dbClickPassWord, const std::string& password,
                                        IPasswordPrompt& prompt);
  bool Running() const { return running_; }

 private:
  bool running_ = false;
};

}  // namespace quenlark
