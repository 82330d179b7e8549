// The file system as the program's logic sees it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// A local date and time as the folder search reports a file's last write:
// local time, seconds in steps of two.
struct FileDate {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// A plain file found in a folder (no folders, hidden or system files).
struct FileEntry {
  std::string name;
  std::uint64_t size = 0;
  // The last-write time as the system stores it (UTC, 100 ns units).
  std::uint64_t lastWrite = 0;
  FileDate date;
};

class IFileSystem {
 public:
  virtual ~IFileSystem() = default;
  // True when the path exists and is a folder (its attributes can be read
  // and include the folder attribute).
  virtual bool DirectoryExists(const std::string& path) = 0;
  // Creates one folder level; false when it could not be created.
  virtual bool CreateFolder(const std::string& path) = 0;
  // The plain files of a folder in the order the search returns them
  // (pattern folder + "\*.*"); empty when the folder cannot be searched.
  virtual std::vector<FileEntry> ListFiles(const std::string& folder) = 0;
  // Copies a file, replacing the destination; the copy keeps the time stamp.
  virtual bool CopyOver(const std::string& from, const std::string& to) = 0;
  virtual bool Remove(const std::string& path) = 0;
  // The path made absolute against the current folder, with "." and ".."
  // resolved, spelled as given otherwise (case, a trailing "\" and short
  // names stay); the path itself when the system cannot make it absolute.
  virtual std::string FullPath(const std::string& path) = 0;
  virtual std::string CurrentFolder() = 0;
  virtual void SetCurrentFolder(const std::string& path) = 0;
  // The process's critical-error mode; returns the previous mode.
  virtual unsigned SetErrorMode(unsigned mode) = 0;
};

// SEM_FAILCRITICALERRORS: no system message box for a drive without media.
inline constexpr unsigned kFailCriticalErrors = 0x0001;

}  // namespace platform
