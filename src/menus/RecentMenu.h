// The recent-files menu: captions of history entries and the items in the
// order the settings ask for.
#pragma once

#include <string>
#include <vector>

#include "settings/SettingsStore.h"
#include "menus/MenuModel.h"
#include "recent/Listing.h"

namespace quenlark {

// The path shown for path mode k >= 2: the drive (or "\\server\") prefix,
// "...", and the last k - 1 folder levels with the file name; the path
// unchanged when it has too few levels. Walks the text as CP932 characters.
std::string ShortenPath(const std::string& path, int mode);

// The path part of a caption after the path mode and the ".LNK" removal
// (before the extension is hidden); its extension picks the icon.
std::string CaptionPath(const std::string& target, int pathMode);

// The caption of a history entry: path part, ".LNK" removed, extension hidden
// when extDisp is off, and the date part of `date` ("YYYY-MM-DD hh:mm:ss")
// before or after it by dateTimeDisp and dateTopDisp.
std::string RecentCaption(const std::string& target, const std::string& date, int pathMode, bool extDisp,
                          int dateTimeDisp, bool dateTopDisp);

// The path mode used for a build: PathDispNumber, or 1 (whole path) when a
// click opened the menu with Ctrl down; below 0 acts as 0.
int EffectivePathMode(int pathDispNumber, bool openedByHotKey, bool ctrlDown);

// The items of the recent-files menu for the listed lines: in table order,
// or read from the end for sort code 2; the single disabled "no files" item
// when there are none. Tags are table indexes.
std::vector<MenuItem> BuildRecentItems(const std::vector<ListingLine>& lines, const TSettings& settings,
                                       int pathMode);

// The stored shortcut (field 2) of the line an item's tag names, or the empty
// text when the tag is outside the listing the menu was built from.
std::string RecentItemShortcut(const std::vector<ListingLine>& lines, int tag);

}  // namespace quenlark
