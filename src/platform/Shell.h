// The shell's execute service as the program's logic uses it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// One call of the shell's execute service (ShellExecuteW).
struct ShellExecuteRequest {
  bool ownerIsController = true;  // the controller's window, or no owner
  std::string verb;               // "" for the default verb
  std::string file;
  std::string parameters;
  std::string directory;
  int showCommand = 9;            // SW_RESTORE
};

// What a shortcut file stores for starting its target.
struct ShortcutLaunchParts {
  std::string target;
  std::string arguments;
  std::string workingDirectory;
  int showCommand = 1;  // SW_SHOWNORMAL
  // The system's ANSI code page cannot spell the target exactly: a shell
  // that reads shortcuts in it (Wine's does) may miss the document.
  bool targetOutsideAnsi = false;
  // The path the shell link object's GetPath gives differs from the target
  // and names a file: a shell that opens the shortcut by that path would open
  // that other file (the look-alike Wine best-fits the name to).
  bool linkPathNamesAnotherFile = false;
  // The shortcut asks to run its target as administrator (its "Advanced"
  // option): opening the target itself then uses the "runas" verb.
  bool runAsAdministrator = false;
};

// What a quiet execute request came to. NotFound: the shell found nothing to
// open, neither the file or its path nor a program for it (Wine's shell,
// which misses a shortcut's target that the ANSI code page cannot spell and
// then tries to run the shortcut file itself, says "bad executable format"
// and "no association"); nothing started and nobody was asked. Refused is
// every other failure, also the user's "no" to a prompt (UAC, SmartScreen,
// the download warning) and a DDE conversation that failed after the
// application started.
enum class ShellOutcome { Opened, NotFound, Refused };

// The outcome of a failed execute request from the thread's last error and
// the request's hInstApp code (used where the error is not set).
inline ShellOutcome ShellFailure(std::uint32_t lastError, std::intptr_t instAppCode) {
  // ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND, ERROR_BAD_EXE_FORMAT and
  // ERROR_NO_ASSOCIATION; SE_ERR_FNF, SE_ERR_PNF and SE_ERR_NOASSOC.
  constexpr std::uint32_t kNothingFound[] = {2, 3, 193, 1155};
  constexpr std::intptr_t kNothingFoundCodes[] = {2, 3, 31};
  for (std::uint32_t error : kNothingFound) {
    if (lastError == error) return ShellOutcome::NotFound;
  }
  if (lastError == 0) {
    for (std::intptr_t code : kNothingFoundCodes) {
      if (instAppCode == code) return ShellOutcome::NotFound;
    }
  }
  return ShellOutcome::Refused;
}

class IShell {
 public:
  virtual ~IShell() = default;
  // Runs one execute request; the shell's answer is not looked at.
  virtual void Execute(const ShellExecuteRequest& request) = 0;
  // Runs one execute request without the shell's own error box and says
  // what came of it. One that cannot tell runs it as Execute and says Opened.
  virtual ShellOutcome ExecuteQuietly(const ShellExecuteRequest& request) {
    Execute(request);
    return ShellOutcome::Opened;
  }
  // Reads a shortcut file through the shell link object; nullopt when it
  // cannot be read (or the shell link object is not available).
  virtual std::optional<ShortcutLaunchParts> ReadShortcut(const std::string& shortcutPath) = 0;
  // Moves files to the recycle bin in one shell file operation, asking
  // nothing. `list` holds each path followed by one NUL character. True when
  // the shell reports success.
  virtual bool RecycleFiles(const std::string& list) = 0;
};

}  // namespace platform
