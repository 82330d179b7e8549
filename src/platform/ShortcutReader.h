// Reading the target of a shell shortcut (.lnk) file.
#pragma once

#include <string>

namespace platform {

enum class ShortcutStatus {
  // The shortcut was read and points to a file-system path.
  Resolved,
  // The file is known to be no shortcut with a file-system path: it was read
  // and its header says it is no shell link (a foreign or cut-short file), or
  // it loaded and points to a shell item that has no path.
  Unreadable,
  // Nothing is known about the file: it could not be read at this moment
  // (locked by another process, access denied, a network error, gone), or
  // the shell link object failed (COM not initialised, the class missing) or
  // could not load a file whose header claims a shell link.
  Unavailable,
};

struct ShortcutTarget {
  ShortcutStatus status = ShortcutStatus::Unavailable;
  // The target path (code page 932); empty unless status is Resolved.
  std::string path;
};

class IShortcutReader {
 public:
  virtual ~IShortcutReader() = default;
  virtual ShortcutTarget Resolve(const std::string& shortcutPath) = 0;
};

}  // namespace platform
