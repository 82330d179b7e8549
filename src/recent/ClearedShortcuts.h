// The shell shortcuts whose history entries the user cleared. While the
// shell's Recent folder still holds such a shortcut as it was, the scan would
// capture it again at once (it is newer than the newest entry left), so the
// scan leaves it out until the shell writes it anew: a different last-write
// time means the user opened the document again.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Registry.h"
#include "recent/Listing.h"

namespace quenlark {

class ClearedShortcuts {
 public:
  // The most remembered; the oldest go first beyond it.
  static constexpr std::size_t kMost = 200;

  void Remember(const std::string& shellShortcut, std::uint64_t lastWrite);
  // The shell's line is a cleared shortcut as it was when cleared.
  bool Holds(const ListingLine& shellLine) const;
  // Forgets every shortcut the shell no longer lists as it was (gone or
  // rewritten); true when something was forgotten.
  bool KeepListed(const std::vector<ListingLine>& shellLines);
  std::size_t Size() const { return entries_.size(); }

  // One line per shortcut: its last-write time in decimal, a tab, its path
  // (no file name holds a tab or a line break).
  std::string Text() const;
  // The list a Text() gave; anything else (garbage, a hand edit) gives the
  // empty list, so a damaged value never leaves out anything by mistake.
  static ClearedShortcuts FromText(const std::string& text);

 private:
  struct Entry {
    std::string shortcut;
    std::uint64_t lastWrite;
  };
  std::vector<Entry> entries_;  // oldest first
};

// The shell shortcuts that the cleared history files came from. The scan
// copies a shell shortcut to the history file named after its target's file
// name, and the copy keeps the shortcut's last-write time; so a cleared
// history file came from the shell line that the scan would copy to that very
// file name (compared upper-cased) with the same last-write time as the
// history line. `history` is a listing of the history folder from before the
// clearing, `shell` one of the shell's folder.
std::vector<ListingLine> ShellSourcesOf(const std::vector<std::string>& clearedHistoryShortcuts,
                                        const std::string& historyFolder, const std::vector<ListingLine>& history,
                                        const std::vector<ListingLine>& shell);

// Stored under the program's key, section System, value "ClearedRecent".
ClearedShortcuts LoadClearedShortcuts(platform::IRegistry& registry);
void SaveClearedShortcuts(platform::IRegistry& registry, const ClearedShortcuts& cleared);

}  // namespace quenlark
