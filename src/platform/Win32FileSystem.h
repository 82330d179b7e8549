// The file-system seam over kernel32 (wide calls; names in code page 932, a name it cannot spell left out).
#pragma once

#include "platform/FileSystem.h"

namespace platform {

class Win32FileSystem : public IFileSystem {
 public:
  bool DirectoryExists(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;
  std::vector<FileEntry> ListFiles(const std::string& folder) override;
  bool CopyOver(const std::string& from, const std::string& to) override;
  bool Remove(const std::string& path) override;
  std::string FullPath(const std::string& path) override;
  std::string CurrentFolder() override;
  void SetCurrentFolder(const std::string& path) override;
  unsigned SetErrorMode(unsigned mode) override;
};

}  // namespace platform
