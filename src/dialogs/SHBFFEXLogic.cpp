#include "dialogs/SHBFFEXLogic.h"

#include <iterator>

namespace quenlark {

namespace {

// By position: desktop, desktop (manual), drives, desktop folder, favourites,
// programs, recent, send to, start menu, startup, templates.
constexpr int kSpecialFolders[] = {0x0000, 0x0000, 0x0011, 0x0010, 0x0006, 0x0002,
                                   0x0008, 0x0009, 0x000B, 0x0007, 0x0015};

int SpecialFolderAt(int position) {
  if (position < 0 || position >= static_cast<int>(std::size(kSpecialFolders))) return kCsidlDesktop;
  return kSpecialFolders[position];
}

}  // namespace

int SpecialFolderOf(TSelectFolder value) { return SpecialFolderAt(static_cast<int>(value)); }
int SpecialFolderOf(TRootFolder value) { return SpecialFolderAt(static_cast<int>(value)); }

BrowseFlags BrowseFlagsOf(const TSHBrowseOptions& options) {
  static constexpr struct {
    TSHBrowseOption option;
    unsigned flag;
  } kWalk[] = {
      {sboDontGoBelowDomain, kBifDontGoBelowDomain},
      {sboReturnFSAncestors, kBifReturnFsAncestors},
      {sboReturnOnlyFSDirs, kBifReturnOnlyFsDirs},
      {sboStatusTextAndShowPath, kBifStatusText},
      {sboStatusText, kBifStatusText},
  };
  BrowseFlags result;
  for (const auto& step : kWalk) {
    if (!options.Contains(step.option)) continue;
    result.flags |= step.flag;
    if (step.option == sboStatusTextAndShowPath) {
      result.showPath = true;
      break;
    }
  }
  return result;
}

std::optional<ScreenPoint> BrowsePlacement(TShowStyle style, int workAreaWidth, int workAreaHeight,
                                           int windowWidth, int windowHeight,
                                           std::optional<ScreenPoint> ownerClientOrigin) {
  switch (style) {
    case ssCenterScreen:
      return ScreenPoint{(workAreaWidth - windowWidth) / 2, (workAreaHeight - windowHeight) / 3};
    case ssClient:
      return ownerClientOrigin;
    case ssNone:
      break;
  }
  return std::nullopt;
}

BrowseCallbackStep StatusOfCallback(bool showPath, bool selectionChanged, const std::string& path,
                                    const BrowseCallbackStep& fromHandler) {
  BrowseCallbackStep step = fromHandler;
  if (showPath) step.statusText = selectionChanged ? path : std::string();
  return step;
}

}  // namespace quenlark
