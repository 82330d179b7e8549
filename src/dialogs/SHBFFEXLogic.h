// The folder picker's decisions, apart from the shell: its enumerations and
// their special folders, the shell flags its options add (with the show-path
// walk), which item the initial selection and the root come from, where the
// dialog window goes, and the status text each callback sends. Portable.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "base/Geometry.h"

namespace quenlark {

enum TSelectFolder {
  sfDesktop,
  sfManual,
  sfDrives,
  sfDesktopDir,
  sfFavorites,
  sfPrograms,
  sfRecent,
  sfSendTo,
  sfStartMenu,
  sfStartup,
  sfTemplates,
};

enum TRootFolder {
  rfDesktop,
  rfManual,
  rfDrives,
  rfDesktopDir,
  rfFavorites,
  rfPrograms,
  rfRecent,
  rfSendTo,
  rfStartMenu,
  rfStartup,
  rfTemplates,
};

enum TShowStyle { ssNone, ssCenterScreen, ssClient };

enum TSHBrowseOption {
  sboDontGoBelowDomain,
  sboReturnFSAncestors,
  sboReturnOnlyFSDirs,
  sboStatusTextAndShowPath,
  sboStatusText,
};

// A set of browse options.
class TSHBrowseOptions {
 public:
  TSHBrowseOptions() = default;
  TSHBrowseOptions(std::initializer_list<TSHBrowseOption> options) {
    for (TSHBrowseOption o : options) Include(o);
  }
  bool Contains(TSHBrowseOption o) const { return (bits_ & Bit(o)) != 0; }
  void Include(TSHBrowseOption o) { bits_ |= Bit(o); }
  void Exclude(TSHBrowseOption o) { bits_ &= ~Bit(o); }
  bool operator==(const TSHBrowseOptions&) const = default;

 private:
  static unsigned Bit(TSHBrowseOption o) { return 1u << static_cast<unsigned>(o); }
  unsigned bits_ = 0;
};

// The shell's browse flags and special-folder numbers, as shlobj.h has them.
inline constexpr unsigned kBifReturnOnlyFsDirs = 0x0001;
inline constexpr unsigned kBifDontGoBelowDomain = 0x0002;
inline constexpr unsigned kBifStatusText = 0x0004;
inline constexpr unsigned kBifReturnFsAncestors = 0x0008;

inline constexpr int kCsidlDesktop = 0x0000;

// The special folder a value stands for; the manual values stand for the
// desktop, which is where they fall back to.
int SpecialFolderOf(TSelectFolder value);
int SpecialFolderOf(TRootFolder value);

struct BrowseFlags {
  unsigned flags = 0;
  bool showPath = false;  // the status line shows the selected path
};
// The options taken in their order, each adding its flag; the status text
// with the path also ends the walk, so nothing after it adds anything.
BrowseFlags BrowseFlagsOf(const TSHBrowseOptions& options);

// The item a folder property comes from: the named folder when the value is
// the manual one, the name is not empty and `parseFolder` gives an item for
// it (the shell's parse, nullopt when it fails or the item is no folder);
// otherwise the special folder of the value, made by `makeSpecial`.
template <class Item, class Parse, class Special>
Item ChooseFolderItem(bool manual, const std::string& name, int specialFolder, Parse parseFolder,
                      Special makeSpecial) {
  if (manual && !name.empty()) {
    if (std::optional<Item> parsed = parseFolder(name)) return std::move(*parsed);
  }
  return makeSpecial(specialFolder);
}

// Where the dialog window's top-left corner goes, nullopt for the shell's
// own placement: centred across the work area's width and at a third of its
// height (work-area size less window size, measured from the screen's
// origin), or at the owner form's client-area corner when there is one.
std::optional<ScreenPoint> BrowsePlacement(TShowStyle style, int workAreaWidth, int workAreaHeight,
                                           int windowWidth, int windowHeight,
                                           std::optional<ScreenPoint> ownerClientOrigin);

// What the callback does with a message once the selection handler ran:
// the status line shows the selected path when the show-path flag is set
// (empty for any message but a selection change), otherwise what the
// handler left; `okState` 1 enables the OK button, 2 disables it.
struct BrowseCallbackStep {
  std::string statusText;
  int okState = 0;
};
BrowseCallbackStep StatusOfCallback(bool showPath, bool selectionChanged, const std::string& path,
                                    const BrowseCallbackStep& fromHandler);

}  // namespace quenlark
