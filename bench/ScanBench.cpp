// Cost of the recent-folder scan against the floor of listing the two folders.
//
// Fills a shell Recent folder with 1000 real shortcuts and a history folder
// with 100, then measures in one run:
//   floor      a bare FindFirstFileA walk of both folders;
//   idle scan  a timer scan that finds nothing new (cache warm), and the same
//              scan without the resolution cache;
//   capture    a timer scan that captures 10 new entries;
// and reports each as a ratio to the floor, plus the process's peak private
// bytes. Run under Wine with ACP 932: bench/run-scan-bench.
#include <windows.h>
#include <objbase.h>
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "Clock.h"
#include "ShortcutWriter.h"
#include "settings/SettingsStore.h"
#include "platform/Win32Collation.h"
#include "platform/Win32FileSystem.h"
#include "platform/Win32NetworkNames.h"
#include "platform/Win32ShortcutReader.h"
#include "recent/Scan.h"

namespace {

using bench::Now;

// Median of `runs` timings of `work`, in milliseconds; `prepare` runs untimed before each.
double Median(int runs, const std::function<void()>& work, const std::function<void()>& prepare = [] {}) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    prepare();
    double start = Now();
    work();
    times.push_back((Now() - start) * 1000.0);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

SYSTEMTIME MinutesAfter(int minutes) {
  FILETIME ft;
  SYSTEMTIME base{2026, 11, 0, 1, 0, 0, 0, 0};
  SystemTimeToFileTime(&base, &ft);
  ULARGE_INTEGER u{{ft.dwLowDateTime, ft.dwHighDateTime}};
  u.QuadPart += static_cast<ULONGLONG>(minutes) * 600000000ull;
  ft = {u.LowPart, u.HighPart};
  SYSTEMTIME st;
  FileTimeToSystemTime(&ft, &st);
  return st;
}

void MakeShortcut(const std::string& lnk, const std::string& target, int minutes) {
  testsupport::WriteShortcut(lnk, target);
  testsupport::SetLastWriteTime(lnk, MinutesAfter(minutes));
}

int CountFiles(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE h = FindFirstFileA((folder + "\\*.*").c_str(), &data);
  int n = 0;
  if (h == INVALID_HANDLE_VALUE) return 0;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++n;
  } while (FindNextFileA(h, &data));
  FindClose(h);
  return n;
}


}  // namespace

int main(int argc, char** argv) {
  CoInitialize(nullptr);
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string root = std::string(temp) + "quenlark_scan_bench";
  const std::string shell = root + "\\shell", history = root + "\\history", docs = root + "\\docs";
  testsupport::RemoveTree(root);
  CreateDirectoryA(root.c_str(), nullptr);
  CreateDirectoryA(shell.c_str(), nullptr);
  CreateDirectoryA(history.c_str(), nullptr);
  CreateDirectoryA(docs.c_str(), nullptr);

  const int shellCount = argc > 1 ? std::atoi(argv[1]) : 1000;
  std::printf("writing %d shell shortcuts and 100 history entries...\n", shellCount);
  for (int i = 0; i < shellCount; ++i) {
    MakeShortcut(shell + "\\doc" + std::to_string(i) + ".txt.lnk", docs + "\\doc" + std::to_string(i) + ".txt", i);
  }
  for (int i = 0; i < 100; ++i) {
    int n = shellCount - 100 + i;  // the history holds the newest 100 of them
    std::string name = "DOC" + std::to_string(n) + ".TXT.lnk";
    CopyFileA((shell + "\\doc" + std::to_string(n) + ".txt.lnk").c_str(), (history + "\\" + name).c_str(), FALSE);
  }

  platform::Win32FileSystem fs;
  platform::Win32ShortcutReader reader;
  platform::Win32Collation collation;
  platform::Win32NetworkNames network;
  quenlark::ShortcutResolution cached(reader, true), uncached(reader, false);
  quenlark::ListingTable historyListing(quenlark::kControllerTableHighestIndex),
      shellListing(quenlark::kControllerTableHighestIndex);
  quenlark::FilterLists lists;
  quenlark::TSettings settings;
  settings.RecentMax = 100;

  quenlark::SortOrderCache orderCache;
  quenlark::CopyLedger copies;
  auto scan = [&](quenlark::ShortcutResolution& resolution) {
    bool warm = &resolution == &cached;
    return quenlark::ScanRecent({fs, resolution, collation, network, warm ? &orderCache : nullptr,
                                 warm ? &copies : nullptr},
                                {historyListing, shellListing, lists},
                                settings, history, shell, false);
  };

  const int runs = 15;
  int listed = 0;
  scan(cached);  // warm the caches, as the first timer scans of a run do
  scan(cached);
  // The floor and the idle scan take turns, so that a moment when the
  // machine is busy weighs on both alike.
  quenlark::ScanResult idleResult;
  std::vector<double> floorTimes, idleTimes;
  for (int i = 0; i < 61; ++i) {
    double start = Now();
    listed = CountFiles(shell) + CountFiles(history);
    double middle = Now();
    idleResult = scan(cached);
    double end = Now();
    floorTimes.push_back((middle - start) * 1000.0);
    idleTimes.push_back((end - middle) * 1000.0);
  }
  std::sort(floorTimes.begin(), floorTimes.end());
  std::sort(idleTimes.begin(), idleTimes.end());
  const double floor = floorTimes[floorTimes.size() / 2];
  const double idle = idleTimes[idleTimes.size() / 2];
  double idleUncached = Median(5, [&] { scan(uncached); });

  double listShell = Median(runs, [&] { fs.ListFiles(shell); });
  quenlark::ListingServices ls{fs, cached, collation, &orderCache};
  quenlark::ListingOptions lo{true, 2, false, history};
  double listFolderShell = Median(runs, [&] { quenlark::ListFolder(ls, shell, shellListing, lo); });
  quenlark::ListingOptions ho{false, 2, false, history};
  double listFolderHistory = Median(runs, [&] { quenlark::ListFolder(ls, history, historyListing, ho); });
  double copyOver = Median(runs, [&] { fs.CopyOver(shell + "\\doc" + std::to_string(shellCount - 1) + ".txt.lnk",
                                                  history + "\\DOC" + std::to_string(shellCount - 1) + ".TXT.lnk"); });
  std::printf("parts of an idle scan: search of the shell folder %.3f ms, its listing %.3f ms, history listing %.3f ms"
              " (one copy of a shortcut, which an idle scan no longer makes: %.3f ms)\n",
              listShell, listFolderShell, listFolderHistory, copyOver);
  int next = shellCount;
  double capture = Median(
      runs, [&] { scan(cached); },
      [&] {
        for (int k = 0; k < 10; ++k, ++next) {
          MakeShortcut(shell + "\\doc" + std::to_string(next) + ".txt.lnk", docs + "\\doc" + std::to_string(next) + ".txt",
                       next);
        }
      });
  const int historyAfter = CountFiles(history);

  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);

  std::printf("files in the floor walk %d\n", listed);
  std::printf("shell shortcuts %d, history entries %d, hint after the idle scan \"%s\"\n", shellCount, historyAfter,
              idleResult.hint.c_str());
  std::printf("floor (FindFirstFileA walk of both folders)  %8.3f ms\n", floor);
  std::printf("idle timer scan, with caches                 %8.3f ms  ratio %.2f  (fastest: floor %.3f ms, scan %.3f ms,"
              " ratio %.2f)\n",
              idle, idle / floor, floorTimes[0], idleTimes[0], idleTimes[0] / floorTimes[0]);
  std::printf("idle timer scan, no caches                   %8.3f ms  ratio %.2f\n", idleUncached,
              idleUncached / floor);
  std::printf("timer scan capturing 10 new entries           %8.3f ms  ratio %.2f\n", capture, capture / floor);
  std::printf("peak private bytes                            %8.1f MiB (peak working set %.1f MiB)\n",
              static_cast<double>(memory.PeakPagefileUsage) / 1048576.0,
              static_cast<double>(memory.PeakWorkingSetSize) / 1048576.0);
  testsupport::RemoveTree(root);
  CoUninitialize();
  return 0;
}
