#include "menus/IconCache.h"

namespace quenlark {

void IconCache::BeginPass(int scope) {
  scope_ = scope;
  ++pass_;
}

IconCache::Handle IconCache::Find(const std::string& key, std::uint64_t lastWrite) {
  auto it = entries_.find(key);
  if (it == entries_.end()) return nullptr;
  if (it->second.lastWrite != lastWrite) {
    // The file changed since its icon was read.
    destroy_(it->second.icon);
    entries_.erase(it);
    return nullptr;
  }
  it->second.scope = scope_;
  it->second.pass = pass_;
  return it->second.icon;
}

bool IconCache::Store(const std::string& key, std::uint64_t lastWrite, Handle icon) {
  if (!icon || entries_.size() >= bound_ || entries_.count(key)) return false;
  entries_.emplace(key, Entry{icon, lastWrite, scope_, pass_});
  return true;
}

void IconCache::EndPass() {
  for (auto it = entries_.begin(); it != entries_.end();) {
    if (it->second.scope == scope_ && it->second.pass != pass_) {
      destroy_(it->second.icon);
      it = entries_.erase(it);
    } else {
      ++it;
    }
  }
}

void IconCache::Clear() {
  for (auto& [key, entry] : entries_) destroy_(entry.icon);
  entries_.clear();
}

}  // namespace quenlark
