// The controller's front door: the tray icon, the hot keys, the click table,
// building the three popup menus and running their commands.
#include <windows.h>
#include <shellapi.h>

#include "base/Cp932.h"
#include "app/QuenlarkUnit.h"
#include "menus/FavouritesMenu.h"
#include "menus/Launch.h"
#include "menus/Launcher.h"
#include "menus/ProgramMenu.h"
#include "menus/RecentMenu.h"
#include "platform/Win32System.h"
#include "recent/Listing.h"

namespace quenlark {

namespace {

bool KeyDown(int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; }

std::string ProgramPath() {
  char buffer[MAX_PATH + 1] = {};
  DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  return std::string(buffer, n < MAX_PATH ? n : 0);
}

bool IsFolder(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsExistingFile(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return !path.empty() && a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

void TQuenlarkForm::CreateFrontDoor() {
  HINSTANCE instance = app_.Instance();
  TrayIconIActiveImage =
      static_cast<HICON>(LoadImageA(instance, "TRAYACTIVE", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                    GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  TrayIconISleepImage =
      static_cast<HICON>(LoadImageA(instance, "TRAYSLEEP", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                    GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  QuenlarkTrayIcon = std::make_unique<TTrayIcon>(Handle(), kTrayMessage);
  QuenlarkTrayIcon->OnClick = [this](MouseButton button, POINT at) { QuenlarkTrayIconClick(button, at); };
  HookHotKey = std::make_unique<THookHotKey>(instance);
  HookHotKey->OnHotKey = [this](int index) { HookHotKeyHotKey(index); };
  MenuImages = std::make_unique<TMenuImages>(instance);
  RecentPopupMenu = std::make_unique<TPopupMenu>();
  QuenlarkPopupMenu = std::make_unique<TPopupMenu>();
  RecentPopupCool = std::make_unique<ui::TPopupCool>(instance);
  QuenlarkPopupCool = std::make_unique<ui::TPopupCool>(instance);
  RecentPopupCool->Images = MenuImages->IconImageList();
  QuenlarkPopupCool->Images = MenuImages->IconImageList();
  app_.OnMinimize = [this] { AppEventsMinimize(); };
}

void TQuenlarkForm::BuildClickMenuTable() {
  ClickMenuTable = quenlark::BuildClickMenuTable(Settings.RecentClick, Settings.UseFileClick, Settings.QuenlarkClick);
}

void TQuenlarkForm::UpdateTrayIcon() {
  if (QuenlarkTrayIcon) QuenlarkTrayIcon->SetIcon(UseAllowed ? TrayIconIActiveImage : TrayIconISleepImage);
}

bool TQuenlarkForm::RegisterMenuHotKey(int id, std::int32_t combination) {
  return HookHotKey && HookHotKey->Register(id, combination & 0xFFFF);
}

bool TQuenlarkForm::UnregisterMenuHotKey(int id) { return HookHotKey && HookHotKey->Unregister(id); }

bool TQuenlarkForm::ReregisterMenuHotKey(int id, std::int32_t combination) {
  bool unregistered = UnregisterMenuHotKey(id);
  bool registered = RegisterMenuHotKey(id, combination);
  return unregistered && registered;
}

void TQuenlarkForm::AppEventsMinimize() { ShowWindow(app_.Handle(), SW_HIDE); }

void TQuenlarkForm::QuenlarkTrayIconClick(MouseButton button, POINT at) {
  LastClickPos = at;
  if (!UseAllowed) return;
  app_.BringToFront(at);
  app_.ProcessMessages();
  // A click menu already up keeps the window forward until it closes.
  if (ClickBusy) return;
  if (button == MouseButton::Middle) {
    app_.Recede();
    return;
  }
  const bool ctrl = KeyDown(VK_CONTROL);
  const bool shift = KeyDown(VK_SHIFT);
  std::uint8_t choice = ClickMenuChoice(ClickMenuTable, button, ctrl, shift, UseAllowed, ClickBusy);
  MenuChoice = choice;
  OpenedByHotKey = false;
  ClickBusy = true;
  if (choice == kRecentMenu || choice == kFavouritesMenu) {
    PopUp(*RecentPopupMenu, &TQuenlarkForm::RecentPopupMenuPopup, at);
  } else if (choice == kProgramMenu) {
    PopUp(*QuenlarkPopupMenu, &TQuenlarkForm::QuenlarkPopupMenuPopup, at);
  } else {
    app_.Recede();  // a click kind that opens nothing
  }
  ClickBusy = false;
}

void TQuenlarkForm::HookHotKeyHotKey(int index) {
  if (!UseAllowed || HotKeyBusy) return;
  HotKeyBusy = true;
  POINT at{};
  GetCursorPos(&at);
  app_.BringToFront(at);
  app_.ProcessMessages();
  if (index == kProgramMenu) {
    MenuChoice = kProgramMenu;
    PopUp(*QuenlarkPopupMenu, &TQuenlarkForm::QuenlarkPopupMenuPopup, at);
  } else if (index == kRecentMenu || index == kFavouritesMenu) {
    MenuChoice = static_cast<std::uint8_t>(index);
    OpenedByHotKey = true;
    PopUp(*RecentPopupMenu, &TQuenlarkForm::RecentPopupMenuPopup, at);
  }
  HotKeyBusy = false;
}

void TQuenlarkForm::PopUp(TPopupMenu& menu, void (TQuenlarkForm::*build)(), POINT at) {
  (this->*build)();
  if (menu.ItemCount() == 0) {  // an empty menu is not shown
    app_.Recede();
    return;
  }
  UINT id = static_cast<UINT>(TrackPopupMenu(menu.Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y,
                                             0, Handle(), nullptr));
  // Lets the menu close properly when the user clicks elsewhere next time.
  PostMessageA(Handle(), WM_NULL, 0, 0);
  app_.Recede();
  if (id != 0) RunCommand(menu.Find(id));
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

ui::TPopupCool* TQuenlarkForm::PrepareRenderer(ui::TPopupCool& renderer, TPopupMenu& menu) {
  if (!Settings.IconDisp) {
    renderer.SetMenu(nullptr);
    return nullptr;
  }
  try {
    renderer.SetMenu(menu.Handle());
  } catch (const ui::ECoolMenuError&) {
    // The menu is shown plain rather than not at all.
    renderer.SetMenu(nullptr);
    return nullptr;
  }
  renderer.ClearItemImages();
  renderer.MenuStyle = Settings.OfficeStyle ? ui::TMenuStyle::msOffice : ui::TMenuStyle::msWindows;
  return &renderer;
}

void TQuenlarkForm::FinishRenderer(ui::TPopupCool* renderer, TPopupMenu& menu) {
  if (!renderer) return;
  try {
    renderer->OwnerDrawItems(menu.Handle());
  } catch (const ui::ECoolMenuError&) {
    // Items that could not be switched keep the system's drawing.
  }
}

void TQuenlarkForm::RecentPopupMenuPopup() {
  ui::TPopupCool* renderer = PrepareRenderer(*RecentPopupCool, *RecentPopupMenu);
  ListingServices listing{services_.fs, resolution_, services_.collation, &orderCache_};
  ListFolder(listing, HistoryFolder, MenuListing,
             {true, static_cast<int>(Settings.SortSelect), Settings.AutoClear, HistoryFolder});
  const int pathMode = EffectivePathMode(Settings.PathDispNumber, OpenedByHotKey, KeyDown(VK_CONTROL));
  MenuImages->Clear();
  RecentPopupMenu->Clear();
  std::vector<MenuItem> items = MenuChoice == kFavouritesMenu
                                    ? BuildFavouriteItems(Favourites, Settings, ProgramPath())
                                    : BuildRecentItems(MenuListing.lines, Settings, pathMode);
  RecentPopupMenu->Build(items, *MenuImages, renderer);
  FinishRenderer(renderer, *RecentPopupMenu);
}

void TQuenlarkForm::QuenlarkPopupMenuPopup() {
  ui::TPopupCool* renderer = PrepareRenderer(*QuenlarkPopupCool, *QuenlarkPopupMenu);
  MenuImages->Clear();
  QuenlarkPopupMenu->Clear();
  QuenlarkPopupMenu->Build(MirrorMainMenu(Settings.IconDisp), *MenuImages, renderer);
  FinishRenderer(renderer, *QuenlarkPopupMenu);
}

void TQuenlarkForm::OpenRecentItem(int tag) {
  const std::string shortcut = RecentItemShortcut(MenuListing.lines, tag);
  if (!shortcut.empty()) OpenShortcut(shortcut, Handle());
}

void TQuenlarkForm::OpenFavourite(int tag) {
  if (tag < 0 || tag >= kFavouriteSlots) return;
  const TFavourite& slot = Favourites.Slots[tag];
  FavouriteLaunch launch =
      DecideFavouriteLaunch(slot.File, slot.Execute, KeyDown(VK_CONTROL), WindowsFolder, IsFolder, IsExistingFile);
  if (launch.action == FavouriteAction::OpenShortcut) {
    OpenShortcut(launch.shortcutPath, Handle());
  } else {
    ExecuteRequest(launch.request, Handle());
  }
}

void TQuenlarkForm::ClearWindowsRecentMenuItemClick() {
  // The shell's entries are captured before the user clears them.
  ScanRecent(false);
  if (SelectClearForm) ShowDialog(*SelectClearForm);
}

void TQuenlarkForm::ClearQuenlarkRecentMenuItemClick() {
  if (SelectClearForm) ShowDialog(*SelectClearForm);
}

}  // namespace quenlark
