// Stands in for the application a document type is associated with: appends
// its command line and working folder to recorder.log beside itself, then
// ends. The end-to-end scenarios register it for a test extension.
//
// It reads what it was given as UTF-16 (the wide command line, the C
// runtime's wide arguments) and logs it in UTF-8, whatever the session's ANSI
// code page is, so that any name reads the same in every one.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), size, out.data(), bytes, nullptr, nullptr);
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
  if (FILE* f = _wfopen(log.c_str(), L"ab")) {
    std::fprintf(f, "args=%s|cwd=%s|show=%d|argv=%s\n", Utf8(line.substr(start)).c_str(), Utf8(cwd).c_str(), show,
                 Utf8(argv).c_str());
    std::fclose(f);
  }
  return 0;
}
