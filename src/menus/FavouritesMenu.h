// The favourites menu built from the favourites table.
#pragma once

#include <string>
#include <vector>

#include "settings/SettingsStore.h"
#include "menus/MenuModel.h"

namespace quenlark {

// The icon of a favourite's File (or of the program for the appendix): a
// leading "*" removed, "http:" in any case looked up as the "*.htm" file
// type, anything else on disk.
IconRequest FavouriteIcon(const std::string& file);

// The n + 1 passes over the favourites: submenus (one level), separators,
// favourites, and with QuenlarkMenuDisp the appendix (TextId::FavouritesProgramMenu) holding
// the program's menu. `programPath` is the program's own executable.
std::vector<MenuItem> BuildFavouriteItems(const TFavourites& favourites, const TSettings& settings,
                                          const std::string& programPath);

}  // namespace quenlark
