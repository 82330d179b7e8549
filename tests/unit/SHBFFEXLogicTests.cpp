// The folder picker's decisions: the flags its options add with the
// show-path walk, the special folders, where the initial selection and the
// root come from, the dialog's placement and the status text.
#include "dialogs/SHBFFEXLogic.h"

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace quenlark;

TEST(SHBFFEXLogicTest, OptionsAddTheirFlagsAndTheStatusPathEndsTheWalk) {
  const BrowseFlags byDefault = BrowseFlagsOf(TSHBrowseOptions{sboReturnOnlyFSDirs});
  EXPECT_EQ(byDefault.flags, kBifReturnOnlyFsDirs);
  EXPECT_FALSE(byDefault.showPath);

  // The favourites editor's set: file-system folders, status line with the path.
  const BrowseFlags editor = BrowseFlagsOf({sboReturnOnlyFSDirs, sboStatusTextAndShowPath, sboStatusText});
  EXPECT_EQ(editor.flags, kBifReturnOnlyFsDirs | kBifStatusText);
  EXPECT_TRUE(editor.showPath);

  const BrowseFlags statusOnly = BrowseFlagsOf({sboStatusText});
  EXPECT_EQ(statusOnly.flags, kBifStatusText);
  EXPECT_FALSE(statusOnly.showPath);

  const BrowseFlags all = BrowseFlagsOf({sboDontGoBelowDomain, sboReturnFSAncestors, sboStatusTextAndShowPath});
  EXPECT_EQ(all.flags, kBifDontGoBelowDomain | kBifReturnFsAncestors | kBifStatusText);
  EXPECT_TRUE(all.showPath);

  EXPECT_EQ(BrowseFlagsOf({}).flags, 0u);
  EXPECT_FALSE(BrowseFlagsOf({}).showPath);
}

TEST(SHBFFEXLogicTest, EnumerationsMapByPositionToTheSpecialFoldersWithTheManualValueAsDesktop) {
  const std::vector<int> expected = {0x00, 0x00, 0x11, 0x10, 0x06, 0x02, 0x08, 0x09, 0x0B, 0x07, 0x15};
  for (int i = sfDesktop; i <= sfTemplates; ++i) {
    EXPECT_EQ(SpecialFolderOf(static_cast<TSelectFolder>(i)), expected[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(SpecialFolderOf(static_cast<TRootFolder>(i)), expected[static_cast<std::size_t>(i)]) << i;
  }
}

TEST(SHBFFEXLogicTest, AManualNameIsUsedOnlyWhenItParsesToAFolderOtherwiseTheSpecialFolder) {
  std::vector<std::string> parsed;
  auto parse = [&](const std::string& name) -> std::optional<std::string> {
    parsed.push_back(name);
    if (name == "C:\\表示") return "item:" + name;
    return std::nullopt;
  };
  auto special = [](int folder) { return "special:" + std::to_string(folder); };

  EXPECT_EQ(ChooseFolderItem<std::string>(true, "C:\\表示", 0, parse, special), "item:C:\\表示");
  // Not a folder, or no parse: the manual value falls back to the desktop.
  EXPECT_EQ(ChooseFolderItem<std::string>(true, "C:\\file.txt", SpecialFolderOf(sfManual), parse, special),
            "special:0");
  EXPECT_EQ(parsed, (std::vector<std::string>{"C:\\表示", "C:\\file.txt"}));
  // An empty name, or a value that is not the manual one, never parses a name.
  parsed.clear();
  EXPECT_EQ(ChooseFolderItem<std::string>(true, "", 0, parse, special), "special:0");
  EXPECT_EQ(ChooseFolderItem<std::string>(false, "C:\\表示", SpecialFolderOf(sfDrives), parse, special),
            "special:17");
  EXPECT_TRUE(parsed.empty());
}

TEST(SHBFFEXLogicTest, PlacementCentresAcrossAndAtAThirdDownOrAtTheOwnersClientCorner) {
  EXPECT_EQ(BrowsePlacement(ssCenterScreen, 1024, 738, 321, 400, std::nullopt), (ScreenPoint{351, 112}));
  // A window larger than the work area goes past its top-left corner.
  EXPECT_EQ(BrowsePlacement(ssCenterScreen, 300, 200, 401, 500, ScreenPoint{5, 5}), (ScreenPoint{-50, -100}));
  EXPECT_EQ(BrowsePlacement(ssClient, 1024, 738, 321, 400, ScreenPoint{40, 70}), (ScreenPoint{40, 70}));
  EXPECT_EQ(BrowsePlacement(ssClient, 1024, 738, 321, 400, std::nullopt), std::nullopt);
  EXPECT_EQ(BrowsePlacement(ssNone, 1024, 738, 321, 400, ScreenPoint{40, 70}), std::nullopt);
}

TEST(SHBFFEXLogicTest, TheShowPathFlagPutsTheSelectedPathInTheStatusLineOverTheHandlersText) {
  const BrowseCallbackStep handler{"from handler", 2};
  const BrowseCallbackStep shown = StatusOfCallback(true, true, "C:\\ソフト", handler);
  EXPECT_EQ(shown.statusText, "C:\\ソフト");
  EXPECT_EQ(shown.okState, 2);
  // At the start (and for any other message) the path is empty.
  EXPECT_EQ(StatusOfCallback(true, false, "", {}).statusText, "");
  // A virtual item has no path: the line is emptied.
  EXPECT_EQ(StatusOfCallback(true, true, "", handler).statusText, "");
  const BrowseCallbackStep own = StatusOfCallback(false, true, "C:\\ソフト", handler);
  EXPECT_EQ(own.statusText, "from handler");
  EXPECT_EQ(own.okState, 2);
}
