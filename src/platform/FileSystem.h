// The file system as the program's logic sees it.
#pragma once

#include <string>

namespace platform {

class IFileSystem {
 public:
  virtual ~IFileSystem() = default;
  // True when the path exists and is a folder.
  virtual bool DirectoryExists(const std::string& path) = 0;
  // Creates one folder level; false when it could not be created.
  virtual bool CreateFolder(const std::string& path) = 0;
};

}  // namespace platform
