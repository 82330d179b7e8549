// Which reading of a shell link stands for its target. The shell link object
// gives a target two ways: GetPath (kept by some objects, Wine's, in the ANSI
// code page, so a name that code page lacks comes back best-fitted, "Sus.txt"
// for "S\u00FC\u00DF.txt", or with "?" or U+FFFD) and the item list, which
// names the file exactly when the object wrote it. The Win32 reader gathers
// the facts; the choice is made here.
#pragma once

#include <functional>
#include <string>

namespace platform {

// What the shell link object gave, in the program's text (CP932 with
// escapes, exact).
struct TargetFacts {
  std::string linkPath;    // GetPath's path
  std::string listedPath;  // the item list's path; empty when it has none
  // The item list's path as the ANSI code page spells it and reads it back
  // (what an object that keeps it in that code page would give). Asked only
  // when the two paths differ.
  std::function<std::string(const std::string&)> throughAnsi;
  // Whether a path names a file or folder now. Asked only where it decides.
  std::function<bool(const std::string&)> namesFile;
};

enum class TargetVerdict {
  LinkPath,    // GetPath's path is the target
  ListedPath,  // the item list's path is the target
  MadeUp,      // a spelling the object made up ("?", or an unconfirmed
               // U+FFFD) that names no file: nothing is known
};

// The rules, in order:
// - The two paths agree (but for case): GetPath's path, whatever it holds; a
//   U+FFFD in it is a real character of the name (U+FFFD is legal in a file
//   name). Only a "?" (never in a name) that names no file is made up. The
//   disk is touched only then, so on Windows, where the two agree, a target
//   on a drive that is away costs nothing.
// - They agree but where the item list's path has U+FFFD and GetPath's a "?"
//   (a code page without U+FFFD spells it so): the item list's path, also
//   for a document that is gone.
// - GetPath's path is the item list's as the ANSI code page spells it: the
//   item list's path, when either names a file (its best fit never stands
//   for the look-alike file) or the spelling has no "?" (a missing document
//   keeps its own name). A "?" spelling that names nothing stays made up.
// - GetPath's path has "?" or U+FFFD, or the same length in UTF-16 units but
//   other characters (a shortcut another system wrote in its code page), and
//   the item list's path names a file: that path.
// - Otherwise GetPath's path (a UNC path beside a drive letter, a relative
//   path); made up when it has "?" or U+FFFD and names no file.
// With no item list path, GetPath's path, made up on the same terms.
TargetVerdict ChooseTarget(const TargetFacts& facts);

}  // namespace platform
