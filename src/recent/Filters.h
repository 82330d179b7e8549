// What the scan may remember: the extension, drive, folder and network
// filters, asked in that order before a shell entry is copied.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/SettingsStore.h"
#include "platform/FileSystem.h"
#include "platform/NetworkNames.h"

namespace quenlark {

// Splits a comma-separated setting into items: upper-cased with the code
// page's upper-casing (as the targets they are compared with), blanks and control characters trimmed from each part, `prefix` and
// `suffix` added ("." for extensions, ":" for drives). A part that is empty
// between commas gives the bare prefix or suffix; an empty last part gives
// nothing.
std::vector<std::string> BuildFilterList(const std::string& setting, const std::string& prefix,
                                         const std::string& suffix);
inline std::vector<std::string> BuildExtList(const std::string& extName) { return BuildFilterList(extName, ".", ""); }
inline std::vector<std::string> BuildDriveList(const std::string& driveName) {
  return BuildFilterList(driveName, "", ":");
}

struct FilterLists {
  std::vector<std::string> ExtList;
  std::vector<std::string> DriveList;
  // The settings texts the lists were built from: a scan builds a list again
  // only when its text has changed since.
  std::optional<std::string> ExtListSource;
  std::optional<std::string> DriveListSource;
};

// The UNC form of a path: a path on a drive letter mapped to a share gets the
// share's network name in place of the drive; anything else stays as it is.
std::string UniversalPath(const std::string& path, platform::INetworkNames& network);

// Whether a document may be remembered. `upperTarget` is the target
// upper-cased, `target` the target as listed.
bool AcceptEntry(const std::string& upperTarget, const std::string& target, const TSettings& settings,
                 const FilterLists& lists, platform::IFileSystem& fs, platform::INetworkNames& network);

}  // namespace quenlark
