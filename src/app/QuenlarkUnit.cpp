#include "app/QuenlarkUnit.h"

#include <commctrl.h>

#include "dialogs/AboutUnit.h"
#include "dialogs/SelectClearUnit.h"
#include "dialogs/SettingUnit.h"
#include "dialogs/UseFileSettingUnit.h"
#include "menus/FavouritesMenu.h"
#include "menus/Launch.h"
#include "menus/LockMode.h"
#include "dialogs/PassChangeUnit.h"
#include "dialogs/PassForm.h"
#include "menus/ProgramMenu.h"
#include "menus/RecentMenu.h"
#include "platform/Win32Collation.h"
#include "platform/Win32Desktop.h"
#include "platform/Win32FileSystem.h"
#include "platform/Win32NetworkNames.h"
#include "platform/Win32Registry.h"
#include "platform/Win32Shell.h"
#include "platform/Win32ShortcutReader.h"
#include "platform/Win32System.h"
#include "recent/HistoryFolder.h"
#include "recent/Scan.h"

namespace quenlark {

TQuenlarkForm::TQuenlarkForm(TApplication& app, Services services)
    : TForm(app, services.registry, "TQuenlarkForm", "Quenlark", 0, 0, WS_POPUP, WS_EX_TOOLWINDOW),
      FrontDoor(*this, services.keys),
      services_(services),
      resolution_(services.shortcuts) {}

TQuenlarkForm::~TQuenlarkForm() { Destroy(); }

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
  startTimer_ = NewTimerId();
  scanTimer_ = NewTimerId();
  settleTimer_ = NewTimerId();
  helpSystem_ = std::make_unique<Win32HelpSystem>(Handle(), services_.paths, services_.messages);
  help_ = std::make_unique<THelpViewer>(*helpSystem_, platform::ProgramFolderPath());

  CreateFrontDoor();

  FrontDoor.UseAllowed = true;
  LoadSettings(registry_, Settings, Favourites);
  StartScanTimer();
  BuildClickMenuTable();
  LoginName = platform::LoginUserName();
  LocateHistoryFolderNow();
  ShellRecentFolder = ReadShellRecentFolder(registry_);
  WindowsFolder = platform::WindowsFolderPath();
  // The folders are watched before the first scan, so that nothing written
  // after it goes unnoticed until the timer's tick. QUENLARK_TIMER_ONLY (any
  // text) leaves the timer alone to scan: the capture benchmark compares.
  changeWatch_ = std::make_unique<platform::Win32ChangeWatch>(Handle(), kFolderChangeMessage);
  app_.SetWaitSource(changeWatch_.get());
  IScanTriggerHost& host = *this;
  scanTrigger_ = std::make_unique<ScanTrigger>(*changeWatch_, host);
  scanTrigger_->Enable(GetEnvironmentVariableA("QUENLARK_TIMER_ONLY", nullptr, 0) == 0);
  scanTrigger_->SetFolders(ShellRecentFolder, HistoryFolder);
  ScanRecent(true);

  SetTimer(Handle(), startTimer_, 1, nullptr);
}

void TQuenlarkForm::CreateFrontDoor() {
  HINSTANCE instance = app_.Instance();
  // The tray pictures at the small-icon size of the screen's DPI; owned here
  // and destroyed with the controller.
  const int cx = GetSystemMetrics(SM_CXSMICON);
  const int cy = GetSystemMetrics(SM_CYSMICON);
  TrayIconIActiveImage.reset(static_cast<HICON>(LoadImageA(instance, "TRAYACTIVE", IMAGE_ICON, cx, cy, 0)));
  TrayIconISleepImage.reset(static_cast<HICON>(LoadImageA(instance, "TRAYSLEEP", IMAGE_ICON, cx, cy, 0)));
  QuenlarkTrayIcon = std::make_unique<TTrayIcon>(Handle(), kTrayMessage, NewTimerId());
  QuenlarkTrayIcon->OnClick = [this](MouseButton button, POINT at) { QuenlarkTrayIconClick(button, at); };
  QuenlarkTrayIcon->OnDblClick = [this] { QuenlarkTrayIconDblClick(); };
  HookHotKey = std::make_unique<THookHotKey>(instance);
  HookHotKey->OnHotKey = [this](int index) { HookHotKeyHotKey(index); };
  RecentPopupMenu = std::make_unique<TMenuPresenter>(instance);
  QuenlarkPopupMenu = std::make_unique<TMenuPresenter>(instance);
  app_.OnMinimize = [this] { AppEventsMinimize(); };
}

void TQuenlarkForm::StartScanTimer() {
  SetTimer(Handle(), scanTimer_, ScanIntervalMilliseconds(Settings.ScanTime), nullptr);
}

void TQuenlarkForm::StartTimerTimer() {
  KillTimer(Handle(), startTimer_);
  app_.Minimize();
  FrontDoor.UseAllowed = UseAllowedAtStart(Settings.StartMode, Settings.LastMode);
  QuenlarkTrayIcon->SetHint(TrayHint);
  QuenlarkTrayIcon->SetActive(true);
  UpdateTrayIcon();
  RegisterMenuHotKey(1, Settings.RecentHotKey);
  RegisterMenuHotKey(2, Settings.UseFileHotKey);
  RegisterMenuHotKey(3, Settings.QuenlarkHotKey);
  // The dialogs are made once the icon is up (a click meanwhile waits in the
  // queue): making them first kept the icon away for half a second.
  if (auto started = std::move(OnStarted)) started();
}

void TQuenlarkForm::ScanTimerTimer() {
  // The folders are watched afresh: a watch lost meanwhile (the folder
  // deleted, replaced, its drive gone) is replaced once the folder is back.
  // This comes before the scan, so that a change between the two is seen
  // either by the scan or by the new watch.
  if (scanTrigger_) scanTrigger_->Tick();
  ScanRecent(false);
}

void TQuenlarkForm::StartSettleTimer(unsigned milliseconds) {
  SetTimer(Handle(), settleTimer_, milliseconds, nullptr);
}

void TQuenlarkForm::LocateHistoryFolderNow() {
  HistoryFolder = LocateHistoryFolder(services_.fs, platform::ProgramFolderPath(), Settings.MultiUser, LoginName);
}

void TQuenlarkForm::ScanRecent(bool firstScan) {
  ScanResult result =
      quenlark::ScanRecent({services_.fs, resolution_, services_.collation, services_.network, &orderCache_, &copies_},
                           {HistoryListing, ShellListing, Filters}, Settings, HistoryFolder, ShellRecentFolder, firstScan);
  TrayHint = result.hint;
  if (QuenlarkTrayIcon) QuenlarkTrayIcon->SetHint(TrayHint);
  if (scanTrigger_) scanTrigger_->ScanRan();
}

void TQuenlarkForm::BuildClickMenuTable() {
  FrontDoor.ClickMenuTable =
      quenlark::BuildClickMenuTable(Settings.RecentClick, Settings.UseFileClick, Settings.QuenlarkClick);
}

void TQuenlarkForm::UpdateTrayIcon() {
  if (QuenlarkTrayIcon)
    QuenlarkTrayIcon->SetIcon(FrontDoor.UseAllowed ? TrayIconIActiveImage.get() : TrayIconISleepImage.get());
}

bool TQuenlarkForm::RegisterMenuHotKey(int id, std::int32_t combination) {
  return HookHotKey && HookHotKey->Register(id, combination & 0xFFFF);
}

bool TQuenlarkForm::UnregisterMenuHotKey(int id) { return HookHotKey && HookHotKey->Unregister(id); }

void TQuenlarkForm::SuspendHotKeys() {
  for (int id = 1; id <= 3; ++id) UnregisterMenuHotKey(id);
}

void TQuenlarkForm::ResumeHotKeys() {
  SuspendHotKeys();
  RegisterMenuHotKey(1, Settings.RecentHotKey);
  RegisterMenuHotKey(2, Settings.UseFileHotKey);
  RegisterMenuHotKey(3, Settings.QuenlarkHotKey);
}

void TQuenlarkForm::ApplySettings(const TSettings& settings, unsigned effects) {
  Settings = settings;
  if (effects & kLocateHistoryFolder) {
    LocateHistoryFolderNow();
    if (scanTrigger_) scanTrigger_->SetFolders(ShellRecentFolder, HistoryFolder);
  }
  if (effects & kSaveSettings) SaveSettings(registry_, Settings, Favourites);
  if (effects & kRestartScanTimer) StartScanTimer();
  if (effects & kRebuildClickTable) BuildClickMenuTable();
  if (effects & kReregisterHotKeys) ResumeHotKeys();
}

void TQuenlarkForm::ApplyFavourites(const TFavourites& favourites) {
  Favourites = favourites;
  SaveSettings(registry_, Settings, Favourites);
}

void TQuenlarkForm::AppEventsMinimize() { ShowWindow(app_.Handle(), SW_HIDE); }

// ---------------------------------------------------------------- front door

void TQuenlarkForm::QuenlarkTrayIconClick(MouseButton button, POINT at) {
  // The taskbar's notification arrives as a message sent from its process;
  // a menu and the dialogs its commands open run from the program's own
  // message loop instead, where they have the keyboard.
  PostMessageA(Handle(), kTrayClickMessage, static_cast<WPARAM>(button), MAKELPARAM(at.x, at.y));
}

void TQuenlarkForm::HookHotKeyHotKey(int index) { FrontDoor.HotKey(index); }

void TQuenlarkForm::QuenlarkTrayIconDblClick() {
  const DoubleClickOutcome outcome =
      TrayIconDoubleClick(FrontDoor.UseAllowed, Settings.DbClickPassWord, Settings.PassWord, *this);
  if (outcome.changed) UpdateTrayIcon();
  // Unlocked with the password: the menu of a plain left click opens where
  // the user double-clicked (the click dispatch brings the window forward
  // and reads the modifier keys live).
  if (outcome.reopen) {
    app_.ProcessMessages();
    FrontDoor.TrayClick(MouseButton::Left, FrontDoor.LastClickPos);
  } else if (passwordAsked_) {
    app_.Recede();
  }
  passwordAsked_ = false;
}

bool TQuenlarkForm::PromptShowing() { return PassForm && PassForm->Showing(); }

bool TQuenlarkForm::AskPassword(std::string& entered) {
  if (!PassForm) return false;
  // The application window comes forward first and owns the question: when
  // the dialog closes the activation returns to it, so the menu that opens
  // after the right password has the keyboard.
  if (!passwordAsked_) {
    passwordAsked_ = true;
    app_.BringToFront({FrontDoor.LastClickPos.x, FrontDoor.LastClickPos.y});
  }
  PassForm->ClearPassEdit();
  const int result = PassForm->ShowModal();
  entered = PassForm->PassEditText();
  return result == mrOk;
}

bool TQuenlarkForm::RetryAfterWrongPassword() {
  return services_.messages.Show("ﾊﾟｽﾜｰﾄﾞが違います。", "ﾊﾟｽﾜｰﾄﾞｴﾗｰ",
                                 platform::kMbOkCancel | platform::kMbIconExclamation) == platform::kIdOk;
}

void TQuenlarkForm::BringToFront(ScreenPoint at) { app_.BringToFront({at.x, at.y}); }

void TQuenlarkForm::ProcessMessages() { app_.ProcessMessages(); }

void TQuenlarkForm::Recede() { app_.Recede(); }

ScreenPoint TQuenlarkForm::CursorPos() {
  POINT at{};
  GetCursorPos(&at);
  return {at.x, at.y};
}

std::vector<MenuItem> TQuenlarkForm::RecentOrFavouriteItems() {
  if (FrontDoor.MenuChoice == kFavouritesMenu) {
    return BuildFavouriteItems(Favourites, Settings, services_.paths.ProgramPath());
  }
  ListingServices listing{services_.fs, resolution_, services_.collation, &orderCache_};
  ListFolder(listing, HistoryFolder, MenuListing,
             {true, static_cast<int>(Settings.SortSelect), Settings.AutoClear, HistoryFolder});
  const int pathMode = EffectivePathMode(Settings.PathDispNumber, FrontDoor.OpenedByHotKey,
                                         services_.keys.KeyDown(platform::kVkControl));
  return BuildRecentItems(MenuListing.lines, Settings, pathMode);
}

ChosenItem TQuenlarkForm::PopUp(std::uint8_t menuCode, ScreenPoint at) {
  const ui::TMenuStyle style = Settings.OfficeStyle ? ui::TMenuStyle::msOffice : ui::TMenuStyle::msWindows;
  TMenuPresenter& menu = menuCode == kProgramMenu ? *QuenlarkPopupMenu : *RecentPopupMenu;
  if (menuCode == kProgramMenu) {
    menu.Rebuild(MirrorMainMenu(Settings.IconDisp), Settings.IconDisp, style);
  } else {
    // The presenter keeps the pictures of the recent files and of the
    // favourites apart: each menu's build drops only its own unused ones.
    menu.Rebuild(RecentOrFavouriteItems(), Settings.IconDisp, style, FrontDoor.MenuChoice);
  }
  return menu.Show(Handle(), {at.x, at.y});
}

void TQuenlarkForm::RunCommand(const ChosenItem& item) {
  switch (item.command) {
    case MenuCommand::OpenRecentItem:
      OpenRecentItem(item.tag);
      break;
    case MenuCommand::OpenFavourite:
      OpenFavourite(item.tag);
      break;
    case MenuCommand::Setting:
      SettingMenuItemClick();
      break;
    case MenuCommand::UseFileSetting:
      UseFileSettingMenuItemClick();
      break;
    case MenuCommand::ClearWindowsRecent:
      ClearWindowsRecentMenuItemClick();
      break;
    case MenuCommand::ClearQuenlarkRecent:
      ClearQuenlarkRecentMenuItemClick();
      break;
    case MenuCommand::Help:
      HelpMenuItemClick();
      break;
    case MenuCommand::About:
      AboutMenuItemClick();
      break;
    case MenuCommand::Exit:
      ExitMenuItemClick();
      break;
    case MenuCommand::Nothing:
    case MenuCommand::None:
      break;
  }
}

void TQuenlarkForm::OpenRecentItem(int tag) {
  const std::string shortcut = RecentItemShortcut(MenuListing.lines, tag);
  if (!shortcut.empty()) OpenShortcut(services_.shell, shortcut);
}

void TQuenlarkForm::OpenFavourite(int tag) {
  if (tag < 0 || tag >= kFavouriteSlots) return;
  const TFavourite& slot = Favourites.Slots[tag];
  quenlark::OpenFavourite(services_.shell, services_.keys, services_.paths, slot.File, slot.Execute, WindowsFolder);
}

// ------------------------------------------------------------------ commands

void TQuenlarkForm::ExitMenuItemClick() { app_.Terminate(); }

void TQuenlarkForm::HelpMenuItemClick() {
  if (help_) help_->Show(kHelpContents);
}

void TQuenlarkForm::ShowHelpTopic(unsigned topic) {
  if (help_) help_->Show(topic);
}

void TQuenlarkForm::SettingMenuItemClick() {
  if (SettingForm) ShowDialog(*SettingForm);
}

void TQuenlarkForm::UseFileSettingMenuItemClick() {
  if (UseFileSettingForm) ShowDialog(*UseFileSettingForm);
}

void TQuenlarkForm::AboutMenuItemClick() {
  if (AboutForm) ShowDialog(*AboutForm);
}

void TQuenlarkForm::ClearWindowsRecentMenuItemClick() {
  // The shell's entries are captured before the user clears them.
  ScanRecent(false);
  if (auto* form = dynamic_cast<TSelectClearForm*>(SelectClearForm)) {
    if (!form->Showing()) form->ClearMode = 0;
    ShowDialog(*form);
  }
}

void TQuenlarkForm::ClearQuenlarkRecentMenuItemClick() {
  if (auto* form = dynamic_cast<TSelectClearForm*>(SelectClearForm)) {
    if (!form->Showing()) form->ClearMode = 1;
    ShowDialog(*form);
  }
}

// ------------------------------------------------------------------ shut-down

void TQuenlarkForm::SaveStateOnExit() {
  for (auto it = dialogs_.rbegin(); it != dialogs_.rend(); ++it) (*it)->SaveState();
  SaveState();
}

void TQuenlarkForm::FormDestroy() {
  if (secondInstance_) return;
  // The help windows opened from here close with the program.
  if (help_) help_->Close();
  Settings.LastMode = FrontDoor.UseAllowed;
  SaveExitState(registry_, Settings);
}

void TQuenlarkForm::FormRelease() {
  // The icon leaves the notification area and the hot keys end with their
  // window. This runs when the controller is destroyed after the message
  // loop, never inside a handler of these components.
  Filters = FilterLists{};
  // The watches end before the window they post to.
  KillTimer(Handle(), settleTimer_);
  scanTrigger_.reset();
  app_.SetWaitSource(nullptr);
  changeWatch_.reset();
  QuenlarkTrayIcon.reset();
  HookHotKey.reset();
  RecentPopupMenu.reset();
  QuenlarkPopupMenu.reset();
}

bool TQuenlarkForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  // The popup menus' messages pass through their renderers first.
  if (ui::TPopupCool::RouteMessage(Handle(), msg, wp, lp, result)) return true;
  if (QuenlarkTrayIcon && QuenlarkTrayIcon->HandleMessage(msg, wp, lp)) {
    result = 0;
    return true;
  }
  switch (msg) {
    case kTrayClickMessage:
      FrontDoor.TrayClick(static_cast<MouseButton>(wp),
                          {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
      result = 0;
      return true;
    case kFolderChangeMessage:
      if (changeWatch_) changeWatch_->Acknowledge(static_cast<int>(wp));
      if (scanTrigger_) scanTrigger_->Signal(static_cast<int>(wp), lp != 0);
      result = 0;
      return true;
    case WM_TIMER:
      if (wp == startTimer_) StartTimerTimer();
      if (wp == scanTimer_) ScanTimerTimer();
      if (wp == settleTimer_) {
        KillTimer(Handle(), settleTimer_);
        if (scanTrigger_) scanTrigger_->SettleTimerFired();
      }
      result = 0;
      return true;
    case WM_ENDSESSION:
      // The session may end as soon as this returns: write everything now.
      // The components are released only after the message loop has ended,
      // since a menu or dialog may be up and its handler still running.
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
  platform::Win32Shell shell;
  platform::Win32KeyState keys;
  platform::Win32PathQuery paths;
  platform::Win32MessageBox messages;
  TQuenlarkForm controller(app, {registry, fs, shortcuts, collation, network, shell, keys, paths, messages});
  if (!controller.Create()) return 1;
  shell.SetController(controller.Handle());
  if (controller.SecondInstance()) {
    app.Run();
    return 0;
  }

  TPassChangeForm passChange(app, registry, messages);
  TAboutForm about(app, registry, shell);
  TSettingForm setting(app, registry, controller, passChange, messages);
  TSelectClearForm selectClear(app, registry, controller, {fs, shortcuts, collation, shell, keys, paths, messages});
  TUseFileSettingForm useFileSetting(app, registry, controller, {messages, paths});
  TPass pass(app, registry);
  std::vector<TForm*> dialogs{&about, &setting, &selectClear, &useFileSetting, &pass, &passChange};
  // Created, and handed to the controller, right after the tray icon was added.
  controller.OnStarted = [&] {
    for (TForm* dialog : dialogs) dialog->Create();
    controller.AboutForm = &about;
    controller.SettingForm = &setting;
    controller.SelectClearForm = &selectClear;
    controller.UseFileSettingForm = &useFileSetting;
    controller.PassForm = &pass;
    controller.AttachDialogs(dialogs);
  };

  int code = app.Run();

  // Dialogs go first, in reverse order of creation, then the controller.
  for (auto it = dialogs.rbegin(); it != dialogs.rend(); ++it) (*it)->Destroy();
  controller.Destroy();
  return code;
}

}  // namespace quenlark
