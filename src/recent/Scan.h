// The scan: copies every new shortcut of the shell's Recent folder that the
// filters accept into the history folder, trims the history to RecentMax,
// optionally clears the shell's folder of what it captured or left out on
// purpose, and reports the count the tray's hint shows.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "settings/SettingsStore.h"
#include "platform/NetworkNames.h"
#include "recent/ClearedShortcuts.h"
#include "recent/Filters.h"
#include "recent/Listing.h"

namespace quenlark {

// Which shell shortcut, at which size and last-write time, each history file
// was last copied from. A copy whose source and destination are both still as
// they were after that copy would write the same bytes again, so the scan
// leaves it out: an idle scan writes nothing, and a watch of the history
// folder sees no change that the scan made itself.
class CopyLedger {
 public:
  // Whether `destination` holds a copy of `source` as it is now: the last
  // copy there came from this shortcut at this size and time, and the
  // destination is listed in `history` with that size and time.
  bool Holds(const std::string& destination, const ListingLine& source, const std::vector<ListingLine>& history) const;
  void Record(const std::string& destination, const ListingLine& source);
  void Forget(const std::string& destination) { copies_.erase(destination); }
  // Drops what is known of files no longer listed in the history.
  void KeepListed(const std::vector<ListingLine>& history);
  std::size_t Size() const { return copies_.size(); }

 private:
  struct Copy {
    std::string source;
    std::uint64_t size;
    std::uint64_t lastWrite;
  };
  std::unordered_map<std::string, Copy> copies_;
};

struct ScanServices {
  platform::IFileSystem& fs;
  ShortcutResolution& resolution;
  platform::ITextCollation& collation;
  platform::INetworkNames& network;
  SortOrderCache* orderCache = nullptr;
  CopyLedger* copies = nullptr;
  // The shortcuts whose entries the user cleared; left out while unchanged.
  ClearedShortcuts* cleared = nullptr;
};

// What a scan reads and writes of the controller's state.
struct ScanTables {
  ListingTable& historyListing;
  ListingTable& shellListing;
  FilterLists& filterLists;
};

// What the tray's hint reports of a scan: the entries the history holds after
// it and the RecentMax it was trimmed to.
struct ScanResult {
  int historyCount = 0;
  int recentMax = 0;
};

// The settings dialog's range of RecentMax. A value outside it (only a
// hand-edited registry holds one) is held to it for trimming and the count,
// so that no setting can empty the history; the stored value stays.
int HeldRecentMax(int recentMax);

ScanResult ScanRecent(ScanServices services, ScanTables tables, const TSettings& settings,
                      const std::string& historyFolder, const std::string& shellRecentFolder, bool firstScan);

}  // namespace quenlark
