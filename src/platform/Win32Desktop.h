// The desktop seam over user32 and shell32.
#pragma once

#include <windows.h>

#include "platform/Desktop.h"

namespace platform {

class Win32KeyState : public IKeyState {
 public:
  bool KeyDown(int virtualKey) override;
};

class Win32PathQuery : public IPathQuery {
 public:
  bool IsFolder(const std::string& path) override;
  bool IsExistingFile(const std::string& path) override;
  std::string ProgramPath() override;
};

// Message boxes owned by a window of the program (the active one by default).
class Win32MessageBox : public IMessageBox {
 public:
  explicit Win32MessageBox(HWND owner = nullptr) : owner_(owner) {}
  int Show(const std::string& text, const std::string& caption, unsigned flags) override;

 private:
  HWND owner_;
};

}  // namespace platform
