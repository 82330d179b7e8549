#include "recent/Scan.h"

#include <algorithm>
#include <vector>

#include "base/Cp932.h"
#include "recent/HistoryFolder.h"

namespace quenlark {

int HeldRecentMax(int recentMax) { return std::clamp(recentMax, kRecentMaxLow, kRecentMaxHigh); }

bool CopyLedger::Holds(const std::string& destination, const ListingLine& source,
                       const std::vector<ListingLine>& history) const {
  auto it = copies_.find(destination);
  if (it == copies_.end() || it->second.size != source.size || it->second.lastWrite != source.lastWrite ||
      it->second.source != source.shortcut) {
    return false;
  }
  for (const ListingLine& line : history) {
    if (line.lastWrite == source.lastWrite && line.size == source.size && line.shortcut == destination) return true;
  }
  return false;
}

void CopyLedger::Record(const std::string& destination, const ListingLine& source) {
  copies_[destination] = Copy{source.shortcut, source.size, source.lastWrite};
}

void CopyLedger::KeepListed(const std::vector<ListingLine>& history) {
  if (copies_.size() <= history.size()) return;
  std::unordered_map<std::string, Copy> kept;
  for (const ListingLine& line : history) {
    auto it = copies_.find(line.shortcut);
    if (it != copies_.end()) kept.insert(*it);
  }
  copies_ = std::move(kept);
}

namespace {

enum class Verdict { New, Update, Skip };

// One scan, its steps in the order they run: refresh the filters, list both
// folders, decide and copy each new shell entry, trim the history, clear the
// shell's folder.
class ScanRun {
 public:
  ScanRun(ScanServices services, ScanTables tables, const TSettings& settings, const std::string& historyFolder,
          const std::string& shellRecentFolder, bool firstScan)
      : services_(services),
        listing_{services.fs, services.resolution, services.collation, services.orderCache},
        history_(tables.historyListing),
        shell_(tables.shellListing),
        lists_(tables.filterLists),
        settings_(settings),
        historyFolder_(historyFolder),
        shellFolder_(shellRecentFolder),
        historyOptions_{firstScan, kSortByDate, settings.AutoClear, historyFolder} {}

  ScanResult Run() {
    RefreshFilters();
    ListFolders();
    CaptureNewEntries();
    const bool trimmed = TrimHistory();
    ClearShellFolder();
    if (trimmed) historyCount_ = ListHistory();
    return ScanResult{historyCount_, keep_};
  }

 private:
  void RefreshFilters() {
    if (settings_.ExtCheck > 0 && lists_.ExtListSource != settings_.ExtName) {
      lists_.ExtList = BuildExtList(settings_.ExtName);
      lists_.ExtListSource = settings_.ExtName;
    }
    if (settings_.DriveCheck && lists_.DriveListSource != settings_.DriveName) {
      lists_.DriveList = BuildDriveList(settings_.DriveName);
      lists_.DriveListSource = settings_.DriveName;
    }
  }

  int ListHistory() { return ListFolder(listing_, historyFolder_, history_, historyOptions_); }

  void ListFolders() {
    // A shell folder that is the history folder, however it is spelled, is no
    // source of new documents: its shortcuts are the history's own entries.
    // Capturing them would copy files onto themselves, and AutoClear would
    // empty the history.
    const bool noShellFolder = shellFolder_.empty() || IsSameFolder(services_.fs, shellFolder_, historyFolder_);
    if (noShellFolder) {
      shell_.lines.clear();
    } else {
      ListFolder(listing_, shellFolder_, shell_, {true, kSortByDate, settings_.AutoClear, historyFolder_});
    }
    historyCount_ = ListHistory();
    // An empty listing may be a history folder deleted while the program runs:
    // make it again, or every capture would fail until the next start.
    if (historyCount_ == 0) RemakeHistoryFolder(services_.fs, historyFolder_, settings_.MultiUser);
    if (services_.copies) services_.copies->KeepListed(history_.lines);
    // An empty listing proves nothing gone (the folder may be out of reach
    // for a moment): what was cleared is kept until the shell lists again.
    if (services_.cleared && !shell_.lines.empty()) services_.cleared->KeepListed(shell_.lines);
    newest_ = historyCount_ >= 1 ? history_.lines[historyCount_ - 1].key : std::string();
    clearable_.assign(shell_.lines.size(), false);
  }

  // From the newest shell entry down to the first one older than the newest
  // history entry, which ends the loop with all older ones.
  void CaptureNewEntries() {
    for (int i = static_cast<int>(shell_.lines.size()) - 1; i >= 0; --i) {
      const ListingLine& line = shell_.lines[i];
      if (line.key < newest_) {
        ClearableFrom(i);
        break;
      }
      const std::string target = cp932::Upper(line.target);
      const Verdict verdict = Decide(line, target);
      if (verdict == Verdict::Skip) {
        clearable_[i] = true;
        continue;
      }
      if (verdict == Verdict::New && history_.Full()) {
        // The table cannot take this entry, so later (older) entries could not
        // be told apart from it: capture nothing more in this scan, and keep
        // these shortcuts for the next one.
        ClearableFrom(i);
        break;
      }
      if (!Copy(line, target)) continue;
      clearable_[i] = true;
      if (verdict == Verdict::New && history_.InsertFront(line)) ++inserted_;
    }
    // The history is listed again only after this scan wrote to the folder:
    // without a copy or a deletion a new listing would give the same lines, so
    // the lines inserted meanwhile are taken out again instead.
    if (wroteHistory_) {
      historyCount_ = ListHistory();
    } else {
      history_.lines.erase(history_.lines.begin(), history_.lines.begin() + inserted_);
    }
  }

  // Which shell shortcuts AutoClear may delete: those the history now holds
  // and those the scan leaves out on purpose. One that failed to be captured
  // stays for a later scan.
  void ClearableFrom(int upTo) {
    for (int j = upTo; j >= 0; --j) clearable_[j] = shell_.lines[j].key < newest_;
  }

  Verdict Decide(const ListingLine& line, const std::string& upperTarget) {
    if (cp932::EndsWithDelimiter(upperTarget, "\\:") || upperTarget.empty()) return Verdict::Skip;
    if (!AcceptEntry(upperTarget, line.target, settings_, lists_, services_.fs, services_.network)) {
      return Verdict::Skip;
    }
    // The user cleared this entry from the history: it comes back only when
    // the shell writes its shortcut anew.
    if (services_.cleared && services_.cleared->Holds(line)) return Verdict::Skip;
    for (int j = static_cast<int>(history_.lines.size()) - 1; j >= 0; --j) {
      // Upper-casing keeps the length of a text.
      const std::string& other = history_.lines[j].target;
      if (other.size() == upperTarget.size() && cp932::Upper(other) == upperTarget) {
        return history_.lines[j].key < line.key ? Verdict::Update : Verdict::Skip;
      }
    }
    return Verdict::New;
  }

  // Copies the shell's shortcut over its history file; true when the history
  // file now holds it.
  bool Copy(const ListingLine& line, const std::string& upperTarget) {
    const std::string destination = HistoryShortcutFor(historyFolder_, upperTarget);
    // The destination already holds this very shortcut: copying it again
    // would change nothing.
    if (services_.copies && services_.copies->Holds(destination, line, history_.lines)) return true;
    // A failed copy (a name the code page could not give, a full disk, a
    // locked entry) may still have touched the destination.
    const bool copied = services_.fs.CopyOver(line.shortcut, destination);
    if (services_.orderCache) services_.orderCache->Forget(destination);
    if (copied) {
      // The copy resolves as its original did: the recent-files menu that
      // lists it next need not read it again.
      services_.resolution.Adopt(destination, line.shortcut);
      if (services_.copies) services_.copies->Record(destination, line);
    } else {
      services_.resolution.Forget(destination);
      if (services_.copies) services_.copies->Forget(destination);
    }
    wroteHistory_ = true;
    return copied;
  }

  // Deletes the oldest entries beyond RecentMax; true when there were any.
  bool TrimHistory() {
    keep_ = HeldRecentMax(settings_.RecentMax);
    if (historyCount_ <= keep_) return false;
    for (int i = 0; i < historyCount_ - keep_; ++i) {
      const std::string& shortcut = history_.lines[i].shortcut;
      services_.fs.Remove(shortcut);
      services_.resolution.Forget(shortcut);
      if (services_.copies) services_.copies->Forget(shortcut);
    }
    return true;
  }

  void ClearShellFolder() {
    if (!settings_.AutoClear) return;
    for (std::size_t i = 0; i < shell_.lines.size(); ++i) {
      if (!clearable_[i]) continue;
      services_.fs.Remove(shell_.lines[i].shortcut);
      services_.resolution.Forget(shell_.lines[i].shortcut);
    }
  }

  ScanServices services_;
  ListingServices listing_;
  ListingTable& history_;
  ListingTable& shell_;
  FilterLists& lists_;
  const TSettings& settings_;
  const std::string& historyFolder_;
  const std::string& shellFolder_;
  const ListingOptions historyOptions_;
  int historyCount_ = 0;
  int keep_ = 0;
  std::string newest_;
  std::vector<bool> clearable_;
  bool wroteHistory_ = false;
  int inserted_ = 0;
};

}  // namespace

ScanResult ScanRecent(ScanServices services, ScanTables tables, const TSettings& settings,
                      const std::string& historyFolder, const std::string& shellRecentFolder, bool firstScan) {
  return ScanRun(services, tables, settings, historyFolder, shellRecentFolder, firstScan).Run();
}

}  // namespace quenlark
