#include "platform/Win32Shell.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include "platform/Win32Handles.h"

namespace platform {

namespace {

constexpr CLSID kShellLinkClass = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kShellLinkA = {0x000214EE, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

}  // namespace

void Win32Shell::Execute(const ShellExecuteRequest& r) {
  ShellExecuteA(r.ownerIsController ? controller_ : nullptr, r.verb.empty() ? nullptr : r.verb.c_str(),
                r.file.c_str(), r.parameters.empty() ? nullptr : r.parameters.c_str(),
                r.directory.empty() ? nullptr : r.directory.c_str(), r.showCommand);
}

std::optional<ShortcutLaunchParts> Win32Shell::ReadShortcut(const std::string& shortcutPath) {
  // Any failure of the shell link object means "cannot open it now": the
  // caller opens nothing, and nothing is decided about the file.
  ComPtr<IShellLinkA> link;
  if (FAILED(CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, kShellLinkA,
                              link.put_void())) ||
      !link) {
    return std::nullopt;
  }
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(kPersistFile, file.put_void())) || !file) return std::nullopt;
  wchar_t wide[MAX_PATH] = {};
  if (MultiByteToWideChar(CP_ACP, 0, shortcutPath.c_str(), -1, wide, MAX_PATH) == 0) return std::nullopt;
  if (FAILED(file->Load(wide, STGM_READ))) return std::nullopt;

  char target[MAX_PATH] = {}, directory[MAX_PATH] = {}, arguments[MAX_PATH] = {};
  WIN32_FIND_DATAA find{};
  int show = SW_SHOWNORMAL;
  if (FAILED(link->GetPath(target, MAX_PATH, &find, SLGP_UNCPRIORITY))) return std::nullopt;
  if (FAILED(link->GetWorkingDirectory(directory, MAX_PATH))) return std::nullopt;
  if (FAILED(link->GetArguments(arguments, MAX_PATH))) return std::nullopt;
  if (FAILED(link->GetShowCmd(&show))) return std::nullopt;
  target[MAX_PATH - 1] = directory[MAX_PATH - 1] = arguments[MAX_PATH - 1] = '\0';
  return ShortcutLaunchParts{target, arguments, directory, show};
}

SHFILEOPSTRUCTA RecycleOperation(HWND owner, const std::string& source) {
  SHFILEOPSTRUCTA op{};
  op.hwnd = owner;
  op.wFunc = FO_DELETE;
  op.pFrom = source.c_str();
  op.pTo = nullptr;
  op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION;
  return op;
}

bool Win32Shell::RecycleFiles(const std::string& list) {
  if (list.empty()) return true;
  // The list ends in one NUL after its last path; the shell wants two.
  const std::string source = list + '\0';
  SHFILEOPSTRUCTA op = RecycleOperation(controller_, source);
  return SHFileOperationA(&op) == 0 && !op.fAnyOperationsAborted;
}

}  // namespace platform
