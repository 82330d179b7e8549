// The main controller: a hidden window that owns the settings, the history
// tables, the timers, the single-instance guard and the front door (tray
// icon, hot keys and the three popup menus), and carries every command. It
// routes events; the decisions are in the portable units it calls.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/HelpViewer.h"
#include "dialogs/SettingsHost.h"
#include "settings/SettingsStore.h"
#include "app/SingleTerm.h"
#include "app/Win32HelpSystem.h"
#include "menus/FrontDoor.h"
#include "menus/HookHotKey.h"
#include "menus/LockMode.h"
#include "menus/MenuPresenter.h"
#include "menus/TrayIcon.h"
#include "platform/Collation.h"
#include "platform/Desktop.h"
#include "platform/FileSystem.h"
#include "platform/NetworkNames.h"
#include "platform/Shell.h"
#include "platform/ShortcutReader.h"
#include "platform/Win32ChangeWatch.h"
#include "platform/Win32Handles.h"
#include "recent/Filters.h"
#include "recent/Listing.h"
#include "recent/ResolutionCache.h"
#include "recent/Scan.h"
#include "recent/ScanTrigger.h"
#include "ui/Forms.h"

namespace quenlark {

class TPass;

class TQuenlarkForm : public TForm,
                      public ISettingsHost,
                      private IFrontDoorWindows,
                      private IPasswordPrompt,
                      private IScanTriggerHost {
 public:
  // The tray icon's callback message.
  static constexpr UINT kTrayMessage = WM_APP + 1;
  // A tray click, handled from the message loop rather than inside the
  // notification the taskbar sent (wParam the button, lParam the point).
  static constexpr UINT kTrayClickMessage = WM_APP + 2;
  // A change in a watched folder (wParam the watch's slot, lParam 1 when the
  // watch failed).
  static constexpr UINT kFolderChangeMessage = WM_APP + 3;

  // The operating system as the controller's logic uses it.
  struct Services {
    platform::IRegistry& registry;
    platform::IFileSystem& fs;
    platform::IShortcutReader& shortcuts;
    platform::ITextCollation& collation;
    platform::INetworkNames& network;
    platform::IShell& shell;
    platform::IKeyState& keys;
    platform::IPathQuery& paths;
    platform::IMessageBox& messages;
  };

  TQuenlarkForm(TApplication& app, Services services);
  ~TQuenlarkForm() override;

  // The dialogs, in the order they were created; they save their placement
  // before the controller's own shut-down runs.
  void AttachDialogs(std::vector<TForm*> dialogs) { dialogs_ = std::move(dialogs); }
  // Called once, when the start timer has added the tray icon: the program
  // makes its dialogs then.
  std::function<void()> OnStarted;
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
  void QuenlarkTrayIconClick(MouseButton button, POINT at);
  void QuenlarkTrayIconDblClick();
  void HookHotKeyHotKey(int index);
  void AppEventsMinimize();

  void BuildClickMenuTable();
  void UpdateTrayIcon();
  bool RegisterMenuHotKey(int id, std::int32_t combination);
  bool UnregisterMenuHotKey(int id);
  void ScanRecent(bool firstScan);
  void LocateHistoryFolderNow();
  void OpenRecentItem(int tag);
  void OpenFavourite(int tag);

  // The shut-down writes of the dialogs and the controller, once; used at the
  // end of the message loop and before an ending session returns.
  void SaveStateOnExit();

  // ISettingsHost
  const TSettings& CurrentSettings() const override { return Settings; }
  const TFavourites& CurrentFavourites() const override { return Favourites; }
  void ApplySettings(const TSettings& settings, unsigned effects) override;
  void ApplyFavourites(const TFavourites& favourites) override;
  void SuspendHotKeys() override;
  void ResumeHotKeys() override;
  const std::string& HistoryFolderPath() const override { return HistoryFolder; }
  const std::string& ShellRecentFolderPath() const override { return ShellRecentFolder; }
  void ScanNow() override { ScanRecent(false); }
  const std::string& LoginUserName() const override { return LoginName; }
  void ShowHelpTopic(unsigned topic) override;

  TSettings Settings;
  TFavourites Favourites;
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
  // The click table, the lock flag, the busy flags and the menu choice.
  TFrontDoor FrontDoor;

  TSingleTerm SingleTerm;
  std::unique_ptr<TTrayIcon> QuenlarkTrayIcon;
  platform::UniqueIcon TrayIconIActiveImage;
  platform::UniqueIcon TrayIconISleepImage;
  std::unique_ptr<THookHotKey> HookHotKey;
  std::unique_ptr<TMenuPresenter> RecentPopupMenu;
  std::unique_ptr<TMenuPresenter> QuenlarkPopupMenu;
  TForm* AboutForm = nullptr;
  TForm* SettingForm = nullptr;
  TForm* SelectClearForm = nullptr;
  TForm* UseFileSettingForm = nullptr;
  TPass* PassForm = nullptr;

 protected:
  void FormCreate() override;
  void FormDestroy() override;
  void FormRelease() override;
  bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  // IFrontDoorWindows
  void BringToFront(ScreenPoint at) override;
  void ProcessMessages() override;
  void Recede() override;
  ScreenPoint CursorPos() override;
  ChosenItem PopUp(std::uint8_t menuCode, ScreenPoint at) override;
  void RunCommand(const ChosenItem& item) override;
  // IPasswordPrompt
  bool PromptShowing() override;
  bool AskPassword(std::string& entered) override;
  bool RetryAfterWrongPassword() override;
  // IScanTriggerHost
  std::uint64_t NowMilliseconds() override { return GetTickCount64(); }
  void StartSettleTimer(unsigned milliseconds) override;
  void ScanFromTrigger() override { ScanRecent(false); }

  void CreateFrontDoor();
  std::vector<MenuItem> RecentOrFavouriteItems();
  void StartScanTimer();

  Services services_;
  ShortcutResolution resolution_;
  SortOrderCache orderCache_;
  CopyLedger copies_;
  std::vector<TForm*> dialogs_;
  // The help viewers, made when the controller's window exists.
  std::unique_ptr<Win32HelpSystem> helpSystem_;
  std::unique_ptr<THelpViewer> help_;
  bool secondInstance_ = false;
  UINT_PTR startTimer_ = 0;
  UINT_PTR scanTimer_ = 0;
  UINT_PTR settleTimer_ = 0;
  // A scan soon after the shell writes a shortcut (or another program
  // changes the history), besides the timer's.
  std::unique_ptr<platform::Win32ChangeWatch> changeWatch_;
  std::unique_ptr<ScanTrigger> scanTrigger_;
  // The password question of the current double click brought the
  // application window forward.
  bool passwordAsked_ = false;
};

// Runs the whole program: creates the application, the controller and the
// dialogs in order, runs the message loop and shuts down. Returns the exit code.
int RunQuenlark(HINSTANCE instance);

}  // namespace quenlark
