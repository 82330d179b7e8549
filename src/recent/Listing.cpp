#include "recent/Listing.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>

#include "app/Cp932.h"

namespace quenlark {

std::string ListingLine::Joined() const { return key + "," + shortcut + "," + target + "," + date; }

const std::string& ListingLine::Field(int n) const {
  static const std::string kNone;
  switch (n) {
    case 2:
      return shortcut;
    case 3:
      return target;
    case 4:
      return date;
    default:
      return n <= 1 ? key : kNone;
  }
}

bool ListingTable::InsertFront(const ListingLine& line) {
  if (Full()) return false;
  lines.insert(lines.begin(), line);
  return true;
}

std::string DateText(const platform::FileDate& d) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", d.year % 10000, d.month % 100, d.day % 100,
                d.hour % 100, d.minute % 100, d.second % 100);
  return buffer;
}

std::string SortKey(int sortCode, const std::string& target, const std::string& date) {
  switch (sortCode) {
    case kSortByName:
      return cp932::Upper(cp932::ExtractFileName(target));
    case kSortByPath:
      return cp932::Upper(target);
    case kSortByExtension: {
      std::string ext = cp932::ExtractFileExt(target);
      std::string name = cp932::ExtractFileName(target);
      return cp932::Upper((ext.empty() ? std::string("\xFF") : ext.substr(1)) + name);
    }
    default:
      return date;
  }
}

void SortListing(std::vector<ListingLine>& lines, platform::ITextCollation& collation) {
  if (lines.size() < 2) return;
  std::vector<std::pair<std::string, std::size_t>> order;
  order.reserve(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) order.emplace_back(lines[i].Joined(), i);
  std::stable_sort(order.begin(), order.end(),
                   [&](const auto& a, const auto& b) { return collation.Compare(a.first, b.first) < 0; });
  std::vector<ListingLine> sorted;
  sorted.reserve(lines.size());
  for (const auto& o : order) sorted.push_back(std::move(lines[o.second]));
  lines = std::move(sorted);
}

int ListFolder(ListingServices services, const std::string& folder, ListingTable& table,
               const ListingOptions& options) {
  const std::string savedFolder = services.fs.CurrentFolder();
  table.lines.clear();
  const bool isHistory = folder == options.historyFolder;
  const std::string prefix = folder + "\\";

  std::unordered_map<std::string, bool> seen;
  std::vector<ListingLine> found;
  for (const platform::FileEntry& file : services.fs.ListFiles(folder)) {
    std::string shortcut = prefix + file.name;
    std::string target = shortcut;
    if (options.resolve) {
      platform::ShortcutTarget resolved = services.resolution.Resolve(shortcut, file);
      seen[shortcut] = true;
      if (resolved.status != platform::ShortcutStatus::Resolved) {
        // Only a file that was read and found to be no shortcut with a path
        // is removed; one that could not be read now is left alone.
        if (resolved.status == platform::ShortcutStatus::Unreadable && (options.autoClear || isHistory)) {
          services.fs.Remove(shortcut);
          services.resolution.Forget(shortcut);
        }
        continue;
      }
      target = resolved.path;
    }
    std::string date = DateText(file.date);
    found.push_back(ListingLine{SortKey(options.sortCode, target, date), shortcut, target, date, file.lastWrite});
  }
  if (options.resolve) services.resolution.Forget(prefix, seen);

  if (found.size() > table.Capacity()) {
    // More files than the table holds: keep the most recently used ones.
    std::stable_sort(found.begin(), found.end(),
                     [](const ListingLine& a, const ListingLine& b) { return a.lastWrite > b.lastWrite; });
    found.resize(table.Capacity());
  }
  SortListing(found, services.collation);
  table.lines = std::move(found);

  services.fs.SetCurrentFolder(savedFolder);
  return table.Count();
}

}  // namespace quenlark
