// Listing lines: how every user of a folder of shortcuts reads it. A line has
// four fields: the sort key, the shortcut's path, the target's path and the
// date of last use. Lines are kept as records of their fields, so a name with
// a comma in it stays itself; the comma-joined text is only derived from them
// (for ordering, and for the callers that want the text form).
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/Collation.h"
#include "platform/FileSystem.h"
#include "platform/ShortcutReader.h"
#include "recent/ResolutionCache.h"

namespace quenlark {

struct ListingLine {
  std::string key;       // field 1: the sort key, upper-cased
  std::string shortcut;  // field 2: the shortcut file's full path
  std::string target;    // field 3: the target's path (or the shortcut's own path)
  std::string date;      // field 4: "YYYY-MM-DD hh:mm:ss"
  std::uint64_t lastWrite = 0;
  std::uint64_t size = 0;  // the shortcut file's size as the search found it

  // The four fields joined by ",".
  std::string Joined() const;
  // Field n (1 to 4) of the record; n <= 1 gives the key, n > 4 the empty text.
  const std::string& Field(int n) const;
};

// A table of listing lines with a fixed highest index (1099 for the
// controller's tables, 100 for the selective clear dialog's). It never holds
// more than highest index + 1 lines.
class ListingTable {
 public:
  explicit ListingTable(int highestIndex) : capacity_(highestIndex < 0 ? 0 : highestIndex + 1) {}
  std::size_t Capacity() const { return capacity_; }
  int Count() const { return static_cast<int>(lines.size()); }
  bool Full() const { return lines.size() >= capacity_; }
  // Inserts at index 0 when there is room; false when the table is full.
  bool InsertFront(const ListingLine& line);

  std::vector<ListingLine> lines;

 private:
  std::size_t capacity_;
};

inline constexpr int kControllerTableHighestIndex = 1099;
inline constexpr int kSortByName = 0;
inline constexpr int kSortByPath = 1;
inline constexpr int kSortByDate = 2;
inline constexpr int kSortByDateDescending = 3;
inline constexpr int kSortByExtension = 4;

// "YYYY-MM-DD hh:mm:ss".
std::string DateText(const platform::FileDate& date);

// The sort key of a line for a sort code, upper-cased. Codes outside 0-4 sort
// by date, like code 2.
std::string SortKey(int sortCode, const std::string& target, const std::string& date);

// Remembers the latest listing of each folder with each set of listing
// options: the folder's find data (names, sizes, last-write times, dates in
// search order) and the lines it gave. Listing a folder whose find data are
// the same again gives those lines without resolving, formatting or sorting
// anything: the timer scan lists the same folders every few seconds, mostly
// unchanged. A listing that could not read a shortcut now, or deleted one, is
// not remembered (the next listing must try again); a file written without
// changing its find data (a copy over a file of the same size and time) is
// announced with Forget.
class SortOrderCache {
 public:
  // The remembered lines of `slot` when `files` equal the find data they came from.
  const std::vector<ListingLine>* Find(const std::string& slot, const std::vector<platform::FileEntry>& files) const;
  void Store(const std::string& slot, const std::string& folderPrefix, std::vector<platform::FileEntry> files,
             const std::vector<ListingLine>& lines);
  void Drop(const std::string& slot) { entries_.erase(slot); }
  // Forgets every listing of the folder that holds `path` (a file written there).
  void Forget(const std::string& path);

 private:
  struct Entry {
    std::string folderPrefix;  // the folder + "\\"
    std::vector<platform::FileEntry> files;
    std::vector<ListingLine> lines;
  };
  std::unordered_map<std::string, Entry> entries_;
};

// The services a listing needs; the order cache is optional.
struct ListingServices {
  platform::IFileSystem& fs;
  ShortcutResolution& resolution;
  platform::ITextCollation& collation;
  SortOrderCache* orderCache = nullptr;
};

struct ListingOptions {
  bool resolve = true;
  int sortCode = kSortByDate;
  // A shortcut that can be read but has no target is deleted when this is
  // set (AutoClear) or when the folder is the history folder (the same text).
  bool autoClear = false;
  std::string historyFolder;
};

// Lists the shortcut files (named *.lnk) of a folder into the table, sorted;
// returns the count. Other files are left alone. With more files than the
// table holds, the newest ones are kept.
int ListFolder(ListingServices services, const std::string& folder, ListingTable& table,
               const ListingOptions& options);

// Sorts lines ascending by their joined text with the collation.
void SortListing(std::vector<ListingLine>& lines, platform::ITextCollation& collation);

}  // namespace quenlark
