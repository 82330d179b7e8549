#include "recent/Scan.h"

#include "base/Cp932.h"

namespace quenlark {

std::string TrayHint(int historyCount, int recentMax) {
  return "Quenlark - " + std::to_string(historyCount) + "/" + std::to_string(recentMax) + "Files";
}

namespace {

enum class Verdict { New, Update, Skip };

}  // namespace

ScanResult ScanRecent(ScanServices services, ScanTables tables, const TSettings& settings,
                      const std::string& historyFolder, const std::string& shellRecentFolder, bool firstScan) {
  ListingServices listing{services.fs, services.resolution, services.collation, services.orderCache};
  ListingTable& history = tables.historyListing;
  ListingTable& shell = tables.shellListing;

  if (settings.ExtCheck > 0) tables.filterLists.ExtList = BuildExtList(settings.ExtName);
  if (settings.DriveCheck) tables.filterLists.DriveList = BuildDriveList(settings.DriveName);

  ListingOptions shellOptions{true, kSortByDate, settings.AutoClear, historyFolder};
  ListingOptions historyOptions{firstScan, kSortByDate, settings.AutoClear, historyFolder};
  const int w = shellRecentFolder.empty() ? (shell.lines.clear(), 0)
                                           : ListFolder(listing, shellRecentFolder, shell, shellOptions);
  int h = ListFolder(listing, historyFolder, history, historyOptions);

  const std::string newest = h >= 1 ? history.lines[h - 1].key : std::string();
  // The history is listed again only after this scan changed the folder:
  // without a copy or a deletion a new listing would give the same lines.
  bool changed = false;
  for (int i = w - 1; i >= 0; --i) {
    const ListingLine& line = shell.lines[i];
    const std::string& d = line.key;
    if (d < newest) break;
    const std::string t = cp932::Upper(line.target);

    Verdict verdict = Verdict::New;
    if (cp932::EndsWithDelimiter(t, "\\:") || t.empty()) {
      verdict = Verdict::Skip;
    } else if (!AcceptEntry(t, line.target, settings, tables.filterLists, services.fs, services.network)) {
      verdict = Verdict::Skip;
    }
    if (verdict == Verdict::New) {
      for (int j = static_cast<int>(history.lines.size()) - 1; j >= 0; --j) {
        if (cp932::Upper(history.lines[j].target) == t) {
          verdict = history.lines[j].key < d ? Verdict::Update : Verdict::Skip;
          break;
        }
      }
    }
    if (verdict == Verdict::Skip) continue;
    if (verdict == Verdict::New && history.Full()) {
      // The table cannot take this entry, so later (older) entries could not
      // be told apart from it: capture nothing more in this scan.
      break;
    }
    const std::string destination = historyFolder + "\\" + cp932::ExtractFileName(t) + ".lnk";
    services.fs.CopyOver(line.shortcut, destination);
    services.resolution.Forget(destination);
    changed = true;
    if (verdict == Verdict::New) history.InsertFront(line);
  }

  if (changed) h = ListFolder(listing, historyFolder, history, historyOptions);
  changed = false;
  const int keep = settings.RecentMax < 0 ? 0 : settings.RecentMax;
  if (h > keep) {
    for (int i = 0; i < h - keep; ++i) {
      services.fs.Remove(history.lines[i].shortcut);
      services.resolution.Forget(history.lines[i].shortcut);
    }
    changed = true;
  }
  if (settings.AutoClear) {
    for (const ListingLine& line : shell.lines) {
      services.fs.Remove(line.shortcut);
      services.resolution.Forget(line.shortcut);
    }
    // The shell's folder may be the history folder itself.
    changed = changed || (!shell.lines.empty() && shellRecentFolder == historyFolder);
  }
  if (changed) h = ListFolder(listing, historyFolder, history, historyOptions);
  return ScanResult{h, TrayHint(h, settings.RecentMax)};
}

}  // namespace quenlark
