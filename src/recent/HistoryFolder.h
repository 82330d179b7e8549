// Where the history lives (a "Recent" folder beside the program, optionally
// one subfolder per login name) and where the shell keeps its own list.
#pragma once

#include <string>

#include "platform/FileSystem.h"
#include "platform/Registry.h"

namespace quenlark {

// programFolder ends with "\". With multiUser: "<program>\Recent\<login>",
// or "<program>\Recent\" when the login name is empty.
std::string HistoryFolderPath(const std::string& programFolder, bool multiUser, const std::string& loginName);

// Computes the history folder and creates what is missing, one level at a
// time; a failure to create is not reported. Returns the folder.
std::string LocateHistoryFolder(platform::IFileSystem& fs, const std::string& programFolder, bool multiUser,
                                const std::string& loginName);

// The shell's Recent folder from "Shell Folders" under the Explorer key;
// the empty text when it is not there.
std::string ReadShellRecentFolder(platform::IRegistry& registry);

}  // namespace quenlark
