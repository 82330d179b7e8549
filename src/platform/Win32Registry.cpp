#include "platform/Win32Registry.h"

#include <vector>

#include "platform/Win32Handles.h"

namespace platform {

namespace {

// Far beyond any value the program stores; a larger size is taken as missing
// rather than allocated.
constexpr DWORD kLargestValue = 64u << 20;

}  // namespace

std::optional<ValueBytes> ReadValueBytes(const ValueQuery& query) {
  DWORD type = 0, size = 0;
  if (query(&type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
  // The value may grow between two queries: offer a buffer of the size last
  // named, a few times, and give up rather than chase a value that keeps
  // growing. The two zero bytes beyond what is offered end a string stored
  // without its terminator.
  for (int attempt = 0; attempt < 8; ++attempt) {
    if (size > kLargestValue) return std::nullopt;
    std::vector<BYTE> data(static_cast<std::size_t>(size) + 2, 0);
    DWORD got = size;
    LONG rc = query(&type, data.data(), &got);
    if (rc == ERROR_MORE_DATA) {
      if (got <= size) return std::nullopt;  // no larger size named: no answer
      size = got;
      continue;
    }
    if (rc != ERROR_SUCCESS || got > size) return std::nullopt;
    data.resize(got);
    return ValueBytes{type, std::move(data)};
  }
  return std::nullopt;
}

std::optional<DWORD> ReadDword(HKEY root, const wchar_t* path, const wchar_t* name) {
  UniqueKey key;
  if (RegOpenKeyExW(root, path, 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) return std::nullopt;
  auto read = ReadValueBytes([&](DWORD* type, BYTE* data, DWORD* size) {
    return RegQueryValueExW(key.get(), name, nullptr, type, data, size);
  });
  if (!read || read->type != REG_DWORD || read->bytes.size() != sizeof(DWORD)) return std::nullopt;
  DWORD value = 0;
  memcpy(&value, read->bytes.data(), sizeof value);
  return value;
}

namespace {

class Win32RegistryKey : public IRegistryKey {
 public:
  Win32RegistryKey(UniqueKey key, bool writable) : key_(std::move(key)), writable_(writable) {}

  std::optional<std::string> ReadString(const std::string& section, const std::string& name) override {
    UniqueKey sub;
    HKEY from = key_.get();
    if (!section.empty()) {
      if (RegOpenKeyExW(key_.get(), Wide(section).c_str(), 0, KEY_QUERY_VALUE, sub.put()) != ERROR_SUCCESS) {
        return std::nullopt;
      }
      from = sub.get();
    }
    const std::wstring wideName = Wide(name);
    auto read = ReadValueBytes([&](DWORD* type, BYTE* data, DWORD* size) {
      return RegQueryValueExW(from, wideName.c_str(), nullptr, type, data, size);
    });
    if (!read) return std::nullopt;
    const DWORD type = read->type;
    const std::vector<BYTE>& data = read->bytes;
    const DWORD size = static_cast<DWORD>(data.size());
    switch (type) {
      case REG_SZ:
      case REG_EXPAND_SZ: {
        // UTF-16 as the registry keeps every string, whichever call wrote it;
        // an odd last byte is no character.
        std::wstring text(size / sizeof(wchar_t), L'\0');
        memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
        return ProgramText(WideUntilNul(text.data(), text.size()));
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
      if (RegCreateKeyExW(key_.get(), Wide(section).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, sub.put(),
                          nullptr) != ERROR_SUCCESS) {
        return;
      }
      to = sub.get();
    }
    const std::wstring text = Wide(value);
    RegSetValueExW(to, Wide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }

  void DeleteValue(const std::string& section, const std::string& name) override {
    if (!writable_) return;
    UniqueKey sub;
    HKEY from = key_.get();
    if (!section.empty()) {
      if (RegOpenKeyExW(key_.get(), Wide(section).c_str(), 0, KEY_SET_VALUE, sub.put()) != ERROR_SUCCESS) return;
      from = sub.get();
    }
    RegDeleteValueW(from, Wide(name).c_str());
  }

 private:
  UniqueKey key_;
  bool writable_;
};

}  // namespace

std::unique_ptr<IRegistryKey> Win32Registry::OpenKey(const std::string& path) {
  UniqueKey key;
  const std::wstring widePath = Wide(path);
  if (RegCreateKeyExW(root_, widePath.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, key.put(), nullptr) ==
      ERROR_SUCCESS) {
    return std::make_unique<Win32RegistryKey>(std::move(key), true);
  }
  // A key the user may read but not write still supplies its values.
  if (RegOpenKeyExW(root_, widePath.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS) {
    return std::make_unique<Win32RegistryKey>(std::move(key), false);
  }
  return nullptr;
}

}  // namespace platform
