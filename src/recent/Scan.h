// The scan: copies every new shortcut of the shell's Recent folder that the
// filters accept into the history folder, trims the history to RecentMax,
// optionally clears the shell's folder of what it captured or left out on
// purpose, and reports the count for the tray.
#pragma once

#include <string>

#include "app/SettingsStore.h"
#include "platform/NetworkNames.h"
#include "recent/Filters.h"
#include "recent/Listing.h"

namespace quenlark {

struct ScanServices {
  platform::IFileSystem& fs;
  ShortcutResolution& resolution;
  platform::ITextCollation& collation;
  platform::INetworkNames& network;
  SortOrderCache* orderCache = nullptr;
};

// What a scan reads and writes of the controller's state.
struct ScanTables {
  ListingTable& historyListing;
  ListingTable& shellListing;
  FilterLists& filterLists;
};

struct ScanResult {
  int historyCount = 0;
  std::string hint;
};

// "Quenlark - <count>/<RecentMax>Files".
std::string TrayHint(int historyCount, int recentMax);

// The settings dialog's range of RecentMax. A value outside it (only a
// hand-edited registry holds one) is held to it for trimming and the hint,
// so that no setting can empty the history; the stored value stays.
inline constexpr int kRecentMaxLowest = 10;
inline constexpr int kRecentMaxHighest = 100;
int HeldRecentMax(int recentMax);

ScanResult ScanRecent(ScanServices services, ScanTables tables, const TSettings& settings,
                      const std::string& historyFolder, const std::string& shellRecentFolder, bool firstScan);

}  // namespace quenlark
