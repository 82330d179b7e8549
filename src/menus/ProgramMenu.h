// The program's own menu: its template and the copy rules that the program
// menu and the favourites menu's appendix share.
#pragma once

#include <string>
#include <vector>

#include "base/Texts.h"
#include "menus/MenuModel.h"

namespace quenlark {

struct TemplateItem {
  const char* name;     // the item's design name, e.g. "SettingMenuItem"
  const char* caption;
  int imageIndex;       // its CommandPicture, kNoPicture for none
  MenuCommand command;
  bool visible;
  std::vector<TemplateItem> children;
};

// MainPopupMenu, in order, hidden items included, captioned in the current face.
std::vector<TemplateItem> MainPopupMenu();

// Two levels of the template's visible items, with captions, enabled state
// and commands; with iconDisp each gets its template item's command image.
std::vector<MenuItem> MirrorMainMenu(bool iconDisp);

// The same copy of any template (MirrorMainMenu uses MainPopupMenu). Every
// template item is enabled, so every copy is.
std::vector<MenuItem> MirrorTemplate(const std::vector<TemplateItem>& items, bool iconDisp);

}  // namespace quenlark
