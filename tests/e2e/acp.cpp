// Prints the ANSI code page of its own process (GetACP). The end-to-end
// sessions check with it that a session's code page is the one it stands
// for; built once more with the UTF-8 manifest of quenlark_utf8.exe, it shows
// what that manifest makes of a process's code page.
#include <windows.h>

#include <cstdio>

int main() {
  std::printf("%u\n", GetACP());
  return 0;
}
