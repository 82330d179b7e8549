// Small pieces of the desktop the program's decisions look at: the keyboard,
// files as the menus see them, message boxes, the clock, the environment and the cursor. The
// Win32 implementations only translate; the logic above them is tested with
// fakes.
#pragma once

#include <cstdint>
#include <string>

#include "base/Geometry.h"

namespace platform {

inline constexpr int kVkShift = 0x10;
inline constexpr int kVkControl = 0x11;

class IKeyState {
 public:
  virtual ~IKeyState() = default;
  // True while the key (a virtual-key code) is down at this moment.
  virtual bool KeyDown(int virtualKey) = 0;
};

class IPathQuery {
 public:
  virtual ~IPathQuery() = default;
  // An existing folder; drives without media answer false, without a box.
  virtual bool IsFolder(const std::string& path) = 0;
  // An existing file that is not a folder; the empty path is none.
  virtual bool IsExistingFile(const std::string& path) = 0;
  // The running program's full path ("" when it cannot be told).
  virtual std::string ProgramPath() = 0;
};

// Message box flags and answers, as MessageBoxW takes and gives them.
inline constexpr unsigned kMbOk = 0x0;
inline constexpr unsigned kMbOkCancel = 0x1;
inline constexpr unsigned kMbYesNo = 0x4;
inline constexpr unsigned kMbIconError = 0x10;
inline constexpr unsigned kMbIconQuestion = 0x20;
inline constexpr unsigned kMbIconExclamation = 0x30;
inline constexpr unsigned kMbDefButton2 = 0x100;
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

class IMessageBox {
 public:
  virtual ~IMessageBox() = default;
  // Shows the message modally and returns the button the user chose.
  virtual int Show(const std::string& text, const std::string& caption, unsigned flags) = 0;
};

// A monotonic clock in milliseconds.
class IClock {
 public:
  virtual ~IClock() = default;
  virtual std::uint64_t NowMilliseconds() = 0;
};

// The process's environment.
class IEnvironment {
 public:
  virtual ~IEnvironment() = default;
  // True when the variable is set, whatever its text.
  virtual bool IsSet(const std::string& name) = 0;
};

// Where the mouse pointer is on the screen now.
class ICursorPosition {
 public:
  virtual ~ICursorPosition() = default;
  virtual quenlark::ScreenPoint CursorPos() = 0;
};

}  // namespace platform
