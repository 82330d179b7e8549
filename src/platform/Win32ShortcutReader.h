// The shortcut reader over the shell link object (IShellLinkA + IPersistFile).
#pragma once

#include <string>

#include "platform/ShortcutReader.h"

namespace platform {

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
