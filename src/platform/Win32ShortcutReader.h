// The shortcut reader over the shell link object (IShellLinkW + IPersistFile).
#pragma once

#include <windows.h>
#include <shobjidl.h>

#include <string>

#include "platform/ShortcutReader.h"

namespace platform {

// The target of a loaded shell link, given the path its GetPath gave. Some
// shell link objects (Wine's) keep a target's path in the ANSI code page and
// give what that code page lacks best-fitted ("Sus?.txt" for a target "S",
// U+00FC, U+00DF, U+301C ".txt"), or as "?" or U+FFFD; the item list may name
// the file exactly. When GetPath's path has a "?" or U+FFFD, or differs from
// the item list's character for character (the same length, not merely in
// case: not a UNC path against a drive letter), and the item list's path
// names a file, that path is the target, even when the best-fitted one names
// a file too (that would be another file); when the item list's file is
// gone and GetPath gives the look-alike the ANSI code page spells it as,
// the item list's path is the target too (a missing document, not another).
// On Windows the two agree and the disk is not touched, so a target on a
// drive that is away costs nothing.
std::wstring ExactTarget(IShellLinkW& link, std::wstring target);

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
