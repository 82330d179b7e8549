#include "platform/Win32Desktop.h"

#include "platform/Win32System.h"
#include "platform/Win32Text.h"

namespace platform {

namespace {

DWORD QuietAttributes(const std::string& path) {
  const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS);
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  SetErrorMode(previous);
  return attributes;
}

}  // namespace

bool Win32KeyState::KeyDown(int virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

bool Win32PathQuery::IsFolder(const std::string& path) {
  if (path.empty()) return false;
  const DWORD a = QuietAttributes(path);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32PathQuery::IsExistingFile(const std::string& path) {
  if (path.empty()) return false;
  const DWORD a = QuietAttributes(path);
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Win32PathQuery::ProgramPath() { return platform::ProgramPath(); }

int Win32MessageBox::Show(const std::string& text, const std::string& caption, unsigned flags) {
  HWND owner = owner_ ? owner_ : GetActiveWindow();
  return MessageBoxW(owner, Wide(text).c_str(), Wide(caption).c_str(), flags);
}

std::uint64_t Win32Clock::NowMilliseconds() { return GetTickCount64(); }

bool Win32Environment::IsSet(const std::string& name) { return GetEnvironmentVariableW(Wide(name).c_str(), nullptr, 0) != 0; }

quenlark::ScreenPoint Win32CursorPosition::CursorPos() {
  POINT at{};
  GetCursorPos(&at);
  return {at.x, at.y};
}

}  // namespace platform
