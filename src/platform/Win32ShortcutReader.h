// The shortcut reader over the shell link object (IShellLinkA + IPersistFile).
#pragma once

#include <string>

#include "platform/ShortcutReader.h"

namespace platform {

// The target path of a shortcut file through the shell link object, the empty
// text when it cannot be read or points to no file-system path. Needs COM
// initialised on the calling thread (single-threaded apartment).
std::string ResolveShortcut(const std::string& shortcutPath);

// ResolveShortcut, and for an empty result whether the file itself could be
// read (Unreadable) or not (Unavailable).
class Win32ShortcutReader : public IShortcutReader {
 public:
  ShortcutTarget Resolve(const std::string& shortcutPath) override;
};

}  // namespace platform
