// The main controller: a hidden window that owns the settings, the history
// tables, the timers and the single-instance guard, and carries every command.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/Forms.h"
#include "app/SettingsStore.h"
#include "app/SingleTerm.h"
#include "platform/Collation.h"
#include "platform/FileSystem.h"
#include "platform/NetworkNames.h"
#include "platform/ShortcutReader.h"
#include "recent/Filters.h"
#include "recent/Listing.h"
#include "recent/ResolutionCache.h"
#include "menus/ClickTable.h"
#include "menus/HookHotKey.h"
#include "menus/PopupMenus.h"
#include "menus/TrayIcon.h"

namespace quenlark {

class TQuenlarkForm : public TForm {
 public:
  static constexpr UINT_PTR kStartTimer = 1;
  static constexpr UINT_PTR kScanTimer = 2;
  // The tray icon's callback message.
  static constexpr UINT kTrayMessage = WM_APP + 1;

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
  void ClearWindowsRecentMenuItemClick();
  void ClearQuenlarkRecentMenuItemClick();

  // The front door: tray icon, hot keys and the three menus.
  void BuildClickMenuTable();
  void UpdateTrayIcon();
  bool RegisterMenuHotKey(int id, std::int32_t combination);
  bool UnregisterMenuHotKey(int id);
  bool ReregisterMenuHotKey(int id, std::int32_t combination);
  void QuenlarkTrayIconClick(MouseButton button, POINT at);
  void HookHotKeyHotKey(int index);
  void AppEventsMinimize();
  void RecentPopupMenuPopup();
  void QuenlarkPopupMenuPopup();
  void OpenRecentItem(int tag);
  void OpenFavourite(int tag);

  // The shut-down writes of the dialogs and the controller, once; used at the
  // end of the message loop and before an ending session returns.
  void SaveStateOnExit();

  void ScanRecent(bool firstScan);
  // Pops a menu up with its top-left corner at the point, then runs the
  // command of the chosen item (after the menu has closed).
  void PopUp(TPopupMenu& menu, void (TQuenlarkForm::*build)(), POINT at);
  void RunCommand(const ChosenItem& item);
  // Attaches and styles a renderer before a build (null when icons are off),
  // and switches the built items to owner drawing after it.
  ui::TPopupCool* PrepareRenderer(ui::TPopupCool& renderer, TPopupMenu& menu);
  void FinishRenderer(ui::TPopupCool* renderer, TPopupMenu& menu);
  // Creates the tray icon, the hot-key window and the menus.
  void CreateFrontDoor();
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

  quenlark::ClickMenuTable ClickMenuTable{};
  std::uint8_t MenuChoice = 0;
  bool OpenedByHotKey = false;
  POINT LastClickPos{};
  bool ClickBusy = false;
  bool HotKeyBusy = false;

  TSingleTerm SingleTerm;
  std::unique_ptr<TTrayIcon> QuenlarkTrayIcon;
  HICON TrayIconIActiveImage = nullptr;
  HICON TrayIconISleepImage = nullptr;
  std::unique_ptr<THookHotKey> HookHotKey;
  std::unique_ptr<TMenuImages> MenuImages;
  std::unique_ptr<TPopupMenu> RecentPopupMenu;
  std::unique_ptr<TPopupMenu> QuenlarkPopupMenu;
  std::unique_ptr<ui::TPopupCool> RecentPopupCool;
  std::unique_ptr<ui::TPopupCool> QuenlarkPopupCool;
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
