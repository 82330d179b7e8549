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

class Win32Clock : public IClock {
 public:
  std::uint64_t NowMilliseconds() override;
};

class Win32Environment : public IEnvironment {
 public:
  bool IsSet(const std::string& name) override;
};

class Win32CursorPosition : public ICursorPosition {
 public:
  quenlark::ScreenPoint CursorPos() override;
};

}  // namespace platform
