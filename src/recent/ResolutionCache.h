// Shortcut resolution with a cache: a shortcut file whose path, size and
// last-write time are unchanged since it was last resolved gives the same
// result again without the shell link object. The timer scan resolves every
// shortcut of the shell's Recent folder every few seconds, so this is what
// keeps an idle scan about as cheap as listing the folder.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "platform/FileSystem.h"
#include "platform/ShortcutReader.h"

namespace quenlark {

class ShortcutResolution {
 public:
  explicit ShortcutResolution(platform::IShortcutReader& reader, bool cacheEnabled = true)
      : reader_(reader), cacheEnabled_(cacheEnabled) {}

  // The target of the shortcut at `path`, listed as `file`. Results that say
  // nothing lasting (the file could not be read now) are never cached.
  platform::ShortcutTarget Resolve(const std::string& path, const platform::FileEntry& file);

  // Starts a listing: the entries it resolves are marked as seen by it.
  void BeginListing() { ++generation_; }
  // Drops the entries under `folderPrefix` that the current listing did not see.
  void ForgetUnseen(const std::string& folderPrefix);

  // Forgets a file (deleted, or replaced by a copy).
  void Forget(const std::string& path) { cache_.erase(path); }
  // `copy` was just copied from `original`: it has the same bytes, size and
  // last-write time, so it resolves to the same target. The original's
  // result is taken over under the copy's path, with the original's size and
  // time, so a copy that differs from them when it is listed is read afresh.
  // Only a target that was found is taken over: a copy is never judged
  // unreadable without being read.
  void Adopt(const std::string& copy, const std::string& original);

  std::size_t Size() const { return cache_.size(); }
  std::uint64_t ReaderCalls() const { return readerCalls_; }

 private:
  struct Entry {
    std::uint64_t size;
    std::uint64_t lastWrite;
    platform::ShortcutTarget target;
    std::uint64_t generation;
  };
  platform::IShortcutReader& reader_;
  bool cacheEnabled_;
  std::unordered_map<std::string, Entry> cache_;
  std::uint64_t readerCalls_ = 0;
  std::uint64_t generation_ = 0;
};

}  // namespace quenlark
