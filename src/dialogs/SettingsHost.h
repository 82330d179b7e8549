// What the dialogs may ask of the main controller: the settings and the
// favourites as they stand, and taking back an edited copy with the effects
// it needs. The dialogs hold an edit copy and never the controller's fields.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "recent/Listing.h"
#include "settings/SettingsStore.h"

namespace quenlark {

// The effects of applying edited settings, carried out by the controller in
// this order.
enum SettingsEffect : unsigned {
  kLocateHistoryFolder = 1u << 0,
  kSaveSettings = 1u << 1,
  kRestartScanTimer = 1u << 2,
  kRebuildClickTable = 1u << 3,
  kReregisterHotKeys = 1u << 4,
};

// What the selective clear dialog lists and clears.
enum class ClearMode : std::uint8_t { ShellRecent = 0, History = 1 };

class ISettingsHost {
 public:
  virtual ~ISettingsHost() = default;
  virtual const TSettings& CurrentSettings() const = 0;
  virtual const TFavourites& CurrentFavourites() const = 0;
  // Takes the edited settings and carries out the effects.
  virtual void ApplySettings(const TSettings& settings, unsigned effects) = 0;
  // Takes the edited favourites (shown from the next opening of the menu)
  // and stores them.
  virtual void ApplyFavourites(const TFavourites& favourites) = 0;
  // The menu hot keys are off while the settings dialog is open, so that the
  // user can type them into its hot-key controls; Resume registers them
  // again from the settings as they then stand.
  virtual void SuspendHotKeys() = 0;
  virtual void ResumeHotKeys() = 0;
  virtual const std::string& HistoryFolderPath() const = 0;
  virtual const std::string& ShellRecentFolderPath() const = 0;
  // One scan of the shell's Recent folder, now.
  virtual void ScanNow() = 0;
  // The selective clear dialog's listing of `folder` (one of the two above)
  // by `sortCode`, from the history object that owns every listing: lines
  // ascending, at most 101; unreadable shortcuts go as the listing rules say.
  virtual std::vector<ListingLine> ClearListing(const std::string& folder, int sortCode) = 0;
  // The user cleared these history files (full paths): their entries are not
  // captured again from the shell until the shell writes them anew.
  virtual void HistoryEntriesCleared(const std::vector<std::string>& historyShortcuts) = 0;
  // The login user name the program started with (empty when the system gave none).
  virtual const std::string& LoginUserName() const = 0;
  // Opens the program's help at a topic (10 the settings dialog, 20 the
  // favourites editor). When there is no help to open the user is told so.
  virtual void ShowHelpTopic(unsigned topic) = 0;
};

}  // namespace quenlark
