#include "app/QuenlarkUnit.h"

#include <commctrl.h>

#include <memory>

#include "dialogs/AboutUnit.h"
#include "dialogs/SelectClearUnit.h"
#include "dialogs/SettingUnit.h"
#include "dialogs/UseFileSettingUnit.h"
#include "menus/PassChangeUnit.h"
#include "menus/LockMode.h"
#include "menus/PassForm.h"
#include "platform/Win32Collation.h"
#include "platform/Win32FileSystem.h"
#include "platform/Win32NetworkNames.h"
#include "platform/Win32ShortcutReader.h"
#include "platform/Win32Registry.h"
#include "platform/Win32System.h"
#include "recent/HistoryFolder.h"
#include "recent/Scan.h"

namespace quenlark {

TQuenlarkForm::TQuenlarkForm(TApplication& app, Services services)
    : TForm(app, services.registry, "TQuenlarkForm", "Quenlark", 0, 0, WS_POPUP, WS_EX_TOOLWINDOW),
      services_(services),
      resolution_(services.shortcuts) {}

void TQuenlarkForm::FormCreate() {
  // The guard runs before anything else: a second process must leave the
  // registry, the history and the running instance exactly as they are.
  if (!SingleTerm.Attach(Handle())) {
    secondInstance_ = true;
    app_.Terminate();
    return;
  }

  SetClassLongPtrA(app_.Handle(), GCLP_HICON, reinterpret_cast<LONG_PTR>(LoadIconA(app_.Instance(), "MAINICON")));
  app_.HintHidePause = 10000;
  app_.ShowMainForm = false;
  SetBounds({0, 0, 0, 0});

  CreateFrontDoor();

  UseAllowed = true;
  LoadSettings(registry_, Settings, Favourites);
  SetTimer(Handle(), kScanTimer, ScanIntervalMilliseconds(Settings.ScanTime), nullptr);
  BuildClickMenuTable();
  LoginName = platform::LoginUserName();
  LocateHistoryFolderNow();
  ShellRecentFolder = ReadShellRecentFolder(registry_);
  WindowsFolder = platform::WindowsFolderPath();
  ScanRecent(true);

  SetTimer(Handle(), kStartTimer, 1, nullptr);
}

void TQuenlarkForm::StartTimerTimer() {
  app_.Minimize();
  UseAllowed = UseAllowedAtStart(Settings.StartMode, Settings.LastMode);
  QuenlarkTrayIcon->SetHint(TrayHint);
  QuenlarkTrayIcon->SetActive(true);
  UpdateTrayIcon();
  RegisterMenuHotKey(1, Settings.RecentHotKey);
  RegisterMenuHotKey(2, Settings.UseFileHotKey);
  RegisterMenuHotKey(3, Settings.QuenlarkHotKey);
  KillTimer(Handle(), kStartTimer);
}

void TQuenlarkForm::ScanTimerTimer() { ScanRecent(false); }

void TQuenlarkForm::LocateHistoryFolderNow() {
  HistoryFolder = LocateHistoryFolder(services_.fs, platform::ProgramFolderPath(), Settings.MultiUser, LoginName);
}

void TQuenlarkForm::ScanRecent(bool firstScan) {
  ScanResult result =
      quenlark::ScanRecent({services_.fs, resolution_, services_.collation, services_.network, &orderCache_},
                           {HistoryListing, ShellListing, Filters}, Settings, HistoryFolder, ShellRecentFolder, firstScan);
  TrayHint = result.hint;
  if (QuenlarkTrayIcon) QuenlarkTrayIcon->SetHint(TrayHint);
}

void TQuenlarkForm::ExitMenuItemClick() { app_.Terminate(); }

void TQuenlarkForm::HelpMenuItemClick() { WinHelpA(Handle(), app_.HelpFile.c_str(), HELP_FINDER, 0); }

void TQuenlarkForm::SettingMenuItemClick() {
  if (SettingForm) ShowDialog(*SettingForm);
}

void TQuenlarkForm::UseFileSettingMenuItemClick() {
  if (UseFileSettingForm) ShowDialog(*UseFileSettingForm);
}

void TQuenlarkForm::AboutMenuItemClick() {
  if (AboutForm) ShowDialog(*AboutForm);
}

void TQuenlarkForm::SaveStateOnExit() {
  for (auto it = dialogs_.rbegin(); it != dialogs_.rend(); ++it) (*it)->SaveState();
  SaveState();
}

void TQuenlarkForm::FormDestroy() {
  if (secondInstance_) return;
  WinHelpA(Handle(), app_.HelpFile.c_str(), HELP_QUIT, 0);
  Settings.LastMode = UseAllowed;
  SaveExitState(registry_, Settings);
  Filters.ExtList.clear();
  Filters.DriveList.clear();
  // Then the components go: the icon leaves the notification area and the
  // hot keys end with their window.
  QuenlarkTrayIcon.reset();
  HookHotKey.reset();
}

bool TQuenlarkForm::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  // The popup menus' messages pass through their renderers first.
  if (ui::TPopupCool::RouteMessage(Handle(), msg, wp, lp, result)) return true;
  if (QuenlarkTrayIcon && QuenlarkTrayIcon->HandleMessage(msg, wp, lp)) {
    result = 0;
    return true;
  }
  switch (msg) {
    case WM_TIMER:
      if (wp == kStartTimer) StartTimerTimer();
      if (wp == kScanTimer) ScanTimerTimer();
      result = 0;
      return true;
    case WM_ENDSESSION:
      // The session may end as soon as this returns: write everything now,
      // then close as the exit command does.
      SaveStateOnExit();
      ExitMenuItemClick();
      result = 0;
      return true;
    case WM_CLOSE:
      ExitMenuItemClick();
      result = 0;
      return true;
    default:
      return false;
  }
}

int RunQuenlark(HINSTANCE instance) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_LINK_CLASS};
  InitCommonControlsEx(&icc);

  TApplication app(instance);
  app.Title = "Quenlark";
  app.HelpFile = "Quenlark.hlp";
  if (!app.Initialize()) return 1;

  platform::Win32Registry registry;
  platform::Win32FileSystem fs;
  platform::Win32ShortcutReader shortcuts;
  platform::Win32Collation collation;
  platform::Win32NetworkNames network;
  TQuenlarkForm controller(app, {registry, fs, shortcuts, collation, network});
  if (!controller.Create()) return 1;
  if (controller.SecondInstance()) {
    app.Run();
    return 0;
  }

  TAboutForm about(app, registry);
  TSettingForm setting(app, registry);
  TSelectClearForm selectClear(app, registry);
  TUseFileSettingForm useFileSetting(app, registry);
  TPass pass(app, registry);
  TPassChangeForm passChange(app, registry);
  std::vector<TForm*> dialogs{&about, &setting, &selectClear, &useFileSetting, &pass, &passChange};
  for (TForm* dialog : dialogs) dialog->Create();
  controller.AboutForm = &about;
  controller.SettingForm = &setting;
  controller.SelectClearForm = &selectClear;
  controller.UseFileSettingForm = &useFileSetting;
  controller.AttachDialogs(dialogs);

  int code = app.Run();

  // Dialogs go first, in reverse order of creation, then the controller.
  for (auto it = dialogs.rbegin(); it != dialogs.rend(); ++it) (*it)->Destroy();
  controller.Destroy();
  return code;
}

}  // namespace quenlark
