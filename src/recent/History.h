// The history as the controller keeps it: the two folders, the listing
// tables of the scan and of the recent-files menu, the caches that keep the
// scan cheap, the filter lists, what the user cleared, and the trigger that
// scans soon after a change in either folder.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ChangeWatch.h"
#include "platform/Collation.h"
#include "platform/FileSystem.h"
#include "platform/NetworkNames.h"
#include "platform/Registry.h"
#include "platform/ShortcutReader.h"
#include "recent/ClearedShortcuts.h"
#include "recent/Filters.h"
#include "recent/Listing.h"
#include "recent/ResolutionCache.h"
#include "recent/Scan.h"
#include "recent/ScanTrigger.h"
#include "settings/SettingsStore.h"

namespace quenlark {

class THistory {
 public:
  struct Services {
    platform::IRegistry& registry;
    platform::IFileSystem& fs;
    platform::IShortcutReader& shortcuts;
    platform::ITextCollation& collation;
    platform::INetworkNames& network;
  };

  explicit THistory(Services services);

  // Finds (or makes) the history folder for the settings, and reads where
  // the shell keeps its Recent folder.
  void LocateFolders(const TSettings& settings, const std::string& programFolder, const std::string& loginName);
  // The history folder again after the settings changed (MultiUser); the
  // watches follow it.
  void SetFolders(const TSettings& settings, const std::string& programFolder, const std::string& loginName);
  const std::string& HistoryFolder() const { return historyFolder_; }
  const std::string& ShellRecentFolder() const { return shellRecentFolder_; }

  // One scan; the first of a run resolves the history's shortcuts.
  void ScanRecent(const TSettings& settings, bool firstScan);
  // What the latest scan left: the history's count and the RecentMax it held.
  const ScanResult& LastScan() const { return lastScan_; }

  // The history listed for the recent-files menu; the menu's items stand
  // for these lines.
  const std::vector<ListingLine>& ListForMenu(const TSettings& settings);
  const std::vector<ListingLine>& MenuLines() const { return menuListing_.lines; }
  ListingServices MenuListingServices() { return {services_.fs, resolution_, services_.collation, &orderCache_}; }
  // `folder` (the history or the shell's Recent folder) listed afresh for
  // the selective clear dialog: every shortcut resolved, ascending by
  // `sortCode`, at most `highestIndex` + 1 lines. Unreadable shortcuts go as
  // in every resolving listing of that folder.
  std::vector<ListingLine> ListForClear(const TSettings& settings, const std::string& folder, int sortCode,
                                        int highestIndex);

  // The user cleared these history files: their shell shortcuts are not
  // captured again until the shell writes them anew. Remembered across runs.
  void HistoryEntriesCleared(const std::vector<std::string>& historyShortcuts);

  // Scans soon after a change in either folder, through `watch`; off, the
  // timer alone scans.
  void Watch(platform::IChangeWatch& watch, IScanTriggerHost& host, bool enabled);
  void StopWatching();
  void Signal(int slot, bool lost);
  void Tick();
  void SettleTimerFired();
  // Drops what the filters hold.
  void Release() { filters_ = FilterLists{}; }

 private:
  Services services_;
  std::string historyFolder_;
  std::string shellRecentFolder_;
  ScanResult lastScan_;
  ShortcutResolution resolution_;
  SortOrderCache orderCache_;
  CopyLedger copies_;
  ClearedShortcuts cleared_;
  // ExtList and DriveList, rebuilt by every scan whose filter is on.
  FilterLists filters_;
  ListingTable menuListing_{kControllerTableHighestIndex};
  ListingTable historyListing_{kControllerTableHighestIndex};
  ListingTable shellListing_{kControllerTableHighestIndex};
  std::unique_ptr<ScanTrigger> trigger_;
};

}  // namespace quenlark
