// The settings dialog's model: an edit copy of the settings record with the
// two number fields as the text the user typed, the checks run on OK, the
// rules that enable one control from another, and the record to store with
// the effects the controller carries out. Portable: tested natively.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "settings/SettingsStore.h"
#include "ui/FormModel.h"

namespace quenlark {

// The sort-order radio group lists the orders in another sequence than
// their stored codes: position i stands for code kSortSelectMap[i].
inline constexpr int kSortSelectMap[] = {0, 4, 1, 2, 3};
// The position of a stored sort code, -1 for a code the group does not show.
int SortSelectPosition(int sortSelect);
// The sort code of a position, -1 for a position outside the group.
int SortSelectValue(int position);

// The items of each list and radio group of the dialog.
inline constexpr int kPathDispNumberItems = 5;
inline constexpr int kDateTimeDispItems = 4;
inline constexpr int kExtCheckItems = 3;
inline constexpr int kStartModeItems = 3;
inline constexpr int kClickItems = 6;

// The tooltip of the multi-user check box, naming the login user.
std::string MultiUserHint(const std::string& loginName);

struct SettingApplication {
  TSettings settings;
  unsigned effects = 0;  // SettingsEffect bits
};

struct SettingModel {
  // A new model shows the default record.
  SettingModel() { Load(DefaultSettings()); }

  // What the controls show. The lists and radio groups hold the stored code;
  // a code outside a list's items shows no selection (see EffectiveChoice).
  std::string RecentMaxText;
  std::string ScanTimeText;
  bool AutoClear = false;
  bool MultiUser = false;
  bool PathDiff = false;
  bool ExtDisp = false;
  bool PathDisp = false;
  int PathDispNumber = 0;
  int DateTimeDisp = 0;
  int ExtCheck = 0;
  std::string ExtName;
  bool DriveCheck = false;
  std::string DriveName;
  bool NetworkCheck = false;
  bool FolderCheck = false;
  bool DateTopDisp = false;
  int SortSelect = 0;
  int StartMode = 0;
  bool IconDisp = false;
  bool OfficeStyle = false;
  bool QuenlarkMenuDisp = false;
  bool DbClickPassWord = false;
  std::string PassWord;
  int RecentClick = 0;
  std::int32_t RecentHotKey = 0;
  int UseFileClick = 0;
  std::int32_t UseFileHotKey = 0;
  int QuenlarkClick = 0;
  std::int32_t QuenlarkHotKey = 0;

  // Fills every field from the record (the hot keys as their low 16 bits).
  void Load(const TSettings& settings);

  // The enablement rules: each target control is enabled only when its
  // source says so. A disabled control keeps its value and is stored.
  bool DateTopDispEnabled() const {
    return EffectiveChoice(DateTimeDisp, kDateTimeDispItems, DefaultSettings().DateTimeDisp) > 0;
  }
  bool ExtNameEnabled() const { return EffectiveChoice(ExtCheck, kExtCheckItems, DefaultSettings().ExtCheck) > 0; }
  bool DriveNameEnabled() const { return DriveCheck; }
  bool OfficeStyleEnabled() const { return IconDisp; }
  bool PassWordEditEnabled() const { return DbClickPassWord; }

  // The controls a failure of OK names, so that the form can focus the
  // field to mend: the two numbers, and the three menus' click lists and
  // hot keys in the menus' order (0: none).
  struct FieldControls {
    int recentMax = 0;
    int scanTime = 0;
    int clicks[3] = {};
    int hotKeys[3] = {};
  };
  FieldControls Controls;

  // The checks of OK in their order; the first failure only. A pair of
  // menus that collide names the second menu's control.
  Validation Validate() const;

  // The record to store: `current` (the controller's record as it stands
  // now, so fields the dialog does not edit keep their latest values) with
  // every edited field written over it, and the effects to carry out.
  SettingApplication Apply(const TSettings& current) const;

  // The code a list or radio group stores: its code when it is one of the
  // items, else `fallback`, the setting's default (a hand-edited registry
  // value the user left without a selection is never stored back out of range).
  static int EffectiveChoice(int code, int items, int fallback) {
    return code >= 0 && code < items ? code : fallback;
  }

 private:
  int EffectiveSortSelect() const;
  int EffectivePathDispNumber() const;
};

}  // namespace quenlark
