// Turns the menu builders' item lists into system popup menus with icons,
// and remembers what each item's command is.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

#include "menus/IconCache.h"
#include "menus/MenuModel.h"
#include "platform/Win32Handles.h"
#include "ui/CoolMenu.h"

namespace quenlark {

inline void DestroyImageList(HIMAGELIST list) { ImageList_Destroy(list); }
using UniqueImageList = platform::Unique<HIMAGELIST, &DestroyImageList>;

// The image list of the menus: the file icons and the command pictures,
// refilled by every build. Its pictures are 16 pixels square at 96 DPI and
// take the size for the menu's DPI (24 at 144, 32 at 192); a command picture
// is loaded at that size from its icon resource, never enlarged.
class TMenuImages {
 public:
  explicit TMenuImages(HINSTANCE instance);
  ~TMenuImages();
  TMenuImages(const TMenuImages&) = delete;
  TMenuImages& operator=(const TMenuImages&) = delete;

  // The pictures at the size for a DPI (that of the monitor the menu opens
  // on): the lists are made again, and nothing kept at another size stays.
  void SetDpi(int dpi);
  int ImageSize() const { return size_; }

  // The image list of the opening; BeginBuild makes it anew.
  HIMAGELIST IconImageList() const { return icons_.get(); }
  // Empties the image list of the opening; the pictures kept between
  // openings stay.
  void Clear();
  // A build of the menu of `scope` starts and ends: the pictures it did not
  // use are no longer kept (see IconCache). The opening's image list starts
  // as a copy of the strip of kept pictures, one blit for all of them:
  // adding an icon to an image list converts it, which under Wine took
  // 1-2 ms a picture, the largest part of building a history menu.
  void BeginBuild(int scope);
  void EndBuild();
  // Appends the picture an item asks for; its index, or -1 when there is none.
  // Within one build the same request gives the same picture, looked up once:
  // a menu of a hundred documents mostly shows a handful of file types.
  // Between builds a picture is kept while its file keeps its last-write time.
  int Add(const IconRequest& request);
  int Count() const;
  // How many pictures were looked up (not found kept) since the start.
  int LookUps() const { return lookUps_; }
  // How many pictures are kept between openings.
  std::size_t KeptCount() const { return kept_.Size(); }

 private:
  // Puts a kept picture into the strip (its own slot, a free one, or a new
  // one); its slot, or -1.
  int Keep(const std::string& key, HICON icon);

  HINSTANCE instance_;
  int size_;
  UniqueImageList icons_;
  std::map<std::string, int> added_;
  IconCache kept_;
  // The kept pictures, each at a slot of its own (its key in keptSlots_);
  // the slots of pictures no longer kept are refilled by the next ones.
  UniqueImageList keptStrip_;
  std::map<std::string, int> keptSlots_;
  std::vector<int> freeSlots_;
  // How many images of the opening's list came from the strip.
  int fromStrip_ = 0;
  int lookUps_ = 0;
};

// One popup menu of the controller, rebuilt before every showing. Every build
// numbers its items afresh, so the identifiers of one build are those of the
// last.
class TPopupMenu {
 public:
  TPopupMenu();
  ~TPopupMenu();
  TPopupMenu(const TPopupMenu&) = delete;
  TPopupMenu& operator=(const TPopupMenu&) = delete;

  HMENU Handle() const { return menu_.get(); }
  // Makes a new system menu when there is none (it could not be made, or it
  // was destroyed).
  void EnsureMenu();
  // Deletes every item (and the submenus with them) and forgets the commands.
  void Clear();
  // Creates the items; with a renderer each picture becomes an image entry.
  // An item the system refuses is left out with its submenu and command.
  void Build(const std::vector<MenuItem>& items, TMenuImages& images, ui::TPopupCool* renderer);
  // What the item with this identifier does; None for an unknown one.
  ChosenItem Find(UINT id) const;
  int ItemCount() const { return GetMenuItemCount(menu_.get()); }

 private:
  void Append(HMENU parent, const MenuItem& item, TMenuImages& images, ui::TPopupCool* renderer);

  static constexpr UINT kFirstId = 1000;
  platform::UniqueMenu menu_;
  UINT nextId_ = kFirstId;
  std::map<UINT, ChosenItem> commands_;
};

}  // namespace quenlark
