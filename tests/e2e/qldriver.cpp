// The end-to-end driver: a Windows program that the scenario scripts run
// inside the test prefix to look at and act on the running Quenlark through
// the same interfaces a user's system offers (registry, windows, messages).
//
// Usage: qldriver <command> [arguments...]; prints results on stdout and
// exits 0 on success, 1 on a failed expectation, 2 on bad usage.
//
// Its text is UTF-8 whatever the session's ANSI code page is, so any name
// reads exactly; the arguments are read as UTF-16 (wmain) and every call that
// takes or gives text is the wide one; the program's functions get its text.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <psapi.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ShortcutWriter.h"
#include "platform/Win32ShortcutReader.h"
#include "platform/Win32Text.h"

namespace {

// The driver's text as UTF-16; "{U+D800}" is that code unit (a lone surrogate).
std::wstring Wide(std::string_view text) {
  std::wstring w(text.size(), L'\0');
  w.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), w.data(), static_cast<int>(w.size()))));
  for (std::size_t i; (i = w.find(L"{U+")) != w.npos && w.size() - i >= 8 && w[i + 7] == L'}';)
    w.replace(i, 8, 1, static_cast<wchar_t>(std::wcstoul(w.substr(i + 3, 4).c_str(), nullptr, 16)));
  return w;
}
std::string Program(const std::string& text) { return platform::ProgramText(Wide(text)); }

// UTF-16 text as the driver's.
std::string Narrow(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, out.data(), bytes, nullptr, nullptr);
  return out;
}

// A NUL-terminated wide buffer as the driver's text.
std::string Narrow(const wchar_t* buffer) { return Narrow(std::wstring_view(buffer)); }

std::wstring ClassOf(HWND w) {
  wchar_t name[256] = {};
  GetClassNameW(w, name, 255);
  return name;
}

std::string TextOf(HWND w) {
  wchar_t text[1024] = {};
  GetWindowTextW(w, text, 1024);
  return Narrow(text);
}

int Usage() {
  std::fprintf(stderr,
               "commands:\n"
               "  reg-get KEY NAME            print a HKCU string value (exit 1 when missing)\n"
               "  reg-set KEY NAME VALUE      write a HKCU string value\n"
               "  reg-set-dword KEY NAME N    write a HKCU DWORD value\n"
               "  reg-set-binary KEY NAME HEX write a HKCU REG_BINARY value (hex digits)\n"
               "  reg-set-long KEY NAME C N   write a HKCU string of N copies of the character C\n"
               "  reg-dump KEY                print each value of a HKCU key: name, type, size, FNV-1a hash\n"
               "  reg-delete-key KEY          delete a HKCU key with everything under it\n"
               "  reg-count KEY               print the number of values of a HKCU key\n"
               "  count-windows CLASS         print how many top-level windows have the class\n"
               "  wait-window CLASS SECONDS   wait until a top-level window of the class exists\n"
               "  wait-no-window CLASS SECONDS  wait until none exists\n"
               "  end-session CLASS           send WM_QUERYENDSESSION and WM_ENDSESSION to the window\n"
               "  post CLASS MSG WPARAM LPARAM  post a message to the window\n"
               "  window-rect CLASS           print left top right bottom of the first window\n"
               "  window-text CLASS           print the title of the first window\n"
               "  texts CLASS                 print every text of the first window and its controls, one a\n"
               "                              line: titles, captions, combo box and list box items\n"
               "  window-enabled CLASS        print 1 when the first window takes input, else 0\n"
               "  control-rect CLASS ID       the same for a control of that window, on the screen\n"
               "  shortcut LNK TARGET [DATE]  write a shortcut; DATE \"YYYY-MM-DD hh:mm:ss\" local sets its time\n"
               "  resolve LNK                 print the shortcut's target as the program reads it\n"
               "  file-date PATH              print the local last-write time\n"
               "  wait-file PATH SECONDS      wait until the file exists\n"
               "  touch PATH                  create an empty file (and nothing else)\n"
               "  user-name                   print the login name\n"
               "  list PATH                   print the plain file names of a folder, sorted\n"
               "  cursor                      print the mouse position\n"
               "  visible-windows CLASS       print how many visible top-level windows have the class\n"
               "  wait-tray CLASS SECONDS     wait until the window of the class has its tray icon\n"
               "  menu-rect SECONDS           wait for a popup menu window that takes the keys; print its rectangle\n"
               "  no-menu SECONDS             wait until no popup menu window is shown\n"
               "  control-text CLASS ID [TEXT]  print (or set) the text of a control of the window\n"
               "  control-send CLASS ID MSG WPARAM LPARAM  send a message to a control, print the result\n"
               "  control-post CLASS ID MSG WPARAM LPARAM  post a message to a control\n"
               "  message-box CLASS SECONDS   wait for a message box of the window's process; print its\n"
               "                              caption and texts, one a line\n"
               "  answer-box CLASS ID         press button ID of that process's message box\n"
               "  tray-delete CLASS           remove the tray icon of the window, as a crashed taskbar loses it\n"
               "  taskbar-created             broadcast the message a new taskbar sends to every window\n"
               "  setting-change AREA         broadcast WM_SETTINGCHANGE naming AREA (e.g. ImmersiveColorSet)\n"
               "  key-time KEY                print the last-write time of a HKCU key (100 ns units)\n"
               "  menu-cycle CLASS N          open and close the tray menus N times (left and right clicks in\n"
               "                              turn, posted as the taskbar does); print how many opened\n"
               "  mem CLASS                   print the window's process: private bytes, working set, peak\n"
               "  hold-file PATH SECONDS      keep the file open with no sharing for SECONDS\n"
               "  foreground                  print the class, visibility and focus class of the foreground window\n"
               "  drop-files CLASS PATH...    drop the paths on the window, as a drag from the shell does\n"
               "(a KEY starting with HKCR\\ is under HKEY_CLASSES_ROOT, else HKEY_CURRENT_USER)\n");
  return 2;
}

struct Count {
  std::wstring cls;
  int n;
  HWND first;
};

BOOL CALLBACK CountClass(HWND w, LPARAM p) {
  auto* c = reinterpret_cast<Count*>(p);
  if (ClassOf(w) == c->cls) {
    if (!c->first) c->first = w;
    ++c->n;
  }
  return TRUE;
}

Count Windows(const std::string& cls) {
  Count c{Wide(cls), 0, nullptr};
  EnumWindows(&CountClass, reinterpret_cast<LPARAM>(&c));
  return c;
}

// Keys are under HKEY_CURRENT_USER unless the path starts with "HKCR\\".
HKEY OpenKey(const std::string& path, REGSAM access, bool create) {
  HKEY root = HKEY_CURRENT_USER;
  std::wstring sub = Wide(path);
  if (path.rfind("HKCR\\", 0) == 0) {
    root = HKEY_CLASSES_ROOT;
    sub = Wide(path.substr(5));
  }
  HKEY key = nullptr;
  LONG rc = create ? RegCreateKeyExW(root, sub.c_str(), 0, nullptr, 0, access, nullptr, &key, nullptr)
                   : RegOpenKeyExW(root, sub.c_str(), 0, access, &key);
  return rc == ERROR_SUCCESS ? key : nullptr;
}

bool ParseDate(const std::string& text, SYSTEMTIME& st) {
  st = {};
  int y, mo, d, h, mi, se;
  if (std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &se) != 6) return false;
  st.wYear = static_cast<WORD>(y);
  st.wMonth = static_cast<WORD>(mo);
  st.wDay = static_cast<WORD>(d);
  st.wHour = static_cast<WORD>(h);
  st.wMinute = static_cast<WORD>(mi);
  st.wSecond = static_cast<WORD>(se);
  return true;
}

// The first visible standard dialog (a message box) of the process that
// owns the first window of `cls`.
HWND MessageBoxOf(const std::string& cls) {
  HWND owner = Windows(cls).first;
  if (!owner) return nullptr;
  struct Search {
    DWORD pid;
    HWND found;
  } search{0, nullptr};
  GetWindowThreadProcessId(owner, &search.pid);
  EnumWindows(
      [](HWND w, LPARAM p) CALLBACK -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (ClassOf(w) == L"#32770" && pid == s->pid && IsWindowVisible(w)) {
          s->found = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool FileExists(const std::string& path) { return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

// A registry value's data: text types (NULs included) as the driver's text.
std::vector<BYTE> AnsiData(DWORD type, const std::vector<BYTE>& data, DWORD size) {
  if (type != REG_SZ && type != REG_EXPAND_SZ && type != REG_MULTI_SZ)
    return std::vector<BYTE>(data.begin(), data.begin() + size);
  const std::string text = Narrow(std::wstring_view(reinterpret_cast<const wchar_t*>(data.data()), size / 2));
  return std::vector<BYTE>(text.begin(), text.end());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  CoInitialize(nullptr);
  if (argc < 2) return Usage();
  std::string cmd = Narrow(argv[1]);
  std::vector<std::string> a;
  for (int i = 2; i < argc; ++i) a.push_back(Narrow(argv[i]));

  if (cmd == "reg-get" && a.size() == 2) {
    HKEY key = OpenKey(a[0], KEY_READ, false);
    if (!key) return 1;
    std::vector<BYTE> buffer(131072);
    DWORD size = static_cast<DWORD>(buffer.size() - 2), type = 0;
    LONG rc = RegQueryValueExW(key, Wide(a[1]).c_str(), nullptr, &type, buffer.data(), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS) return 1;
    if (type == REG_DWORD) {
      std::printf("%lu\n", *reinterpret_cast<DWORD*>(buffer.data()));
    } else {
      std::vector<BYTE> text = AnsiData(type, buffer, size);
      text.push_back(0);
      std::printf("%s\n", reinterpret_cast<const char*>(text.data()));
    }
    return 0;
  }
  if (cmd == "reg-set" && a.size() == 3) {
    HKEY key = OpenKey(a[0], KEY_WRITE, true);
    if (!key) return 1;
    const std::wstring value = Wide(a[2]);
    LONG rc = RegSetValueExW(key, Wide(a[1]).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                             static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS ? 0 : 1;
  }
  if (cmd == "reg-set-dword" && a.size() == 3) {
    HKEY key = OpenKey(a[0], KEY_WRITE, true);
    if (!key) return 1;
    DWORD value = static_cast<DWORD>(std::strtoul(a[2].c_str(), nullptr, 0));
    LONG rc = RegSetValueExW(key, Wide(a[1]).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS ? 0 : 1;
  }
  if (cmd == "reg-set-binary" && a.size() == 3) {
    HKEY key = OpenKey(a[0], KEY_WRITE, true);
    if (!key) return 1;
    std::vector<BYTE> bytes;
    for (std::size_t i = 0; i + 1 < a[2].size(); i += 2) {
      bytes.push_back(static_cast<BYTE>(std::strtoul(a[2].substr(i, 2).c_str(), nullptr, 16)));
    }
    LONG rc = RegSetValueExW(key, Wide(a[1]).c_str(), 0, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS ? 0 : 1;
  }
  if (cmd == "reg-set-long" && a.size() == 4) {
    HKEY key = OpenKey(a[0], KEY_WRITE, true);
    if (!key || a[2].empty()) return 1;
    const std::wstring text(static_cast<std::size_t>(std::atol(a[3].c_str())), Wide(a[2])[0]);
    LONG rc = RegSetValueExW(key, Wide(a[1]).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                             static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS ? 0 : 1;
  }
  if (cmd == "reg-dump" && a.size() == 1) {
    HKEY key = OpenKey(a[0], KEY_READ, false);
    if (!key) return 1;
    std::vector<std::string> lines;
    for (DWORD i = 0;; ++i) {
      wchar_t name[16384];
      DWORD nameSize = 16384, type = 0, size = 0;
      if (RegEnumValueW(key, i, name, &nameSize, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
      std::vector<BYTE> data(size + 2);
      nameSize = 16384;
      DWORD got = size;
      RegEnumValueW(key, i, name, &nameSize, nullptr, &type, data.data(), &got);
      // Sizes and hashes of the data as the driver's text.
      const std::vector<BYTE> bytes = AnsiData(type, data, got);
      unsigned long long hash = 1469598103934665603ull;
      for (BYTE b : bytes) hash = (hash ^ b) * 1099511628211ull;
      char line[40000];
      std::snprintf(line, sizeof line, "%s type=%lu size=%lu hash=%016llx", Narrow(name).c_str(), type,
                    static_cast<unsigned long>(bytes.size()), hash);
      lines.push_back(line);
    }
    RegCloseKey(key);
    std::sort(lines.begin(), lines.end());
    for (const std::string& line : lines) std::printf("%s\n", line.c_str());
    return 0;
  }
  if (cmd == "reg-delete-key" && a.size() == 1) {
    const std::wstring path = Wide(a[0]);
    LONG rc = RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
    if (rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND) RegDeleteKeyW(HKEY_CURRENT_USER, path.c_str());
    return 0;
  }
  if (cmd == "reg-count" && a.size() == 1) {
    HKEY key = OpenKey(a[0], KEY_READ, false);
    DWORD values = 0;
    if (key) {
      RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                       nullptr);
      RegCloseKey(key);
    }
    std::printf("%lu\n", values);
    return 0;
  }
  if (cmd == "count-windows" && a.size() == 1) {
    std::printf("%d\n", Windows(a[0]).n);
    return 0;
  }
  if ((cmd == "wait-window" || cmd == "wait-no-window") && a.size() == 2) {
    DWORD deadline = GetTickCount() + static_cast<DWORD>(std::atof(a[1].c_str()) * 1000);
    bool wantWindow = cmd == "wait-window";
    while (true) {
      bool present = Windows(a[0]).n > 0;
      if (present == wantWindow) return 0;
      if (static_cast<LONG>(GetTickCount() - deadline) > 0) return 1;
      Sleep(100);
    }
  }
  if (cmd == "end-session" && a.size() == 1) {
    HWND w = Windows(a[0]).first;
    if (!w) return 1;
    DWORD_PTR result = 0;
    SendMessageTimeoutW(w, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &result);
    SendMessageTimeoutW(w, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &result);
    return 0;
  }
  if (cmd == "post" && a.size() == 4) {
    HWND w = Windows(a[0]).first;
    if (!w) return 1;
    return PostMessageW(w, static_cast<UINT>(std::strtoul(a[1].c_str(), nullptr, 0)),
                        static_cast<WPARAM>(std::strtoull(a[2].c_str(), nullptr, 0)),
                        static_cast<LPARAM>(std::strtoll(a[3].c_str(), nullptr, 0)))
               ? 0
               : 1;
  }
  if (cmd == "window-rect" && a.size() == 1) {
    HWND w = Windows(a[0]).first;
    RECT r{};
    if (!w || !GetWindowRect(w, &r)) return 1;
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    return 0;
  }
  if (cmd == "window-text" && a.size() == 1) {
    HWND w = Windows(a[0]).first;
    if (!w) return 1;
    std::printf("%s\n", TextOf(w).c_str());
    return 0;
  }
  if (cmd == "texts" && a.size() == 1) {
    HWND w = Windows(a[0]).first;
    if (!w) return 1;
    auto print = [](HWND h) {
      const std::string text = TextOf(h);
      if (!text.empty()) std::printf("%s\n", text.c_str());
      // The system carries these two requests across processes.
      const std::wstring cls = ClassOf(h);
      const bool combo = cls == L"ComboBox", list = cls == L"ListBox";
      if (!combo && !list) return;
      const LRESULT n = SendMessageW(h, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
      for (LRESULT i = 0; i < n && i < 1000; ++i) {
        wchar_t item[1024] = {};
        const LRESULT len = SendMessageW(h, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0);
        if (len <= 0 || len >= 1024) continue;
        SendMessageW(h, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(item));
        std::printf("%s\n", Narrow(item).c_str());
      }
    };
    print(w);
    EnumChildWindows(
        w,
        [](HWND h, LPARAM p) CALLBACK -> BOOL {
          (*reinterpret_cast<decltype(print)*>(p))(h);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&print));
    return 0;
  }
  if (cmd == "window-enabled" && a.size() == 1) {
    HWND w = Windows(a[0]).first;
    if (!w) return 1;
    std::printf("%d\n", IsWindowEnabled(w) ? 1 : 0);
    return 0;
  }
  if (cmd == "control-rect" && a.size() == 2) {
    HWND w = Windows(a[0]).first;
    HWND c = w ? GetDlgItem(w, std::atoi(a[1].c_str())) : nullptr;
    RECT r{};
    if (!c || !GetWindowRect(c, &r)) return 1;
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    return 0;
  }
  if (cmd == "shortcut" && (a.size() == 2 || a.size() == 3)) {
    if (a.size() == 2) return testsupport::WriteShortcut(Program(a[0]), Program(a[1])) ? 0 : 1;
    // Written under another name and renamed once dated, so that a scan
    // never sees the shortcut with the time of its writing.
    SYSTEMTIME st;
    if (!ParseDate(a[2], st)) return 2;
    const std::string staging = a[0] + ".part";
    const std::string program = Program(staging);
    if (!testsupport::WriteShortcut(program, Program(a[1])) || !testsupport::SetLastWriteTime(program, st) ||
        !MoveFileExW(Wide(staging).c_str(), Wide(a[0]).c_str(), MOVEFILE_REPLACE_EXISTING)) {
      DeleteFileW(Wide(staging).c_str());
      return 1;
    }
    return 0;
  }
  if (cmd == "resolve" && a.size() == 1) {
    std::printf("%s\n", Narrow(platform::Wide(platform::ResolveShortcut(Program(a[0])))).c_str());
    return 0;
  }
  if (cmd == "file-date" && a.size() == 1) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(Wide(a[0]).c_str(), GetFileExInfoStandard, &data)) return 1;
    FILETIME local;
    SYSTEMTIME st;
    FileTimeToLocalFileTime(&data.ftLastWriteTime, &local);
    FileTimeToSystemTime(&local, &st);
    std::printf("%04d-%02d-%02d %02d:%02d:%02d\n", st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
    return 0;
  }
  if (cmd == "wait-file" && a.size() == 2) {
    DWORD deadline = GetTickCount() + static_cast<DWORD>(std::atof(a[1].c_str()) * 1000);
    while (!FileExists(a[0])) {
      if (static_cast<LONG>(GetTickCount() - deadline) > 0) return 1;
      Sleep(100);
    }
    return 0;
  }
  if (cmd == "touch" && a.size() == 1) {
    HANDLE h = CreateFileW(Wide(a[0]).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
      std::fprintf(stderr, "touch: error %lu\n", GetLastError());
      return 1;
    }
    CloseHandle(h);
    return 0;
  }
  if (cmd == "visible-windows" && a.size() == 1) {
    Count c{Wide(a[0]), 0, nullptr};
    EnumWindows(
        [](HWND w, LPARAM p) CALLBACK -> BOOL {
          auto* c = reinterpret_cast<Count*>(p);
          if (ClassOf(w) == c->cls && IsWindowVisible(w)) ++c->n;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&c));
    std::printf("%d\n", c.n);
    return 0;
  }
  if (cmd == "wait-tray" && a.size() == 2) {
    // An icon of the window exists when a modification that changes nothing
    // (no flags) is accepted for it.
    DWORD deadline = GetTickCount() + static_cast<DWORD>(std::atof(a[1].c_str()) * 1000);
    while (true) {
      if (HWND w = Windows(a[0]).first) {
        NOTIFYICONDATAW data{};
        data.cbSize = sizeof data;
        data.hWnd = w;
        data.uID = 0;
        if (Shell_NotifyIconW(NIM_MODIFY, &data)) return 0;
      }
      if (static_cast<LONG>(GetTickCount() - deadline) > 0) return 1;
      Sleep(100);
    }
  }
  if (cmd == "cursor" && a.empty()) {
    POINT p{};
    GetCursorPos(&p);
    std::printf("%ld %ld\n", p.x, p.y);
    return 0;
  }
  if ((cmd == "menu-rect" || cmd == "no-menu") && a.size() == 1) {
    DWORD deadline = GetTickCount() + static_cast<DWORD>(std::atof(a[0].c_str()) * 1000);
    while (true) {
      Count menus{L"#32768", 0, nullptr};
      EnumWindows(
          [](HWND w, LPARAM p) CALLBACK -> BOOL {
            auto* c = reinterpret_cast<Count*>(p);
            if (ClassOf(w) == c->cls && IsWindowVisible(w)) {
              if (!c->first) c->first = w;
              ++c->n;
            }
            return TRUE;
          },
          reinterpret_cast<LPARAM>(&menus));
      // A menu shown but not yet tracking would leave the keys sent next to
      // the window below it: its thread must be in menu mode.
      GUITHREADINFO thread{};
      thread.cbSize = sizeof thread;
      if (cmd == "menu-rect" && menus.first &&
          GetGUIThreadInfo(GetWindowThreadProcessId(menus.first, nullptr), &thread) &&
          (thread.flags & GUI_INMENUMODE)) {
        RECT r{};
        GetWindowRect(menus.first, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
        return 0;
      }
      if (cmd == "no-menu" && !menus.first) return 0;
      if (static_cast<LONG>(GetTickCount() - deadline) > 0) return 1;
      Sleep(100);
    }
  }
  if (cmd == "control-text" && (a.size() == 2 || a.size() == 3)) {
    HWND w = Windows(a[0]).first;
    HWND c = w ? GetDlgItem(w, std::atoi(a[1].c_str())) : nullptr;
    if (!c) return 1;
    if (a.size() == 3) return SendMessageW(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(a[2]).c_str())) ? 0 : 1;
    wchar_t text[1024] = {};
    SendMessageW(c, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    std::printf("%s\n", Narrow(text).c_str());
    return 0;
  }
  if ((cmd == "control-send" || cmd == "control-post") && a.size() == 5) {
    HWND w = Windows(a[0]).first;
    HWND c = w ? GetDlgItem(w, std::atoi(a[1].c_str())) : nullptr;
    if (!c) return 1;
    const UINT msg = static_cast<UINT>(std::strtoul(a[2].c_str(), nullptr, 0));
    const WPARAM wp = static_cast<WPARAM>(std::strtoull(a[3].c_str(), nullptr, 0));
    const LPARAM lp = static_cast<LPARAM>(std::strtoll(a[4].c_str(), nullptr, 0));
    if (cmd == "control-post") return PostMessageW(c, msg, wp, lp) ? 0 : 1;
    std::printf("%lld\n", static_cast<long long>(SendMessageW(c, msg, wp, lp)));
    return 0;
  }
  if (cmd == "message-box" && a.size() == 2) {
    DWORD deadline = GetTickCount() + static_cast<DWORD>(std::atof(a[1].c_str()) * 1000);
    HWND box = nullptr;
    while (!(box = MessageBoxOf(a[0].c_str()))) {
      if (static_cast<LONG>(GetTickCount() - deadline) > 0) return 1;
      Sleep(100);
    }
    std::printf("%s\n", TextOf(box).c_str());
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
      if (_wcsicmp(ClassOf(c).c_str(), L"Static") != 0) continue;
      const std::string text = TextOf(c);
      if (!text.empty()) std::printf("%s\n", text.c_str());
    }
    return 0;
  }
  if (cmd == "answer-box" && a.size() == 2) {
    HWND box = MessageBoxOf(a[0].c_str());
    if (!box) return 1;
    return PostMessageW(box, WM_COMMAND, MAKEWPARAM(std::atoi(a[1].c_str()), BN_CLICKED), 0) ? 0 : 1;
  }
  if (cmd == "menu-cycle" && a.size() == 2) {
    HWND w = Windows(a[0]).first;
    if (!w) return 1;
    const int count = std::atoi(a[1].c_str());
    const UINT trayMessage = WM_APP + 1;
    auto popup = [] { return FindWindowW(L"#32768", nullptr); };
    auto waitFor = [&](bool shown) {
      for (int i = 0; i < 500; ++i) {
        HWND m = popup();
        if ((m && IsWindowVisible(m)) == shown) return true;
        Sleep(10);
      }
      return false;
    };
    int opened = 0;
    for (int i = 0; i < count; ++i) {
      const bool right = i % 2 == 1;
      PostMessageW(w, trayMessage, 0, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN);
      PostMessageW(w, trayMessage, 0, right ? WM_RBUTTONUP : WM_LBUTTONUP);
      if (!waitFor(true)) continue;
      ++opened;
      PostMessageW(popup(), WM_KEYDOWN, VK_ESCAPE, 0);
      if (!waitFor(false)) break;
    }
    std::printf("%d\n", opened);
    return opened == count ? 0 : 1;
  }
  if (cmd == "mem" && a.size() == 1) {
    HWND w = Windows(a[0]).first;
    if (!w) return 1;
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process) return 1;
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    const BOOL got = GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    CloseHandle(process);
    if (!got) return 1;
    // Wine leaves PrivateUsage at 0 for another process; its commit charge
    // (PagefileUsage) is the same figure on Windows.
    const SIZE_T privateBytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    std::printf("%llu %llu %llu\n", static_cast<unsigned long long>(privateBytes),
                static_cast<unsigned long long>(counters.WorkingSetSize),
                static_cast<unsigned long long>(counters.PeakWorkingSetSize));
    return 0;
  }
  if (cmd == "tray-delete" && a.size() == 1) {
    HWND w = Windows(a[0]).first;
    if (!w) return 1;
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = w;
    data.uID = 0;
    return Shell_NotifyIconW(NIM_DELETE, &data) ? 0 : 1;
  }
  if (cmd == "taskbar-created" && a.empty()) {
    const UINT msg = RegisterWindowMessageW(L"TaskbarCreated");
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(HWND_BROADCAST, msg, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) ? 0 : 1;
  }
  if (cmd == "setting-change" && a.size() == 1) {
    const std::wstring area = Wide(a[0]);
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(area.c_str()),
                               SMTO_ABORTIFHUNG, 5000, &result) ? 0 : 1;
  }
  if (cmd == "key-time" && a.size() == 1) {
    HKEY key = OpenKey(a[0], KEY_READ, false);
    if (!key) return 1;
    FILETIME written{};
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     &written);
    RegCloseKey(key);
    std::printf("%llu\n", (static_cast<unsigned long long>(written.dwHighDateTime) << 32) | written.dwLowDateTime);
    return 0;
  }
  if (cmd == "hold-file" && a.size() == 2) {
    HANDLE h = CreateFileW(Wide(a[0]).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return 1;
    std::printf("held\n");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(std::atof(a[1].c_str()) * 1000));
    CloseHandle(h);
    return 0;
  }
  if (cmd == "foreground" && a.empty()) {
    HWND w = GetForegroundWindow();
    const std::string name = w ? Narrow(ClassOf(w)) : "(none)";
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    std::string focus = "(none)";
    if (GetGUIThreadInfo(0, &info) && info.hwndFocus) focus = Narrow(ClassOf(info.hwndFocus));
    std::printf("%s %s %s\n", name.c_str(), w && IsWindowVisible(w) ? "visible" : "hidden", focus.c_str());
    return 0;
  }
  if (cmd == "drop-files" && a.size() >= 2) {
    // The drop's block (a DROPFILES header, then each path as wide text
    // ended by a NUL, and one more NUL) is written into the window's own
    // process, where the window reads it through the handle it is given.
    HWND w = Windows(a[0]).first;
    if (!w) return 1;
    std::wstring paths;
    for (std::size_t i = 1; i < a.size(); ++i) {
      paths += Wide(a[i]);
      paths += L'\0';
    }
    paths += L'\0';
    std::vector<char> block(sizeof(DROPFILES) + paths.size() * sizeof(wchar_t));
    auto* header = reinterpret_cast<DROPFILES*>(block.data());
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    std::memcpy(block.data() + sizeof(DROPFILES), paths.data(), paths.size() * sizeof(wchar_t));
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return 1;
    void* remote = VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    int rc = 1;
    if (remote && WriteProcessMemory(process, remote, block.data(), block.size(), nullptr)) {
      DWORD_PTR result = 0;
      rc = SendMessageTimeoutW(w, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0, SMTO_NORMAL, 10000, &result) ? 0 : 1;
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return rc;
  }
  if (cmd == "user-name" && a.empty()) {
    wchar_t name[256] = {};
    DWORD size = 255;
    if (!GetUserNameW(name, &size)) return 1;
    std::printf("%s\n", Narrow(name).c_str());
    return 0;
  }
  if (cmd == "list" && a.size() == 1) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(Wide(a[0] + "\\*.*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(Narrow(data.cFileName));
      } while (FindNextFileW(find, &data));
      FindClose(find);
    }
    std::sort(names.begin(), names.end());
    for (const auto& n : names) std::printf("%s\n", n.c_str());
    return 0;
  }
  return Usage();
}
