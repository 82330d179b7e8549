// Turns the menu builders' item lists into system popup menus with icons,
// and remembers what each item's command is.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

#include "menus/MenuModel.h"
#include "ui/CoolMenu.h"

namespace quenlark {

// The image lists of the menus: the file icons, refilled by every build, and
// the fixed command pictures.
class TMenuImages {
 public:
  explicit TMenuImages(HINSTANCE instance);
  ~TMenuImages();
  TMenuImages(const TMenuImages&) = delete;
  TMenuImages& operator=(const TMenuImages&) = delete;

  HIMAGELIST IconImageList() const { return icons_; }
  HIMAGELIST MenuIconImageList() const { return commands_; }
  void Clear();
  // Appends the picture an item asks for; its index, or -1 when there is none.
  // Within one build the same request gives the same picture, looked up once:
  // a menu of a hundred documents mostly shows a handful of file types.
  int Add(const IconRequest& request);
  int Count() const;

 private:
  HIMAGELIST icons_ = nullptr;
  HIMAGELIST commands_ = nullptr;
  std::map<std::string, int> added_;
};

// One popup menu of the controller, rebuilt before every showing.
class TPopupMenu {
 public:
  TPopupMenu();
  ~TPopupMenu();
  TPopupMenu(const TPopupMenu&) = delete;
  TPopupMenu& operator=(const TPopupMenu&) = delete;

  HMENU Handle() const { return menu_; }
  void Clear();
  // Creates the items; with a renderer each picture becomes an image entry.
  void Build(const std::vector<MenuItem>& items, TMenuImages& images, ui::TPopupCool* renderer);
  // What the item with this identifier does; None for an unknown one.
  ChosenItem Find(UINT id) const;
  int ItemCount() const { return GetMenuItemCount(menu_); }

 private:
  void Append(HMENU parent, const MenuItem& item, TMenuImages& images, ui::TPopupCool* renderer);

  HMENU menu_;
  UINT nextId_ = 1000;
  std::map<UINT, ChosenItem> commands_;
};

}  // namespace quenlark
