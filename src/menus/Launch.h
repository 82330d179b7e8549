// What choosing a menu item asks of the shell.
#pragma once

#include <functional>
#include <string>

#include "platform/Desktop.h"
#include "platform/Shell.h"

namespace quenlark {

using platform::ShellExecuteRequest;

inline constexpr int kShowRestore = 9;

// The folder part of a path: up to its last "\" or ":", keeping the "\"
// only after a drive colon or another "\" (CP932-aware).
std::string FolderPart(const std::string& path);

// A path handed to a program as its parameter: quoted when it holds a blank,
// so that the program receives it as one argument. Backslashes that end a
// quoted path are doubled, so that the closing quote stays a quote for the
// C runtime's parser ("C:\My Docs\\" arrives as C:\My Docs\).
std::string QuoteParameter(const std::string& path);

enum class FavouriteAction { OpenShortcut, Execute };

struct FavouriteLaunch {
  FavouriteAction action = FavouriteAction::Execute;
  std::string shortcutPath;        // for OpenShortcut
  ShellExecuteRequest request;     // for Execute
};

// The launch of a favourite: `File` ending in ".LNK" (any case) and not an
// existing folder opens through the shortcut; otherwise an existing Execute
// program wins, then "*" or Ctrl opens Explorer "/E,", else the path itself.
// As the parameter of the Execute program or of Explorer the path (without
// "*") is quoted when it holds a blank; as the working folder it is not.
// `isFolder` and `fileExists` answer for the paths they are given.
FavouriteLaunch DecideFavouriteLaunch(const std::string& file, const std::string& execute, bool ctrlDown,
                                      const std::string& windowsFolder,
                                      const std::function<bool(const std::string&)>& isFolder,
                                      const std::function<bool(const std::string&)>& fileExists);

// The execute call for a stored shortcut file: no owner, default verb, and
// the shortcut's own arguments, working folder and show command.
ShellExecuteRequest ShortcutLaunch(const std::string& shortcutPath, const std::string& arguments,
                                   const std::string& workingDirectory, int showCommand);

// How a shortcut is opened. The shell, as the design has it: it opens the
// shortcut's target with what the shortcut stores and follows a moved
// document. But a shell may read a shortcut's target in the ANSI code page
// (Wine's does) and miss a target that code page cannot spell: then the
// shell is asked first without its error box, and the target itself is
// opened, with what the shortcut stores, only when the shell could not open
// it. When the shell would open another file by the spelling it reads (the
// look-alike of a best fit), the target itself is opened at once.
enum class ShortcutOpening { Shell, ShellThenTarget, Target };
ShortcutOpening HowToOpen(const platform::ShortcutLaunchParts& parts);

// Opens a shortcut file as HowToOpen says, with the arguments, working folder
// and show command it stores; false when it cannot be read now (nothing is
// opened). At most one error box: the shell's, of the last try.
bool OpenShortcut(platform::IShell& shell, const std::string& shortcutPath);

// Opens a favourite as DecideFavouriteLaunch says, with Ctrl read live.
void OpenFavourite(platform::IShell& shell, platform::IKeyState& keys, platform::IPathQuery& paths,
                   const std::string& file, const std::string& execute, const std::string& windowsFolder);

}  // namespace quenlark
