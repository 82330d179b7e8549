// Icons kept from one opening of a menu to the next, so that a menu opened
// again does not look its pictures up again. Portable: the icons are opaque
// handles and the cache destroys them through the function it was given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>

namespace quenlark {

// An entry is keyed by what was looked up (its kind and path) and carries the
// last-write time of the file it came from (0 for a look-up by file type
// alone): found with another time, the file has changed and the icon is
// destroyed. Each build of a menu is a pass of its scope (the favourites,
// the recent files, the program's menu); at the end of a pass the entries of
// that scope it did not use are destroyed, so a scope keeps exactly the icons
// of its latest build, and an entry removed from a menu loses its icon at
// the menu's next build. Never more than `bound` entries: beyond it an icon
// is not kept (the caller uses it once and destroys it). Every icon still
// kept is destroyed with the cache.
class IconCache {
 public:
  using Handle = void*;
  using Destroyer = void (*)(Handle);

  IconCache(Destroyer destroy, std::size_t bound) : destroy_(destroy), bound_(bound) {}
  ~IconCache() { Clear(); }
  IconCache(const IconCache&) = delete;
  IconCache& operator=(const IconCache&) = delete;

  // Starts a pass (a build) of `scope`.
  void BeginPass(int scope);
  // The icon kept under `key` with this last-write time, marked as used by
  // the pass; null when there is none. A kept icon with another time is
  // destroyed and forgotten.
  Handle Find(const std::string& key, std::uint64_t lastWrite);
  // Keeps `icon` under `key` for the scope of the pass; the cache owns it
  // then. False when the cache is full or the key is taken (the caller
  // keeps the icon and destroys it).
  bool Store(const std::string& key, std::uint64_t lastWrite, Handle icon);
  // Ends the pass: the entries of its scope that it did not use are destroyed.
  void EndPass();
  // Destroys every icon.
  void Clear();
  // Whether an icon is kept under `key` (with any last-write time).
  bool Contains(const std::string& key) const { return entries_.count(key) > 0; }
  std::size_t Size() const { return entries_.size(); }
  std::size_t Bound() const { return bound_; }

 private:
  struct Entry {
    Handle icon;
    std::uint64_t lastWrite;
    int scope;
    std::uint64_t pass;  // the pass that last used it
  };
  Destroyer destroy_;
  std::size_t bound_;
  std::unordered_map<std::string, Entry> entries_;
  int scope_ = 0;
  std::uint64_t pass_ = 0;
};

}  // namespace quenlark
