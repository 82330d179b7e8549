#include "platform/Win32Shell.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include "platform/Win32Handles.h"
#include "platform/Win32ShortcutReader.h"
#include "platform/Win32Text.h"

namespace platform {

namespace {

constexpr CLSID kShellLinkClass = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kShellLinkW = {0x000214F9, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kShellLinkDataList = {0x45E2B4AE, 0xB1C3, 0x11D0, {0xB9, 0x2F, 0x00, 0xA0, 0xC9, 0x03, 0x12, 0xE1}};
constexpr IID kPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

}  // namespace

void Win32Shell::Execute(const ShellExecuteRequest& r) {
  const std::wstring verb = Wide(r.verb), file = Wide(r.file), parameters = Wide(r.parameters),
                     directory = Wide(r.directory);
  ShellExecuteW(r.ownerIsController ? controller_ : nullptr, verb.empty() ? nullptr : verb.c_str(), file.c_str(),
                parameters.empty() ? nullptr : parameters.c_str(), directory.empty() ? nullptr : directory.c_str(),
                r.showCommand);
}

ShellOutcome Win32Shell::ExecuteQuietly(const ShellExecuteRequest& r) {
  const std::wstring verb = Wide(r.verb), file = Wide(r.file), parameters = Wide(r.parameters),
                     directory = Wide(r.directory);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_FLAG_NO_UI;
  info.hwnd = r.ownerIsController ? controller_ : nullptr;
  info.lpVerb = verb.empty() ? nullptr : verb.c_str();
  info.lpFile = file.c_str();
  info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
  info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
  info.nShow = r.showCommand;
  if (ShellExecuteExW(&info)) return ShellOutcome::Opened;
  return ShellFailure(GetLastError(), reinterpret_cast<INT_PTR>(info.hInstApp));
}

namespace {

// Whether a shell reading shortcuts in the ANSI code page could miss this
// path. Under the UTF-8 code page Wine's shell misreads every path that is
// not ASCII; opening the target itself is the same on Windows.
bool OutsideAnsi(std::wstring_view path) {
  if (path.empty()) return false;
  const int length = static_cast<int>(path.size());
  if (GetACP() == CP_UTF8) {
    for (wchar_t c : path) {
      if (c >= 0x80) return true;
    }
    return false;
  }
  BOOL usedDefault = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.data(), length, nullptr, 0, nullptr, &usedDefault);
  return n <= 0 || usedDefault;
}

}  // namespace

std::optional<ShortcutLaunchParts> Win32Shell::ReadShortcut(const std::string& shortcutPath) {
  // Any failure of the shell link object means "cannot open it now": the
  // caller opens nothing, and nothing is decided about the file.
  ComPtr<IShellLinkW> link;
  if (FAILED(CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, kShellLinkW,
                              link.put_void())) ||
      !link) {
    return std::nullopt;
  }
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(kPersistFile, file.put_void())) || !file) return std::nullopt;
  const std::wstring wide = Wide(shortcutPath);
  if (wide.size() >= MAX_PATH || !SafeToLoad(shortcutPath) || FAILED(file->Load(wide.c_str(), STGM_READ)))
    return std::nullopt;

  wchar_t target[MAX_PATH] = {}, directory[MAX_PATH] = {}, arguments[MAX_PATH] = {};
  WIN32_FIND_DATAW find{};
  int show = SW_SHOWNORMAL;
  if (FAILED(link->GetPath(target, MAX_PATH, &find, SLGP_UNCPRIORITY))) return std::nullopt;
  if (FAILED(link->GetWorkingDirectory(directory, MAX_PATH))) return std::nullopt;
  if (FAILED(link->GetArguments(arguments, MAX_PATH))) return std::nullopt;
  if (FAILED(link->GetShowCmd(&show))) return std::nullopt;
  // A made-up spelling is the best there is: the shell is asked as ever.
  const std::wstring linkPath(WideUntilNul(target, MAX_PATH));
  const std::wstring exact = ExactTarget(*link.get(), linkPath).value_or(linkPath);
  const bool another = exact != linkPath && GetFileAttributesW(linkPath.c_str()) != INVALID_FILE_ATTRIBUTES;
  // The "run as administrator" flag; a shell link object without the data
  // list (or that cannot answer) runs the target as the user.
  DWORD flags = 0;
  ComPtr<IShellLinkDataList> data;
  if (FAILED(link->QueryInterface(kShellLinkDataList, data.put_void())) || !data || FAILED(data->GetFlags(&flags)))
    flags = 0;
  return ShortcutLaunchParts{ProgramText(exact),
                             ProgramText(WideUntilNul(arguments, MAX_PATH)),
                             ProgramText(WideUntilNul(directory, MAX_PATH)),
                             show,
                             OutsideAnsi(exact),
                             another,
                             (flags & SLDF_RUNAS_USER) != 0};
}

SHFILEOPSTRUCTW RecycleOperation(HWND owner, const std::wstring& source) {
  SHFILEOPSTRUCTW op{};
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
  const std::wstring source = Wide(list) + L'\0';
  SHFILEOPSTRUCTW op = RecycleOperation(controller_, source);
  return SHFileOperationW(&op) == 0 && !op.fAnyOperationsAborted;
}

}  // namespace platform
