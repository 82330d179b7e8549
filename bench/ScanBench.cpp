// Cost of the recent-folder scan against the floor of listing the two folders.
//
// Fills a shell Recent folder with 1000 real shortcuts and a history folder
// with 100, then measures in one run:
//   floor      a bare FindFirstFileW walk of both folders (the search the
//              program makes; the FindFirstFileA walk, which lists the same
//              files under names converted to the ANSI code page, is
//              reported beside it);
//   idle scan  a timer scan that finds nothing new (cache warm), and the same
//              scan without the resolution cache;
//   capture    a timer scan that captures 10 new entries;
// and reports each as a ratio to the floor, plus the process's peak private
// bytes. With the argument "mixed" one name in ten (shortcut, target and
// history entry) is one that code page 932 cannot spell (ForeignNames.h).
// Run under Wine with ACP 932: bench/run.
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
#include "ForeignNames.h"
#include "ShortcutWriter.h"
#include "settings/SettingsStore.h"
#include "platform/Win32Collation.h"
#include "platform/Win32FileSystem.h"
#include "platform/Win32NetworkNames.h"
#include "platform/Win32ShortcutReader.h"
#include "platform/Win32Text.h"
#include "menus/TrayHint.h"
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

void MakeShortcut(const std::wstring& lnk, const std::wstring& target, int minutes) {
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

int CountFilesW(const std::string& folder) {
  WIN32_FIND_DATAW data;
  HANDLE h = FindFirstFileW((platform::Wide(folder) + L"\\*.*").c_str(), &data);
  int n = 0;
  if (h == INVALID_HANDLE_VALUE) return 0;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++n;
  } while (FindNextFileW(h, &data));
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

  const int shellCount = argc > 1 && argv[1][0] >= '0' && argv[1][0] <= '9' ? std::atoi(argv[1]) : 1000;
  const bool mixed = bench::MixedNames(argc, argv);
  const std::wstring shellW = platform::Wide(shell), historyW = platform::Wide(history), docsW = platform::Wide(docs);
  auto docName = [&](int i) { return L"doc" + std::to_wstring(i) + bench::ForeignPart(i, mixed) + L".txt"; };
  // A shell shortcut to the i-th document. A target the shell link object
  // spells with "?" (Wine keeps it in the ANSI code page) is named exactly
  // only by its item list, which the program takes when that names a file:
  // the documents with such names exist.
  auto makeEntry = [&](int i) {
    if (!bench::Cp932Spells(docName(i))) bench::TouchW(docsW + L"\\" + docName(i));
    MakeShortcut(shellW + L"\\" + docName(i) + L".lnk", docsW + L"\\" + docName(i), i);
  };
  std::printf("%s\n", bench::VariantTitle(mixed));
  std::printf("writing %d shell shortcuts and 100 history entries...\n", shellCount);
  int foreignShell = 0, foreignHistory = 0;
  for (int i = 0; i < shellCount; ++i) {
    makeEntry(i);
    if (!bench::Cp932Spells(docName(i))) ++foreignShell;
  }
  for (int i = 0; i < 100; ++i) {
    int n = shellCount - 100 + i;  // the history holds the newest 100 of them
    std::wstring name = bench::UpperW(docName(n)) + L".lnk";
    CopyFileW((shellW + L"\\" + docName(n) + L".lnk").c_str(), (historyW + L"\\" + name).c_str(), FALSE);
    if (!bench::Cp932Spells(name)) ++foreignHistory;
  }
  std::printf("names code page 932 cannot spell: %d of %d shell shortcuts (and their targets), %d of 100 history"
              " entries\n",
              foreignShell, shellCount, foreignHistory);

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
  // machine is busy weighs on both alike; the FindFirstFileA walk runs in the
  // same turns, after the scan.
  quenlark::ScanResult idleResult;
  std::vector<double> floorTimes, idleTimes, ansiTimes;
  int listedAnsi = 0;
  for (int i = 0; i < 61; ++i) {
    double start = Now();
    listed = CountFilesW(shell) + CountFilesW(history);
    double middle = Now();
    idleResult = scan(cached);
    double end = Now();
    listedAnsi = CountFiles(shell) + CountFiles(history);
    double ansiEnd = Now();
    floorTimes.push_back((middle - start) * 1000.0);
    idleTimes.push_back((end - middle) * 1000.0);
    ansiTimes.push_back((ansiEnd - end) * 1000.0);
  }
  const std::size_t shellLines = shellListing.lines.size(), historyLines = historyListing.lines.size();
  std::sort(floorTimes.begin(), floorTimes.end());
  std::sort(idleTimes.begin(), idleTimes.end());
  std::sort(ansiTimes.begin(), ansiTimes.end());
  const double floor = floorTimes[floorTimes.size() / 2];
  const double idle = idleTimes[idleTimes.size() / 2];
  const double ansiFloor = ansiTimes[ansiTimes.size() / 2];
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
        for (int k = 0; k < 10; ++k, ++next) makeEntry(next);
      });
  const int historyAfter = CountFilesW(history);

  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);

  std::printf("files in the floor walk %d (in the FindFirstFileA walk %d); lines the idle scan lists: shell folder"
              " %zu, history %zu\n",
              listed, listedAnsi, shellLines, historyLines);
  std::printf("shell shortcuts %d, history entries %d, hint after the idle scan \"%s\"\n", shellCount, historyAfter,
              quenlark::TrayHint(idleResult.historyCount, idleResult.recentMax).c_str());
  std::printf("floor (FindFirstFileW walk of both folders)  %8.3f ms\n", floor);
  std::printf("idle timer scan, with caches                 %8.3f ms  ratio %.2f  (fastest: floor %.3f ms, scan %.3f ms,"
              " ratio %.2f)\n",
              idle, idle / floor, floorTimes[0], idleTimes[0], idleTimes[0] / floorTimes[0]);
  std::printf("idle timer scan, no caches                   %8.3f ms  ratio %.2f\n", idleUncached,
              idleUncached / floor);
  std::printf("timer scan capturing 10 new entries           %8.3f ms  ratio %.2f\n", capture, capture / floor);
  std::printf("FindFirstFileA walk, same turns (former floor) %7.3f ms  idle scan to it: ratio %.2f (fastest %.3f ms,"
              " ratio %.2f)\n",
              ansiFloor, idle / ansiFloor, ansiTimes[0], idleTimes[0] / ansiTimes[0]);
  std::printf("peak private bytes                            %8.1f MiB (peak working set %.1f MiB)\n",
              static_cast<double>(memory.PeakPagefileUsage) / 1048576.0,
              static_cast<double>(memory.PeakWorkingSetSize) / 1048576.0);
  testsupport::RemoveTree(root);
  CoUninitialize();
  return 0;
}
