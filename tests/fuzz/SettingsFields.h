// Every field of the settings record as one tuple, so that two records
// compare as a whole. A field added to TSettings belongs here too.
#pragma once

#include <tuple>

#include "settings/SettingsStore.h"

namespace fuzz {

inline auto Fields(const quenlark::TSettings& s) {
  return std::tie(s.RecentMax, s.ScanTime, s.AutoClear, s.MultiUser, s.PathDiff, s.ExtDisp, s.PathDisp,
                  s.PathDispNumber, s.DateTimeDisp, s.ExtCheck, s.ExtName, s.DriveCheck, s.DriveName,
                  s.NetworkCheck, s.FolderCheck, s.DateTopDisp, s.SortSelect, s.StartMode, s.LastMode,
                  s.DbClickPassWord, s.PassWord, s.RecentClick, s.RecentHotKey, s.UseFileClick, s.UseFileHotKey,
                  s.QuenlarkClick, s.QuenlarkHotKey, s.IconDisp, s.OfficeStyle, s.QuenlarkMenuDisp,
                  s.SendToRecycle, s.Version);
}

}  // namespace fuzz
