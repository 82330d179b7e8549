#include "recent/History.h"

#include "recent/HistoryFolder.h"

namespace quenlark {

THistory::THistory(Services services)
    : services_(services), resolution_(services.shortcuts), cleared_(LoadClearedShortcuts(services.registry)) {}

void THistory::LocateFolders(const TSettings& settings, const std::string& programFolder,
                             const std::string& loginName) {
  historyFolder_ = LocateHistoryFolder(services_.fs, programFolder, settings.MultiUser, loginName);
  shellRecentFolder_ = ReadShellRecentFolder(services_.registry);
}

void THistory::SetFolders(const TSettings& settings, const std::string& programFolder,
                          const std::string& loginName) {
  historyFolder_ = LocateHistoryFolder(services_.fs, programFolder, settings.MultiUser, loginName);
  if (trigger_) trigger_->SetFolders(shellRecentFolder_, historyFolder_);
}

void THistory::ScanRecent(const TSettings& settings, bool firstScan) {
  const std::size_t clearedBefore = cleared_.Size();
  lastScan_ = quenlark::ScanRecent(
      {services_.fs, resolution_, services_.collation, services_.network, &orderCache_, &copies_, &cleared_},
      {historyListing_, shellListing_, filters_}, settings, historyFolder_, shellRecentFolder_, firstScan);
  // The scan only ever forgets cleared shortcuts.
  if (cleared_.Size() != clearedBefore) SaveClearedShortcuts(services_.registry, cleared_);
  if (trigger_) trigger_->ScanRan();
}

const std::vector<ListingLine>& THistory::ListForMenu(const TSettings& settings) {
  ListingServices listing = MenuListingServices();
  ListFolder(listing, historyFolder_, menuListing_,
             {true, static_cast<int>(settings.SortSelect), settings.AutoClear, historyFolder_});
  return menuListing_.lines;
}

std::vector<ListingLine> THistory::ListForClear(const TSettings& settings, const std::string& folder, int sortCode,
                                               int highestIndex) {
  if (folder.empty()) return {};
  ListingTable table(highestIndex);
  // Not through the order cache: its listings are kept by folder and
  // options, not by the size of the table they filled.
  ListFolder({services_.fs, resolution_, services_.collation, nullptr}, folder, table,
             {true, sortCode, settings.AutoClear, historyFolder_});
  return std::move(table.lines);
}

void THistory::HistoryEntriesCleared(const std::vector<std::string>& historyShortcuts) {
  const std::vector<ListingLine> sources =
      ShellSourcesOf(historyShortcuts, historyFolder_, historyListing_.lines, shellListing_.lines);
  if (sources.empty()) return;
  for (const ListingLine& line : sources) cleared_.Remember(line.shortcut, line.lastWrite);
  SaveClearedShortcuts(services_.registry, cleared_);
}

void THistory::Watch(platform::IChangeWatch& watch, IScanTriggerHost& host, bool enabled) {
  trigger_ = std::make_unique<ScanTrigger>(watch, host);
  trigger_->Enable(enabled);
  trigger_->SetFolders(shellRecentFolder_, historyFolder_);
}

void THistory::StopWatching() { trigger_.reset(); }

void THistory::Signal(int slot, bool lost) {
  if (trigger_) trigger_->Signal(slot, lost);
}

void THistory::Tick() {
  if (trigger_) trigger_->Tick();
}

void THistory::SettleTimerFired() {
  if (trigger_) trigger_->SettleTimerFired();
}

}  // namespace quenlark
