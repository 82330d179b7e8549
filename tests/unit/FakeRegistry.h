// An in-memory registry for the unit tests: keys -> sections -> values, with
// switches that make a key fail to open or writes be dropped.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/Registry.h"

namespace test {

class FakeRegistry : public platform::IRegistry {
 public:
  using Section = std::map<std::string, std::string>;
  using Key = std::map<std::string, Section>;

  std::map<std::string, Key> keys;
  bool failOpen = false;
  bool failWrites = false;
  int opens = 0;
  int writes = 0;

  std::unique_ptr<platform::IRegistryKey> OpenKey(const std::string& path) override {
    if (failOpen) return nullptr;
    ++opens;
    return std::make_unique<OpenedKey>(*this, keys[path]);
  }

  std::optional<std::string> Get(const std::string& key, const std::string& section, const std::string& name) const {
    auto k = keys.find(key);
    if (k == keys.end()) return std::nullopt;
    auto s = k->second.find(section);
    if (s == k->second.end()) return std::nullopt;
    auto v = s->second.find(name);
    if (v == s->second.end()) return std::nullopt;
    return v->second;
  }
  void Set(const std::string& key, const std::string& section, const std::string& name, const std::string& value) {
    keys[key][section][name] = value;
  }

 private:
  class OpenedKey : public platform::IRegistryKey {
   public:
    OpenedKey(FakeRegistry& owner, Key& key) : owner_(owner), key_(key) {}
    std::optional<std::string> ReadString(const std::string& section, const std::string& name) override {
      auto s = key_.find(section);
      if (s == key_.end()) return std::nullopt;
      auto v = s->second.find(name);
      if (v == s->second.end()) return std::nullopt;
      return v->second;
    }
    void WriteString(const std::string& section, const std::string& name, const std::string& value) override {
      if (owner_.failWrites) return;
      ++owner_.writes;
      key_[section][name] = value;
    }
    void DeleteValue(const std::string& section, const std::string& name) override {
      if (owner_.failWrites) return;
      auto s = key_.find(section);
      if (s != key_.end()) s->second.erase(name);
    }

   private:
    FakeRegistry& owner_;
    Key& key_;
  };
};

}  // namespace test
