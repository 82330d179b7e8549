#include "recent/Listing.h"

#include <algorithm>
#include <unordered_map>

#include "base/Cp932.h"

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
  // Formatted by hand: every listed file needs one, every few seconds.
  std::string text = "0000-00-00 00:00:00";
  auto put = [&](std::size_t at, int value, int digits) {
    for (int i = digits - 1; i >= 0; --i, value /= 10) text[at + i] = static_cast<char>('0' + value % 10);
  };
  put(0, d.year < 0 ? 0 : d.year % 10000, 4);
  put(5, d.month < 0 ? 0 : d.month % 100, 2);
  put(8, d.day < 0 ? 0 : d.day % 100, 2);
  put(11, d.hour < 0 ? 0 : d.hour % 100, 2);
  put(14, d.minute < 0 ? 0 : d.minute % 100, 2);
  put(17, d.second < 0 ? 0 : d.second % 100, 2);
  return text;
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

namespace {

// Only files named *.lnk (in any case) are taken for shortcuts. The test is on
// the long name: a search pattern "*.lnk" would also match through short
// names ("a.lnkx" is "A~1.LNK"). A "." is never a trail byte, so a name whose
// last four bytes are ".lnk" ends in those four characters.
bool IsShortcutName(const std::string& name) {
  return name.size() >= 4 && cp932::UpperAscii(std::string_view(name).substr(name.size() - 4)) == ".LNK";
}

bool SameFindData(const platform::FileEntry& a, const platform::FileEntry& b) {
  return a.lastWrite == b.lastWrite && a.size == b.size && a.name == b.name && a.date.second == b.date.second &&
         a.date.minute == b.date.minute && a.date.hour == b.date.hour && a.date.day == b.date.day &&
         a.date.month == b.date.month && a.date.year == b.date.year;
}

}  // namespace

const std::vector<ListingLine>* SortOrderCache::Find(const std::string& slot,
                                                     const std::vector<platform::FileEntry>& files) const {
  auto it = entries_.find(slot);
  if (it == entries_.end() || it->second.files.size() != files.size()) return nullptr;
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (!SameFindData(files[i], it->second.files[i])) return nullptr;
  }
  return &it->second.lines;
}

void SortOrderCache::Store(const std::string& slot, const std::string& folderPrefix,
                           std::vector<platform::FileEntry> files, const std::vector<ListingLine>& lines) {
  entries_[slot] = Entry{folderPrefix, std::move(files), lines};
}

void SortOrderCache::Forget(const std::string& path) {
  for (auto it = entries_.begin(); it != entries_.end();) {
    const std::string& prefix = it->second.folderPrefix;
    const bool holds = path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0;
    it = holds ? entries_.erase(it) : std::next(it);
  }
}

namespace {

std::vector<std::size_t> SortedOrder(const std::vector<std::string>& joined, platform::ITextCollation& collation) {
  std::vector<std::size_t> order(joined.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return collation.Compare(joined[a], joined[b]) < 0; });
  return order;
}

void Permute(std::vector<ListingLine>& lines, const std::vector<std::size_t>& order) {
  std::vector<ListingLine> sorted;
  sorted.reserve(lines.size());
  for (std::size_t i : order) sorted.push_back(std::move(lines[i]));
  lines = std::move(sorted);
}

// Sorts the lines by their joined text with the collation.
void SortLines(std::vector<ListingLine>& lines, platform::ITextCollation& collation) {
  if (lines.size() < 2) return;
  std::vector<std::string> joined;
  joined.reserve(lines.size());
  for (const ListingLine& line : lines) joined.push_back(line.Joined());
  Permute(lines, SortedOrder(joined, collation));
}

}  // namespace

void SortListing(std::vector<ListingLine>& lines, platform::ITextCollation& collation) { SortLines(lines, collation); }

int ListFolder(ListingServices services, const std::string& folder, ListingTable& table,
               const ListingOptions& options) {
  const std::string savedFolder = services.fs.CurrentFolder();
  const bool isHistory = folder == options.historyFolder;
  const std::string prefix = folder + "\\";
  std::vector<platform::FileEntry> files = services.fs.ListFiles(folder);
  // Everything the lines depend on besides the find data: the folder and the options.
  const std::string slot = folder + "|" + std::to_string(options.sortCode) + (options.resolve ? "|r" : "|n") +
                           (options.autoClear || isHistory ? "|d" : "|k");

  const std::vector<ListingLine>* remembered = services.orderCache ? services.orderCache->Find(slot, files) : nullptr;
  if (remembered) {
    table.lines = *remembered;
  } else {
    table.lines.clear();
    // Whether these lines may be given again for the same find data: not when
    // a shortcut could not be read now, nor when one was deleted.
    bool lasting = true;
    if (options.resolve) services.resolution.BeginListing();
    std::vector<ListingLine> found;
    for (const platform::FileEntry& file : files) {
      // Any other file (the shell's folder may be set to a folder of documents,
      // or to the program's own) is neither listed nor ever deleted.
      if (!IsShortcutName(file.name)) continue;
      std::string shortcut = prefix + file.name;
      std::string target = shortcut;
      if (options.resolve) {
        platform::ShortcutTarget resolved = services.resolution.Resolve(shortcut, file);
        if (resolved.status != platform::ShortcutStatus::Resolved) {
          // Only a file that was read and found to be no shortcut with a path
          // is removed; one that could not be read now is left alone.
          if (resolved.status == platform::ShortcutStatus::Unreadable && (options.autoClear || isHistory)) {
            services.fs.Remove(shortcut);
            services.resolution.Forget(shortcut);
            lasting = false;
          }
          if (resolved.status == platform::ShortcutStatus::Unavailable) lasting = false;
          continue;
        }
        target = resolved.path;
      }
      std::string date = DateText(file.date);
      found.push_back(
          ListingLine{SortKey(options.sortCode, target, date), shortcut, target, date, file.lastWrite, file.size});
    }
    if (options.resolve) services.resolution.ForgetUnseen(prefix);

    if (found.size() > table.Capacity()) {
      // More files than the table holds: keep the most recently used ones.
      std::stable_sort(found.begin(), found.end(),
                       [](const ListingLine& a, const ListingLine& b) { return a.lastWrite > b.lastWrite; });
      found.resize(table.Capacity());
    }
    SortLines(found, services.collation);
    table.lines = std::move(found);
    if (services.orderCache) {
      if (lasting) {
        services.orderCache->Store(slot, prefix, std::move(files), table.lines);
      } else {
        services.orderCache->Drop(slot);
      }
    }
  }

  // Restore the current folder the listing found (a no-op unless something
  // moved it meanwhile; setting it costs a file-system access).
  if (services.fs.CurrentFolder() != savedFolder) services.fs.SetCurrentFolder(savedFolder);
  return table.Count();
}

}  // namespace quenlark
