#include "recent/ClearedShortcuts.h"

#include <algorithm>
#include <charconv>

#include "base/Cp932.h"
#include "recent/HistoryFolder.h"
#include "settings/SettingsStore.h"

namespace quenlark {

namespace {

constexpr const char* kClearedValue = "ClearedRecent";

}  // namespace

void ClearedShortcuts::Remember(const std::string& shellShortcut, std::uint64_t lastWrite) {
  std::erase_if(entries_, [&](const Entry& e) { return e.shortcut == shellShortcut; });
  entries_.push_back({shellShortcut, lastWrite});
  if (entries_.size() > kMost) entries_.erase(entries_.begin(), entries_.end() - kMost);
}

bool ClearedShortcuts::Holds(const ListingLine& shellLine) const {
  return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) {
    return e.lastWrite == shellLine.lastWrite && e.shortcut == shellLine.shortcut;
  });
}

bool ClearedShortcuts::KeepListed(const std::vector<ListingLine>& shellLines) {
  if (entries_.empty()) return false;
  const std::size_t before = entries_.size();
  std::erase_if(entries_, [&](const Entry& e) {
    return std::none_of(shellLines.begin(), shellLines.end(), [&](const ListingLine& line) {
      return line.lastWrite == e.lastWrite && line.shortcut == e.shortcut;
    });
  });
  return entries_.size() != before;
}

std::string ClearedShortcuts::Text() const {
  std::string text;
  for (const Entry& e : entries_) text += std::to_string(e.lastWrite) + "\t" + e.shortcut + "\n";
  return text;
}

ClearedShortcuts ClearedShortcuts::FromText(const std::string& text) {
  ClearedShortcuts cleared;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find('\n', at);
    const std::size_t tab = text.find('\t', at);
    if (end == std::string::npos || tab == std::string::npos || tab >= end || tab == at || tab + 1 == end) {
      return {};
    }
    std::uint64_t lastWrite = 0;
    const auto [stop, error] = std::from_chars(text.data() + at, text.data() + tab, lastWrite);
    if (error != std::errc() || stop != text.data() + tab) return {};
    const std::string shortcut = text.substr(tab + 1, end - tab - 1);
    if (shortcut.find('\t') != std::string::npos) return {};
    cleared.Remember(shortcut, lastWrite);
    at = end + 1;
  }
  return cleared;
}

std::vector<ListingLine> ShellSourcesOf(const std::vector<std::string>& clearedHistoryShortcuts,
                                        const std::string& historyFolder, const std::vector<ListingLine>& history,
                                        const std::vector<ListingLine>& shell) {
  std::vector<ListingLine> sources;
  for (const std::string& cleared : clearedHistoryShortcuts) {
    const std::string name = cp932::Upper(cleared);
    const auto entry = std::find_if(history.begin(), history.end(),
                                    [&](const ListingLine& line) { return cp932::Upper(line.shortcut) == name; });
    if (entry == history.end()) continue;
    for (const ListingLine& line : shell) {
      if (line.lastWrite == entry->lastWrite &&
          cp932::Upper(HistoryShortcutFor(historyFolder, cp932::Upper(line.target))) == name) {
        sources.push_back(line);
      }
    }
  }
  return sources;
}

ClearedShortcuts LoadClearedShortcuts(platform::IRegistry& registry) {
  auto key = registry.OpenKey(kRegistryKey);
  if (!key) return {};
  return ClearedShortcuts::FromText(key->ReadString(kSystemSection, kClearedValue).value_or(""));
}

void SaveClearedShortcuts(platform::IRegistry& registry, const ClearedShortcuts& cleared) {
  auto key = registry.OpenKey(kRegistryKey);
  if (!key) return;
  if (cleared.Size() == 0) {
    key->DeleteValue(kSystemSection, kClearedValue);
  } else {
    key->WriteString(kSystemSection, kClearedValue, cleared.Text());
  }
}

}  // namespace quenlark
