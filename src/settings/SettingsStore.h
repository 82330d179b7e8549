// The settings record, the favourites table and their registry form.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "base/QuenlarkVersion.h"
#include "platform/Registry.h"

namespace quenlark {

inline constexpr const char* kRegistryKey = "Software\\Kestrow\\Quenlark";
inline constexpr const char* kSystemSection = "System";
inline constexpr const char* kUseFilesSection = "UseFiles";
inline constexpr const char* kPositionSection = "Position";
// The project version from CMake, the same text as the version resource's.
inline constexpr const char* kProgramVersion = QUENLARK_VERSION_TEXT;
// Stored versions before this one numbered the click kinds without Ctrl + left.
inline constexpr const char* kClickCodeVersion = "1.82";

// Every setting with its default: the record's initialisers are the
// defaults, and whoever needs one reads it from DefaultSettings().
struct TSettings {
  std::int32_t RecentMax = 30;
  std::int32_t ScanTime = 5;
  bool AutoClear = false;
  bool MultiUser = false;
  bool PathDiff = false;
  bool ExtDisp = true;
  bool PathDisp = false;
  std::int32_t PathDispNumber = -1;
  std::int32_t DateTimeDisp = 0;
  std::int32_t ExtCheck = 0;
  std::string ExtName = "htm,jpg,gif";
  bool DriveCheck = false;
  std::string DriveName = "a,b";
  bool NetworkCheck = false;
  bool FolderCheck = false;
  bool DateTopDisp = false;
  std::uint8_t SortSelect = 0;
  std::uint8_t StartMode = 0;
  bool LastMode = true;
  bool DbClickPassWord = false;
  std::string PassWord;
  std::uint8_t RecentClick = 0;
  std::int32_t RecentHotKey = 0;
  std::uint8_t UseFileClick = 1;
  std::int32_t UseFileHotKey = 0;
  std::uint8_t QuenlarkClick = 3;
  std::int32_t QuenlarkHotKey = 0;
  bool IconDisp = true;
  bool OfficeStyle = false;
  bool QuenlarkMenuDisp = true;
  bool SendToRecycle = false;
  // Read at load, written only by the version upgrade.
  std::string Version;
};

const TSettings& DefaultSettings();

// The ranges the settings dialog accepts for RecentMax and ScanTime. A value
// outside them (only a hand-edited registry holds one) stays stored and is
// held to them where it is used.
inline constexpr int kRecentMaxLow = 10, kRecentMaxHigh = 100;
inline constexpr int kScanTimeLow = 1, kScanTimeHigh = 60;

// The scan timer's interval for a ScanTime: ScanTime seconds within its
// range, the default otherwise, which would else stop the timer or make it spin.
unsigned ScanIntervalMilliseconds(std::int32_t scanTime);

inline constexpr int kFavouriteSlots = 99;

struct TFavourite {
  std::string Name;
  std::string File;
  std::string Execute;
};

struct TFavourites {
  std::array<TFavourite, kFavouriteSlots> Slots;
  int FavouriteCount = 0;
};

// Fills the record and the favourites from the registry (defaults where a
// value is missing or unreadable), stamps the program's version, upgrades the
// click codes of old versions and saves at once when it did. Returns true
// when the upgrade changed the record.
bool LoadSettings(platform::IRegistry& registry, TSettings& settings, TFavourites& favourites);

// The value System\Language: the face the user chose, read once at start
// (see ChooseFace). The program never writes or deletes it, so saving the
// settings leaves it as the user set it; nullopt when it is missing.
inline constexpr const char* kLanguageValue = "Language";
std::optional<std::string> ReadLanguageOverride(platform::IRegistry& registry);

// Writes the whole record and the favourites; slots whose trimmed Name is
// empty have their values deleted.
void SaveSettings(platform::IRegistry& registry, const TSettings& settings, const TFavourites& favourites);

// Writes LastMode and SendToRecycle alone (at exit).
void SaveExitState(platform::IRegistry& registry, const TSettings& settings);

// Moves the slots in use (non-empty Name) to the front in their order, empties
// the rest and sets FavouriteCount.
void SqueezeFavourites(TFavourites& favourites);

// "00_Name" ... "98_Execute".
std::string FavouriteValueName(int slot, const char* field);

// A dialog's placement in section Position: integers named after the
// dialog's class, "<class name>.Top", ".Left", ".Height" and ".Width". Holds
// the key open while it lives; a key that cannot be opened reads as missing
// and takes no writes.
class TPlacementStore {
 public:
  TPlacementStore(platform::IRegistry& registry, std::string className);
  // The value of `field` ("Top", "Left", "Height" or "Width"), `fallback`
  // when it is missing or not a number.
  int Read(const char* field, int fallback) const;
  void Write(const char* field, int value);

 private:
  std::unique_ptr<platform::IRegistryKey> key_;
  std::string className_;
};

}  // namespace quenlark
