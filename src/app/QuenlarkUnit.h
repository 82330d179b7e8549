// The main controller: a hidden window that owns the settings, the history,
// the timers, the single-instance guard and the front door (tray icon, hot
// keys and the three popup menus), and carries every command. It routes
// events; the decisions are in the portable units it calls.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/HelpViewer.h"
#include "app/SingleTerm.h"
#include "app/Win32HelpSystem.h"
#include "dialogs/SettingsHost.h"
#include "menus/FrontDoor.h"
#include "menus/HookHotKey.h"
#include "menus/LockMode.h"
#include "menus/MenuPresenter.h"
#include "menus/TrayIcon.h"
#include "platform/ChangeWatch.h"
#include "platform/Desktop.h"
#include "platform/Shell.h"
#include "platform/Win32Handles.h"
#include "recent/History.h"
#include "settings/SettingsStore.h"
#include "ui/Forms.h"

namespace quenlark {

class TAboutForm;
class TPass;
class TSelectClearForm;
class TSettingForm;
class TUseFileSettingForm;

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

  // Makes the change watch that posts kFolderChangeMessage to the window.
  using ChangeWatchFactory = std::function<std::unique_ptr<platform::IChangeWatch>(HWND window, UINT message)>;

  // The operating system as the controller's logic uses it.
  struct Services {
    THistory::Services history;
    platform::IShell& shell;
    platform::IKeyState& keys;
    platform::IPathQuery& paths;
    platform::IMessageBox& messages;
    platform::IClock& clock;
    platform::IEnvironment& environment;
    platform::ICursorPosition& cursor;
    ChangeWatchFactory makeChangeWatch;
  };

  // The dialogs, made once the tray icon is up; they save their placement
  // before the controller's own shut-down runs, in reverse order of `all`.
  struct Dialogs {
    TAboutForm* about = nullptr;
    TSettingForm* setting = nullptr;
    TSelectClearForm* selectClear = nullptr;
    TUseFileSettingForm* useFileSetting = nullptr;
    TPass* pass = nullptr;
    std::vector<TForm*> all;
  };

  TQuenlarkForm(TApplication& app, Services services);
  ~TQuenlarkForm() override;

  void AttachDialogs(Dialogs dialogs) { dialogs_ = std::move(dialogs); }
  // Called once, when the start timer has added the tray icon: the program
  // makes its dialogs then.
  std::function<void()> OnStarted;
  // True when the guard found another instance: this process ends untouched.
  bool SecondInstance() const { return secondInstance_; }

  // The shut-down writes of the dialogs and the controller, once; used at the
  // end of the message loop and before an ending session returns.
  void SaveStateOnExit();

  // ISettingsHost
  const TSettings& CurrentSettings() const override { return settings_; }
  const TFavourites& CurrentFavourites() const override { return favourites_; }
  void ApplySettings(const TSettings& settings, unsigned effects) override;
  void ApplyFavourites(const TFavourites& favourites) override;
  void SuspendHotKeys() override;
  void ResumeHotKeys() override;
  const std::string& HistoryFolderPath() const override { return history_.HistoryFolder(); }
  const std::string& ShellRecentFolderPath() const override { return history_.ShellRecentFolder(); }
  void ScanNow() override { ScanRecent(false); }
  std::vector<ListingLine> ClearListing(const std::string& folder, int sortCode) override;
  void HistoryEntriesCleared(const std::vector<std::string>& historyShortcuts) override;
  const std::string& LoginUserName() const override { return loginName_; }
  void ShowHelpTopic(unsigned topic) override;

 protected:
  void FormCreate() override;
  void FormDestroy() override;
  void FormRelease() override;
  bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  // Event handlers.
  void StartTimerTimer();
  void ScanTimerTimer();
  void ExitMenuItemClick();
  void HelpMenuItemClick();
  void ClearWindowsRecentMenuItemClick();
  void ClearQuenlarkRecentMenuItemClick();
  void QuenlarkTrayIconClick(MouseButton button, POINT at);
  void QuenlarkTrayIconDblClick();
  void QuenlarkTrayIconHover();
  void AppEventsMinimize();

  void CreateFrontDoor();
  void BuildClickMenuTable();
  void UpdateTrayIcon();
  void RegisterHotKeys();
  void ScanRecent(bool firstScan);
  void StartScanTimer();
  void ShowClearDialog(ClearMode mode);
  void OpenRecentItem(int tag);
  void OpenFavourite(int tag);
  std::vector<MenuItem> RecentOrFavouriteItems();

  // IFrontDoorWindows
  void BringToFront(ScreenPoint at) override;
  void ProcessMessages() override;
  void Recede() override;
  ScreenPoint CursorPos() override { return services_.cursor.CursorPos(); }
  ChosenItem PopUp(std::uint8_t menuCode, ScreenPoint at) override;
  void RunCommand(const ChosenItem& item) override;
  void StartClickWait() override;
  void StopClickWait() override;
  // IPasswordPrompt
  bool PromptShowing() override;
  bool AskPassword(std::string& entered) override;
  bool RetryAfterWrongPassword() override;
  // IScanTriggerHost
  std::uint64_t NowMilliseconds() override { return services_.clock.NowMilliseconds(); }
  void StartSettleTimer(unsigned milliseconds) override;
  void ScanFromTrigger() override { ScanRecent(false); }

  Services services_;
  TSettings settings_;
  TFavourites favourites_;
  std::string loginName_;
  std::string windowsFolder_;
  std::string programFolder_;
  THistory history_;
  // The click table, the lock flag, the busy flags and the menu choice.
  TFrontDoor frontDoor_;
  TDoubleClickSequence doubleClick_;
  TSingleTerm singleTerm_;
  std::unique_ptr<TTrayIcon> trayIcon_;
  platform::UniqueIcon activeImage_;
  platform::UniqueIcon sleepImage_;
  std::unique_ptr<THookHotKey> hotKeys_;
  std::unique_ptr<TMenuPresenter> recentPopupMenu_;
  std::unique_ptr<TMenuPresenter> quenlarkPopupMenu_;
  Dialogs dialogs_;
  // The help viewers, made when the controller's window exists.
  std::unique_ptr<Win32HelpSystem> helpSystem_;
  std::unique_ptr<THelpViewer> help_;
  bool secondInstance_ = false;
  UINT_PTR startTimer_ = 0;
  UINT_PTR scanTimer_ = 0;
  UINT_PTR settleTimer_ = 0;
  // A left click's wait for a second press that would make it a double click.
  UINT_PTR clickWaitTimer_ = 0;
  // Hides the application window shown ahead of a click that did not come.
  UINT_PTR hoverTimer_ = 0;
  static constexpr UINT kHoverShowMilliseconds = 3000;
  // Tells the history's trigger of changes in its folders.
  std::unique_ptr<platform::IChangeWatch> changeWatch_;
  // The password question of the current double click brought the
  // application window forward.
  bool passwordAsked_ = false;
};

}  // namespace quenlark
