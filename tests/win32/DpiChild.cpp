#include "DpiChild.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/Win32Handles.h"

namespace testsupport {

namespace {

constexpr const char* kChildVariable = "QUENLARK_DPI_CHILD";
constexpr const char* kAnswerPrefix = "[dpi-child] ";
constexpr const char* kDesktopKey = "Control Panel\\Desktop";
constexpr const char* kLogPixels = "LogPixels";
constexpr DWORD kChildTimeoutMs = 60000;

// Sets the user's LogPixels for the scope and puts back what was there
// (or nothing) when it ends.
class ScopedLogPixels {
 public:
  explicit ScopedLogPixels(int dpi) {
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr,
                        key_.put(), nullptr) != ERROR_SUCCESS)
      return;
    DWORD size = 0;
    if (RegQueryValueExA(key_.get(), kLogPixels, nullptr, &type_, nullptr, &size) == ERROR_SUCCESS) {
      saved_.resize(size);
      had_ = RegQueryValueExA(key_.get(), kLogPixels, nullptr, &type_, saved_.data(), &size) == ERROR_SUCCESS;
      saved_.resize(size);
    }
    const DWORD value = static_cast<DWORD>(dpi);
    set_ = RegSetValueExA(key_.get(), kLogPixels, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof value) == ERROR_SUCCESS;
  }
  ~ScopedLogPixels() {
    if (!set_) return;
    if (had_)
      RegSetValueExA(key_.get(), kLogPixels, 0, type_, saved_.data(), static_cast<DWORD>(saved_.size()));
    else
      RegDeleteValueA(key_.get(), kLogPixels);
  }
  ScopedLogPixels(const ScopedLogPixels&) = delete;
  ScopedLogPixels& operator=(const ScopedLogPixels&) = delete;
  bool Set() const { return set_; }

 private:
  platform::UniqueKey key_;
  DWORD type_ = REG_DWORD;
  std::vector<BYTE> saved_;
  bool had_ = false;
  bool set_ = false;
};

}  // namespace

bool InDpiChild() {
  static const bool child = [] {
    char value[8] = {};
    if (GetEnvironmentVariableA(kChildVariable, value, sizeof value) == 0) return false;
    SetProcessDPIAware();
    return true;
  }();
  return child;
}

void TellParent(const char* name, long value) {
  std::printf("%s%s=%ld\n", kAnswerPrefix, name, value);
  std::fflush(stdout);
}

std::string RunAtDpi(int dpi, const char* gtestFilter) {
  ScopedLogPixels logPixels(dpi);
  if (!logPixels.Set()) return {};

  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readRaw = nullptr, writeRaw = nullptr;
  if (!CreatePipe(&readRaw, &writeRaw, &inherit, 0)) return {};
  platform::UniqueHandle readEnd(readRaw), writeEnd(writeRaw);
  SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);
  platform::UniqueHandle input(
      CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr));

  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string command = std::string("\"") + self + "\" --gtest_filter=" + gtestFilter;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input.get();
  startup.hStdOutput = writeEnd.get();
  startup.hStdError = writeEnd.get();
  PROCESS_INFORMATION child{};
  // The child copies the environment when it is created.
  SetEnvironmentVariableA(kChildVariable, "1");
  const bool started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                      &startup, &child);
  SetEnvironmentVariableA(kChildVariable, nullptr);
  if (!started) return {};
  platform::UniqueHandle process(child.hProcess), thread(child.hThread);
  writeEnd.reset();  // the pipe ends when the child's copy closes

  std::string output;
  const DWORD deadline = GetTickCount() + kChildTimeoutMs;
  for (;;) {
    DWORD available = 0;
    if (!PeekNamedPipe(readEnd.get(), nullptr, 0, nullptr, &available, nullptr)) break;  // the child has gone
    if (available > 0) {
      std::string chunk(available, '\0');
      DWORD got = 0;
      if (!ReadFile(readEnd.get(), chunk.data(), available, &got, nullptr)) break;
      output.append(chunk, 0, got);
      continue;
    }
    if (static_cast<LONG>(GetTickCount() - deadline) > 0) {
      TerminateProcess(process.get(), 1);
      break;
    }
    Sleep(20);
  }
  WaitForSingleObject(process.get(), 5000);
  return output;
}

long AnswerOf(const std::string& childOutput, const char* name, long missing) {
  const std::string wanted = std::string(kAnswerPrefix) + name + "=";
  std::size_t at = childOutput.find(wanted);
  if (at == std::string::npos) return missing;
  return std::strtol(childOutput.c_str() + at + wanted.size(), nullptr, 10);
}

}  // namespace testsupport
