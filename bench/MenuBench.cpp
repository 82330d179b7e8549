// Cost of building the recent-files menu (100 history entries) and the
// favourites menu (99 entries), from the click to the menu being ready
// (listed, built, pictures looked up, owner-drawn), as ratios to the floor
// of resolving the 100 history shortcuts through the shell link object in
// the same run. Run under Wine with ACP 932: bench/run menu.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "Clock.h"
#include "ShortcutWriter.h"
#include "settings/SettingsStore.h"
#include "menus/FavouritesMenu.h"
#include "menus/MenuPresenter.h"
#include "menus/RecentMenu.h"
#include "platform/Win32Collation.h"
#include "platform/Win32FileSystem.h"
#include "platform/Win32NetworkNames.h"
#include "platform/Win32ShortcutReader.h"
#include "recent/Listing.h"
#include "recent/Scan.h"

namespace {

using bench::Now;

double Median(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    double start = Now();
    work();
    times.push_back((Now() - start) * 1000.0);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

void Touch(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
}


}  // namespace

int main() {
  CoInitialize(nullptr);
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string root = std::string(temp) + "quenlark_menu_bench";
  const std::string history = root + "\\history", docs = root + "\\docs", shell = root + "\\shell";
  testsupport::RemoveTree(root);
  CreateDirectoryA(root.c_str(), nullptr);
  CreateDirectoryA(history.c_str(), nullptr);
  CreateDirectoryA(docs.c_str(), nullptr);
  CreateDirectoryA(shell.c_str(), nullptr);

  const char* extensions[] = {".txt", ".doc", ".xls", ".htm", ".jpg", ".pdf", ".zip", ".ini", "", ".qlt"};
  std::vector<std::string> shortcuts;
  quenlark::TFavourites favourites;
  for (int i = 0; i < 100; ++i) {
    std::string name = "document" + std::to_string(i) + extensions[i % 10];
    std::string target = docs + "\\" + name;
    Touch(target);
    std::string lnk = history + "\\" + name + ".lnk";
    testsupport::WriteShortcut(lnk, target);
    shortcuts.push_back(lnk);
    if (i < 99) {
      favourites.Slots[i] = {"Favourite " + std::to_string(i), i % 9 == 0 ? docs : target, ""};
    }
  }
  favourites.FavouriteCount = 99;

  HINSTANCE instance = GetModuleHandleA(nullptr);
  platform::Win32FileSystem fs;
  platform::Win32ShortcutReader reader;
  platform::Win32Collation collation;
  quenlark::ShortcutResolution resolution(reader);
  quenlark::SortOrderCache orderCache;
  quenlark::ListingTable menuListing(quenlark::kControllerTableHighestIndex);
  quenlark::TSettings settings;
  settings.SortSelect = 2;
  settings.PathDispNumber = 2;
  settings.DateTimeDisp = 1;
  quenlark::TMenuPresenter menu(instance);
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);

  const int runs = 15;
  double floor = Median(runs, [&] {
    for (const auto& lnk : shortcuts) platform::ResolveShortcut(lnk);
  });

  // What the build handler does between the click and TrackPopupMenu.
  auto build = [&](bool favouritesMenu, bool iconDisp, quenlark::ShortcutResolution* fresh = nullptr) {
    settings.IconDisp = iconDisp;
    quenlark::ListingServices listing{fs, fresh ? *fresh : resolution, collation, fresh ? nullptr : &orderCache};
    quenlark::ListFolder(listing, history, menuListing, {true, settings.SortSelect, false, history});
    auto items = favouritesMenu ? quenlark::BuildFavouriteItems(favourites, settings, self)
                                : quenlark::BuildRecentItems(menuListing.lines, settings, 2);
    menu.Rebuild(items, iconDisp, quenlark::ui::msOffice, favouritesMenu ? 1 : 0);
  };
  build(false, true);  // the cache warm, as after the first scan of a run
  double recent = Median(runs, [&] { build(false, true); });
  double recentPlain = Median(runs, [&] { build(false, false); });
  double recentCold = Median(runs, [&] {
    quenlark::ShortcutResolution fresh(reader);
    build(false, true, &fresh);
  });
  const int recentItems = menu.ItemCount();

  // The first opening after a timer scan captured 10 new documents (the
  // scan shares the resolution cache and the order cache with the menu, as
  // in the program): each run writes 10 shortcuts into a shell folder,
  // scans (not timed) and times the opening that follows.
  platform::Win32NetworkNames network;
  quenlark::ListingTable historyListing(quenlark::kControllerTableHighestIndex),
      shellListing(quenlark::kControllerTableHighestIndex);
  quenlark::FilterLists filterLists;
  quenlark::TSettings scanSettings;
  scanSettings.RecentMax = 100;
  auto scan = [&] {
    quenlark::ScanRecent({fs, resolution, collation, network, &orderCache}, {historyListing, shellListing, filterLists},
                         scanSettings, history, shell, false);
  };
  scan();
  std::vector<double> afterCaptureTimes;
  int captured = 0;
  for (int run = 0; run < runs; ++run) {
    Sleep(20);  // newer than the newest history entry
    for (int k = 0; k < 10; ++k, ++captured) {
      std::string name = "captured" + std::to_string(captured) + extensions[captured % 10];
      Touch(docs + "\\" + name);
      testsupport::WriteShortcut(shell + "\\" + name + ".lnk", docs + "\\" + name);
    }
    scan();
    double start = Now();
    build(false, true);
    afterCaptureTimes.push_back((Now() - start) * 1000.0);
  }
  std::sort(afterCaptureTimes.begin(), afterCaptureTimes.end());
  const double afterCapture = afterCaptureTimes[afterCaptureTimes.size() / 2];
  double favouritesTime = Median(runs, [&] { build(true, true); });
  double favouritesPlain = Median(runs, [&] { build(true, false); });
  const std::size_t keptIcons = menu.ImageStore().KeptCount();
  // The favourites' first opening: nothing kept yet (a presenter of its own).
  double favouritesCold = Median(runs, [&] {
    quenlark::TMenuPresenter fresh(instance);
    settings.IconDisp = true;
    fresh.Rebuild(quenlark::BuildFavouriteItems(favourites, settings, self), true, quenlark::ui::msOffice, 1);
  });
  build(true, true);

  std::printf("recent-files menu items %d, favourites menu items %d (and the appended program menu)\n", recentItems,
              99);
  std::printf("floor (resolving the 100 history shortcuts)   %8.3f ms\n", floor);
  std::printf("recent-files menu, icons and owner drawing   %8.3f ms  ratio %.2f\n", recent, recent / floor);
  std::printf("recent-files menu, plain                     %8.3f ms  ratio %.2f\n", recentPlain, recentPlain / floor);
  std::printf("recent-files menu, nothing cached yet        %8.3f ms  ratio %.2f\n", recentCold, recentCold / floor);
  std::printf("recent-files menu, first after 10 captures   %8.3f ms  ratio %.2f\n", afterCapture,
              afterCapture / floor);
  std::printf("favourites menu, icons and owner drawing     %8.3f ms  ratio %.2f\n", favouritesTime,
              favouritesTime / floor);
  std::printf("favourites menu, plain                       %8.3f ms  ratio %.2f\n", favouritesPlain,
              favouritesPlain / floor);
  std::printf("favourites menu, first opening (nothing kept) %7.3f ms  ratio %.2f\n", favouritesCold,
              favouritesCold / floor);
  std::printf("icons kept between openings after the plain builds: %zu, after a favourites build: %zu\n", keptIcons,
              menu.ImageStore().KeptCount());
  testsupport::RemoveTree(root);
  CoUninitialize();
  return 0;
}
