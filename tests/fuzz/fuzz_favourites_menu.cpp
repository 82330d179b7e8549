// The favourites menu for any favourites table, count included (a record
// whose count lies outside 0 to 99), and the renderer's accelerator search
// over its captions.
//
// Properties: no slot past the table is read (checked containers); the
// favourites appear in slot order with their names and slot numbers as
// tags, "<" and ">" entries never as favourites; a ">" entry opens one
// submenu at the top level and submenus hold only favourites; the appendix
// comes last, at the top level, with the count as its tag, after a
// separator unless the last entry is one; icons only with IconDisp, each
// favourite's from its File ("*" dropped, "http:" as a page).
#include <algorithm>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "MenuChecks.h"
#include "menus/FavouritesMenu.h"
#include "menus/ProgramMenu.h"

using namespace quenlark;

namespace {

void CheckIcon(const IconRequest& icon, const std::string& file) {
  std::string path = file;
  if (!path.empty() && path[0] == '*') path.erase(0, 1);
  std::string head = path.substr(0, 5);
  for (char& c : head) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  if (head == "http:") {
    FUZZ_CHECK(icon.kind == IconRequest::Kind::FileType && icon.path == "*.htm", fuzz::Shown(file));
  } else {
    FUZZ_CHECK(icon.kind == IconRequest::Kind::OnDisk && icon.path == path, fuzz::Shown(file));
  }
}

void CollectCaptions(const std::vector<MenuItem>& items, std::vector<std::string>& captions) {
  for (const MenuItem& item : items) {
    captions.push_back(item.caption);
    CollectCaptions(item.children, captions);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  TFavourites favourites;
  const std::uint8_t countByte = in.Byte();
  // Mostly the count of the slots filled below; now and then any count.
  const bool anyCount = countByte & 1;
  TSettings settings;
  settings.IconDisp = in.Flag();
  settings.QuenlarkMenuDisp = in.Flag();
  const unsigned hiddenMask = static_cast<unsigned>(in.Int32());
  const unsigned typed = static_cast<unsigned>(in.Int32()) & 0x1FFFF;
  const std::vector<std::string> texts = in.Texts(1);
  const std::string programPath = texts[0];
  int filled = 0;
  for (std::size_t t = 1; t < texts.size() && filled < kFavouriteSlots; t += 2, ++filled) {
    favourites.Slots[filled].Name = texts[t];
    favourites.Slots[filled].File = t + 1 < texts.size() ? texts[t + 1] : "";
  }
  favourites.FavouriteCount = anyCount ? static_cast<int>(countByte / 2) - 14 : filled;
  const int n = std::clamp(favourites.FavouriteCount, 0, kFavouriteSlots);

  const std::vector<MenuItem> top = BuildFavouriteItems(favourites, settings, programPath);

  // The favourites in menu order, submenus read where they stand.
  std::vector<const MenuItem*> shown;
  int submenus = 0;
  const std::size_t end = settings.QuenlarkMenuDisp ? top.size() - 1 : top.size();
  FUZZ_CHECK(!settings.QuenlarkMenuDisp || !top.empty(), "no appendix");
  for (std::size_t k = 0; k < end; ++k) {
    const MenuItem& item = top[k];
    if (item.command == MenuCommand::OpenFavourite) {
      FUZZ_CHECK(item.children.empty(), "a favourite with children");
      shown.push_back(&item);
      continue;
    }
    // A submenu, or the appendix's separator just before the appendix.
    if (settings.QuenlarkMenuDisp && k + 2 == top.size() && item.caption == "-" && item.tag == 0 &&
        item.command == MenuCommand::None && item.children.empty()) {
      FUZZ_CHECK(n > 0 && favourites.Slots[n - 1].Name != "-", "appendix separator");
      continue;
    }
    ++submenus;
    FUZZ_CHECK(item.command == MenuCommand::None && item.tag == 0, fuzz::Shown(item.caption));
    if (settings.IconDisp) {
      FUZZ_CHECK(item.icon.kind == IconRequest::Kind::CommandImage && item.icon.index == 2, "submenu image");
    }
    for (const MenuItem& child : item.children) {
      FUZZ_CHECK(child.command == MenuCommand::OpenFavourite && child.children.empty(), "submenu in a submenu");
      shown.push_back(&child);
    }
  }

  std::vector<int> expected;
  int openers = 0;
  for (int i = 0; i < n; ++i) {
    const std::string& name = favourites.Slots[i].Name;
    if (name == ">") ++openers;
    if (name != "<" && name != ">") expected.push_back(i);
  }
  FUZZ_CHECK(submenus == openers, std::to_string(submenus) + " submenus for " + std::to_string(openers));
  FUZZ_CHECK(shown.size() == expected.size(), std::to_string(shown.size()) + " favourites shown");
  for (std::size_t k = 0; k < shown.size(); ++k) {
    const TFavourite& slot = favourites.Slots[expected[k]];
    FUZZ_CHECK(shown[k]->tag == expected[k] && shown[k]->caption == slot.Name, fuzz::Shown(shown[k]->caption));
    if (settings.IconDisp) {
      CheckIcon(shown[k]->icon, slot.File);
    } else {
      FUZZ_CHECK(shown[k]->icon.kind == IconRequest::Kind::None, "icon without IconDisp");
    }
  }

  if (settings.QuenlarkMenuDisp) {
    const MenuItem& appendix = top.back();
    FUZZ_CHECK(appendix.caption == Text(TextId::FavouritesProgramMenu) && appendix.tag == n && appendix.command == MenuCommand::Nothing,
               fuzz::Shown(appendix.caption));
    FUZZ_CHECK(appendix.children.size() == MirrorMainMenu(settings.IconDisp).size(), "appendix items");
    if (settings.IconDisp) CheckIcon(appendix.icon, programPath);
    const bool separator = top.size() >= 2 && top[top.size() - 2].caption == "-" &&
                           top[top.size() - 2].command == MenuCommand::None;
    if (n > 0 && favourites.Slots[n - 1].Name != "-") FUZZ_CHECK(separator, "no separator before the appendix");
  }

  std::vector<std::string> captions;
  CollectCaptions(top, captions);
  fuzz::CheckAccelerators(captions, hiddenMask, typed);
  return 0;
}
