// Writing shortcut files the way the shell does (IShellLinkW + IPersistFile),
// and setting file time stamps. Used by the Win32 tests and the end-to-end
// driver. COM must be initialised on the calling thread. The narrow text is
// code page 932, converted to UTF-16 with that code page whatever the
// system's ANSI code page is; the wide overloads take names that code page
// cannot spell.
#pragma once

#include <windows.h>

#include <string>

namespace testsupport {

// A shortcut at lnkPath to targetPath with the given arguments and working
// folder.
bool WriteShortcut(const std::string& lnkPath, const std::string& targetPath, const std::string& args = "",
                   const std::string& workingDir = "");
bool WriteShortcut(const std::wstring& lnkPath, const std::wstring& targetPath, const std::wstring& args = L"",
                   const std::wstring& workingDir = L"");

// A shortcut at lnkPath to a shell item that has no file-system path: the
// special folder csidl (CSIDL_DRIVES, CSIDL_CONTROLS, ...).
bool WriteShellItemShortcut(const std::string& lnkPath, int csidl);

// Sets the file's last-write time to the given local time, converted as
// FileTimeToLocalFileTime converts back (the current time-zone bias).
bool SetLastWriteTime(const std::string& path, const SYSTEMTIME& local);
bool SetLastWriteTime(const std::wstring& path, const SYSTEMTIME& local);

// Deletes a folder with everything in it (a trailing "\\" is allowed); a
// missing folder is no error.
void RemoveTree(const std::string& folder);

}  // namespace testsupport
