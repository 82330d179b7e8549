#include "app/QuenlarkUnit.h"

#include "dialogs/AboutUnit.h"
#include "dialogs/PassForm.h"
#include "dialogs/SelectClearUnit.h"
#include "dialogs/SettingUnit.h"
#include "dialogs/UseFileSettingUnit.h"
#include "menus/FavouritesMenu.h"
#include "menus/Launch.h"
#include "menus/ProgramMenu.h"
#include "menus/RecentMenu.h"
#include "menus/TrayHint.h"
#include "platform/Win32System.h"

namespace quenlark {

namespace {

// The tray's hint for what a scan left in the history.
std::string HintOf(const ScanResult& scan) { return TrayHint(scan.historyCount, scan.recentMax); }

}  // namespace

TQuenlarkForm::TQuenlarkForm(TApplication& app, Services services)
    : TForm(app, services.history.registry, "TQuenlarkForm", "Quenlark", 0, 0, WS_POPUP, WS_EX_TOOLWINDOW),
      services_(std::move(services)),
      history_(services_.history),
      frontDoor_(*this, services_.keys) {}

TQuenlarkForm::~TQuenlarkForm() { Destroy(); }

void TQuenlarkForm::FormCreate() {
  // The guard runs before anything else: a second process must leave the
  // registry, the history and the running instance exactly as they are.
  if (!singleTerm_.Attach(Handle())) {
    secondInstance_ = true;
    app_.Terminate();
    return;
  }
  // The face is chosen once, before any menu, dialog or message is made.
  SetFace(ChooseFace(GetUserDefaultUILanguage(), ReadLanguageOverride(registry_)));

  SetClassLongPtrW(app_.Handle(), GCLP_HICON, reinterpret_cast<LONG_PTR>(LoadIconW(app_.Instance(), L"MAINICON")));
  app_.HintHidePause = 10000;
  app_.ShowMainForm = false;
  SetBounds({0, 0, 0, 0});
  startTimer_ = NewTimerId();
  scanTimer_ = NewTimerId();
  settleTimer_ = NewTimerId();
  programFolder_ = platform::ProgramFolderPath();
  helpSystem_ = std::make_unique<Win32HelpSystem>(Handle(), services_.paths, services_.messages);
  help_ = std::make_unique<THelpViewer>(*helpSystem_, programFolder_, CurrentFace());

  CreateFrontDoor();

  frontDoor_.UseAllowed = true;
  LoadSettings(registry_, settings_, favourites_);
  StartScanTimer();
  BuildClickMenuTable();
  loginName_ = platform::LoginUserName();
  history_.LocateFolders(settings_, programFolder_, loginName_);
  windowsFolder_ = platform::WindowsFolderPath();
  // The folders are watched before the first scan, so that nothing written
  // after it goes unnoticed until the timer's tick. QUENLARK_TIMER_ONLY (any
  // text) leaves the timer alone to scan: the capture benchmark compares.
  changeWatch_ = services_.makeChangeWatch(Handle(), kFolderChangeMessage);
  history_.Watch(*changeWatch_, *this, !services_.environment.IsSet("QUENLARK_TIMER_ONLY"));
  ScanRecent(true);

  SetTimer(Handle(), startTimer_, 1, nullptr);
}

void TQuenlarkForm::CreateFrontDoor() {
  HINSTANCE instance = app_.Instance();
  trayIcon_ = std::make_unique<TTrayIcon>(Handle(), kTrayMessage, NewTimerId());
  // The tray pictures at the size for the notification area's DPI; owned
  // here and destroyed with the controller. Made again for a new taskbar or
  // a new DPI, and the icon modified to show them.
  auto loadTrayImages = [this, instance] {
    const SIZE size = trayIcon_->PictureSize();
    activeImage_.reset(static_cast<HICON>(LoadImageW(instance, L"TRAYACTIVE", IMAGE_ICON, size.cx, size.cy, 0)));
    sleepImage_.reset(static_cast<HICON>(LoadImageW(instance, L"TRAYSLEEP", IMAGE_ICON, size.cx, size.cy, 0)));
  };
  loadTrayImages();
  trayIcon_->OnTaskbarCreated = trayIcon_->OnDpiChanged = [this, loadTrayImages] {
    loadTrayImages();
    UpdateTrayIcon();
  };
  clickWaitTimer_ = NewTimerId();
  trayIcon_->OnClick = [this](MouseButton button, POINT at) { QuenlarkTrayIconClick(button, at); };
  trayIcon_->OnDblClick = [this] { QuenlarkTrayIconDblClick(); };
  hoverTimer_ = NewTimerId();
  trayIcon_->OnHover = [this] { QuenlarkTrayIconHover(); };
  hotKeys_ = std::make_unique<THookHotKey>(instance);
  hotKeys_->OnHotKey = [this](int index) { frontDoor_.HotKey(index); };
  recentPopupMenu_ = std::make_unique<TMenuPresenter>(instance, app_.Theme);
  quenlarkPopupMenu_ = std::make_unique<TMenuPresenter>(instance, app_.Theme);
  app_.OnMinimize = [this] { AppEventsMinimize(); };
}

void TQuenlarkForm::StartScanTimer() {
  SetTimer(Handle(), scanTimer_, ScanIntervalMilliseconds(settings_.ScanTime), nullptr);
}

void TQuenlarkForm::StartTimerTimer() {
  KillTimer(Handle(), startTimer_);
  app_.Minimize();
  frontDoor_.UseAllowed = UseAllowedAtStart(settings_.StartMode, settings_.LastMode);
  trayIcon_->SetHint(HintOf(history_.LastScan()));
  trayIcon_->SetActive(true);
  UpdateTrayIcon();
  RegisterHotKeys();
  // The dialogs are made once the icon is up (a click meanwhile waits in the
  // queue): making them first kept the icon away for half a second.
  if (auto started = std::move(OnStarted)) started();
}

void TQuenlarkForm::ScanTimerTimer() {
  // The folders are watched afresh: a watch lost meanwhile (the folder
  // deleted, replaced, its drive gone) is replaced once the folder is back.
  // This comes before the scan, so that a change between the two is seen
  // either by the scan or by the new watch.
  history_.Tick();
  ScanRecent(false);
}

void TQuenlarkForm::StartSettleTimer(unsigned milliseconds) {
  SetTimer(Handle(), settleTimer_, milliseconds, nullptr);
}

void TQuenlarkForm::ScanRecent(bool firstScan) {
  history_.ScanRecent(settings_, firstScan);
  if (trayIcon_) trayIcon_->SetHint(HintOf(history_.LastScan()));
}

std::vector<ListingLine> TQuenlarkForm::ClearListing(const std::string& folder, int sortCode) {
  return history_.ListForClear(settings_, folder, sortCode, kClearTableHighestIndex);
}

void TQuenlarkForm::HistoryEntriesCleared(const std::vector<std::string>& historyShortcuts) {
  history_.HistoryEntriesCleared(historyShortcuts);
}

void TQuenlarkForm::BuildClickMenuTable() {
  frontDoor_.ClickMenuTable =
      quenlark::BuildClickMenuTable(settings_.RecentClick, settings_.UseFileClick, settings_.QuenlarkClick);
}

void TQuenlarkForm::UpdateTrayIcon() {
  if (trayIcon_) trayIcon_->SetIcon(frontDoor_.UseAllowed ? activeImage_.get() : sleepImage_.get());
}

void TQuenlarkForm::RegisterHotKeys() {
  if (!hotKeys_) return;
  hotKeys_->Register(1, settings_.RecentHotKey & 0xFFFF);
  hotKeys_->Register(2, settings_.UseFileHotKey & 0xFFFF);
  hotKeys_->Register(3, settings_.QuenlarkHotKey & 0xFFFF);
}

void TQuenlarkForm::SuspendHotKeys() {
  if (!hotKeys_) return;
  for (int id = 1; id <= 3; ++id) hotKeys_->Unregister(id);
}

void TQuenlarkForm::ResumeHotKeys() {
  SuspendHotKeys();
  RegisterHotKeys();
}

void TQuenlarkForm::ApplySettings(const TSettings& settings, unsigned effects) {
  settings_ = settings;
  if (effects & kLocateHistoryFolder) history_.SetFolders(settings_, programFolder_, loginName_);
  if (effects & kSaveSettings) SaveSettings(registry_, settings_, favourites_);
  if (effects & kRestartScanTimer) StartScanTimer();
  if (effects & kRebuildClickTable) BuildClickMenuTable();
  if (effects & kReregisterHotKeys) ResumeHotKeys();
}

void TQuenlarkForm::ApplyFavourites(const TFavourites& favourites) {
  favourites_ = favourites;
  SaveSettings(registry_, settings_, favourites_);
}

void TQuenlarkForm::AppEventsMinimize() { ShowWindow(app_.Handle(), SW_HIDE); }

// ---------------------------------------------------------------- front door

void TQuenlarkForm::QuenlarkTrayIconClick(MouseButton button, POINT at) {
  // The taskbar's notification arrives as a message sent from its process;
  // a menu and the dialogs its commands open run from the program's own
  // message loop instead, where they have the keyboard.
  // The message carries the number of double clicks handled so far (above
  // the button), so that the front door knows a click a double click
  // overtook.
  const WPARAM report = static_cast<WPARAM>(button) | (static_cast<WPARAM>(frontDoor_.DoubleClicks()) << 8);
  PostMessageW(Handle(), kTrayClickMessage, report, MAKELPARAM(at.x, at.y));
}

void TQuenlarkForm::QuenlarkTrayIconHover() {
  if (!frontDoor_.UseAllowed || frontDoor_.ClickBusy || frontDoor_.HotKeyBusy) return;
  app_.ShowAhead();
  // Hidden again a while after the pointer last moved over the icon, if no
  // menu took the window meanwhile.
  SetTimer(Handle(), hoverTimer_, kHoverShowMilliseconds, nullptr);
}

void TQuenlarkForm::QuenlarkTrayIconDblClick() {
  frontDoor_.IconDoubleClick();
  const auto outcome = doubleClick_.Run(frontDoor_.UseAllowed, settings_.DbClickPassWord, settings_.PassWord, *this);
  // A double click inside the running sequence's dialogs changes nothing.
  if (!outcome) return;
  if (outcome->changed) UpdateTrayIcon();
  // Unlocked with the password: the menu of a plain left click opens where
  // the user double-clicked (the click dispatch brings the window forward
  // and reads the modifier keys live).
  if (outcome->reopen) {
    app_.ProcessMessages();
    frontDoor_.TrayClick(MouseButton::Left, frontDoor_.LastClickPos);
  } else if (passwordAsked_) {
    app_.Recede();
  }
  passwordAsked_ = false;
}

bool TQuenlarkForm::PromptShowing() { return dialogs_.pass && dialogs_.pass->Showing(); }

bool TQuenlarkForm::AskPassword(std::string& entered) {
  if (!dialogs_.pass) return false;
  // The application window comes forward first and owns the question: when
  // the dialog closes the activation returns to it, so the menu that opens
  // after the right password has the keyboard.
  if (!passwordAsked_) {
    passwordAsked_ = true;
    app_.BringToFront({frontDoor_.LastClickPos.x, frontDoor_.LastClickPos.y});
  }
  dialogs_.pass->ClearPassEdit();
  const int result = dialogs_.pass->ShowModal();
  entered = dialogs_.pass->PassEditText();
  return result == mrOk;
}

bool TQuenlarkForm::RetryAfterWrongPassword() {
  return services_.messages.Show(Text(TextId::PassWrong), Text(TextId::PassErrorCaption),
                                 platform::kMbOkCancel | platform::kMbIconExclamation) == platform::kIdOk;
}

// The wait is the system's double-click time, read afresh for every click:
// the user may change it while the program runs.
void TQuenlarkForm::StartClickWait() { SetTimer(Handle(), clickWaitTimer_, GetDoubleClickTime(), nullptr); }

void TQuenlarkForm::StopClickWait() { KillTimer(Handle(), clickWaitTimer_); }

void TQuenlarkForm::BringToFront(ScreenPoint at) { app_.BringToFront({at.x, at.y}); }

void TQuenlarkForm::ProcessMessages() { app_.ProcessMessages(); }

void TQuenlarkForm::Recede() { app_.Recede(); }

std::vector<MenuItem> TQuenlarkForm::RecentOrFavouriteItems() {
  if (frontDoor_.MenuChoice == kFavouritesMenu) {
    return BuildFavouriteItems(favourites_, settings_, services_.paths.ProgramPath());
  }
  const std::vector<ListingLine>& lines = history_.ListForMenu(settings_);
  const int pathMode = EffectivePathMode(settings_.PathDispNumber, frontDoor_.OpenedByHotKey,
                                         services_.keys.KeyDown(platform::kVkControl));
  return BuildRecentItems(lines, settings_, pathMode);
}

ChosenItem TQuenlarkForm::PopUp(std::uint8_t menuCode, ScreenPoint at) {
  const ui::TMenuStyle style = settings_.OfficeStyle ? ui::TMenuStyle::msOffice : ui::TMenuStyle::msWindows;
  TMenuPresenter& menu = menuCode == kProgramMenu ? *quenlarkPopupMenu_ : *recentPopupMenu_;
  const POINT point{at.x, at.y};
  if (menuCode == kProgramMenu) {
    menu.Rebuild(MirrorMainMenu(settings_.IconDisp), settings_.IconDisp, style, 0, point);
  } else {
    // The presenter keeps the pictures of the recent files and of the
    // favourites apart: each menu's build drops only its own unused ones.
    menu.Rebuild(RecentOrFavouriteItems(), settings_.IconDisp, style, frontDoor_.MenuChoice, point);
  }
  return menu.Show(Handle(), point);
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
      if (dialogs_.setting) ShowDialog(*dialogs_.setting);
      break;
    case MenuCommand::UseFileSetting:
      if (dialogs_.useFileSetting) ShowDialog(*dialogs_.useFileSetting);
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
      if (dialogs_.about) ShowDialog(*dialogs_.about);
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
  const std::string shortcut = RecentItemShortcut(history_.MenuLines(), tag);
  if (!shortcut.empty()) OpenShortcut(services_.shell, shortcut);
}

void TQuenlarkForm::OpenFavourite(int tag) {
  if (tag < 0 || tag >= kFavouriteSlots) return;
  const TFavourite& slot = favourites_.Slots[tag];
  quenlark::OpenFavourite(services_.shell, services_.keys, services_.paths, slot.File, slot.Execute, windowsFolder_);
}

// ------------------------------------------------------------------ commands

void TQuenlarkForm::ExitMenuItemClick() { app_.Terminate(); }

void TQuenlarkForm::HelpMenuItemClick() {
  if (help_) help_->Show(kHelpContents);
}

void TQuenlarkForm::ShowHelpTopic(unsigned topic) {
  if (help_) help_->Show(topic);
}

void TQuenlarkForm::ClearWindowsRecentMenuItemClick() {
  // The shell's entries are captured before the user clears them.
  ScanRecent(false);
  ShowClearDialog(ClearMode::ShellRecent);
}

void TQuenlarkForm::ClearQuenlarkRecentMenuItemClick() { ShowClearDialog(ClearMode::History); }

void TQuenlarkForm::ShowClearDialog(ClearMode mode) {
  if (!dialogs_.selectClear) return;
  if (!dialogs_.selectClear->Showing()) dialogs_.selectClear->ClearMode = mode;
  ShowDialog(*dialogs_.selectClear);
}

// ------------------------------------------------------------------ shut-down

void TQuenlarkForm::SaveStateOnExit() {
  for (auto it = dialogs_.all.rbegin(); it != dialogs_.all.rend(); ++it) (*it)->SaveState();
  SaveState();
}

void TQuenlarkForm::FormDestroy() {
  if (secondInstance_) return;
  // The help windows opened from here close with the program.
  if (help_) help_->Close();
  settings_.LastMode = frontDoor_.UseAllowed;
  SaveExitState(registry_, settings_);
}

void TQuenlarkForm::FormRelease() {
  // The icon leaves the notification area and the hot keys end with their
  // window. This runs when the controller is destroyed after the message
  // loop, never inside a handler of these components.
  history_.Release();
  // The watches end before the window they post to.
  KillTimer(Handle(), settleTimer_);
  history_.StopWatching();
  app_.SetWaitSource(nullptr);
  changeWatch_.reset();
  trayIcon_.reset();
  hotKeys_.reset();
  recentPopupMenu_.reset();
  quenlarkPopupMenu_.reset();
}

bool TQuenlarkForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  // The popup menus' messages pass through their renderers first.
  if (ui::TPopupCool::RouteMessage(Handle(), msg, wp, lp, result)) return true;
  if (trayIcon_ && trayIcon_->HandleMessage(msg, wp, lp)) {
    result = 0;
    return true;
  }
  switch (msg) {
    case kTrayClickMessage:
      frontDoor_.IconClick(static_cast<MouseButton>(wp & 0xFF),
                           {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))},
                           settings_.DbClickPassWord, static_cast<unsigned>(wp >> 8));
      result = 0;
      return true;
    case kFolderChangeMessage:
      if (changeWatch_) changeWatch_->Acknowledge(static_cast<int>(wp));
      history_.Signal(static_cast<int>(wp), lp != 0);
      result = 0;
      return true;
    case WM_TIMER:
      if (wp == startTimer_) StartTimerTimer();
      if (wp == scanTimer_) ScanTimerTimer();
      if (wp == hoverTimer_) {
        KillTimer(Handle(), hoverTimer_);
        if (!frontDoor_.ClickBusy && !frontDoor_.HotKeyBusy && !passwordAsked_) app_.HideIfIdle();
      }
      if (wp == clickWaitTimer_) {
        KillTimer(Handle(), clickWaitTimer_);
        frontDoor_.ClickWaitOver();
      }
      if (wp == settleTimer_) {
        KillTimer(Handle(), settleTimer_);
        history_.SettleTimerFired();
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

}  // namespace quenlark
