#include "menus/Launch.h"

#include <cstddef>

#include "base/Cp932.h"
#include "base/Util.h"

namespace quenlark {

std::string FolderPart(const std::string& path) {
  // Walk the characters, remembering the last "\" or ":" and the character
  // that stands before it; a 0x5C trail byte is neither.
  std::size_t delimiter = std::string::npos;
  std::size_t beforeDelimiter = std::string::npos;
  std::size_t previous = std::string::npos;
  for (std::size_t i = 0; i < path.size(); i += cp932::CharLength(path, i)) {
    if (cp932::CharLength(path, i) == 1 && (path[i] == '\\' || path[i] == ':')) {
      delimiter = i;
      beforeDelimiter = previous;
    }
    previous = i;
  }
  if (delimiter == std::string::npos) return {};

  std::size_t end = delimiter + 1;
  if (path[delimiter] == '\\' && beforeDelimiter != std::string::npos) {
    const bool keepSeparator = cp932::CharLength(path, beforeDelimiter) == 1 &&
                               (path[beforeDelimiter] == ':' || path[beforeDelimiter] == '\\');
    if (!keepSeparator) end = delimiter;
  }
  return path.substr(0, end);
}

std::string QuoteParameter(const std::string& path) {
  // 0x20 is never part of a double-byte character, so a byte search is safe.
  if (path.find(' ') == std::string::npos) return path;
  if (!path.empty() && path[0] == '"') return path;
  // Count the backslash characters at the end (a 0x5C trail byte is none).
  std::size_t trailing = 0;
  for (std::size_t i = 0; i < path.size(); i += cp932::CharLength(path, i)) {
    const bool backslash = cp932::CharLength(path, i) == 1 && path[i] == '\\';
    trailing = backslash ? trailing + 1 : 0;
  }
  return "\"" + path + std::string(trailing, '\\') + "\"";
}

FavouriteLaunch DecideFavouriteLaunch(const std::string& file, const std::string& execute, bool ctrlDown,
                                      const std::string& windowsFolder,
                                      const std::function<bool(const std::string&)>& isFolder,
                                      const std::function<bool(const std::string&)>& fileExists) {
  FavouriteLaunch launch;
  // A shortcut opens with what it stores; Execute and Ctrl play no part. The
  // name is checked first so that only such names cost a look at the disk.
  if (cp932::UpperAscii(util::RightChars(file, 4)) == ".LNK" && !isFolder(file)) {
    launch.action = FavouriteAction::OpenShortcut;
    launch.shortcutPath = file;
    return launch;
  }

  std::string path = file;
  bool explorer = ctrlDown;
  if (!path.empty() && path[0] == '*') {
    explorer = true;
    path.erase(0, 1);
  }

  ShellExecuteRequest& request = launch.request;
  request.ownerIsController = true;
  request.verb = "open";
  request.showCommand = kShowRestore;
  // Where the path is a parameter it is quoted when it holds a blank, or the
  // receiving program would take its pieces for several files.
  if (!execute.empty() && fileExists(execute)) {
    request.file = execute;
    request.parameters = QuoteParameter(path);
    request.directory = path;
  } else if (explorer) {
    request.file = windowsFolder + "Explorer.exe";
    request.parameters = "/E," + QuoteParameter(path);
    request.directory = path;
  } else {
    request.file = path;
    request.directory = FolderPart(path);
  }
  return launch;
}

ShellExecuteRequest ShortcutLaunch(const std::string& shortcutPath, const std::string& arguments,
                                   const std::string& workingDirectory, int showCommand) {
  ShellExecuteRequest request;
  request.ownerIsController = false;
  request.file = shortcutPath;
  request.parameters = arguments;
  request.directory = workingDirectory;
  request.showCommand = showCommand;
  return request;
}

ShortcutOpening HowToOpen(const platform::ShortcutLaunchParts& parts) {
  if (!parts.targetOutsideAnsi) return ShortcutOpening::Shell;
  return parts.linkPathNamesAnotherFile ? ShortcutOpening::Target : ShortcutOpening::ShellThenTarget;
}

bool OpenShortcut(platform::IShell& shell, const std::string& shortcutPath) {
  const auto parts = shell.ReadShortcut(shortcutPath);
  if (!parts) return false;
  auto launch = [&](const std::string& file) {
    return ShortcutLaunch(file, parts->arguments, parts->workingDirectory, parts->showCommand);
  };
  // The target itself, as the shortcut would run it: as administrator when
  // the shortcut asks for that.
  auto launchTarget = [&] {
    ShellExecuteRequest request = launch(parts->target);
    if (parts->runAsAdministrator) request.verb = "runas";
    return request;
  };
  switch (HowToOpen(*parts)) {
    case ShortcutOpening::Shell:
      shell.Execute(launch(shortcutPath));
      break;
    case ShortcutOpening::ShellThenTarget:
      // Only a shell that could not find the document (it read another
      // spelling) is followed by the target; after a "no" to a prompt or a
      // failure once the application ran, the user is not asked again.
      if (shell.ExecuteQuietly(launch(shortcutPath)) == platform::ShellOutcome::NotFound) shell.Execute(launchTarget());
      break;
    case ShortcutOpening::Target:
      shell.Execute(launchTarget());
      break;
  }
  return true;
}

void OpenFavourite(platform::IShell& shell, platform::IKeyState& keys, platform::IPathQuery& paths,
                   const std::string& file, const std::string& execute, const std::string& windowsFolder) {
  const FavouriteLaunch launch = DecideFavouriteLaunch(
      file, execute, keys.KeyDown(platform::kVkControl), windowsFolder,
      [&](const std::string& p) { return paths.IsFolder(p); },
      [&](const std::string& p) { return paths.IsExistingFile(p); });
  if (launch.action == FavouriteAction::OpenShortcut) {
    OpenShortcut(shell, launch.shortcutPath);
  } else {
    shell.Execute(launch.request);
  }
}

}  // namespace quenlark
