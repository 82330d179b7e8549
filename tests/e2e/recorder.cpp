// Stands in for the application a document type is associated with: appends
// its command line and working folder to recorder.log beside itself, then
// ends. The end-to-end scenarios register it for a test extension.
//
// It reads what it was given as UTF-16 (the wide command line, the C
// runtime's wide arguments) and logs it in code page 932, whatever the
// session's ANSI code page is, so a Japanese name reads the same in every one;
// and the same line in UTF-8 (Utf8Text.h) to recorder.log.utf8, where a name
// code page 932 cannot spell reads exactly.
#include <windows.h>

#include "Utf8Text.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Cp932(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int bytes = WideCharToMultiByte(932, 0, text.c_str(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(932, 0, text.c_str(), size, out.data(), bytes, nullptr, nullptr);
  return out;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int show) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring log = self;
  log = log.substr(0, log.find_last_of(L'\\') + 1) + L"recorder.log";
  wchar_t cwd[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, cwd);
  // The arguments alone: the command line after the program's own name.
  std::wstring line = GetCommandLineW();
  std::size_t start = 0;
  if (!line.empty() && line[0] == L'"') {
    start = line.find(L'"', 1);
    start = start == std::wstring::npos ? line.size() : start + 1;
  } else {
    start = line.find(L' ');
    if (start == std::wstring::npos) start = line.size();
  }
  while (start < line.size() && line[start] == L' ') ++start;
  // The arguments as the C runtime splits them, each in brackets.
  std::wstring argv;
  for (int i = 1; i < __argc; ++i) argv += L"[" + std::wstring(__wargv[i]) + L"]";
  auto write = [&](const std::wstring& name, auto convert) {
    if (FILE* f = _wfopen(name.c_str(), L"ab")) {
      std::fprintf(f, "args=%s|cwd=%s|show=%d|argv=%s\n", convert(line.substr(start)).c_str(), convert(cwd).c_str(),
                   show, convert(argv).c_str());
      std::fclose(f);
    }
  };
  write(log + L".utf8", [](const std::wstring& text) { return e2e::Utf8(text); });
  write(log, Cp932);
  return 0;
}
