// Cost of building the recent-files menu (100 history entries) and the
// favourites menu (99 entries), from the click to the menu being ready
// (listed, built, pictures looked up, owner-drawn), as ratios to the floor
// of resolving the 100 history shortcuts through the shell link object in
// the same run. With the argument "mixed" one history entry in ten (its
// name and its target's) is one that code page 932 cannot spell
// (ForeignNames.h); the favourites, text in code page 932, stay the same.
// Run under Wine with ACP 932: bench/run menu.
#include <windows.h>
#include <objbase.h>
#include <objidl.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "Clock.h"
#include "ForeignNames.h"
#include "ShortcutWriter.h"
#include "settings/SettingsStore.h"
#include "menus/FavouritesMenu.h"
#include "menus/MenuPresenter.h"
#include "menus/RecentMenu.h"
#include "platform/Win32Collation.h"
#include "platform/Win32FileSystem.h"
#include "platform/Win32NetworkNames.h"
#include "platform/Win32Handles.h"
#include "platform/Win32ShortcutReader.h"
#include "platform/Win32Text.h"
#include "recent/Listing.h"
#include "recent/Scan.h"

namespace {

using bench::Now;

double MedianOf(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

double Median(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    double start = Now();
    work();
    times.push_back((Now() - start) * 1000.0);
  }
  return MedianOf(times);
}

constexpr CLSID kClsidShellLink = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIidShellLinkW = {0x000214F9, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIidPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// The floor's resolution of one shortcut: the shell link object loads it and
// gives its target's path, and the item list's path is taken over it. Wine's
// shell link keeps a target's path in the ANSI code page and gives a name
// outside it best-fitted (U+FF5E for U+301C) or with "?", with nothing in the
// path to tell, so a reader that wants the exact target asks the item list
// every time. With itemList false, GetPath alone: the work of the floor of
// earlier runs, exact only for names in the ANSI code page.
std::wstring ResolveTarget(const std::wstring& lnk, bool itemList) {
  platform::ComPtr<IShellLinkW> link;
  platform::ComPtr<IPersistFile> file;
  if (FAILED(CoCreateInstance(kClsidShellLink, nullptr, CLSCTX_INPROC_SERVER, kIidShellLinkW, link.put_void())) ||
      FAILED(link->QueryInterface(kIidPersistFile, file.put_void())) || FAILED(file->Load(lnk.c_str(), 0))) {
    return {};
  }
  wchar_t buffer[MAX_PATH] = {};
  WIN32_FIND_DATAW data{};
  if (FAILED(link->GetPath(buffer, MAX_PATH, &data, 0x0002 /* SLGP_UNCPRIORITY */))) return {};
  std::wstring target(platform::WideUntilNul(buffer, MAX_PATH));
  PIDLIST_ABSOLUTE item = nullptr;
  if (itemList && SUCCEEDED(link->GetIDList(&item)) && item) {
    if (SHGetPathFromIDListW(item, buffer)) target = platform::WideUntilNul(buffer, MAX_PATH);
    CoTaskMemFree(item);
  }
  return target;
}


}  // namespace

int main(int argc, char** argv) {
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

  const bool mixed = bench::MixedNames(argc, argv);
  const std::wstring historyW = platform::Wide(history), docsW = platform::Wide(docs), shellW = platform::Wide(shell);
  const wchar_t* extensions[] = {L".txt", L".doc", L".xls", L".htm", L".jpg", L".pdf", L".zip", L".ini", L"", L".qlt"};
  // The i-th document's name; "document<i>" or "captured<i>", and in the
  // mixed variant one in ten with a part code page 932 cannot spell.
  auto documentName = [&](const wchar_t* stem, int i) {
    return stem + std::to_wstring(i) + bench::ForeignPart(i, mixed) + extensions[i % 10];
  };
  std::printf("%s\n", bench::VariantTitle(mixed));
  std::vector<std::wstring> shortcuts;
  quenlark::TFavourites favourites;
  int foreign = 0;
  for (int i = 0; i < 100; ++i) {
    const std::wstring name = documentName(L"document", i);
    const std::wstring target = docsW + L"\\" + name;
    bench::TouchW(target);
    std::wstring lnk = historyW + L"\\" + name + L".lnk";
    testsupport::WriteShortcut(lnk, target);
    shortcuts.push_back(lnk);
    if (!bench::Cp932Spells(name)) ++foreign;
    if (i < 99) {
      // The favourites (ASCII names) are the same in both variants.
      const std::wstring plain = L"document" + std::to_wstring(i) + extensions[i % 10];
      if (plain != name) bench::TouchW(docsW + L"\\" + plain);
      favourites.Slots[i] = {"Favourite " + std::to_string(i),
                             i % 9 == 0 ? docs : docs + "\\" + std::string(plain.begin(), plain.end()), ""};
    }
  }
  favourites.FavouriteCount = 99;
  std::printf("history entries whose names (and targets' names) code page 932 cannot spell: %d of 100\n", foreign);

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
  // The floor and GetPath alone take turns.
  std::vector<double> floorTimes, getPathTimes;
  int exactTargets = 0, getPathExact = 0;
  for (std::size_t i = 0; i < shortcuts.size(); ++i) {
    const std::wstring target = docsW + L"\\" + documentName(L"document", static_cast<int>(i));
    exactTargets += ResolveTarget(shortcuts[i], true) == target;
    getPathExact += ResolveTarget(shortcuts[i], false) == target;
  }
  for (int i = 0; i < runs; ++i) {
    double start = Now();
    for (const auto& lnk : shortcuts) ResolveTarget(lnk, true);
    double middle = Now();
    for (const auto& lnk : shortcuts) ResolveTarget(lnk, false);
    floorTimes.push_back((middle - start) * 1000.0);
    getPathTimes.push_back((Now() - middle) * 1000.0);
  }
  const double floor = MedianOf(floorTimes), getPath = MedianOf(getPathTimes);

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
      const std::wstring name = documentName(L"captured", captured);
      bench::TouchW(docsW + L"\\" + name);
      testsupport::WriteShortcut(shellW + L"\\" + name + L".lnk", docsW + L"\\" + name);
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
  std::printf("floor (resolving the 100 history shortcuts)   %8.3f ms  (exact targets: %d of 100)\n", floor,
              exactTargets);
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
  std::printf("GetPath alone (floor of earlier runs)         %8.3f ms  recent-files menu to it: ratio %.2f  (exact"
              " targets: %d of 100)\n",
              getPath, recent / getPath, getPathExact);
  std::printf("icons kept between openings after the plain builds: %zu, after a favourites build: %zu\n", keptIcons,
              menu.ImageStore().KeptCount());
  testsupport::RemoveTree(root);
  CoUninitialize();
  return 0;
}
