#include "platform/Win32FileSystem.h"

#include <windows.h>

#include "platform/Win32Handles.h"

namespace platform {

bool Win32FileSystem::DirectoryExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::CreateFolder(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != FALSE; }

std::vector<FileEntry> Win32FileSystem::ListFiles(const std::string& folder) {
  std::vector<FileEntry> files;
  WIN32_FIND_DATAA data;
  UniqueFind find(FindFirstFileA((folder + "\\*.*").c_str(), &data));
  if (!find) return files;
  constexpr DWORD kSkipped =
      FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | 0x00000008 /* volume label */;
  do {
    if (data.dwFileAttributes & kSkipped) continue;
    FileEntry entry;
    entry.name = data.cFileName;
    entry.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    entry.lastWrite =
        (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    // The date as the search reports it: local time in DOS form, two-second steps.
    FILETIME local;
    WORD dosDate = 0, dosTime = 0;
    if (FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) && FileTimeToDosDateTime(&local, &dosDate, &dosTime)) {
      entry.date = {1980 + (dosDate >> 9), (dosDate >> 5) & 0x0F, dosDate & 0x1F,
                    dosTime >> 11,         (dosTime >> 5) & 0x3F, (dosTime & 0x1F) * 2};
    }
    files.push_back(std::move(entry));
  } while (FindNextFileA(find.get(), &data));
  return files;
}

bool Win32FileSystem::CopyOver(const std::string& from, const std::string& to) {
  return CopyFileA(from.c_str(), to.c_str(), FALSE) != FALSE;
}

bool Win32FileSystem::Remove(const std::string& path) { return DeleteFileA(path.c_str()) != FALSE; }

namespace {

std::string Narrow(const std::wstring& text, DWORD flags, BOOL* usedDefault) {
  const int n = WideCharToMultiByte(CP_ACP, flags, text.c_str(), -1, nullptr, 0, nullptr, usedDefault);
  if (n <= 0) return {};
  std::string narrow(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, flags, text.c_str(), -1, narrow.data(), n, nullptr, usedDefault);
  narrow.resize(static_cast<std::size_t>(n - 1));
  return narrow;
}

}  // namespace

std::vector<std::string> Win32FileSystem::InexactNames(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW data;
  UniqueFind find(FindFirstFileW((WideFromAnsi(folder) + L"\\*.*").c_str(), &data));
  if (!find) return names;
  do {
    const std::wstring name = data.cFileName;
    BOOL usedDefault = FALSE;
    const std::string strict = Narrow(name, WC_NO_BEST_FIT_CHARS, &usedDefault);
    if (!usedDefault && WideFromAnsi(strict) == name) continue;
    // The spellings the ANSI search may give: with look-alikes, and with "?".
    names.push_back(Narrow(name, 0, nullptr));
    if (strict != names.back()) names.push_back(strict);
  } while (FindNextFileW(find.get(), &data));
  return names;
}

std::string Win32FileSystem::FullPath(const std::string& path) {
  if (path.empty()) return path;
  std::string buffer(MAX_PATH, '\0');
  // Asked again with the size the system names when the first buffer is short.
  for (int attempt = 0; attempt < 2; ++attempt) {
    DWORD n = GetFullPathNameA(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    if (n == 0) return path;
    if (n < buffer.size()) {
      buffer.resize(n);
      return buffer;
    }
    buffer.assign(n + 1, '\0');
  }
  return path;
}

std::string Win32FileSystem::CurrentFolder() {
  char buffer[MAX_PATH + 1] = {};
  DWORD n = GetCurrentDirectoryA(MAX_PATH, buffer);
  return n > 0 && n < MAX_PATH ? std::string(buffer, n) : std::string();
}

void Win32FileSystem::SetCurrentFolder(const std::string& path) {
  if (!path.empty()) SetCurrentDirectoryA(path.c_str());
}

unsigned Win32FileSystem::SetErrorMode(unsigned mode) { return ::SetErrorMode(mode); }

}  // namespace platform
