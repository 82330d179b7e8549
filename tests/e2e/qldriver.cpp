// The end-to-end driver: a Windows program that the scenario scripts run
// inside the test prefix to look at and act on the running Quenlark through
// the same interfaces a user's system offers (registry, windows, messages).
//
// Usage: qldriver <command> [arguments...]; prints results on stdout and
// exits 0 on success, 1 on a failed expectation, 2 on bad usage.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

int Usage() {
  std::fprintf(stderr,
               "commands:\n"
               "  reg-get KEY NAME            print a HKCU string value (exit 1 when missing)\n"
               "  reg-set KEY NAME VALUE      write a HKCU string value\n"
               "  reg-set-dword KEY NAME N    write a HKCU DWORD value\n"
               "  reg-delete-key KEY          delete a HKCU key with everything under it\n"
               "  reg-count KEY               print the number of values of a HKCU key\n"
               "  count-windows CLASS         print how many top-level windows have the class\n"
               "  wait-window CLASS SECONDS   wait until a top-level window of the class exists\n"
               "  wait-no-window CLASS SECONDS  wait until none exists\n"
               "  end-session CLASS           send WM_QUERYENDSESSION and WM_ENDSESSION to the window\n"
               "  post CLASS MSG WPARAM LPARAM  post a message to the window\n"
               "  window-rect CLASS           print left top right bottom of the first window\n");
  return 2;
}

struct Count {
  const char* cls;
  int n;
  HWND first;
};

BOOL CALLBACK CountClass(HWND w, LPARAM p) {
  auto* c = reinterpret_cast<Count*>(p);
  char name[256] = {};
  GetClassNameA(w, name, 255);
  if (std::string(name) == c->cls) {
    if (!c->first) c->first = w;
    ++c->n;
  }
  return TRUE;
}

Count Windows(const char* cls) {
  Count c{cls, 0, nullptr};
  EnumWindows(&CountClass, reinterpret_cast<LPARAM>(&c));
  return c;
}

HKEY OpenKey(const char* path, REGSAM access, bool create) {
  HKEY key = nullptr;
  LONG rc = create ? RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, access, nullptr, &key, nullptr)
                   : RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, access, &key);
  return rc == ERROR_SUCCESS ? key : nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  std::string cmd = argv[1];
  std::vector<std::string> a(argv + 2, argv + argc);

  if (cmd == "reg-get" && a.size() == 2) {
    HKEY key = OpenKey(a[0].c_str(), KEY_READ, false);
    if (!key) return 1;
    char buffer[65536] = {};
    DWORD size = sizeof buffer - 1, type = 0;
    LONG rc = RegQueryValueExA(key, a[1].c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS) return 1;
    if (type == REG_DWORD) {
      std::printf("%lu\n", *reinterpret_cast<DWORD*>(buffer));
    } else {
      std::printf("%s\n", buffer);
    }
    return 0;
  }
  if (cmd == "reg-set" && a.size() == 3) {
    HKEY key = OpenKey(a[0].c_str(), KEY_WRITE, true);
    if (!key) return 1;
    LONG rc = RegSetValueExA(key, a[1].c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(a[2].c_str()),
                             static_cast<DWORD>(a[2].size() + 1));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS ? 0 : 1;
  }
  if (cmd == "reg-set-dword" && a.size() == 3) {
    HKEY key = OpenKey(a[0].c_str(), KEY_WRITE, true);
    if (!key) return 1;
    DWORD value = static_cast<DWORD>(std::strtoul(a[2].c_str(), nullptr, 0));
    LONG rc = RegSetValueExA(key, a[1].c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS ? 0 : 1;
  }
  if (cmd == "reg-delete-key" && a.size() == 1) {
    LONG rc = RegDeleteTreeA(HKEY_CURRENT_USER, a[0].c_str());
    if (rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND) RegDeleteKeyA(HKEY_CURRENT_USER, a[0].c_str());
    return 0;
  }
  if (cmd == "reg-count" && a.size() == 1) {
    HKEY key = OpenKey(a[0].c_str(), KEY_READ, false);
    DWORD values = 0;
    if (key) {
      RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                       nullptr);
      RegCloseKey(key);
    }
    std::printf("%lu\n", values);
    return 0;
  }
  if (cmd == "count-windows" && a.size() == 1) {
    std::printf("%d\n", Windows(a[0].c_str()).n);
    return 0;
  }
  if ((cmd == "wait-window" || cmd == "wait-no-window") && a.size() == 2) {
    DWORD deadline = GetTickCount() + static_cast<DWORD>(std::atof(a[1].c_str()) * 1000);
    bool wantWindow = cmd == "wait-window";
    while (true) {
      bool present = Windows(a[0].c_str()).n > 0;
      if (present == wantWindow) return 0;
      if (static_cast<LONG>(GetTickCount() - deadline) > 0) return 1;
      Sleep(100);
    }
  }
  if (cmd == "end-session" && a.size() == 1) {
    HWND w = Windows(a[0].c_str()).first;
    if (!w) return 1;
    DWORD_PTR result = 0;
    SendMessageTimeoutA(w, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &result);
    SendMessageTimeoutA(w, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &result);
    return 0;
  }
  if (cmd == "post" && a.size() == 4) {
    HWND w = Windows(a[0].c_str()).first;
    if (!w) return 1;
    return PostMessageA(w, static_cast<UINT>(std::strtoul(a[1].c_str(), nullptr, 0)),
                        static_cast<WPARAM>(std::strtoull(a[2].c_str(), nullptr, 0)),
                        static_cast<LPARAM>(std::strtoll(a[3].c_str(), nullptr, 0)))
               ? 0
               : 1;
  }
  if (cmd == "window-rect" && a.size() == 1) {
    HWND w = Windows(a[0].c_str()).first;
    RECT r{};
    if (!w || !GetWindowRect(w, &r)) return 1;
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    return 0;
  }
  return Usage();
}
