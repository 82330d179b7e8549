// Reading the target of a shell shortcut (.lnk) file.
#pragma once

#include <string>

namespace platform {

enum class ShortcutStatus {
  // The shortcut was read and points to a file-system path.
  Resolved,
  // The file can be read but is not a shortcut with a file-system path: it
  // is not a shortcut at all, it is damaged, or it points to a shell item
  // that has no path.
  Unreadable,
  // The file could not be read at this moment (locked by another process,
  // access denied, a network error, gone): nothing is known about it.
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
