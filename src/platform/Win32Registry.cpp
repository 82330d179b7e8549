#include "platform/Win32Registry.h"

#include <vector>

#include "platform/Win32Handles.h"

namespace platform {
namespace {

class Win32RegistryKey : public IRegistryKey {
 public:
  Win32RegistryKey(UniqueKey key, bool writable) : key_(std::move(key)), writable_(writable) {}

  std::optional<std::string> ReadString(const std::string& section, const std::string& name) override {
    UniqueKey sub;
    HKEY from = key_.get();
    if (!section.empty()) {
      if (RegOpenKeyExA(key_.get(), section.c_str(), 0, KEY_QUERY_VALUE, sub.put()) != ERROR_SUCCESS) {
        return std::nullopt;
      }
      from = sub.get();
    }
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(from, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    std::vector<BYTE> data;
    // The value may grow between the two calls; ask again until it fits.
    for (int attempt = 0; attempt < 4; ++attempt) {
      data.assign(size + 2, 0);
      DWORD got = size;
      LONG rc = RegQueryValueExA(from, name.c_str(), nullptr, &type, data.data(), &got);
      if (rc == ERROR_MORE_DATA) {
        size = got;
        continue;
      }
      if (rc != ERROR_SUCCESS) return std::nullopt;
      size = got;
      break;
    }
    switch (type) {
      case REG_SZ:
      case REG_EXPAND_SZ: {
        std::string text(reinterpret_cast<const char*>(data.data()), size);
        auto nul = text.find('\0');
        if (nul != std::string::npos) text.resize(nul);
        return text;
      }
      case REG_DWORD: {
        if (size < sizeof(DWORD)) return std::nullopt;
        DWORD value = 0;
        memcpy(&value, data.data(), sizeof value);
        return std::to_string(static_cast<long>(static_cast<LONG>(value)));
      }
      default:
        return std::nullopt;
    }
  }

  void WriteString(const std::string& section, const std::string& name, const std::string& value) override {
    if (!writable_) return;
    UniqueKey sub;
    HKEY to = key_.get();
    if (!section.empty()) {
      if (RegCreateKeyExA(key_.get(), section.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, sub.put(), nullptr) !=
          ERROR_SUCCESS) {
        return;
      }
      to = sub.get();
    }
    RegSetValueExA(to, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
  }

  void DeleteValue(const std::string& section, const std::string& name) override {
    if (!writable_) return;
    UniqueKey sub;
    HKEY from = key_.get();
    if (!section.empty()) {
      if (RegOpenKeyExA(key_.get(), section.c_str(), 0, KEY_SET_VALUE, sub.put()) != ERROR_SUCCESS) return;
      from = sub.get();
    }
    RegDeleteValueA(from, name.c_str());
  }

 private:
  UniqueKey key_;
  bool writable_;
};

}  // namespace

std::unique_ptr<IRegistryKey> Win32Registry::OpenKey(const std::string& path) {
  UniqueKey key;
  if (RegCreateKeyExA(root_, path.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, key.put(), nullptr) ==
      ERROR_SUCCESS) {
    return std::make_unique<Win32RegistryKey>(std::move(key), true);
  }
  // A key the user may read but not write still supplies its values.
  if (RegOpenKeyExA(root_, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS) {
    return std::make_unique<Win32RegistryKey>(std::move(key), false);
  }
  return nullptr;
}

}  // namespace platform
