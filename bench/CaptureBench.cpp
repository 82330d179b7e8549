// How soon a document reaches the history: writes shortcuts into the shell's
// Recent folder at random moments, the way the shell does (IShellLinkW saved
// under its final name), while the real program runs, and waits for each
// one's copy in the history folder, polling it every millisecond. Reports
// the delay from the start of each write to the copy being there.
//
//   capture_bench SHELL HISTORY DOCS COUNT LABEL [LONGEST-GAP-MS]
//
// Each write comes 300 ms to LONGEST-GAP-MS (default 1500) after the previous
// copy appeared. With the timer alone the copies appear at its ticks, so the
// gaps must spread over the whole interval for the writes to fall at random
// moments of it (bench/run gives 5300 then).
// bench/run capture starts the program and runs this twice: with the change
// notifications and with the timer alone (QUENLARK_TIMER_ONLY).
#include <windows.h>
#include <mmsystem.h>
#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "Clock.h"
#include "ShortcutWriter.h"

namespace {

// Milliseconds.
double Now() { return bench::Now() * 1000.0; }

double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t at = std::min(values.size() - 1, static_cast<std::size_t>(p * static_cast<double>(values.size())));
  return values[at];
}

std::string UpperAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 6) {
    std::fprintf(stderr, "usage: capture_bench SHELL HISTORY DOCS COUNT LABEL [LONGEST-GAP-MS]\n");
    return 2;
  }
  CoInitialize(nullptr);
  timeBeginPeriod(1);
  const std::string shell = argv[1], history = argv[2], docs = argv[3], label = argv[5];
  const int count = std::atoi(argv[4]);
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> gap(300, argc > 6 ? std::max(300, std::atoi(argv[6])) : 1500);

  std::vector<double> delays, writes;
  int missed = 0;
  for (int i = 0; i < count; ++i) {
    Sleep(static_cast<DWORD>(gap(random)));
    const std::string name = "doc_" + label + "_" + std::to_string(i) + ".txt";
    const std::string copy = history + "\\" + UpperAscii(name) + ".lnk";
    const double start = Now();
    testsupport::WriteShortcut(shell + "\\" + name + ".lnk", docs + "\\" + name);
    const double written = Now();
    // Ten seconds: twice the timer's interval.
    while (GetFileAttributesA(copy.c_str()) == INVALID_FILE_ATTRIBUTES && Now() - start < 10000.0) Sleep(1);
    const double seen = Now();
    if (GetFileAttributesA(copy.c_str()) == INVALID_FILE_ATTRIBUTES) {
      ++missed;
      continue;
    }
    delays.push_back(seen - start);
    writes.push_back(written - start);
  }
  std::printf("%-10s %3zu documents: delay from the write to the history copy median %7.1f ms, 95th %7.1f ms,"
              " max %7.1f ms (the write itself: median %.1f ms); not captured within 10 s: %d\n",
              label.c_str(), delays.size(), Percentile(delays, 0.5), Percentile(delays, 0.95),
              Percentile(delays, 1.0), Percentile(writes, 0.5), missed);
  timeEndPeriod(1);
  CoUninitialize();
  return missed == 0 ? 0 : 1;
}
