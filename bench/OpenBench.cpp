// The outside view of opening a tray program's menu, for bench/run open: a
// real click on the tray icon (SendInput, as a user's mouse gives it), timed
// until the popup menu window (#32768) of that program is visible, then
// Escape and the next click. Several programs' icons take turns in one run,
// so the ratio of their medians holds under the machine's load.
//
//   open_bench prepare SHELL DOCS N      writes N documents (ten file types)
//                                        into DOCS and a shortcut to each into
//                                        SHELL, the oldest first
//   open_bench wait-history FOLDER N S   waits up to S seconds until FOLDER
//                                        holds N shortcuts
//   open_bench open ROUNDS CLASS...      finds each window's tray icon, then
//                                        opens and closes each one's menu
//                                        ROUNDS times in turn; prints one line
//                                        per class: "CLASS median fastest
//                                        slowest" (ms) and every time
//
// The icons are found by trying: every window of the notification area is
// clicked once, and the process whose menu opens owns it. Two clicks on one
// icon are kept a double-click time apart, so no click pair is taken for a
// double click.
#include <windows.h>
#include <objbase.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "Clock.h"
#include "ShortcutWriter.h"
#include "platform/Win32Text.h"

namespace {

// The visible popup menu window of the process, or null.
HWND VisibleMenuOf(DWORD pid) {
  for (HWND w = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w;
       w = FindWindowExW(nullptr, w, L"#32768", nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (IsWindowVisible(w) && (pid == 0 || owner == pid)) return w;
  }
  return nullptr;
}

// Polls every millisecond until the menu's visibility is `shown`; the time
// it took in seconds, or a negative value after `patience` seconds.
double WaitMenu(DWORD pid, bool shown, double patience, HWND* menu = nullptr) {
  const double start = bench::Now();
  while (true) {
    HWND m = VisibleMenuOf(pid);
    if ((m != nullptr) == shown) {
      if (menu) *menu = m;
      return bench::Now() - start;
    }
    if (bench::Now() - start > patience) return -1;
    Sleep(1);
  }
}

void MoveTo(POINT at) {
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  move.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &move, sizeof move);
}

void LeftClick() {
  INPUT click[2]{};
  click[0].type = click[1].type = INPUT_MOUSE;
  click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, click, sizeof click[0]);
}

// Closes the menu with Escape and waits until it is gone and its program
// waits for input again.
bool CloseMenu(HWND menu, DWORD pid) {
  PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  if (WaitMenu(pid, false, 10) < 0) return false;
  if (HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid)) {
    WaitForInputIdle(process, 2000);
    CloseHandle(process);
  }
  return true;
}

// Where the pointer waits between clicks: away from the taskbar and from
// the menus, which open at the icons.
constexpr POINT kRest{40, 40};

struct Icon {
  std::wstring cls;
  DWORD pid = 0;
  POINT at{};
  double lastClick = -10;
  std::vector<double> times;  // ms
};

// Where icons of the notification area may be. Wine's taskbar paints its
// icons on its own window (no window per icon), from the right end leftwards,
// a small icon and a border of 2 pixels each side apart: the points are the
// middles of the first eight such places.
std::vector<POINT> CandidateIcons() {
  std::vector<POINT> points;
  HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
  RECT r{};
  if (!tray || !GetWindowRect(tray, &r)) return points;
  const int step = GetSystemMetrics(SM_CXSMICON) + 4;
  for (int k = 0; k < 8; ++k) points.push_back({r.right - step * k - step / 2, (r.top + r.bottom) / 2});
  return points;
}

// Waits out the double-click time since the icon's last click.
void KeepClicksApart(Icon& icon) {
  const double apart = GetDoubleClickTime() / 1000.0 + 0.15;
  while (bench::Now() - icon.lastClick < apart) Sleep(10);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

int Open(int rounds, const std::vector<std::string>& classes) {
  std::vector<Icon> icons;
  for (const std::string& c : classes) {
    Icon icon;
    icon.cls = platform::Wide(c);
    HWND w = FindWindowW(icon.cls.c_str(), nullptr);
    if (!w) {
      std::printf("no window of class %s\n", c.c_str());
      return 1;
    }
    GetWindowThreadProcessId(w, &icon.pid);
    icons.push_back(icon);
  }
  // Which icon is whose: each candidate clicked once.
  std::map<DWORD, POINT> found;
  for (POINT at : CandidateIcons()) {
    MoveTo(at);
    Sleep(100);
    LeftClick();
    HWND menu = nullptr;
    if (WaitMenu(0, true, 1.5, &menu) < 0) {
      std::printf("candidate %ld,%ld: no menu\n", at.x, at.y);
      continue;
    }
    DWORD owner = 0;
    GetWindowThreadProcessId(menu, &owner);
    std::printf("candidate %ld,%ld: the menu of process %lu\n", at.x, at.y, owner);
    found[owner] = at;
    if (!CloseMenu(menu, owner)) return 1;
    MoveTo(kRest);
    if (std::all_of(icons.begin(), icons.end(), [&](const Icon& i) { return found.count(i.pid) > 0; })) break;
  }
  for (Icon& icon : icons) {
    auto it = found.find(icon.pid);
    if (it == found.end()) {
      std::printf("no tray icon of %ls opens a menu on a click\n", icon.cls.c_str());
      return 1;
    }
    icon.at = it->second;
    icon.lastClick = bench::Now();
    std::printf("icon of %ls at %ld,%ld\n", icon.cls.c_str(), icon.at.x, icon.at.y);
  }
  // Turns: ABAB..., then BABA... every other round, so that neither always
  // follows the other. Between clicks the pointer waits away from the
  // taskbar: resting on an icon it would bring up the icon's hint, which may
  // cover the next icon and take its click. A click that opens nothing (it
  // happens now and then under Wine) is told and made again.
  int missed = 0;
  for (int round = 0; round < rounds; ++round) {
    for (std::size_t k = 0; k < icons.size(); ++k) {
      Icon& icon = icons[round % 2 ? icons.size() - 1 - k : k];
      HWND menu = nullptr;
      for (int attempt = 0; !menu; ++attempt) {
        if (attempt == 3) {
          std::printf("%ls: no menu after three clicks (round %d)\n", icon.cls.c_str(), round);
          return 1;
        }
        KeepClicksApart(icon);
        MoveTo(icon.at);
        Sleep(30);
        icon.lastClick = bench::Now();
        LeftClick();
        if (WaitMenu(icon.pid, true, 5, &menu) < 0) {
          ++missed;
          menu = nullptr;
          MoveTo(kRest);
        }
      }
      icon.times.push_back((bench::Now() - icon.lastClick) * 1000.0);
      if (!CloseMenu(menu, icon.pid)) {
        std::printf("%ls: the menu did not close\n", icon.cls.c_str());
        return 1;
      }
      MoveTo(kRest);
    }
  }
  if (missed) std::printf("clicks that opened nothing and were made again: %d\n", missed);
  for (const Icon& icon : icons) {
    const auto [fastest, slowest] = std::minmax_element(icon.times.begin(), icon.times.end());
    std::printf("%ls %.2f %.2f %.2f |", icon.cls.c_str(), Median(icon.times), *fastest, *slowest);
    for (double t : icon.times) std::printf(" %.1f", t);
    std::printf("\n");
  }
  return 0;
}

int CountShortcuts(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*.lnk").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  int n = 0;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++n;
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return n;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> a(argv + 1, argv + argc);
  if (a.empty()) return 2;
  if (a[0] == "prepare" && a.size() == 4) {
    CoInitialize(nullptr);
    const std::wstring shell = platform::Wide(a[1]), docs = platform::Wide(a[2]);
    const wchar_t* extensions[] = {L".txt", L".doc", L".xls", L".htm", L".jpg",
                                   L".pdf", L".zip", L".ini", L".bmp", L".csv"};
    const int n = std::atoi(a[3].c_str());
    for (int i = 0; i < n; ++i) {
      const std::wstring name = L"document" + std::to_wstring(i) + extensions[i % 10];
      const std::wstring target = docs + L"\\" + name;
      HANDLE h = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
      if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
      const std::wstring lnk = shell + L"\\" + name + L".lnk";
      testsupport::WriteShortcut(lnk, target);
      // Dated a minute apart, the oldest first, so the order is the same
      // in every run.
      SYSTEMTIME when{2026, 1, 0, 2, 8, 0, 0, 0};
      FILETIME local, utc;
      SystemTimeToFileTime(&when, &local);
      ULARGE_INTEGER t{{local.dwLowDateTime, local.dwHighDateTime}};
      t.QuadPart += static_cast<ULONGLONG>(i) * 60 * 10000000ULL;
      local = {t.LowPart, t.HighPart};
      LocalFileTimeToFileTime(&local, &utc);
      h = CreateFileW(lnk.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
      if (h != INVALID_HANDLE_VALUE) {
        SetFileTime(h, nullptr, nullptr, &utc);
        CloseHandle(h);
      }
    }
    CoUninitialize();
    return 0;
  }
  if (a[0] == "wait-history" && a.size() == 4) {
    const std::wstring folder = platform::Wide(a[1]);
    const int n = std::atoi(a[2].c_str());
    const double start = bench::Now();
    while (CountShortcuts(folder) < n) {
      if (bench::Now() - start > std::atof(a[3].c_str())) return 1;
      Sleep(100);
    }
    return 0;
  }
  if (a[0] == "open" && a.size() >= 3) {
    timeBeginPeriod(1);
    const int result = Open(std::atoi(a[1].c_str()), std::vector<std::string>(a.begin() + 2, a.end()));
    timeEndPeriod(1);
    return result;
  }
  return 2;
}
