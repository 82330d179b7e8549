#include "platform/Win32FileSystem.h"

#include <windows.h>

#include "platform/Win32Handles.h"
#include "platform/Win32Text.h"

namespace platform {

bool Win32FileSystem::DirectoryExists(const std::string& path) {
  DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::CreateFolder(const std::string& path) {
  return CreateDirectoryW(Wide(path).c_str(), nullptr) != FALSE;
}

std::vector<FileEntry> Win32FileSystem::ListFiles(const std::string& folder) {
  std::vector<FileEntry> files;
  WIN32_FIND_DATAW data;
  UniqueFind find(FindFirstFileW((Wide(folder) + L"\\*.*").c_str(), &data));
  if (!find) return files;
  constexpr DWORD kSkipped =
      FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | 0x00000008 /* volume label */;
  do {
    if (data.dwFileAttributes & kSkipped) continue;
    FileEntry entry;
    entry.name = ProgramText(WideUntilNul(data.cFileName, MAX_PATH));
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
  } while (FindNextFileW(find.get(), &data));
  return files;
}

bool Win32FileSystem::CopyOver(const std::string& from, const std::string& to) {
  return CopyFileW(Wide(from).c_str(), Wide(to).c_str(), FALSE) != FALSE;
}

bool Win32FileSystem::Remove(const std::string& path) { return DeleteFileW(Wide(path).c_str()) != FALSE; }

std::string Win32FileSystem::FullPath(const std::string& path) {
  if (path.empty()) return path;
  const std::wstring wide = Wide(path);
  std::wstring buffer(MAX_PATH, L'\0');
  // Asked again with the size the system names when the first buffer is short.
  for (int attempt = 0; attempt < 2; ++attempt) {
    DWORD n = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    if (n == 0) return path;
    if (n < buffer.size()) {
      buffer.resize(n);
      return ProgramText(buffer);
    }
    buffer.assign(n + 1, L'\0');
  }
  return path;
}

std::string Win32FileSystem::CurrentFolder() {
  wchar_t buffer[MAX_PATH + 1] = {};
  DWORD n = GetCurrentDirectoryW(MAX_PATH, buffer);
  if (n == 0 || n >= MAX_PATH) return {};
  return ProgramText(std::wstring_view(buffer, n));
}

void Win32FileSystem::SetCurrentFolder(const std::string& path) {
  if (!path.empty()) SetCurrentDirectoryW(Wide(path).c_str());
}

unsigned Win32FileSystem::SetErrorMode(unsigned mode) { return ::SetErrorMode(mode); }

}  // namespace platform
