#include "recent/HistoryFolder.h"

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

std::string ReadShellRecentFolder(platform::IRegistry& registry) {
  auto key = registry.OpenKey("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer");
  if (!key) return {};
  return key->ReadString("Shell Folders", "Recent").value_or("");
}

}  // namespace quenlark
