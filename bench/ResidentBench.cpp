// The outside view of a resident program for bench/resident: starts it,
// times its tray icon, feeds its shell folder, opens its menu and reads its
// memory, all from another process as a user's tools would. One step a call;
// the script runs the same steps for quenlark.exe and the minimal tray
// program and puts the figures side by side.
//
//   resident_bench launch EXE CLASS [ARG]   start EXE (working folder: its own)
//                                           and wait for the tray icon of the
//                                           window of CLASS; prints
//                                           "icon_ms windows_pid"
//   resident_bench mem CLASS                prints "private working" (bytes) and
//                                           the committed regions by kind
//   resident_bench capture CLASS SHELL DOCS HISTORY N
//                                           writes N shortcuts to documents into
//                                           SHELL and waits until HISTORY holds
//                                           N shortcuts; prints "seconds
//                                           max_private max_working"
//   resident_bench open CLASS N             opens and closes the menu of a left
//                                           click N times (posted as the taskbar
//                                           posts them); prints "opened
//                                           max_private max_working
//                                           private_after_a_tenth"
//   resident_bench close CLASS              asks the window to close and waits
//                                           for its process to end
//
// Private bytes are PrivateUsage where the system gives it for another
// process, else the commit charge (PagefileUsage; Wine reports the process's
// anonymous resident memory there).
#include <windows.h>
#include <objbase.h>
#include <psapi.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ShortcutWriter.h"

namespace {

constexpr UINT kTrayMessage = WM_APP + 1;

double Now() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

HWND Find(const char* cls) { return FindWindowA(cls, nullptr); }

bool HasTrayIcon(HWND window) {
  // An icon of the window exists when a modification that changes nothing
  // is accepted for it.
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uID = 0;
  return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

HANDLE OpenOf(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  return OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | SYNCHRONIZE, FALSE, pid);
}

struct Memory {
  unsigned long long privateBytes = 0, working = 0;
};

Memory Read(HANDLE process) {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  Memory m;
  if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters)) {
    m.privateBytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    m.working = counters.WorkingSetSize;
  }
  return m;
}

struct Peak {
  HANDLE process;
  Memory max;
  void Sample() {
    Memory m = Read(process);
    if (m.privateBytes > max.privateBytes) max.privateBytes = m.privateBytes;
    if (m.working > max.working) max.working = m.working;
  }
};

int CountShortcuts(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*.lnk").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  int n = 0;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++n;
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return n;
}

int Launch(const std::string& exe, const char* cls, const std::string& arg) {
  std::string folder = exe.substr(0, exe.find_last_of('\\'));
  std::string commandLine = "\"" + exe + "\"";
  if (!arg.empty()) commandLine += " \"" + arg + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  const double start = Now();
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &info))
    return 1;
  // Polled every millisecond or so: the icon's arrival is the figure.
  while (Now() - start < 60) {
    HWND w = Find(cls);
    if (w && HasTrayIcon(w)) {
      std::printf("%.1f %lu\n", (Now() - start) * 1000.0, info.dwProcessId);
      CloseHandle(info.hThread);
      CloseHandle(info.hProcess);
      return 0;
    }
    if (WaitForSingleObject(info.hProcess, 1) == WAIT_OBJECT_0) break;
  }
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return 1;
}

// The committed regions of the process by kind: image (its exe and DLLs),
// mapped (file and section views) and private (heaps, stacks, VirtualAlloc),
// the private ones also by allocation size.
void Regions(HANDLE process) {
  unsigned long long image = 0, mapped = 0, priv = 0, privateWritable = 0, imageWritable = 0;
  unsigned long long privateBig = 0;  // private allocations of 1 MiB or more
  MEMORY_BASIC_INFORMATION info;
  unsigned char* at = nullptr;
  void* base = nullptr;
  unsigned long long allocation = 0;
  std::vector<std::pair<void*, unsigned long long>> privateAllocations;
  while (VirtualQueryEx(process, at, &info, sizeof info) == sizeof info) {
    if (info.State == MEM_COMMIT) {
      const bool writable =
          (info.Protect & (PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY)) != 0;
      if (info.Type == MEM_IMAGE) {
        image += info.RegionSize;
        if (writable) imageWritable += info.RegionSize;
      } else if (info.Type == MEM_MAPPED) {
        mapped += info.RegionSize;
      } else {
        priv += info.RegionSize;
        if (writable) privateWritable += info.RegionSize;
        if (info.AllocationBase != base) {
          if (base && allocation) privateAllocations.push_back({base, allocation});
          base = info.AllocationBase;
          allocation = 0;
        }
        allocation += info.RegionSize;
      }
    }
    at = static_cast<unsigned char*>(info.BaseAddress) + info.RegionSize;
    if (at < static_cast<unsigned char*>(info.BaseAddress)) break;
  }
  if (base && allocation) privateAllocations.push_back({base, allocation});
  for (const auto& a : privateAllocations)
    if (a.second >= 1024 * 1024) privateBig += a.second;
  std::printf("committed: image %llu KiB (writable %llu), mapped %llu KiB, private %llu KiB (writable %llu; in %zu "
              "allocations, %llu KiB in those of 1 MiB or more)\n",
              image / 1024, imageWritable / 1024, mapped / 1024, priv / 1024, privateWritable / 1024,
              privateAllocations.size(), privateBig / 1024);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> a(argv + 1, argv + argc);
  if (a.empty()) return 2;
  const std::string cmd = a[0];
  if (cmd == "launch" && a.size() >= 3) {
    // A window of the class already there would be taken for the new one.
    if (Find(a[2].c_str())) return 3;
    return Launch(a[1], a[2].c_str(), a.size() > 3 ? a[3] : std::string());
  }

  if (a.size() < 2) return 2;
  HWND window = Find(a[1].c_str());
  if (!window) return 1;
  HANDLE process = OpenOf(window);
  if (!process) return 1;
  Peak peak{process, {}};

  if (cmd == "mem") {
    Memory m = Read(process);
    std::printf("%llu %llu\n", m.privateBytes, m.working);
    Regions(process);
    return 0;
  }
  if (cmd == "capture" && a.size() == 6) {
    CoInitialize(nullptr);
    const std::string shell = a[2], docs = a[3], history = a[4];
    const int n = std::atoi(a[5].c_str());
    const int already = CountShortcuts(history);
    const double start = Now();
    for (int i = 0; i < n; ++i) {
      const std::string name = "document" + std::to_string(i) + ".txt";
      const std::string target = docs + "\\" + name;
      HANDLE h = CreateFileA(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
      if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
      testsupport::WriteShortcut(shell + "\\" + name + ".lnk", target);
      peak.Sample();
    }
    while (CountShortcuts(history) < already + n && Now() - start < 120) {
      peak.Sample();
      Sleep(100);
    }
    // The capture is done when the history holds them; a last scan may
    // still be running, so a few more samples.
    for (int i = 0; i < 20; ++i) {
      peak.Sample();
      Sleep(100);
    }
    std::printf("%.1f %llu %llu\n", Now() - start, peak.max.privateBytes, peak.max.working);
    CoUninitialize();
    return CountShortcuts(history) >= already + n ? 0 : 1;
  }
  if (cmd == "open" && a.size() == 3) {
    const int count = std::atoi(a[2].c_str());
    auto popup = [] { return FindWindowA("#32768", nullptr); };
    auto waitFor = [&](bool shown) {
      for (int i = 0; i < 1000; ++i) {
        HWND m = popup();
        if ((m && IsWindowVisible(m)) == shown) return true;
        Sleep(5);
      }
      return false;
    };
    int opened = 0;
    // Private bytes after a tenth of the openings (the caches filled): the
    // figure the last one is compared with.
    unsigned long long afterTenth = 0;
    const int tenth = count >= 100 ? count / 10 : 10;
    for (int i = 0; i < count; ++i) {
      PostMessageA(window, kTrayMessage, 0, WM_LBUTTONDOWN);
      PostMessageA(window, kTrayMessage, 0, WM_LBUTTONUP);
      if (!waitFor(true)) continue;
      ++opened;
      peak.Sample();
      PostMessageA(popup(), WM_KEYDOWN, VK_ESCAPE, 0);
      if (!waitFor(false)) break;
      if (opened == tenth) afterTenth = Read(process).privateBytes;
    }
    peak.Sample();
    std::printf("%d %llu %llu %llu\n", opened, peak.max.privateBytes, peak.max.working, afterTenth);
    return opened == count ? 0 : 1;
  }
  if (cmd == "close") {
    // Every window of the class: a program left over from an earlier run
    // would be taken for the next one started.
    int failed = 0;
    for (; window; window = Find(a[1].c_str())) {
      PostMessageA(window, WM_CLOSE, 0, 0);
      if (WaitForSingleObject(process, 30000) != WAIT_OBJECT_0) {
        ++failed;
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 5000);
      }
      CloseHandle(process);
      process = nullptr;
      for (int i = 0; i < 100 && IsWindow(window); ++i) Sleep(10);
      if (HWND next = Find(a[1].c_str()); next && next != window) {
        if (!(process = OpenOf(next))) return 1;
      } else {
        break;
      }
    }
    return failed ? 1 : 0;
  }
  return 2;
}
