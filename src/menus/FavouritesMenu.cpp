#include "menus/FavouritesMenu.h"

#include <algorithm>

#include "base/Texts.h"
#include "menus/ProgramMenu.h"
#include "ui/TypeToFind.h"

namespace quenlark {

namespace {

// The favourites' picture also pictures a submenu.
constexpr int kSubmenuImage = kFavouritesPicture;

bool StartsWithHttp(const std::string& path) {
  static constexpr char kHttp[] = "http:";
  if (path.size() < 5) return false;
  for (int k = 0; k < 5; ++k) {
    char ch = path[k];
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    if (ch != kHttp[k]) return false;
  }
  return true;
}

}  // namespace

IconRequest FavouriteIcon(const std::string& file) {
  std::string path = file;
  if (!path.empty() && path[0] == '*') path.erase(0, 1);
  IconRequest icon;
  if (StartsWithHttp(path)) {
    // A web address has no file to look at; it gets the picture of a page.
    icon.kind = IconRequest::Kind::FileType;
    icon.path = "*.htm";
  } else {
    icon.kind = IconRequest::Kind::OnDisk;
    icon.path = path;
  }
  return icon;
}

std::vector<MenuItem> BuildFavouriteItems(const TFavourites& favourites, const TSettings& settings,
                                          const std::string& programPath) {
  // A count beyond the table (a corrupt record) must not read past slot 98.
  const int n = std::clamp(favourites.FavouriteCount, 0, kFavouriteSlots);
  std::vector<MenuItem> top;
  // The submenu that takes the following favourites: an index into `top`,
  // since appending to `top` moves its items.
  int openSubmenu = -1;

  for (int i = 0; i < n; ++i) {
    const TFavourite& slot = favourites.Slots[i];
    if (slot.Name == "<") {
      openSubmenu = -1;
      continue;
    }
    MenuItem item;
    if (slot.Name == ">") {
      // One level only: a ">" inside a submenu starts the next one beside it.
      item.caption = slot.File;
      item.findName = ui::ShownText(slot.File);
      if (settings.IconDisp) {
        item.icon.kind = IconRequest::Kind::CommandImage;
        item.icon.index = kSubmenuImage;
      }
      top.push_back(std::move(item));
      openSubmenu = static_cast<int>(top.size()) - 1;
      continue;
    }
    // A favourite, or a "-" separator, which keeps its slot and the icon of
    // its (empty) File like any other entry.
    item.caption = slot.Name;
    if (!item.IsSeparator()) item.findName = ui::ShownText(slot.Name);
    item.tag = i;
    item.command = MenuCommand::OpenFavourite;
    if (settings.IconDisp) item.icon = FavouriteIcon(slot.File);
    if (openSubmenu >= 0) {
      top[openSubmenu].children.push_back(std::move(item));
    } else {
      top.push_back(std::move(item));
    }
  }

  if (settings.QuenlarkMenuDisp) {
    if (n > 0 && favourites.Slots[n - 1].Name != "-") {
      MenuItem separator;
      separator.caption = "-";
      top.push_back(std::move(separator));
    }
    // Always at the top level, also when a submenu was left open.
    MenuItem appendix;
    appendix.caption = Text(TextId::FavouritesProgramMenu);
    appendix.tag = n;
    appendix.command = MenuCommand::Nothing;
    if (settings.IconDisp) appendix.icon = FavouriteIcon(programPath);
    appendix.children = MirrorMainMenu(settings.IconDisp);
    top.push_back(std::move(appendix));
  }
  return top;
}

}  // namespace quenlark
