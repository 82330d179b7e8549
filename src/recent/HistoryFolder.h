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

// Makes the history folder again when it is missing (deleted while the
// program runs): with the per-user subfolder (multiUser and a folder that does
// not end in "\"), the shared "Recent" folder above it first when that is
// missing too. Failures are not reported; the next call tries again.
void RemakeHistoryFolder(platform::IFileSystem& fs, const std::string& historyFolder, bool multiUser);

// The history file that a shell entry with this (upper-cased) target is
// copied to: the target's file name plus ".lnk".
std::string HistoryShortcutFor(const std::string& historyFolder, const std::string& upperTarget);

// Whether two paths name the same folder: their full paths, without trailing
// "\", compare equal after the code page's upper-casing. An empty path is no
// folder.
bool IsSameFolder(platform::IFileSystem& fs, const std::string& a, const std::string& b);

// The shell's Recent folder from "Shell Folders" under the Explorer key;
// the empty text when it is not there.
std::string ReadShellRecentFolder(platform::IRegistry& registry);

}  // namespace quenlark
