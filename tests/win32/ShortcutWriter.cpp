#include "ShortcutWriter.h"

#include <shellapi.h>

#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "platform/Win32Text.h"

namespace testsupport {

namespace {

constexpr CLSID kClsidShellLink = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIidShellLinkW = {0x000214F9, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIidPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Releases the interface it holds.
template <class T>
struct Releasing {
  T* p = nullptr;
  ~Releasing() {
    if (p) p->Release();
  }
  void** out() { return reinterpret_cast<void**>(&p); }
};

// A new link object, filled by fill(link), saved to lnkPath.
template <class Fill>
bool SaveLink(const std::wstring& lnkPath, Fill fill) {
  Releasing<IShellLinkW> link;
  if (FAILED(CoCreateInstance(kClsidShellLink, nullptr, CLSCTX_INPROC_SERVER, kIidShellLinkW, link.out())))
    return false;
  if (!fill(link.p)) return false;
  Releasing<IPersistFile> file;
  if (FAILED(link.p->QueryInterface(kIidPersistFile, file.out()))) return false;
  return SUCCEEDED(file.p->Save(lnkPath.c_str(), TRUE));
}

}  // namespace

bool WriteShortcut(const std::string& lnkPath, const std::string& targetPath, const std::string& args,
                   const std::string& workingDir) {
  return WriteShortcut(platform::Wide(lnkPath), platform::Wide(targetPath), platform::Wide(args),
                       platform::Wide(workingDir));
}

bool WriteShortcut(const std::wstring& lnkPath, const std::wstring& targetPath, const std::wstring& args,
                   const std::wstring& workingDir) {
  return SaveLink(lnkPath, [&](IShellLinkW* link) {
    if (FAILED(link->SetPath(targetPath.c_str()))) return false;
    if (!args.empty() && FAILED(link->SetArguments(args.c_str()))) return false;
    if (!workingDir.empty() && FAILED(link->SetWorkingDirectory(workingDir.c_str()))) return false;
    return true;
  });
}

bool WriteShellItemShortcut(const std::string& lnkPath, int csidl) {
  return SaveLink(platform::Wide(lnkPath), [&](IShellLinkW* link) {
    LPITEMIDLIST item = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &item)) || !item) return false;
    bool ok = SUCCEEDED(link->SetIDList(item));
    CoTaskMemFree(item);
    return ok;
  });
}

bool SetLastWriteTime(const std::string& path, const SYSTEMTIME& local) {
  return SetLastWriteTime(platform::Wide(path), local);
}

bool SetLastWriteTime(const std::wstring& path, const SYSTEMTIME& local) {
  FILETIME localTime, utc;
  if (!SystemTimeToFileTime(&local, &localTime) || !LocalFileTimeToFileTime(&localTime, &utc)) return false;
  HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = SetFileTime(file, nullptr, nullptr, &utc) != FALSE;
  CloseHandle(file);
  return ok;
}

void RemoveTree(const std::string& folder) {
  std::wstring from = platform::Wide(folder);
  if (!from.empty() && from.back() == L'\\') from.pop_back();
  from.push_back(L'\0');  // the list of paths ends with a second NUL
  SHFILEOPSTRUCTW op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  SHFileOperationW(&op);
}

}  // namespace testsupport
