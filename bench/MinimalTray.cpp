// The floor of the resident benchmark: the least a tray program needs to do
// the kinds of work Quenlark does, written plainly with nothing kept that it
// does not need. A hidden window with a tray icon; COM initialised, one
// shell-link resolution and one shell icon look-up at start; every second
// the shell's Recent folder is listed and each shortcut not seen before is
// resolved once and copied beside the program; a click on the icon opens a
// popup menu of the documents captured (up to 100, their names), built for the opening
// and destroyed after it. Compiled and linked with the flags of quenlark.exe.
//
//   minimal_tray.exe [SHORTCUT]   SHORTCUT: the .lnk resolved at start
//
// With QUENLARK_MINIMAL_OWNER_DRAW set in its environment it draws the
// documents' items itself (owner drawing, the names in the menu font, no
// pictures) and its class is QlMinimalTrayOwnerDraw: the floor of any menu
// whose items a program measures and paints, as Quenlark's renderer does.
//
// The shell's Recent folder is read where Quenlark reads it (the "Recent"
// value of the user's Shell Folders key). The window's class is
// QlMinimalTray; its tray callback message is WM_APP + 1, as Quenlark's, so
// the same driver opens both programs' menus.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <unordered_set>
#include <vector>

namespace {

constexpr UINT kTrayMessage = WM_APP + 1;
constexpr UINT_PTR kScanTimer = 1;
constexpr std::size_t kMenuEntries = 100;

std::string g_shellFolder;
std::string g_historyFolder;
std::unordered_set<std::string> g_seen;  // shortcut names resolved once
std::vector<std::string> g_captured;     // targets, newest last, at most 100
HICON g_icon = nullptr;
bool g_ownerDraw = false;
HDC g_measureDc = nullptr;  // with the menu font, for the owner-drawn items
HFONT g_menuFont = nullptr;

// The target of a shortcut through the shell link object, or "".
std::string Resolve(const std::string& lnk) {
  std::string path;
  IShellLinkA* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link))))
    return path;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, lnk.c_str(), -1, wide, MAX_PATH);
    if (SUCCEEDED(file->Load(wide, STGM_READ))) {
      char target[MAX_PATH] = {};
      if (link->GetPath(target, MAX_PATH, nullptr, 0) == S_OK) path = target;
    }
    file->Release();
  }
  link->Release();
  return path;
}

std::string ShellRecentFolder() {
  char value[MAX_PATH] = {};
  DWORD size = sizeof value;
  if (RegGetValueA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                   "Recent", RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
    return {};
  return value;
}

// Lists the shell's folder and captures every shortcut not seen before.
void Scan() {
  if (g_shellFolder.empty()) return;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((g_shellFolder + "\\*.lnk").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    if (!g_seen.insert(found.cFileName).second) continue;
    const std::string lnk = g_shellFolder + "\\" + found.cFileName;
    const std::string target = Resolve(lnk);
    if (target.empty()) continue;
    CopyFileA(lnk.c_str(), (g_historyFolder + "\\" + found.cFileName).c_str(), FALSE);
    if (g_captured.size() == kMenuEntries) g_captured.erase(g_captured.begin());
    g_captured.push_back(target);
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

void ShowMenu(HWND window) {
  HMENU menu = CreatePopupMenu();
  if (!menu) return;
  UINT id = 1;
  // The documents' names, newest first, as a history menu shows them.
  for (auto it = g_captured.rbegin(); it != g_captured.rend(); ++it) {
    const char* name = it->c_str() + it->find_last_of('\\') + 1;
    // An owner-drawn item carries its name as its item data.
    AppendMenuA(menu, g_ownerDraw ? MF_OWNERDRAW : MF_STRING, id++, name);
  }
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING, 0xFFFF, "Exit");
  POINT at{};
  GetCursorPos(&at);
  SetForegroundWindow(window);
  const UINT chosen =
      static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window, nullptr));
  PostMessageA(window, WM_NULL, 0, 0);
  DestroyMenu(menu);
  if (chosen == 0xFFFF) PostMessageA(window, WM_CLOSE, 0, 0);
}

LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case kTrayMessage:
      if (lp == WM_LBUTTONUP || lp == WM_RBUTTONUP) ShowMenu(window);
      return 0;
    case WM_TIMER:
      if (wp == kScanTimer) Scan();
      return 0;
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      const char* name = reinterpret_cast<const char*>(measure->itemData);
      SIZE size{};
      GetTextExtentPoint32A(g_measureDc, name, lstrlenA(name), &size);
      measure->itemWidth = static_cast<UINT>(size.cx) + 8;
      measure->itemHeight = static_cast<UINT>(size.cy) + 4;
      return TRUE;
    }
    case WM_DRAWITEM: {
      auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
      const bool selected = draw->itemState & ODS_SELECTED;
      FillRect(draw->hDC, &draw->rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
      SetBkMode(draw->hDC, TRANSPARENT);
      SetTextColor(draw->hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
      HGDIOBJ old = SelectObject(draw->hDC, g_menuFont);
      RECT text = draw->rcItem;
      text.left += 4;
      DrawTextA(draw->hDC, reinterpret_cast<const char*>(draw->itemData), -1, &text,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
      SelectObject(draw->hDC, old);
      return TRUE;
    }
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY: {
      NOTIFYICONDATAA data{};
      data.cbSize = sizeof data;
      data.hWnd = window;
      Shell_NotifyIconA(NIM_DELETE, &data);
      PostQuitMessage(0);
      return 0;
    }
    default:
      return DefWindowProcA(window, msg, wp, lp);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  const HRESULT com = CoInitialize(nullptr);

  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  g_historyFolder = self;
  g_historyFolder.resize(g_historyFolder.find_last_of('\\') + 1);
  g_historyFolder += "history";
  CreateDirectoryA(g_historyFolder.c_str(), nullptr);
  g_shellFolder = ShellRecentFolder();

  // One resolution and one icon look-up before the icon appears.
  std::string startShortcut = commandLine;
  if (startShortcut.size() >= 2 && startShortcut.front() == '"') startShortcut = startShortcut.substr(1, startShortcut.size() - 2);
  const std::string target = startShortcut.empty() ? std::string() : Resolve(startShortcut);
  SHFILEINFOA info{};
  if (SHGetFileInfoA(target.empty() ? self : target.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON))
    g_icon = info.hIcon;
  if (!g_icon) g_icon = LoadIconA(nullptr, IDI_APPLICATION);

  g_ownerDraw = GetEnvironmentVariableA("QUENLARK_MINIMAL_OWNER_DRAW", nullptr, 0) > 0;
  if (g_ownerDraw) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    g_menuFont = CreateFontIndirectA(&metrics.lfMenuFont);
    g_measureDc = CreateCompatibleDC(nullptr);
    SelectObject(g_measureDc, g_menuFont);
  }
  const char* className = g_ownerDraw ? "QlMinimalTrayOwnerDraw" : "QlMinimalTray";
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = className;
  if (!RegisterClassA(&windowClass)) return 1;
  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, className, "Minimal tray", WS_POPUP, 0, 0, 0, 0, nullptr,
                                nullptr, instance, nullptr);
  if (!window) return 1;
  Scan();

  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kTrayMessage;
  data.hIcon = g_icon;
  lstrcpynA(data.szTip, "Minimal tray", sizeof data.szTip);
  Shell_NotifyIconA(NIM_ADD, &data);
  SetTimer(window, kScanTimer, 1000, nullptr);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (info.hIcon) DestroyIcon(info.hIcon);
  if (g_measureDc) DeleteDC(g_measureDc);
  if (g_menuFont) DeleteObject(g_menuFont);
  if (SUCCEEDED(com)) CoUninitialize();
  return 0;
}
