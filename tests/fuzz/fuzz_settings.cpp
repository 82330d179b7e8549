// LoadSettings from a registry whose every value the fuzzer chooses (any
// text under any of the program's value names), then SaveSettings and a
// second load; and the filter lists built from the loaded texts.
//
// Properties: the loaded favourites are exactly the stored slots with a
// non-empty name, in slot order, squeezed to the front, FavouriteCount
// within 0 to 99; the stored Version is stamped as the load rules say; a
// save followed by a load gives the same record and the same favourites
// (less the slots whose name is only blanks, which the save drops); after a
// save the registry holds exactly the slots in use; the scan interval stays
// within 1 to 60 seconds; filter items carry their prefix or suffix, are
// upper-cased and trimmed.
#include <string>
#include <iterator>
#include <tuple>
#include <vector>

#include "FakeRegistry.h"
#include "FuzzInput.h"
#include "SettingsFields.h"
#include "settings/SettingsStore.h"
#include "base/Cp932.h"
#include "recent/Filters.h"

using namespace quenlark;

namespace {

// Every value name of section System, Version last.
constexpr const char* kSystemNames[] = {
    "RecentMax",       "ScanTime",      "AutoClear",     "MultiUser",     "PathDiff",         "ExtDisp",
    "PathDisp",        "PathDispNumber", "DateTimeDisp", "ExtCheck",      "ExtName",          "DriveCheck",
    "DriveName",       "NetworkCheck",  "FolderCheck",   "DateTopDisp",   "SortSelect",       "StartMode",
    "LastMode",        "DbClickPassWord", "PassWord",    "RecentClick",   "RecentHotKey",     "UseFileClick",
    "UseFileHotKey",   "QuenlarkClick", "QuenlarkHotKey", "IconDisp",     "OfficeStyle",      "QuenlarkMenuDisp",
    "SendToRecycle",   "Version"};
constexpr int kSystemCount = static_cast<int>(std::size(kSystemNames));
constexpr const char* kFields[] = {"Name", "File", "Execute"};

using fuzz::Fields;

bool SameFavourites(const TFavourites& a, const TFavourites& b) {
  if (a.FavouriteCount != b.FavouriteCount) return false;
  for (int i = 0; i < kFavouriteSlots; ++i) {
    const TFavourite &x = a.Slots[i], &y = b.Slots[i];
    if (x.Name != y.Name || x.File != y.File || x.Execute != y.Execute) return false;
  }
  return true;
}

std::string Stored(const test::FakeRegistry& registry, const std::string& section, const std::string& name) {
  return registry.Get(kRegistryKey, section, name).value_or("");
}

void CheckFilterList(const std::string& setting, const std::string& prefix, const std::string& suffix) {
  const std::vector<std::string> items = BuildFilterList(setting, prefix, suffix);
  std::size_t commas = 0;
  for (char c : setting) commas += c == ',';
  FUZZ_CHECK(items.size() <= commas + 1, fuzz::Shown(setting));
  for (const std::string& item : items) {
    FUZZ_CHECK(item.size() >= prefix.size() + suffix.size() && item.compare(0, prefix.size(), prefix) == 0 &&
                   item.compare(item.size() - suffix.size(), suffix.size(), suffix) == 0,
               fuzz::Shown(item));
    const std::string core = item.substr(prefix.size(), item.size() - prefix.size() - suffix.size());
    FUZZ_CHECK(core.find(',') == std::string::npos && cp932::Trim(core) == core && cp932::Upper(core) == core,
               fuzz::Shown(item) + " from " + fuzz::Shown(setting));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  test::FakeRegistry registry;
  // Each text: a byte choosing the value (even: a System value, odd: a
  // favourite field, with a second byte for the slot), then the value itself.
  for (const std::string& text : in.Texts()) {
    if (text.empty()) continue;
    const auto choice = static_cast<unsigned char>(text[0]);
    if (choice % 2 == 0) {
      registry.Set(kRegistryKey, kSystemSection, kSystemNames[(choice / 2) % kSystemCount], text.substr(1));
    } else if (text.size() >= 2) {
      const int slot = static_cast<unsigned char>(text[1]) % kFavouriteSlots;
      registry.Set(kRegistryKey, kUseFilesSection, FavouriteValueName(slot, kFields[(choice / 2) % 3]),
                   text.substr(2));
    }
  }
  const auto storedVersion = registry.Get(kRegistryKey, kSystemSection, "Version");
  // The slots in use as stored, in slot order.
  std::vector<TFavourite> stored;
  for (int slot = 0; slot < kFavouriteSlots; ++slot) {
    TFavourite f{Stored(registry, kUseFilesSection, FavouriteValueName(slot, "Name")),
                 Stored(registry, kUseFilesSection, FavouriteValueName(slot, "File")),
                 Stored(registry, kUseFilesSection, FavouriteValueName(slot, "Execute"))};
    if (!f.Name.empty()) stored.push_back(f);
  }

  TSettings first;
  TFavourites favourites;
  LoadSettings(registry, first, favourites);

  FUZZ_CHECK(first.Version == storedVersion.value_or(""), fuzz::Shown(first.Version));
  const std::string version = Stored(registry, kSystemSection, "Version");
  const bool stamp = first.Version.empty() || first.Version < kProgramVersion;
  FUZZ_CHECK(version == (stamp ? std::string(kProgramVersion) : first.Version), fuzz::Shown(version));
  FUZZ_CHECK(first.PathDispNumber != -1, "PathDispNumber left at -1");
  const unsigned interval = ScanIntervalMilliseconds(first.ScanTime);
  FUZZ_CHECK(interval >= 1000 && interval <= 60000, std::to_string(interval));

  FUZZ_CHECK(favourites.FavouriteCount == static_cast<int>(stored.size()), std::to_string(favourites.FavouriteCount));
  for (int i = 0; i < kFavouriteSlots; ++i) {
    const TFavourite& f = favourites.Slots[i];
    if (i < favourites.FavouriteCount) {
      const TFavourite& s = stored[static_cast<std::size_t>(i)];
      FUZZ_CHECK(f.Name == s.Name && f.File == s.File && f.Execute == s.Execute, "slot " + std::to_string(i));
    } else {
      FUZZ_CHECK(f.Name.empty() && f.File.empty() && f.Execute.empty(), "slot " + std::to_string(i) + " not emptied");
    }
  }

  CheckFilterList(first.ExtName, ".", "");
  CheckFilterList(first.DriveName, "", ":");

  // Save and load again: the same record, Version as the registry now holds
  // it, and the favourites less those whose name is only blanks.
  SaveSettings(registry, first, favourites);
  for (int slot = 0; slot < kFavouriteSlots; ++slot) {
    const bool used = !cp932::Trim(favourites.Slots[slot].Name).empty();
    for (const char* field : kFields) {
      FUZZ_CHECK(registry.Get(kRegistryKey, kUseFilesSection, FavouriteValueName(slot, field)).has_value() == used,
                 FavouriteValueName(slot, field));
    }
  }
  TSettings second;
  TFavourites again;
  LoadSettings(registry, second, again);
  TSettings expected = first;
  expected.Version = version;
  FUZZ_CHECK(Fields(second) == Fields(expected), "the record changed in a save and a load");
  TFavourites kept = favourites;
  for (TFavourite& f : kept.Slots) {
    if (cp932::Trim(f.Name).empty()) f = TFavourite{};
  }
  SqueezeFavourites(kept);
  FUZZ_CHECK(SameFavourites(again, kept), "the favourites changed in a save and a load");

  // The exit state alone reads back as well.
  TSettings exitState = second;
  exitState.LastMode = !second.LastMode;
  exitState.SendToRecycle = !second.SendToRecycle;
  SaveExitState(registry, exitState);
  TSettings third;
  LoadSettings(registry, third, again);
  FUZZ_CHECK(third.LastMode == exitState.LastMode && third.SendToRecycle == exitState.SendToRecycle, "exit state");
  return 0;
}
