// In-memory file system, shortcut reader and network names for the tests of
// the listing, the filters and the scan. A fake shortcut's content is its
// target path; "<not a shortcut>" and "<locked>" stand for a readable file
// that is no shortcut and for a file that cannot be read at the moment. With
// strictFolders the folders must exist (be in `folders`) to be listed or
// copied into; without it every folder exists for listing and copying.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/Cp932.h"
#include "platform/FileSystem.h"
#include "platform/NetworkNames.h"
#include "platform/ShortcutReader.h"

namespace test {

struct FakeFile {
  std::string content;
  std::uint64_t lastWrite = 0;
  platform::FileDate date;
};

class FakeFileSystem : public platform::IFileSystem {
 public:
  std::map<std::string, FakeFile> files;  // full path -> file
  std::vector<std::string> folders;
  std::vector<std::string> log;            // copies and deletions, in order
  unsigned errorMode = 0;
  std::vector<unsigned> errorModes;        // every mode set
  std::string current = "C:\\WORK";
  bool failCopies = false;
  bool strictFolders = false;
  // Told of every file that Add, CopyOver or Remove changed (a change
  // notification would follow).
  std::function<void(const std::string& path)> changed;

  // Adds a file dated minutes after 2026-12-01 00:00:00 (local time).
  void Add(const std::string& path, const std::string& content, int minutes) {
    FakeFile f;
    f.content = content;
    f.lastWrite = static_cast<std::uint64_t>(minutes) * 600000000ull;
    f.date = {2026, 12, 1 + minutes / 1440, (minutes / 60) % 24, minutes % 60, 0};
    files[path] = f;
    if (changed) changed(path);
  }
  bool Has(const std::string& path) const { return files.count(path) > 0; }
  std::vector<std::string> In(const std::string& folder) const {
    std::vector<std::string> names;
    for (const auto& f : files) {
      if (f.first.rfind(folder + "\\", 0) != 0) continue;
      std::string name = f.first.substr(folder.size() + 1);
      if (cp932::LastDelimiter("\\", name) == std::string::npos) names.push_back(name);
    }
    return names;
  }

  bool DirectoryExists(const std::string& path) override {
    for (const auto& f : folders) {
      if (f == path) return true;
    }
    return false;
  }
  bool CreateFolder(const std::string& path) override {
    folders.push_back(path);
    return true;
  }
  std::vector<platform::FileEntry> ListFiles(const std::string& folder) override {
    std::vector<platform::FileEntry> entries;
    if (strictFolders && !DirectoryExists(folder)) return entries;
    for (const std::string& name : In(folder)) {
      const FakeFile& f = files.at(folder + "\\" + name);
      entries.push_back({name, f.content.size(), f.lastWrite, f.date});
    }
    return entries;
  }
  bool CopyOver(const std::string& from, const std::string& to) override {
    log.push_back("copy " + from + " -> " + to);
    if (failCopies || !files.count(from)) return false;
    // Like the system, no file name may hold a wildcard.
    const std::string name = cp932::ExtractFileName(to);
    if (name.find_first_of("?*") != std::string::npos) return false;
    if (strictFolders) {
      std::string folder = cp932::ExtractFilePath(to);
      folder.pop_back();
      if (!DirectoryExists(folder)) return false;
    }
    files[to] = files.at(from);
    if (changed) changed(to);
    return true;
  }
  // Names that stand for files whose real names the ANSI calls cannot spell.
  bool Remove(const std::string& path) override {
    log.push_back("delete " + path);
    const bool removed = files.erase(path) > 0;
    if (removed && changed) changed(path);
    return removed;
  }
  // Relative paths are taken from the current folder; nothing else changes.
  std::string FullPath(const std::string& path) override {
    bool absolute = path.rfind("\\\\", 0) == 0 || (path.size() >= 2 && path[1] == ':');
    return absolute ? path : current + "\\" + path;
  }
  std::string CurrentFolder() override { return current; }
  void SetCurrentFolder(const std::string& path) override { current = path; }
  unsigned SetErrorMode(unsigned mode) override {
    unsigned previous = errorMode;
    errorMode = mode;
    errorModes.push_back(mode);
    return previous;
  }
};

class FakeShortcutReader : public platform::IShortcutReader {
 public:
  explicit FakeShortcutReader(FakeFileSystem& fs) : fs_(fs) {}
  int calls = 0;
  platform::ShortcutTarget Resolve(const std::string& path) override {
    ++calls;
    auto it = fs_.files.find(path);
    if (it == fs_.files.end() || it->second.content == "<locked>") {
      return {platform::ShortcutStatus::Unavailable, ""};
    }
    if (it->second.content == "<not a shortcut>" || it->second.content.empty()) {
      return {platform::ShortcutStatus::Unreadable, ""};
    }
    return {platform::ShortcutStatus::Resolved, it->second.content};
  }

 private:
  FakeFileSystem& fs_;
};

class FakeNetwork : public platform::INetworkNames {
 public:
  bool nt = true;
  std::map<std::string, std::string> universal;  // path -> UNC path (NT)
  std::optional<std::vector<platform::ConnectedDisk>> disks;  // 9x
  bool IsNtFamily() override { return nt; }
  std::optional<std::string> UniversalName(const std::string& path) override {
    auto it = universal.find(path);
    if (it == universal.end()) return std::nullopt;
    return it->second;
  }
  std::optional<std::vector<platform::ConnectedDisk>> ConnectedDisks() override { return disks; }
};

}  // namespace test
