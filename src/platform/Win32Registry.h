// The registry seam over the Win32 registry (advapi32, wide calls; text converted with code page 932).
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

#include "platform/Registry.h"

namespace platform {

// One query of a value, as RegQueryValueExW takes it: the type, the data
// buffer (nullptr to ask for the size only) and the size in and out.
using ValueQuery = std::function<LONG(DWORD* type, BYTE* data, DWORD* size)>;

struct ValueBytes {
  DWORD type = 0;
  std::vector<BYTE> bytes;
};

// Reads a value whose size may change between two queries (another program
// writing it): asks for the size, then for the data into a buffer of that
// size, and again with the size the system reports while it answers
// ERROR_MORE_DATA, a few times at most. The bytes never exceed what the last
// query wrote into its buffer; nullopt when the value never fitted or could
// not be read.
std::optional<ValueBytes> ReadValueBytes(const ValueQuery& query);

// The REG_DWORD value `name` of the key `path` under `root`, opened for
// reading only (a missing key is never created); nullopt when the key or the
// value is missing or the value is of another type or size.
std::optional<DWORD> ReadDword(HKEY root, const wchar_t* path, const wchar_t* name);

// Values are read as text: REG_SZ and REG_EXPAND_SZ as stored (unexpanded, up
// to the first NUL; a character code page 932 cannot spell reads as "?"), REG_DWORD as the decimal text of its signed 32-bit value
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
