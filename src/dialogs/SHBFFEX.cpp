#include "dialogs/SHBFFEX.h"

#include <optional>
#include <utility>

#include "platform/Win32Handles.h"
#include "ui/Application.h"
#include "ui/Forms.h"

namespace quenlark {

namespace {

constexpr int kDisplayNameSize = 260;

// One item identifier list, freed with the shell's allocator.
class ShellItem {
 public:
  ShellItem(IMalloc* malloc, PIDLIST_ABSOLUTE item) : malloc_(malloc), item_(item) {}
  ShellItem(ShellItem&& o) noexcept : malloc_(o.malloc_), item_(std::exchange(o.item_, nullptr)) {}
  ShellItem(const ShellItem&) = delete;
  ShellItem& operator=(const ShellItem&) = delete;
  ShellItem& operator=(ShellItem&&) = delete;
  ~ShellItem() {
    if (item_) malloc_->Free(item_);
  }
  PIDLIST_ABSOLUTE get() const { return item_; }

 private:
  IMalloc* malloc_;
  PIDLIST_ABSOLUTE item_;
};

// The item of a folder's name, nullopt when the name does not parse or the
// item is neither a folder nor has subfolders.
std::optional<ShellItem> ParseFolder(IShellFolder* desktop, IMalloc* malloc, HWND owner, const std::string& name) {
  std::wstring wide = platform::Wide(name);
  if (wide.empty()) return std::nullopt;
  ULONG eaten = 0;
  ULONG attributes = SFGAO_FOLDER | SFGAO_HASSUBFOLDER;
  PIDLIST_RELATIVE item = nullptr;
  if (FAILED(desktop->ParseDisplayName(owner, nullptr, wide.data(), &eaten, &item, &attributes)) || !item) {
    return std::nullopt;
  }
  ShellItem owned(malloc, reinterpret_cast<PIDLIST_ABSOLUTE>(item));
  if (!(attributes & (SFGAO_FOLDER | SFGAO_HASSUBFOLDER))) return std::nullopt;
  return owned;
}

std::string PathOf(PCIDLIST_ABSOLUTE item) {
  wchar_t path[MAX_PATH] = {};
  if (!item || !SHGetPathFromIDListW(item, path)) return {};
  return platform::ProgramText(platform::WideUntilNul(path, MAX_PATH));
}

}  // namespace

bool TSHBrowseForFolderEx::Browse() {
  folderName_.clear();
  displayName_.clear();
  HWND mainWindow = app_.Handle();

  platform::ComPtr<IMalloc> malloc;
  if (!api_.getMalloc || FAILED(api_.getMalloc(malloc.put())) || !malloc) return false;
  platform::ComPtr<IShellFolder> desktop;
  if (!api_.getDesktopFolder || FAILED(api_.getDesktopFolder(desktop.put())) || !desktop) return false;

  auto parse = [&](const std::string& name) { return ParseFolder(desktop.get(), malloc.get(), mainWindow, name); };
  auto special = [&](int folder) {
    PIDLIST_ABSOLUTE item = nullptr;
    if (FAILED(api_.getSpecialFolderLocation(mainWindow, folder, &item))) item = nullptr;
    return ShellItem(malloc.get(), item);
  };
  ShellItem initial = ChooseFolderItem<ShellItem>(SelectFolder == sfManual, SelectFolderName,
                                                  SpecialFolderOf(SelectFolder), parse, special);
  ShellItem root = ChooseFolderItem<ShellItem>(RootFolder == rfManual, RootFolderName, SpecialFolderOf(RootFolder),
                                               parse, special);
  if (!root.get()) return false;

  auto* buffer = static_cast<wchar_t*>(malloc->Alloc(kDisplayNameSize * sizeof(wchar_t)));
  if (!buffer) return false;
  buffer[0] = L'\0';

  const BrowseFlags flags = BrowseFlagsOf(Options);
  showPath_ = flags.showPath;
  const std::wstring title = platform::Wide(Caption);
  BROWSEINFOW info{};
  info.hwndOwner = mainWindow;
  info.pidlRoot = root.get();
  info.pszDisplayName = buffer;
  info.lpszTitle = title.c_str();
  info.ulFlags = flags.flags;
  info.lpfn = &BrowseCallback;
  info.lParam = reinterpret_cast<LPARAM>(this);

  initialItem_ = initial.get();
  // The dialog is modal to the application's window and to the owner form:
  // a second click on the form's button must not open a second picker.
  HWND ownerWindow = owner_ ? owner_->Handle() : nullptr;
  const bool disableOwner = ownerWindow && IsWindowEnabled(ownerWindow);
  if (mainWindow) EnableWindow(mainWindow, FALSE);
  if (disableOwner) EnableWindow(ownerWindow, FALSE);
  PIDLIST_ABSOLUTE chosen = api_.browseForFolder ? api_.browseForFolder(&info) : nullptr;
  if (disableOwner) EnableWindow(ownerWindow, TRUE);
  if (mainWindow) EnableWindow(mainWindow, TRUE);
  // The keyboard goes back to the form the picker was opened from; a hidden
  // window made the foreground one would take it from every window.
  if (ownerWindow && IsWindowVisible(ownerWindow)) {
    SetForegroundWindow(ownerWindow);
  } else if (mainWindow && IsWindowVisible(mainWindow)) {
    SetForegroundWindow(mainWindow);
  }
  initialItem_ = nullptr;

  const bool result = chosen != nullptr;
  if (chosen) {
    ShellItem owned(malloc.get(), chosen);
    displayName_ = platform::ProgramText(platform::WideUntilNul(buffer, kDisplayNameSize));
    folderName_ = PathOf(chosen);
  }
  malloc->Free(buffer);
  return result;
}

void TSHBrowseForFolderEx::DoSelectionChanged(HWND Wnd, const std::string& Path, std::string& ShowText,
                                              int& OKButtonState) {
  if (OnSelectionChanged) OnSelectionChanged(*this, Wnd, Path, ShowText, OKButtonState);
}

int CALLBACK TSHBrowseForFolderEx::BrowseCallback(HWND wnd, UINT msg, LPARAM param, LPARAM data) noexcept {
  auto* self = reinterpret_cast<TSHBrowseForFolderEx*>(data);
  if (!self) return 0;
  try {
    self->OnCallback(wnd, msg, param);
  } catch (...) {
    // Nothing may leave the shell's dialog procedure.
  }
  return 0;
}

void TSHBrowseForFolderEx::OnCallback(HWND wnd, UINT msg, LPARAM param) {
  BrowseCallbackStep handler;
  std::string path;
  if (msg == BFFM_SELCHANGED) {
    path = PathOf(reinterpret_cast<PCIDLIST_ABSOLUTE>(param));
    DoSelectionChanged(wnd, path, handler.statusText, handler.okState);
  }
  const BrowseCallbackStep step = StatusOfCallback(showPath_, msg == BFFM_SELCHANGED, path, handler);
  SendMessageW(wnd, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(platform::Wide(step.statusText).c_str()));
  if (step.okState == 1) SendMessageW(wnd, BFFM_ENABLEOK, 0, TRUE);
  if (step.okState == 2) SendMessageW(wnd, BFFM_ENABLEOK, 0, FALSE);
  if (msg == BFFM_INITIALIZED) {
    // Selecting the initial item raises the selection change at once; it
    // comes after the empty status text of the start, so the status line
    // shows the initial folder's path from the first moment.
    if (initialItem_) SendMessageW(wnd, BFFM_SETSELECTIONW, FALSE, reinterpret_cast<LPARAM>(initialItem_));
    PlaceDialog(wnd);
  }
}

void TSHBrowseForFolderEx::PlaceDialog(HWND wnd) {
  RECT window{};
  GetWindowRect(wnd, &window);
  RECT workArea{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  std::optional<ScreenPoint> ownerOrigin;
  if (owner_ && owner_->Handle()) {
    POINT corner{0, 0};
    ClientToScreen(owner_->Handle(), &corner);
    ownerOrigin = ScreenPoint{corner.x, corner.y};
  }
  const std::optional<ScreenPoint> at =
      BrowsePlacement(ShowStyle, workArea.right - workArea.left, workArea.bottom - workArea.top,
                      window.right - window.left, window.bottom - window.top, ownerOrigin);
  if (at) SetWindowPos(wnd, nullptr, at->x, at->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace quenlark
