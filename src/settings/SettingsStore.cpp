#include "settings/SettingsStore.h"

#include <type_traits>

#include "base/Cp932.h"
#include "base/Util.h"
#include "settings/PasswordForm.h"

namespace quenlark {
namespace {

// The password, stored in its registry form (settings/PasswordForm.h).
template <class S>
struct PasswordText {
  S& text;
};

// Visits every value of section System with its default, in the order in
// which it is loaded and saved. `Settings` is TSettings or const TSettings.
template <class Settings, class Visit>
void ForEachSystemValue(Settings& s, Visit&& v) {
  const TSettings& d = DefaultSettings();
  v("RecentMax", s.RecentMax, d.RecentMax);
  v("ScanTime", s.ScanTime, d.ScanTime);
  v("AutoClear", s.AutoClear, d.AutoClear);
  v("MultiUser", s.MultiUser, d.MultiUser);
  v("PathDiff", s.PathDiff, d.PathDiff);
  v("ExtDisp", s.ExtDisp, d.ExtDisp);
  v("PathDisp", s.PathDisp, d.PathDisp);
  v("PathDispNumber", s.PathDispNumber, d.PathDispNumber);
  v("DateTimeDisp", s.DateTimeDisp, d.DateTimeDisp);
  v("ExtCheck", s.ExtCheck, d.ExtCheck);
  v("ExtName", s.ExtName, d.ExtName);
  v("DriveCheck", s.DriveCheck, d.DriveCheck);
  v("DriveName", s.DriveName, d.DriveName);
  v("NetworkCheck", s.NetworkCheck, d.NetworkCheck);
  v("FolderCheck", s.FolderCheck, d.FolderCheck);
  v("DateTopDisp", s.DateTopDisp, d.DateTopDisp);
  v("SortSelect", s.SortSelect, d.SortSelect);
  v("StartMode", s.StartMode, d.StartMode);
  v("LastMode", s.LastMode, d.LastMode);
  v("DbClickPassWord", s.DbClickPassWord, d.DbClickPassWord);
  v(kPassWordValue, PasswordText<std::remove_reference_t<decltype((s.PassWord))>>{s.PassWord}, d.PassWord);
  v("RecentClick", s.RecentClick, d.RecentClick);
  v("RecentHotKey", s.RecentHotKey, d.RecentHotKey);
  v("UseFileClick", s.UseFileClick, d.UseFileClick);
  v("UseFileHotKey", s.UseFileHotKey, d.UseFileHotKey);
  v("QuenlarkClick", s.QuenlarkClick, d.QuenlarkClick);
  v("QuenlarkHotKey", s.QuenlarkHotKey, d.QuenlarkHotKey);
  v("IconDisp", s.IconDisp, d.IconDisp);
  v("OfficeStyle", s.OfficeStyle, d.OfficeStyle);
  v("QuenlarkMenuDisp", s.QuenlarkMenuDisp, d.QuenlarkMenuDisp);
  v("SendToRecycle", s.SendToRecycle, d.SendToRecycle);
}

std::int32_t ReadInteger(platform::IRegistryKey& key, const char* section, const std::string& name,
                         std::int32_t fallback) {
  auto text = key.ReadString(section, name);
  return text ? util::StrToIntDef(*text, fallback) : fallback;
}

struct Loader {
  platform::IRegistryKey& key;
  void operator()(const char* name, std::int32_t& value, std::int32_t fallback) {
    value = ReadInteger(key, kSystemSection, name, fallback);
  }
  void operator()(const char* name, bool& value, bool fallback) {
    value = ReadInteger(key, kSystemSection, name, fallback ? 1 : 0) != 0;
  }
  void operator()(const char* name, std::uint8_t& value, std::uint8_t fallback) {
    value = static_cast<std::uint8_t>(ReadInteger(key, kSystemSection, name, fallback) & 0xFF);
  }
  void operator()(const char* name, std::string& value, const std::string& fallback) {
    value = key.ReadString(kSystemSection, name).value_or(fallback);
  }
  void operator()(const char* name, PasswordText<std::string> value, const std::string& fallback) {
    value.text = LoadPassword(key.ReadString(kSystemSection, name).value_or(fallback),
                              key.ReadString(kSystemSection, kPassWordFormValue));
  }
};

struct Saver {
  platform::IRegistryKey& key;
  void operator()(const char* name, std::int32_t value, std::int32_t) {
    key.WriteString(kSystemSection, name, std::to_string(value));
  }
  void operator()(const char* name, bool value, bool) { key.WriteString(kSystemSection, name, value ? "1" : "0"); }
  void operator()(const char* name, std::uint8_t value, std::uint8_t) {
    key.WriteString(kSystemSection, name, std::to_string(value));
  }
  void operator()(const char* name, const std::string& value, const std::string&) {
    key.WriteString(kSystemSection, name, value);
  }
  void operator()(const char* name, PasswordText<const std::string> value, const std::string&) {
    const StoredPassword stored = StorePassword(value.text);
    key.WriteString(kSystemSection, name, stored.value);
    key.WriteString(kSystemSection, kPassWordFormValue, stored.form);
  }
};

constexpr const char* kFavouriteFields[] = {"Name", "File", "Execute"};

}  // namespace

std::string FavouriteValueName(int slot, const char* field) {
  return util::PadNumber(slot, 2, '0') + "_" + field;
}

void SqueezeFavourites(TFavourites& favourites) {
  int used = 0;
  for (int i = 0; i < kFavouriteSlots; ++i) {
    if (favourites.Slots[i].Name.empty()) continue;
    if (i != used) favourites.Slots[used] = std::move(favourites.Slots[i]);
    ++used;
  }
  for (int i = used; i < kFavouriteSlots; ++i) favourites.Slots[i] = TFavourite{};
  favourites.FavouriteCount = used;
}

bool LoadSettings(platform::IRegistry& registry, TSettings& settings, TFavourites& favourites) {
  auto key = registry.OpenKey(kRegistryKey);
  if (!key) {
    // The key can be neither opened nor created: run on the defaults.
    settings = TSettings{};
    settings.PathDispNumber = settings.PathDisp ? 1 : 0;
    favourites = TFavourites{};
    return false;
  }

  settings.Version = key->ReadString(kSystemSection, "Version").value_or("");
  if (settings.Version.empty() || settings.Version < kProgramVersion) {
    key->WriteString(kSystemSection, "Version", kProgramVersion);
  }

  ForEachSystemValue(settings, Loader{*key});
  if (settings.PathDispNumber == -1) settings.PathDispNumber = settings.PathDisp ? 1 : 0;

  bool upgraded = false;
  if (!settings.Version.empty() && settings.Version < kClickCodeVersion) {
    if (settings.RecentClick > 1) ++settings.RecentClick;
    if (settings.UseFileClick > 1) ++settings.UseFileClick;
    upgraded = true;
  }

  for (int slot = 0; slot < kFavouriteSlots; ++slot) {
    TFavourite& f = favourites.Slots[slot];
    f.Name = key->ReadString(kUseFilesSection, FavouriteValueName(slot, "Name")).value_or("");
    f.File = key->ReadString(kUseFilesSection, FavouriteValueName(slot, "File")).value_or("");
    f.Execute = key->ReadString(kUseFilesSection, FavouriteValueName(slot, "Execute")).value_or("");
  }
  SqueezeFavourites(favourites);

  key.reset();
  if (upgraded) SaveSettings(registry, settings, favourites);
  return upgraded;
}

std::optional<std::string> ReadLanguageOverride(platform::IRegistry& registry) {
  auto key = registry.OpenKey(kRegistryKey);
  return key ? key->ReadString(kSystemSection, kLanguageValue) : std::nullopt;
}

void SaveSettings(platform::IRegistry& registry, const TSettings& settings, const TFavourites& favourites) {
  auto key = registry.OpenKey(kRegistryKey);
  if (!key) return;
  ForEachSystemValue(settings, Saver{*key});
  for (int slot = 0; slot < kFavouriteSlots; ++slot) {
    const TFavourite& f = favourites.Slots[slot];
    if (!cp932::Trim(f.Name).empty()) {
      key->WriteString(kUseFilesSection, FavouriteValueName(slot, "Name"), f.Name);
      key->WriteString(kUseFilesSection, FavouriteValueName(slot, "File"), f.File);
      key->WriteString(kUseFilesSection, FavouriteValueName(slot, "Execute"), f.Execute);
    } else {
      for (const char* field : kFavouriteFields) key->DeleteValue(kUseFilesSection, FavouriteValueName(slot, field));
    }
  }
}

void SaveExitState(platform::IRegistry& registry, const TSettings& settings) {
  auto key = registry.OpenKey(kRegistryKey);
  if (!key) return;
  key->WriteString(kSystemSection, "LastMode", settings.LastMode ? "1" : "0");
  key->WriteString(kSystemSection, "SendToRecycle", settings.SendToRecycle ? "1" : "0");
}

TPlacementStore::TPlacementStore(platform::IRegistry& registry, std::string className)
    : key_(registry.OpenKey(kRegistryKey)), className_(std::move(className)) {}

int TPlacementStore::Read(const char* field, int fallback) const {
  return key_ ? ReadInteger(*key_, kPositionSection, className_ + "." + field, fallback) : fallback;
}

void TPlacementStore::Write(const char* field, int value) {
  if (key_) key_->WriteString(kPositionSection, className_ + "." + field, std::to_string(value));
}

const TSettings& DefaultSettings() {
  static const TSettings defaults;
  return defaults;
}

unsigned ScanIntervalMilliseconds(std::int32_t scanTime) {
  const bool held = scanTime >= kScanTimeLow && scanTime <= kScanTimeHigh;
  const std::int32_t seconds = held ? scanTime : DefaultSettings().ScanTime;
  return static_cast<unsigned>(seconds) * 1000u;
}

}  // namespace quenlark
