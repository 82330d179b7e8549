// Stands in for the application a document type is associated with: appends
// its command line and working folder to recorder.log beside itself, then
// ends. The end-to-end scenarios register it for a test extension.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string log = self;
  log = log.substr(0, log.find_last_of('\\') + 1) + "recorder.log";
  char cwd[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, cwd);
  // The arguments alone: the command line after the program's own name.
  std::string line = GetCommandLineA();
  std::size_t start = 0;
  if (!line.empty() && line[0] == '"') {
    start = line.find('"', 1);
    start = start == std::string::npos ? line.size() : start + 1;
  } else {
    start = line.find(' ');
    if (start == std::string::npos) start = line.size();
  }
  while (start < line.size() && line[start] == ' ') ++start;
  // The arguments as the C runtime splits them, each in brackets.
  std::string argv;
  for (int i = 1; i < __argc; ++i) argv += "[" + std::string(__argv[i]) + "]";
  if (FILE* f = std::fopen(log.c_str(), "ab")) {
    std::fprintf(f, "args=%s|cwd=%s|show=%d|argv=%s\n", line.c_str() + start, cwd, show, argv.c_str());
    std::fclose(f);
  }
  return 0;
}
