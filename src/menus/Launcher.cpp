#include "menus/Launcher.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdlib>

#include "platform/Win32Handles.h"

namespace quenlark {

namespace {

constexpr CLSID kShellLinkClass = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kShellLinkA = {0x000214EE, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

}  // namespace

void ExecuteRequest(const ShellExecuteRequest& r, HWND controller) {
  ShellExecuteA(r.ownerIsController ? controller : nullptr, r.verb.empty() ? nullptr : r.verb.c_str(), r.file.c_str(),
                r.parameters.empty() ? nullptr : r.parameters.c_str(),
                r.directory.empty() ? nullptr : r.directory.c_str(), r.showCommand);
}

bool OpenShortcut(const std::string& shortcutPath, HWND controller) {
  platform::ComPtr<IShellLinkA> link;
  if (FAILED(CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, kShellLinkA,
                              link.put_void()))) {
    return false;
  }
  platform::ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(kPersistFile, file.put_void())) || !file) {
    // The shell's link object always offers its file interface.
    std::abort();
  }
  wchar_t wide[MAX_PATH] = {};
  if (MultiByteToWideChar(CP_ACP, 0, shortcutPath.c_str(), -1, wide, MAX_PATH) == 0) return false;
  if (FAILED(file->Load(wide, STGM_READ))) return false;

  char target[MAX_PATH] = {}, directory[MAX_PATH] = {}, arguments[MAX_PATH] = {};
  WIN32_FIND_DATAA find{};
  int show = SW_SHOWNORMAL;
  if (FAILED(link->GetPath(target, MAX_PATH, &find, SLGP_UNCPRIORITY))) return false;
  if (FAILED(link->GetWorkingDirectory(directory, MAX_PATH))) return false;
  if (FAILED(link->GetArguments(arguments, MAX_PATH))) return false;
  if (FAILED(link->GetShowCmd(&show))) return false;
  ExecuteRequest(ShortcutLaunch(shortcutPath, arguments, directory, show), controller);
  return true;
}

}  // namespace quenlark
