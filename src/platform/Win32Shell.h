// The shell seam over shell32 and the shell link object.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include "platform/Shell.h"

namespace platform {

class Win32Shell : public IShell {
 public:
  // `controller` owns the requests that ask for the controller as owner.
  explicit Win32Shell(HWND controller = nullptr) : controller_(controller) {}
  void SetController(HWND controller) { controller_ = controller; }
  void Execute(const ShellExecuteRequest& request) override;
  // ShellExecuteExW with SEE_MASK_FLAG_NO_UI.
  ShellOutcome ExecuteQuietly(const ShellExecuteRequest& request) override;
  std::optional<ShortcutLaunchParts> ReadShortcut(const std::string& shortcutPath) override;
  bool RecycleFiles(const std::string& list) override;

 private:
  HWND controller_;
};

// The shell file operation that recycles `source` (paths each followed by a
// NUL, the whole ending in two NULs): a delete that may be undone, asking
// nothing, owned by `owner`. `source` must outlive the structure.
SHFILEOPSTRUCTW RecycleOperation(HWND owner, const std::wstring& source);

}  // namespace platform
