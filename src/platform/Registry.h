// The registry as the program's logic sees it: keys under HKEY_CURRENT_USER
// holding named text values, grouped in sections (subkeys of the key).
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace platform {

// One opened key. A section is a subkey name; the empty section is the key itself.
class IRegistryKey {
 public:
  virtual ~IRegistryKey() = default;
  // The value as text, or nullopt when the section or value is missing or
  // cannot be read as text.
  virtual std::optional<std::string> ReadString(const std::string& section, const std::string& name) = 0;
  // Writes a string value, creating the section. Failures are silent.
  virtual void WriteString(const std::string& section, const std::string& name, const std::string& value) = 0;
  // Deletes a value; a missing value or section is no error.
  virtual void DeleteValue(const std::string& section, const std::string& name) = 0;
};

class IRegistry {
 public:
  virtual ~IRegistry() = default;
  // Opens (creating when missing) a key under HKEY_CURRENT_USER; nullptr when
  // it can be neither opened nor created.
  virtual std::unique_ptr<IRegistryKey> OpenKey(const std::string& path) = 0;
};

}  // namespace platform
