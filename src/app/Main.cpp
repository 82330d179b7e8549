// Program entry: COM for the one user-interface thread, then the program.
#include <objbase.h>
#include <windows.h>

#include "app/QuenlarkUnit.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  HRESULT com = CoInitialize(nullptr);
  int code = quenlark::RunQuenlark(instance);
  if (SUCCEEDED(com)) CoUninitialize();
  return code;
}
