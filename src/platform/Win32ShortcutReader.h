// The shortcut reader over the shell link object (IShellLinkW + IPersistFile).
#pragma once

#include <windows.h>
#include <shobjidl.h>

#include <optional>
#include <string>

#include "platform/ShortcutReader.h"

namespace platform {

// The target of a loaded shell link, given the path its GetPath gave: the
// reader gathers the item list's path and what the disk and the ANSI code
// page say of them, and ChooseTarget (platform/TargetChoice) picks the path.
// Nothing for a spelling the object made up that names no file.
std::optional<std::wstring> ExactTarget(IShellLinkW& link, const std::wstring& linkPath);

// False for a file that claims an item list and holds it cut short, or whose
// items run past the list's own size: such a file is not given to the shell
// link object, which (Wine's) walks the list through memory it never read
// into. Any other file, and one that cannot be read now, may be loaded.
bool SafeToLoad(const std::string& shortcutPath);

// The target path of a shortcut file through the shell link object, the empty
// text when it cannot be read or points to no file-system path. Needs COM
// initialised on the calling thread (single-threaded apartment).
std::string ResolveShortcut(const std::string& shortcutPath);

// The target through the shell link object. A file the object loads but finds
// no path in, or whose header says it is no shell link, is Unreadable; when
// the object fails or cannot load a file that claims to be a shell link (or
// the file cannot be read now) nothing is known: Unavailable.
class Win32ShortcutReader : public IShortcutReader {
 public:
  ShortcutTarget Resolve(const std::string& shortcutPath) override;
};

}  // namespace platform
