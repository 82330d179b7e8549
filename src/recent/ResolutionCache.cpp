#include "recent/ResolutionCache.h"

namespace quenlark {

platform::ShortcutTarget ShortcutResolution::Resolve(const std::string& path, const platform::FileEntry& file) {
  if (cacheEnabled_) {
    auto it = cache_.find(path);
    if (it != cache_.end() && it->second.size == file.size && it->second.lastWrite == file.lastWrite) {
      it->second.generation = generation_;
      return it->second.target;
    }
  }
  ++readerCalls_;
  platform::ShortcutTarget target = reader_.Resolve(path);
  if (cacheEnabled_) {
    if (target.status == platform::ShortcutStatus::Unavailable) {
      cache_.erase(path);
    } else {
      cache_[path] = Entry{file.size, file.lastWrite, target, generation_};
    }
  }
  return target;
}

void ShortcutResolution::Adopt(const std::string& copy, const std::string& original) {
  cache_.erase(copy);
  if (!cacheEnabled_) return;
  auto it = cache_.find(original);
  if (it == cache_.end() || it->second.target.status != platform::ShortcutStatus::Resolved) return;
  Entry entry = it->second;
  entry.generation = generation_;
  cache_.emplace(copy, std::move(entry));
}

void ShortcutResolution::ForgetUnseen(const std::string& folderPrefix) {
  for (auto it = cache_.begin(); it != cache_.end();) {
    bool inFolder = it->first.compare(0, folderPrefix.size(), folderPrefix) == 0;
    if (inFolder && it->second.generation != generation_) {
      it = cache_.erase(it);
    } else {
      ++it;
    }
  }
}

}  // namespace quenlark
