// A popup menu as the menu builders describe it, before it becomes a system
// menu: captions, enabled state, tags, commands, submenus and which picture
// each item wants. The Win32 layer turns it into an HMENU and an image list.
#pragma once

#include <string>
#include <vector>

namespace quenlark {

enum class MenuCommand {
  None,
  OpenRecentItem,       // tag: index of the item's line in MenuListing
  OpenFavourite,        // tag: slot number
  Nothing,              // chosen, but only opens its submenu ("Quenlarkのﾒﾆｭｰ")
  Setting,
  UseFileSetting,
  ClearWindowsRecent,
  ClearQuenlarkRecent,
  Help,
  About,
  Exit,
};

// The program's own pictures for menu commands, each an icon resource of the
// executable (named in menus/PopupMenus.cpp), by the index an IconRequest of
// kind CommandImage carries.
enum CommandPicture : int {
  kNoPicture = -1,
  kHistoryPicture,      // the program's own history, struck out
  kSettingsPicture,     // a gear
  kFavouritesPicture,   // a folder with a star; also pictures a favourites submenu
  kClearPicture,        // an eraser
  kHelpPicture,         // "?"
  kShellRecentPicture,  // the shell's recent list, struck out
  kAboutPicture,        // "i"
  kExitPicture,         // a power symbol
};

// Where an item's picture comes from.
struct IconRequest {
  enum class Kind {
    None,
    // Command picture `index` (a CommandPicture).
    CommandImage,
    // The small shell icon of `path` itself, looked up on disk (SHGetFileInfo,
    // attributes 0).
    OnDisk,
    // The small shell icon of a file type by name alone: `path` is "*" + the
    // extension, or empty (SHGFI_USEFILEATTRIBUTES, FILE_ATTRIBUTE_NORMAL;
    // attribute 0 for the empty name).
    FileType,
    // A recent-files entry: the folder's own icon when `path` (the target)
    // is an existing folder, otherwise the file type of `fallback` ("*.ext"
    // or empty). Only folders are touched on disk.
    FolderOrFileType,
  };
  Kind kind = Kind::None;
  int index = -1;
  std::string path;
  std::string fallback;
};

struct MenuItem {
  std::string caption;  // "-" is a separator
  bool enabled = true;
  int tag = 0;
  MenuCommand command = MenuCommand::None;
  IconRequest icon;
  // The name typing finds the item by, as it shows (no date, no folders);
  // empty for items typing never finds (separators, commands).
  std::string findName;
  std::vector<MenuItem> children;

  bool IsSeparator() const { return caption == "-"; }
};

// The item the user chose in a shown menu: its command and tag.
struct ChosenItem {
  MenuCommand command = MenuCommand::None;
  int tag = 0;
};

}  // namespace quenlark
