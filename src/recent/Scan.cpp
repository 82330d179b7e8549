#include "recent/Scan.h"

#include <algorithm>
#include <vector>

#include "base/Cp932.h"
#include "recent/HistoryFolder.h"

namespace quenlark {

std::string TrayHint(int historyCount, int recentMax) {
  return "Quenlark - " + std::to_string(historyCount) + "/" + std::to_string(recentMax) + "Files";
}

int HeldRecentMax(int recentMax) { return std::clamp(recentMax, kRecentMaxLowest, kRecentMaxHighest); }

namespace {

enum class Verdict { New, Update, Skip };

}  // namespace

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

ScanResult ScanRecent(ScanServices services, ScanTables tables, const TSettings& settings,
                      const std::string& historyFolder, const std::string& shellRecentFolder, bool firstScan) {
  ListingServices listing{services.fs, services.resolution, services.collation, services.orderCache};
  ListingTable& history = tables.historyListing;
  ListingTable& shell = tables.shellListing;

  FilterLists& lists = tables.filterLists;
  if (settings.ExtCheck > 0 && lists.ExtListSource != settings.ExtName) {
    lists.ExtList = BuildExtList(settings.ExtName);
    lists.ExtListSource = settings.ExtName;
  }
  if (settings.DriveCheck && lists.DriveListSource != settings.DriveName) {
    lists.DriveList = BuildDriveList(settings.DriveName);
    lists.DriveListSource = settings.DriveName;
  }

  // A shell folder that is the history folder, however it is spelled, is no
  // source of new documents: its shortcuts are the history's own entries.
  // Capturing them would copy files onto themselves, and AutoClear would
  // empty the history.
  const bool noShellFolder =
      shellRecentFolder.empty() || IsSameFolder(services.fs, shellRecentFolder, historyFolder);

  ListingOptions shellOptions{true, kSortByDate, settings.AutoClear, historyFolder};
  ListingOptions historyOptions{firstScan, kSortByDate, settings.AutoClear, historyFolder};
  const int w = noShellFolder ? (shell.lines.clear(), 0) : ListFolder(listing, shellRecentFolder, shell, shellOptions);
  int h = ListFolder(listing, historyFolder, history, historyOptions);
  // An empty listing may be a history folder deleted while the program runs:
  // make it again, or every capture would fail until the next start.
  if (h == 0) RemakeHistoryFolder(services.fs, historyFolder, settings.MultiUser);
  if (services.copies) services.copies->KeepListed(history.lines);

  const std::string newest = h >= 1 ? history.lines[h - 1].key : std::string();
  // Which shell shortcuts AutoClear may delete: those the history now holds
  // and those the scan leaves out on purpose. One that failed to be captured
  // stays for a later scan.
  std::vector<bool> clearable(shell.lines.size(), false);
  auto clearOlderThanNewest = [&](int upTo) {
    for (int j = upTo; j >= 0; --j) clearable[j] = shell.lines[j].key < newest;
  };
  // The history is listed again only after this scan wrote to the folder:
  // without a copy or a deletion a new listing would give the same lines, so
  // the lines inserted meanwhile are taken out again instead.
  bool changed = false;
  int inserted = 0;
  for (int i = w - 1; i >= 0; --i) {
    const ListingLine& line = shell.lines[i];
    const std::string& d = line.key;
    if (d < newest) {
      clearOlderThanNewest(i);
      break;
    }
    const std::string t = cp932::Upper(line.target);

    Verdict verdict = Verdict::New;
    if (cp932::EndsWithDelimiter(t, "\\:") || t.empty()) {
      verdict = Verdict::Skip;
    } else if (!AcceptEntry(t, line.target, settings, tables.filterLists, services.fs, services.network)) {
      verdict = Verdict::Skip;
    }
    if (verdict == Verdict::New) {
      for (int j = static_cast<int>(history.lines.size()) - 1; j >= 0; --j) {
        // Upper-casing keeps the length of a text.
        const std::string& other = history.lines[j].target;
        if (other.size() == t.size() && cp932::Upper(other) == t) {
          verdict = history.lines[j].key < d ? Verdict::Update : Verdict::Skip;
          break;
        }
      }
    }
    if (verdict == Verdict::Skip) {
      clearable[i] = true;
      continue;
    }
    if (verdict == Verdict::New && history.Full()) {
      // The table cannot take this entry, so later (older) entries could not
      // be told apart from it: capture nothing more in this scan, and keep
      // these shortcuts for the next one.
      clearOlderThanNewest(i);
      break;
    }
    const std::string destination = historyFolder + "\\" + cp932::ExtractFileName(t) + ".lnk";
    // The destination already holds this very shortcut: copying it again
    // would change nothing.
    const bool same = services.copies && services.copies->Holds(destination, line, history.lines);
    if (!same) {
      // A failed copy (a name the code page could not give, a full disk, a
      // locked entry) may still have touched the destination.
      const bool copied = services.fs.CopyOver(line.shortcut, destination);
      if (services.orderCache) services.orderCache->Forget(destination);
      if (copied) {
        // The copy resolves as its original did: the recent-files menu that
        // lists it next need not read it again.
        services.resolution.Adopt(destination, line.shortcut);
        if (services.copies) services.copies->Record(destination, line);
      } else {
        services.resolution.Forget(destination);
        if (services.copies) services.copies->Forget(destination);
      }
      changed = true;
      if (!copied) continue;
    }
    clearable[i] = true;
    if (verdict == Verdict::New && history.InsertFront(line)) ++inserted;
  }

  if (changed) {
    h = ListFolder(listing, historyFolder, history, historyOptions);
  } else {
    history.lines.erase(history.lines.begin(), history.lines.begin() + inserted);
  }
  changed = false;
  const int keep = HeldRecentMax(settings.RecentMax);
  if (h > keep) {
    for (int i = 0; i < h - keep; ++i) {
      services.fs.Remove(history.lines[i].shortcut);
      services.resolution.Forget(history.lines[i].shortcut);
      if (services.copies) services.copies->Forget(history.lines[i].shortcut);
    }
    changed = true;
  }
  if (settings.AutoClear) {
    for (std::size_t i = 0; i < shell.lines.size(); ++i) {
      if (!clearable[i]) continue;
      services.fs.Remove(shell.lines[i].shortcut);
      services.resolution.Forget(shell.lines[i].shortcut);
    }
  }
  if (changed) h = ListFolder(listing, historyFolder, history, historyOptions);
  return ScanResult{h, TrayHint(h, keep)};
}

}  // namespace quenlark
