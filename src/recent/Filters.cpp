#include "recent/Filters.h"

#include <algorithm>

#include "base/Cp932.h"

namespace quenlark {

std::vector<std::string> BuildFilterList(const std::string& setting, const std::string& prefix,
                                         const std::string& suffix) {
  std::vector<std::string> items;
  // Upper-cased as the targets are, character by character: a byte-wise
  // upper-casing would change trail bytes in a-z ("テ" is 0x83 0x65).
  std::string text = cp932::Upper(setting);
  std::size_t comma;
  // Commas never occur as trail bytes (those are 0x40 and above).
  while ((comma = text.find(',')) != std::string::npos) {
    items.push_back(prefix + cp932::Trim(text.substr(0, comma)) + suffix);
    text.erase(0, comma + 1);
  }
  std::string rest = cp932::Trim(text);
  if (!rest.empty()) items.push_back(prefix + rest + suffix);
  return items;
}

namespace {

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
char UpperLetter(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Rejects a document whose extension the extension rule excludes.
bool ExtensionRejects(const std::string& upperTarget, const TSettings& settings, const FilterLists& lists) {
  const std::string ext = cp932::Upper(cp932::ExtractFileExt(upperTarget));
  for (const std::string& item : lists.ExtList) {
    if (item != ext) continue;
    if (settings.ExtCheck == 1) return true;
    if (settings.ExtCheck == 2) return false;
  }
  return settings.ExtCheck == 2;
}

// The second character of a CP932 text is a single-byte ":".
bool SecondCharIsColon(const std::string& text) {
  if (text.empty()) return false;
  std::size_t second = cp932::CharLength(text, 0);
  return second < text.size() && cp932::CharLength(text, second) == 1 && text[second] == ':';
}

bool FolderRejects(const std::string& upperTarget, platform::IFileSystem& fs) {
  unsigned previous = fs.SetErrorMode(platform::kFailCriticalErrors);
  bool reject;
  if (SecondCharIsColon(upperTarget)) {
    std::string root = upperTarget.substr(0, cp932::CharLength(upperTarget, 0) + 1) + "\\";
    reject = !fs.DirectoryExists(root) || fs.DirectoryExists(upperTarget);
  } else {
    reject = fs.DirectoryExists(upperTarget);
  }
  fs.SetErrorMode(previous);
  return reject;
}

}  // namespace

std::string UniversalPath(const std::string& path, platform::INetworkNames& network) {
  if (!(path.size() > 2 && IsDriveLetter(path[0]) && path[1] == ':')) return path;
  if (network.IsNtFamily()) {
    if (auto name = network.UniversalName(path)) return *name;
    return path;
  }
  // The 9x family knows no universal names: find the connected disk of the
  // drive and put its remote name before the path's folders.
  if (path[2] != '\\') return path;
  auto disks = network.ConnectedDisks();
  if (!disks) return path;
  for (const platform::ConnectedDisk& disk : *disks) {
    if (!disk.localName.empty() && UpperLetter(disk.localName[0]) == UpperLetter(path[0])) {
      return disk.remoteName + path.substr(2);
    }
  }
  return path;
}

bool AcceptEntry(const std::string& upperTarget, const std::string& target, const TSettings& settings,
                 const FilterLists& lists, platform::IFileSystem& fs, platform::INetworkNames& network) {
  if (settings.ExtCheck > 0 && ExtensionRejects(upperTarget, settings, lists)) return false;
  if (settings.DriveCheck) {
    const std::string drive = cp932::Upper(cp932::ExtractFileDrive(upperTarget));
    if (std::find(lists.DriveList.begin(), lists.DriveList.end(), drive) != lists.DriveList.end()) return false;
  }
  if (settings.FolderCheck && FolderRejects(upperTarget, fs)) return false;
  if (settings.NetworkCheck && UniversalPath(target, network).rfind("\\\\", 0) == 0) return false;
  return true;
}

}  // namespace quenlark
