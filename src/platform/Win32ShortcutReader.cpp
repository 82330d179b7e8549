#include "platform/Win32ShortcutReader.h"

#include <windows.h>
#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdlib>

#include "platform/Win32Handles.h"

namespace platform {

namespace {

// Our own copies of the shell link identifiers: they need no uuid library and
// work the same with every compiler.
constexpr CLSID kClsidShellLink = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIidShellLinkA = {0x000214EE, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIidPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

constexpr DWORD kReadMode = 0;          // STGM_READ
constexpr DWORD kUncPriority = 0x0002;  // SLGP_UNCPRIORITY

}  // namespace

std::string ResolveShortcut(const std::string& shortcutPath) {
  ComPtr<IUnknown> object;
  if (FAILED(CoCreateInstance(kClsidShellLink, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, kIidUnknown,
                              object.put_void())))
    return {};
  ComPtr<IShellLinkA> link;
  if (FAILED(object->QueryInterface(kIidShellLinkA, link.put_void()))) return {};
  ComPtr<IPersistFile> file;
  if (FAILED(object->QueryInterface(kIidPersistFile, file.put_void()))) {
    // Every shell link object implements IPersistFile. Without it the system
    // itself is broken; answering "no path" would let the caller delete good
    // shortcuts, so stop here instead.
    std::abort();
  }

  // The path in UTF-16, terminator included, within MAX_PATH wide characters;
  // a longer path does not fit and has no answer.
  WCHAR wide[MAX_PATH] = {};
  if (MultiByteToWideChar(CP_ACP, 0, shortcutPath.c_str(), -1, wide, MAX_PATH) == 0) return {};
  if (FAILED(file->Load(wide, kReadMode))) return {};

  // GetPath gives S_FALSE for a link without a file-system path and leaves the
  // buffer as it is, so it starts out empty.
  char path[MAX_PATH] = {};
  WIN32_FIND_DATAA findData{};
  if (FAILED(link->GetPath(path, MAX_PATH, &findData, kUncPriority))) return {};
  path[MAX_PATH - 1] = '\0';
  return path;
}

ShortcutTarget Win32ShortcutReader::Resolve(const std::string& shortcutPath) {
  ShortcutTarget target;
  target.path = ResolveShortcut(shortcutPath);
  if (!target.path.empty()) {
    target.status = ShortcutStatus::Resolved;
    return target;
  }
  // No path. Only a file we can read right now is proof that it is not a
  // shortcut with a path; any failure to open or read it (locked, denied, a
  // network error, gone) says nothing about the file, and such a shortcut must
  // be kept.
  HANDLE raw = CreateFileA(shortcutPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (raw == INVALID_HANDLE_VALUE) {
    target.status = ShortcutStatus::Unavailable;
    return target;
  }
  UniqueHandle handle(raw);
  char bytes[16];
  DWORD read = 0;
  target.status = ReadFile(handle.get(), bytes, sizeof bytes, &read, nullptr) ? ShortcutStatus::Unreadable
                                                                               : ShortcutStatus::Unavailable;
  return target;
}

}  // namespace platform
