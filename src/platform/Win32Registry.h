// The registry seam over the Win32 registry (advapi32, ANSI calls).
#pragma once

#include <windows.h>

#include "platform/Registry.h"

namespace platform {

// Values are read as text: REG_SZ and REG_EXPAND_SZ as stored (unexpanded, up
// to the first NUL), REG_DWORD as the decimal text of its signed 32-bit value
// (a number written by another tool keeps its meaning); any other type reads
// as missing, so the setting takes its default. Writes are always REG_SZ.
class Win32Registry : public IRegistry {
 public:
  explicit Win32Registry(HKEY root = HKEY_CURRENT_USER) : root_(root) {}
  std::unique_ptr<IRegistryKey> OpenKey(const std::string& path) override;

 private:
  HKEY root_;
};

}  // namespace platform
