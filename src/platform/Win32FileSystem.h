// The file-system seam over kernel32 (ANSI calls).
#pragma once

#include "platform/FileSystem.h"

namespace platform {

class Win32FileSystem : public IFileSystem {
 public:
  bool DirectoryExists(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;
};

}  // namespace platform
