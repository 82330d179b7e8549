#include "recent/HistoryFolder.h"

#include "base/Cp932.h"

namespace quenlark {

std::string HistoryFolderPath(const std::string& programFolder, bool multiUser, const std::string& loginName) {
  std::string folder = programFolder + "Recent";
  if (multiUser) folder += "\\" + loginName;
  return folder;
}

std::string LocateHistoryFolder(platform::IFileSystem& fs, const std::string& programFolder, bool multiUser,
                                const std::string& loginName) {
  const std::string shared = programFolder + "Recent";
  if (!fs.DirectoryExists(shared)) fs.CreateFolder(shared);
  std::string folder = HistoryFolderPath(programFolder, multiUser, loginName);
  if (multiUser && !loginName.empty() && !fs.DirectoryExists(folder)) fs.CreateFolder(folder);
  return folder;
}

void RemakeHistoryFolder(platform::IFileSystem& fs, const std::string& historyFolder, bool multiUser) {
  if (historyFolder.empty() || fs.DirectoryExists(historyFolder)) return;
  if (multiUser && !cp932::EndsWithDelimiter(historyFolder, "\\")) {
    std::string shared = cp932::ExtractFilePath(historyFolder);
    if (cp932::EndsWithDelimiter(shared, "\\")) shared.pop_back();
    if (!shared.empty() && !fs.DirectoryExists(shared)) fs.CreateFolder(shared);
  }
  fs.CreateFolder(historyFolder);
}

namespace {

// The full path, upper-cased, without trailing separators.
std::string FolderKey(platform::IFileSystem& fs, const std::string& path) {
  std::string full = fs.FullPath(path);
  while (cp932::EndsWithDelimiter(full, "\\")) full.pop_back();
  return cp932::Upper(full);
}

}  // namespace

std::string HistoryShortcutFor(const std::string& historyFolder, const std::string& upperTarget) {
  return historyFolder + "\\" + cp932::ExtractFileName(upperTarget) + ".lnk";
}

bool IsSameFolder(platform::IFileSystem& fs, const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  return FolderKey(fs, a) == FolderKey(fs, b);
}

std::string ReadShellRecentFolder(platform::IRegistry& registry) {
  auto key = registry.OpenKey("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer");
  if (!key) return {};
  return key->ReadString("Shell Folders", "Recent").value_or("");
}

}  // namespace quenlark
