#include "menus/PopupMenus.h"

#include <shellapi.h>

#include <cstdint>

#include "base/Cp932.h"
#include "platform/Win32Handles.h"
#include "platform/Win32Text.h"

namespace quenlark {

namespace {

// A command picture's icon resource (resources/quenlark.rc), or null for
// kNoPicture or a value out of range. Each holds a frame for every size of
// ui/PictureSizes.h, so a menu loads the one for its DPI.
const wchar_t* ResourceOf(CommandPicture picture) {
  switch (picture) {
    case kHistoryPicture: return L"CMDHISTORY";
    case kSettingsPicture: return L"CMDSETTINGS";
    case kFavouritesPicture: return L"CMDFAVOURITES";
    case kClearPicture: return L"CMDCLEAR";
    case kHelpPicture: return L"CMDHELP";
    case kShellRecentPicture: return L"CMDSHELLRECENT";
    case kAboutPicture: return L"CMDABOUT";
    case kExitPicture: return L"CMDEXIT";
    case kNoPicture: break;
  }
  return nullptr;
}

// A shell icon of at least `size` pixels (the small one when it is big
// enough, else the large one, which the image list shrinks), or null. Folders
// and files are looked up on disk only where the request says so; the
// system's critical-error boxes are off.
platform::UniqueIcon LookUpIcon(const IconRequest& request, int size) {
  SHFILEINFOW info{};
  const std::wstring path = platform::Wide(request.path);
  const UINT sizeFlag = size <= GetSystemMetrics(SM_CXSMICON) ? SHGFI_SMALLICON : SHGFI_LARGEICON;
  const UINT flags = SHGFI_ICON | sizeFlag | SHGFI_SHELLICONSIZE;
  UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS);
  DWORD_PTR ok = 0;
  switch (request.kind) {
    case IconRequest::Kind::OnDisk:
      ok = SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, flags);
      break;
    case IconRequest::Kind::FileType:
      ok = request.path.empty()
               ? SHGetFileInfoW(L"", 0, &info, sizeof info, flags | SHGFI_USEFILEATTRIBUTES)
               : SHGetFileInfoW(path.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                                flags | SHGFI_USEFILEATTRIBUTES);
      break;
    case IconRequest::Kind::FolderOrFileType: {
      DWORD attributes = GetFileAttributesW(path.c_str());
      if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ok = SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, flags);
      } else if (!request.fallback.empty()) {
        ok = SHGetFileInfoW(platform::Wide(request.fallback).c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                            flags | SHGFI_USEFILEATTRIBUTES);
      } else {
        ok = SHGetFileInfoW(L"", 0, &info, sizeof info, flags | SHGFI_USEFILEATTRIBUTES);
      }
      break;
    }
    default:
      break;
  }
  SetErrorMode(previous);
  return platform::UniqueIcon(ok ? info.hIcon : nullptr);
}

// Command picture `index` at `size` pixels, or null for an index that names
// none.
platform::UniqueIcon LoadCommandPicture(HINSTANCE instance, int index, int size) {
  const wchar_t* resource = ResourceOf(static_cast<CommandPicture>(index));
  if (!resource) return platform::UniqueIcon();
  return platform::UniqueIcon(
      static_cast<HICON>(LoadImageW(instance, resource, IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

// Files whose small icon is their own (programs, icons, shortcuts...), not
// that of their type.
bool HasOwnIcon(const std::string& upperExtension) {
  static const char* const kOwn[] = {".EXE", ".DLL", ".ICO", ".CUR", ".ANI", ".LNK", ".URL", ".PIF",
                                     ".SCR", ".CPL", ".MSC", ".MSI", ".ICL", ".COM", ".APPREF-MS"};
  for (const char* own : kOwn) {
    if (upperExtension == own) return true;
  }
  return false;
}

// What the file system says of a request's path: its attributes (or
// INVALID_FILE_ATTRIBUTES) and its last-write time, in one call.
struct PathFacts {
  DWORD attributes = INVALID_FILE_ATTRIBUTES;
  std::uint64_t lastWrite = 0;
};

PathFacts FactsOf(const std::string& path) {
  PathFacts facts;
  if (path.empty()) return facts;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS);
  if (GetFileAttributesExW(platform::Wide(path).c_str(), GetFileExInfoStandard, &data)) {
    facts.attributes = data.dwFileAttributes;
    facts.lastWrite = (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                      data.ftLastWriteTime.dwLowDateTime;
  }
  SetErrorMode(previous);
  return facts;
}

// The lookup a request comes down to. A recent entry becomes its folder's own
// icon or its file type's; an existing plain document asked for on disk
// shows its type's icon, so it is looked up by type, which the build does
// once per type instead of once per file. `facts` are those of request.path.
IconRequest Concrete(const IconRequest& request, const PathFacts& facts) {
  if (request.kind == IconRequest::Kind::FolderOrFileType) {
    if (facts.attributes != INVALID_FILE_ATTRIBUTES && (facts.attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      return {IconRequest::Kind::OnDisk, -1, request.path, {}};
    }
    return {IconRequest::Kind::FileType, -1, request.fallback, {}};
  }
  if (request.kind == IconRequest::Kind::OnDisk && !request.path.empty()) {
    std::string ext = cp932::Upper(cp932::ExtractFileExt(request.path));
    if (facts.attributes != INVALID_FILE_ATTRIBUTES && !(facts.attributes & FILE_ATTRIBUTE_DIRECTORY) &&
        !ext.empty() && !HasOwnIcon(ext)) {
      return {IconRequest::Kind::FileType, -1, "*" + ext, {}};
    }
  }
  return request;
}

void DestroyCachedIcon(IconCache::Handle icon) { DestroyIcon(static_cast<HICON>(icon)); }

// Enough for every distinct picture of the favourites (99 and the program's
// menu), the recent files (100) and the program's menu at once.
constexpr std::size_t kKeptIcons = 320;

}  // namespace

TMenuImages::TMenuImages(HINSTANCE instance)
    : instance_(instance),
      size_(ui::coolmenu::ImageSizeFor(ui::SystemDpi())),
      icons_(ImageList_Create(size_, size_, ILC_COLOR32 | ILC_MASK, 16, 16)),
      kept_(&DestroyCachedIcon, kKeptIcons),
      keptStrip_(ImageList_Create(size_, size_, ILC_COLOR32 | ILC_MASK, 16, 16)) {}

TMenuImages::~TMenuImages() = default;

void TMenuImages::SetDpi(int dpi) {
  const int size = ui::coolmenu::ImageSizeFor(dpi);
  if (size == size_) return;
  size_ = size;
  added_.clear();
  kept_.Clear();
  keptSlots_.clear();
  freeSlots_.clear();
  fromStrip_ = 0;
  icons_.reset(ImageList_Create(size_, size_, ILC_COLOR32 | ILC_MASK, 16, 16));
  keptStrip_.reset(ImageList_Create(size_, size_, ILC_COLOR32 | ILC_MASK, 16, 16));
}

void TMenuImages::Clear() {
  ImageList_RemoveAll(icons_.get());
  added_.clear();
  fromStrip_ = 0;
}

int TMenuImages::Count() const { return ImageList_GetImageCount(icons_.get()); }

void TMenuImages::BeginBuild(int scope) {
  kept_.BeginPass(scope);
  added_.clear();
  if (HIMAGELIST copy = ImageList_GetImageCount(keptStrip_.get()) > 0 ? ImageList_Duplicate(keptStrip_.get()) : nullptr) {
    icons_.reset(copy);
    fromStrip_ = ImageList_GetImageCount(copy);
  } else {
    ImageList_RemoveAll(icons_.get());
    fromStrip_ = 0;
  }
}

void TMenuImages::EndBuild() {
  kept_.EndPass();
  // The slots of the pictures the pass dropped take the next new ones.
  for (auto it = keptSlots_.begin(); it != keptSlots_.end();) {
    if (kept_.Contains(it->first)) {
      ++it;
    } else {
      freeSlots_.push_back(it->second);
      it = keptSlots_.erase(it);
    }
  }
}

int TMenuImages::Keep(const std::string& key, HICON icon) {
  int slot = -1;
  if (auto it = keptSlots_.find(key); it != keptSlots_.end()) {
    slot = it->second;
  } else if (!freeSlots_.empty()) {
    slot = freeSlots_.back();
    freeSlots_.pop_back();
  }
  slot = ImageList_ReplaceIcon(keptStrip_.get(), slot, icon);
  if (slot >= 0) keptSlots_[key] = slot;
  return slot;
}

int TMenuImages::Add(const IconRequest& asked) {
  if (asked.kind == IconRequest::Kind::None) return -1;
  const bool touchesDisk =
      asked.kind == IconRequest::Kind::OnDisk || asked.kind == IconRequest::Kind::FolderOrFileType;
  const PathFacts facts = touchesDisk ? FactsOf(asked.path) : PathFacts{};
  const IconRequest request = Concrete(asked, facts);
  const std::string key = std::to_string(static_cast<int>(request.kind)) + "|" + std::to_string(request.index) + "|" +
                          request.path + "|" + request.fallback;
  if (auto it = added_.find(key); it != added_.end()) return it->second;
  // A picture read from a file is kept with the file's last-write time and
  // read again once the file has changed; a file type's needs no time.
  const std::uint64_t lastWrite = request.kind == IconRequest::Kind::OnDisk ? facts.lastWrite : 0;
  HICON icon = static_cast<HICON>(kept_.Find(key, lastWrite));
  // A kept picture is in the opening's list already, at its slot (unless it
  // was read again since the list was copied).
  if (auto slot = keptSlots_.find(key); icon && slot != keptSlots_.end() && slot->second < fromStrip_) {
    added_[key] = slot->second;
    return slot->second;
  }
  platform::UniqueIcon fresh;
  if (!icon) {
    fresh = request.kind == IconRequest::Kind::CommandImage
                ? LoadCommandPicture(instance_, request.index, size_)
                : LookUpIcon(request, size_);
    if (!fresh) return -1;
    ++lookUps_;
    icon = fresh.get();
    if (kept_.Store(key, lastWrite, icon)) {
      fresh.release();
      Keep(key, icon);
    }
  }
  const int index = ImageList_AddIcon(icons_.get(), icon);
  if (index < 0) return -1;
  added_[key] = index;
  return index;
}

TPopupMenu::TPopupMenu() : menu_(CreatePopupMenu()) {}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::EnsureMenu() {
  if (menu_ && IsMenu(menu_.get())) return;
  // A handle that is no longer a menu is dropped, not destroyed: its value
  // may name someone else's menu by now.
  menu_.release();
  menu_.reset(CreatePopupMenu());
}

void TPopupMenu::Clear() {
  while (GetMenuItemCount(menu_.get()) > 0) DeleteMenu(menu_.get(), 0, MF_BYPOSITION);
  commands_.clear();
  nextId_ = kFirstId;
}

void TPopupMenu::Build(const std::vector<MenuItem>& items, TMenuImages& images, ui::TPopupCool* renderer) {
  for (const MenuItem& item : items) Append(menu_.get(), item, images, renderer);
}

void TPopupMenu::Append(HMENU parent, const MenuItem& item, TMenuImages& images, ui::TPopupCool* renderer) {
  // Every item, submenu parents and separators included, has an identifier
  // of its own: the renderer addresses items by it.
  const UINT id = nextId_++;
  if (nextId_ > 0x7000) nextId_ = kFirstId;
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_STRING;
  info.wID = id;
  std::wstring caption = platform::Wide(item.caption);
  if (item.IsSeparator()) {
    info.fType = MFT_SEPARATOR;
  } else {
    info.fType = MFT_STRING;
    info.dwTypeData = caption.data();
  }
  info.fState = item.enabled ? MFS_ENABLED : MFS_GRAYED;
  // The submenu is ours until the parent has taken it with its item.
  platform::UniqueMenu submenu;
  if (!item.children.empty()) {
    submenu.reset(CreatePopupMenu());
    if (!submenu) return;
    info.fMask |= MIIM_SUBMENU;
    info.hSubMenu = submenu.get();
  }
  if (!InsertMenuItemW(parent, static_cast<UINT>(GetMenuItemCount(parent)), TRUE, &info)) return;
  HMENU children = submenu.release();
  commands_[id] = ChosenItem{item.command, item.tag};
  if (renderer) {
    renderer->SetFindName(id, item.findName);
    int index = images.Add(item.icon);
    if (index >= 0) {
      ui::TItemImage& entry = renderer->AddItemImage();
      entry.MenuItem = id;
      entry.ImageIndex = index;
    }
  }
  for (const MenuItem& child : item.children) Append(children, child, images, renderer);
}

ChosenItem TPopupMenu::Find(UINT id) const {
  auto it = commands_.find(id);
  return it == commands_.end() ? ChosenItem{} : it->second;
}

}  // namespace quenlark
