#include "platform/Win32ShortcutReader.h"

#include <windows.h>
#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstring>
#include <vector>

#include "platform/TargetChoice.h"
#include "platform/Win32Handles.h"
#include "platform/Win32Text.h"

namespace platform {

namespace {

// Our own copies of the shell link identifiers: they need no uuid library and
// work the same with every compiler.
constexpr CLSID kClsidShellLink = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIidShellLinkW = {0x000214F9, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIidPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

constexpr DWORD kReadMode = 0;          // STGM_READ
constexpr DWORD kUncPriority = 0x0002;  // SLGP_UNCPRIORITY

// A shell link file starts with a 76-byte header: its size (0x4C, 4 bytes
// little-endian), then the shell link class identifier in its stored form.
constexpr DWORD kHeaderSize = 0x4C;
constexpr unsigned char kHeaderStart[20] = {0x4C, 0x00, 0x00, 0x00, 0x01, 0x14, 0x02, 0x00, 0x00, 0x00,
                                            0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

// What the shell link object made of a file.
enum class LinkResult {
  Path,        // loaded, with a file-system path
  NoPath,      // loaded, but it points to no file-system path
  NotLoaded,   // the object could not load the file
  ObjectFailed, // the object itself failed (COM not initialised, class missing, ...)
  MadeUp,       // loaded, with a spelling the object made up that names no file
  NotLoadable   // a shell link whose item list is cut short: never loaded
};

LinkResult ReadThroughShellLink(const std::string& shortcutPath, std::string& path) {
  path.clear();
  ComPtr<IUnknown> object;
  if (FAILED(CoCreateInstance(kClsidShellLink, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, kIidUnknown,
                              object.put_void())))
    return LinkResult::ObjectFailed;
  ComPtr<IShellLinkW> link;
  if (FAILED(object->QueryInterface(kIidShellLinkW, link.put_void()))) return LinkResult::ObjectFailed;
  // Every shell link object implements IPersistFile; one that does not is a
  // broken system, which is no reason to doubt the file.
  ComPtr<IPersistFile> file;
  if (FAILED(object->QueryInterface(kIidPersistFile, file.put_void()))) return LinkResult::ObjectFailed;

  // The path in UTF-16, terminator included, within MAX_PATH wide characters;
  // a longer path does not fit and cannot be loaded.
  const std::wstring wide = Wide(shortcutPath);
  if (wide.empty() || wide.size() >= MAX_PATH) return LinkResult::NotLoaded;
  if (!SafeToLoad(shortcutPath)) return LinkResult::NotLoadable;
  if (FAILED(file->Load(wide.c_str(), kReadMode))) return LinkResult::NotLoaded;

  // GetPath gives S_FALSE for a link without a file-system path and leaves the
  // buffer as it is, so it starts out empty.
  wchar_t buffer[MAX_PATH] = {};
  WIN32_FIND_DATAW findData{};
  if (FAILED(link->GetPath(buffer, MAX_PATH, &findData, kUncPriority))) return LinkResult::ObjectFailed;
  const std::wstring linkPath(WideUntilNul(buffer, MAX_PATH));
  if (linkPath.empty()) return LinkResult::NoPath;
  // A spelling the object made up that names no file: nothing is decided
  // about the shortcut, which stays where it is.
  const std::optional<std::wstring> target = ExactTarget(*link.get(), linkPath);
  if (!target) return LinkResult::MadeUp;
  path = ProgramText(*target);
  return LinkResult::Path;
}

enum class Header { ShellLink, NotShellLink, CutItemList, CannotRead };

constexpr DWORD kHasItemList = 0x1;  // the header's first link flag

// Reads up to `size` bytes at the file's current position; false when the
// read fails. Fewer bytes than asked mean the file ends there.
bool ReadUpTo(HANDLE file, unsigned char* bytes, DWORD size, DWORD& total) {
  total = 0;
  while (total < size) {
    DWORD read = 0;
    if (!ReadFile(file, bytes + total, size - total, &read, nullptr)) return false;
    if (read == 0) break;  // the end of the file
    total += read;
  }
  return true;
}

// Whether an item list of `size` bytes chains its items within those bytes
// to its two-byte terminator: each item starts with its own size, which
// counts those two bytes.
bool ItemListWhole(const unsigned char* list, std::size_t size) {
  if (size == 0) return true;  // no list at all
  std::size_t offset = 0;
  while (offset + 2 <= size) {
    const std::size_t item = list[offset] | (list[offset + 1] << 8);
    if (item == 0) return true;
    if (item < 2) return false;
    offset += item;
  }
  return false;
}

// Reads the file's first bytes: the header and, when the header says there
// is one, the item list. A file that opens and reads but is shorter than the
// header or starts otherwise is no shell link; one whose item list is cut
// short or runs past its own size is not given to the shell link object
// (Wine's object walks such a list through memory it never read into and can
// bring the process down). Any failure to open or read the file (locked,
// denied, a network error, gone) says nothing.
Header ReadHeader(const std::string& shortcutPath) {
  HANDLE raw = CreateFileW(Wide(shortcutPath).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (raw == INVALID_HANDLE_VALUE) return Header::CannotRead;
  UniqueHandle handle(raw);
  unsigned char bytes[kHeaderSize + 2] = {};
  DWORD total = 0;
  if (!ReadUpTo(handle.get(), bytes, sizeof bytes, total)) return Header::CannotRead;
  if (total < kHeaderSize || std::memcmp(bytes, kHeaderStart, sizeof kHeaderStart) != 0) return Header::NotShellLink;
  if ((bytes[0x14] & kHasItemList) == 0) return Header::ShellLink;
  if (total < sizeof bytes) return Header::CutItemList;
  const DWORD size = bytes[kHeaderSize] | (bytes[kHeaderSize + 1] << 8);
  std::vector<unsigned char> list(size);
  if (!ReadUpTo(handle.get(), list.data(), size, total)) return Header::CannotRead;
  return total == size && ItemListWhole(list.data(), size) ? Header::ShellLink : Header::CutItemList;
}

// `path` as a program with this ANSI code page gets it back through that
// code page: characters it lacks best-fitted or as "?".
std::wstring ThroughAnsiCodePage(std::wstring_view path) {
  const int size = static_cast<int>(path.size());
  const int bytes = WideCharToMultiByte(CP_ACP, 0, path.data(), size, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string ansi(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, path.data(), size, ansi.data(), bytes, nullptr, nullptr);
  const int units = MultiByteToWideChar(CP_ACP, 0, ansi.data(), bytes, nullptr, 0);
  if (units <= 0) return {};
  std::wstring back(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), bytes, back.data(), units);
  return back;
}

}  // namespace

std::optional<std::wstring> ExactTarget(IShellLinkW& link, const std::wstring& linkPath) {
  std::wstring listed;
  PIDLIST_ABSOLUTE item = nullptr;
  if (SUCCEEDED(link.GetIDList(&item)) && item) {
    wchar_t exact[MAX_PATH] = {};
    if (SHGetPathFromIDListW(item, exact)) listed = WideUntilNul(exact, MAX_PATH);
  }
  CoTaskMemFree(item);
  const TargetFacts facts{
      ProgramText(linkPath), ProgramText(listed),
      [](const std::string& path) { return ProgramText(ThroughAnsiCodePage(Wide(path))); },
      [](const std::string& path) { return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }};
  switch (ChooseTarget(facts)) {
    case TargetVerdict::LinkPath:
      return linkPath;
    case TargetVerdict::ListedPath:
      return listed;
    case TargetVerdict::MadeUp:
      break;
  }
  return std::nullopt;
}

bool SafeToLoad(const std::string& shortcutPath) { return ReadHeader(shortcutPath) != Header::CutItemList; }

std::string ResolveShortcut(const std::string& shortcutPath) {
  std::string path;
  ReadThroughShellLink(shortcutPath, path);
  return path;
}

ShortcutTarget Win32ShortcutReader::Resolve(const std::string& shortcutPath) {
  ShortcutTarget target;
  switch (ReadThroughShellLink(shortcutPath, target.path)) {
    case LinkResult::Path:
      target.status = ShortcutStatus::Resolved;
      return target;
    case LinkResult::NoPath:
      target.status = ShortcutStatus::Unreadable;
      return target;
    case LinkResult::MadeUp:
    case LinkResult::NotLoadable:
      target.path.clear();
      target.status = ShortcutStatus::Unavailable;
      return target;
    case LinkResult::NotLoaded:
    case LinkResult::ObjectFailed:
      break;
  }
  // No answer from the object. Only the file's own header can prove that it
  // is no shortcut; a header that claims a shell link the object did not load
  // (a file being written, an item list cut short, a failing object) leaves
  // the shortcut unknown, and an unknown shortcut is kept.
  target.path.clear();
  target.status =
      ReadHeader(shortcutPath) == Header::NotShellLink ? ShortcutStatus::Unreadable : ShortcutStatus::Unavailable;
  return target;
}

}  // namespace platform
