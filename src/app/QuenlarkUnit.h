// The main controller: a hidden window that owns the settings, the history
// tables, the timers and the single-instance guard, and carries every command.
#pragma once

#include <string>
#include <vector>

#include "app/Forms.h"
#include "app/SettingsStore.h"
#include "app/SingleTerm.h"
#include "platform/Collation.h"
#include "platform/FileSystem.h"
#include "platform/NetworkNames.h"
#include "platform/ShortcutReader.h"
#include "recent/Filters.h"
#include "recent/Listing.h"
#include "recent/ResolutionCache.h"

namespace quenlark {

class TQuenlarkForm : public TForm {
 public:
  static constexpr UINT_PTR kStartTimer = 1;
  static constexpr UINT_PTR kScanTimer = 2;

  // The operating system as the controller's logic uses it.
  struct Services {
    platform::IRegistry& registry;
    platform::IFileSystem& fs;
    platform::IShortcutReader& shortcuts;
    platform::ITextCollation& collation;
    platform::INetworkNames& network;
  };

  TQuenlarkForm(TApplication& app, Services services);

  // The dialogs, in the order they were created; they save their placement
  // before the controller's own shut-down runs.
  void AttachDialogs(std::vector<TForm*> dialogs) { dialogs_ = std::move(dialogs); }
  // True when the guard found another instance: this process ends untouched.
  bool SecondInstance() const { return secondInstance_; }

  // Event handlers.
  void StartTimerTimer();
  void ScanTimerTimer();
  void ExitMenuItemClick();
  void HelpMenuItemClick();
  void SettingMenuItemClick();
  void UseFileSettingMenuItemClick();
  void AboutMenuItemClick();

  // The shut-down writes of the dialogs and the controller, once; used at the
  // end of the message loop and before an ending session returns.
  void SaveStateOnExit();

  void ScanRecent(bool firstScan);
  void LocateHistoryFolderNow();

  TSettings Settings;
  TFavourites Favourites;
  bool UseAllowed = true;
  std::string LoginName;
  std::string HistoryFolder;
  std::string ShellRecentFolder;
  std::string WindowsFolder;
  // ExtList and DriveList, rebuilt by every scan whose filter is on.
  FilterLists Filters;
  ListingTable MenuListing{kControllerTableHighestIndex};
  ListingTable HistoryListing{kControllerTableHighestIndex};
  ListingTable ShellListing{kControllerTableHighestIndex};
  // The hint of the tray icon, as the latest scan left it.
  std::string TrayHint = "Quenlark";

  TSingleTerm SingleTerm;
  TForm* AboutForm = nullptr;
  TForm* SettingForm = nullptr;
  TForm* SelectClearForm = nullptr;
  TForm* UseFileSettingForm = nullptr;

 protected:
  void FormCreate() override;
  void FormDestroy() override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  Services services_;
  ShortcutResolution resolution_;
  SortOrderCache orderCache_;
  std::vector<TForm*> dialogs_;
  bool secondInstance_ = false;
};

// Runs the whole program: creates the application, the controller and the
// dialogs in order, runs the message loop and shuts down. Returns the exit code.
int RunQuenlark(HINSTANCE instance);

}  // namespace quenlark
