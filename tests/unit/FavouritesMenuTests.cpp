#include "menus/FavouritesMenu.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "menus/ProgramMenu.h"

using namespace quenlark;

namespace {

struct Entry {
  const char* name;
  const char* file;
};

TFavourites Favourites(std::initializer_list<Entry> entries) {
  TFavourites f;
  int slot = 0;
  for (const Entry& e : entries) {
    f.Slots[slot].Name = e.name;
    f.Slots[slot].File = e.file;
    ++slot;
  }
  f.FavouriteCount = slot;
  return f;
}

TSettings Settings(bool iconDisp, bool quenlarkMenuDisp) {
  TSettings s;
  s.IconDisp = iconDisp;
  s.QuenlarkMenuDisp = quenlarkMenuDisp;
  return s;
}

std::vector<std::string> Captions(const std::vector<MenuItem>& items) {
  std::vector<std::string> out;
  for (const auto& item : items) out.push_back(item.caption);
  return out;
}

const std::string kProgram = "C:\\Tools\\Quenlark\\quenlark.exe";

// Every request in the tree; none may exist with IconDisp off.
int CountIcons(const std::vector<MenuItem>& items) {
  int n = 0;
  for (const auto& item : items) n += (item.icon.kind != IconRequest::Kind::None) + CountIcons(item.children);
  return n;
}

}  // namespace

// --- The program's own menu -------------------------------------------------

TEST(ProgramMenuTest, MirrorCopiesTheTwoLevelsWithCommandsAndPictures) {
  const auto items = MirrorMainMenu(true);
  ASSERT_EQ(Captions(items), (std::vector<std::string>{"Quenlarkの設定(&S)...", "良く使うﾌｧｲﾙとﾌｫﾙﾀﾞの設定(&U)...", "-",
                                                        "最近使ったﾌｧｲﾙのｸﾘｱ", "-", "ﾍﾙﾌﾟ(&H)...",
                                                        "ﾊﾞｰｼﾞｮﾝ情報(&A)...", "-", "Quenlarkの終了(&X)"}));
  const std::vector<MenuCommand> commands = {
      MenuCommand::Setting, MenuCommand::UseFileSetting, MenuCommand::None, MenuCommand::None, MenuCommand::None,
      MenuCommand::Help,    MenuCommand::About,          MenuCommand::None, MenuCommand::Exit};
  const std::vector<int> images = {1, 2, -1, 3, -1, 4, 6, -1, 8};
  for (std::size_t k = 0; k < items.size(); ++k) {
    EXPECT_EQ(items[k].command, commands[k]) << k;
    EXPECT_TRUE(items[k].enabled) << k;
    if (images[k] < 0) {
      EXPECT_EQ(items[k].icon.kind, IconRequest::Kind::None) << k;
    } else {
      EXPECT_EQ(items[k].icon.kind, IconRequest::Kind::CommandImage) << k;
      EXPECT_EQ(items[k].icon.index, images[k]) << k;
    }
  }
  const auto& clear = items[3].children;
  ASSERT_EQ(Captions(clear), (std::vector<std::string>{"ｽﾀｰﾄﾒﾆｭｰ", "Quenlark"}));
  EXPECT_EQ(clear[0].command, MenuCommand::ClearWindowsRecent);
  EXPECT_EQ(clear[0].icon.index, 5);
  EXPECT_EQ(clear[1].command, MenuCommand::ClearQuenlarkRecent);
  EXPECT_EQ(clear[1].icon.index, 0);

  EXPECT_EQ(CountIcons(MirrorMainMenu(false)), 0);
}

TEST(ProgramMenuTest, PicturesGoByCaptionAndTheTemplateAgrees) {
  EXPECT_EQ(CommandImageIndexOf("Quenlarkの終了(&X)"), 8);
  EXPECT_EQ(CommandImageIndexOf("Quenlark"), 0);
  EXPECT_EQ(CommandImageIndexOf("-"), -1);
  EXPECT_EQ(CommandImageIndexOf(""), -1);
  EXPECT_EQ(CommandImageIndexOf("quenlark"), -1);
  // The caption lookup gives every template item the picture it was designed with.
  for (const auto& top : MainPopupMenu()) {
    EXPECT_EQ(CommandImageIndexOf(top.caption), top.imageIndex) << top.name;
    for (const auto& child : top.children) EXPECT_EQ(CommandImageIndexOf(child.caption), child.imageIndex) << child.name;
  }
}

TEST(ProgramMenuTest, HiddenItemsAndDeeperLevelsAreNotCopied) {
  const std::vector<TemplateItem> menu = {
      {"A", "Quenlarkの設定(&S)...", 1, MenuCommand::Setting, false, {}},
      {"B",
       "Parent",
       -1,
       MenuCommand::None,
       true,
       {{"C", "Hidden", -1, MenuCommand::Help, false, {}},
        {"D", "Shown", -1, MenuCommand::About, true, {{"E", "Deep", -1, MenuCommand::Exit, true, {}}}}}},
  };
  const auto items = MirrorTemplate(menu, true);
  ASSERT_EQ(Captions(items), std::vector<std::string>{"Parent"});
  ASSERT_EQ(Captions(items[0].children), std::vector<std::string>{"Shown"});
  EXPECT_EQ(items[0].children[0].command, MenuCommand::About);
  EXPECT_TRUE(items[0].children[0].children.empty());
}

// --- Favourites -------------------------------------------------------------

TEST(FavouritesMenuTest, EmptyTableGivesOnlyTheProgramMenuOrNothing) {
  auto items = BuildFavouriteItems(TFavourites{}, Settings(true, true), kProgram);
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].caption, "Quenlarkのﾒﾆｭｰ");
  EXPECT_EQ(items[0].tag, 0);
  EXPECT_EQ(items[0].command, MenuCommand::Nothing);
  EXPECT_EQ(items[0].icon.kind, IconRequest::Kind::OnDisk);
  EXPECT_EQ(items[0].icon.path, kProgram);
  EXPECT_EQ(Captions(items[0].children), Captions(MirrorMainMenu(true)));
  EXPECT_EQ(items[0].children[0].icon.index, 1);

  EXPECT_TRUE(BuildFavouriteItems(TFavourites{}, Settings(true, false), kProgram).empty());
}

TEST(FavouritesMenuTest, FavouritesCarryTheirSlotAndCommand) {
  const auto f = Favourites({{"Memo", "D:\\memo.txt"}, {"-", ""}, {"Web", "http://example.invalid/"}});
  const auto items = BuildFavouriteItems(f, Settings(true, true), kProgram);
  ASSERT_EQ(Captions(items), (std::vector<std::string>{"Memo", "-", "Web", "-", "Quenlarkのﾒﾆｭｰ"}));
  EXPECT_EQ(items[0].tag, 0);
  EXPECT_EQ(items[0].command, MenuCommand::OpenFavourite);
  EXPECT_EQ(items[0].icon.kind, IconRequest::Kind::OnDisk);
  EXPECT_EQ(items[0].icon.path, "D:\\memo.txt");
  // The table's separator keeps its slot and the on-disk lookup of its File.
  EXPECT_EQ(items[1].tag, 1);
  EXPECT_EQ(items[1].command, MenuCommand::OpenFavourite);
  EXPECT_EQ(items[1].icon.kind, IconRequest::Kind::OnDisk);
  EXPECT_EQ(items[1].icon.path, "");
  EXPECT_EQ(items[2].tag, 2);
  EXPECT_EQ(items[2].icon.kind, IconRequest::Kind::FileType);
  EXPECT_EQ(items[2].icon.path, "*.htm");
  // The appendix separator has nothing of its own.
  EXPECT_EQ(items[3].tag, 0);
  EXPECT_EQ(items[3].command, MenuCommand::None);
  EXPECT_EQ(items[3].icon.kind, IconRequest::Kind::None);
  EXPECT_EQ(items[4].tag, 3);
}

TEST(FavouritesMenuTest, SeparatorBeforeTheAppendixOnlyAfterANonSeparator) {
  auto items = BuildFavouriteItems(Favourites({{"A", "D:\\a"}, {"-", ""}}), Settings(false, true), kProgram);
  EXPECT_EQ(Captions(items), (std::vector<std::string>{"A", "-", "Quenlarkのﾒﾆｭｰ"}));

  items = BuildFavouriteItems(Favourites({{">", "Docs"}, {"A", "D:\\a"}, {"<", ""}}), Settings(false, true), kProgram);
  EXPECT_EQ(Captions(items), (std::vector<std::string>{"Docs", "-", "Quenlarkのﾒﾆｭｰ"}));

  items = BuildFavouriteItems(Favourites({{"A", "D:\\a"}}), Settings(false, false), kProgram);
  EXPECT_EQ(Captions(items), std::vector<std::string>{"A"});
}

TEST(FavouritesMenuTest, SubmenusHaveOneLevelAndMayStayOpen) {
  auto items = BuildFavouriteItems(Favourites({{">", "Docs"}, {"P", "D:\\p"}, {"Q", "D:\\q"}, {"<", ""}, {"R", "D:\\r"}}),
                                   Settings(true, true), kProgram);
  ASSERT_EQ(Captions(items), (std::vector<std::string>{"Docs", "R", "-", "Quenlarkのﾒﾆｭｰ"}));
  EXPECT_EQ(Captions(items[0].children), (std::vector<std::string>{"P", "Q"}));
  EXPECT_EQ(items[0].tag, 0);
  EXPECT_EQ(items[0].command, MenuCommand::None);
  EXPECT_EQ(items[0].icon.kind, IconRequest::Kind::CommandImage);
  EXPECT_EQ(items[0].icon.index, 2);
  EXPECT_EQ(items[0].children[1].tag, 2);
  EXPECT_EQ(items[1].tag, 4);

  // A second ">" starts the next submenu beside the first; nothing closes it,
  // and the appendix still stands at the top level.
  items = BuildFavouriteItems(Favourites({{">", "X"}, {"P", "D:\\p"}, {">", "Y"}, {"Q", "D:\\q"}}),
                              Settings(true, true), kProgram);
  ASSERT_EQ(Captions(items), (std::vector<std::string>{"X", "Y", "-", "Quenlarkのﾒﾆｭｰ"}));
  EXPECT_EQ(Captions(items[0].children), std::vector<std::string>{"P"});
  EXPECT_EQ(Captions(items[1].children), std::vector<std::string>{"Q"});
  EXPECT_EQ(items[1].children[0].tag, 3);

  // A stray "<", and a submenu with no entries.
  items = BuildFavouriteItems(Favourites({{"<", ""}, {"A", "D:\\a"}, {">", "Empty"}, {"<", ""}}),
                              Settings(false, false), kProgram);
  ASSERT_EQ(Captions(items), (std::vector<std::string>{"A", "Empty"}));
  EXPECT_EQ(items[0].tag, 1);
  EXPECT_TRUE(items[1].children.empty());
  EXPECT_EQ(items[1].command, MenuCommand::None);
}

TEST(FavouritesMenuTest, WithoutIconsNoPictureIsAskedFor) {
  const auto f = Favourites({{">", "Docs"}, {"P", "D:\\p"}, {"<", ""}, {"Web", "HTTP://x/"}, {"-", ""}});
  EXPECT_EQ(CountIcons(BuildFavouriteItems(f, Settings(false, true), kProgram)), 0);
  EXPECT_GT(CountIcons(BuildFavouriteItems(f, Settings(true, true), kProgram)), 0);
}

TEST(FavouritesMenuTest, CountBeyondTheTableIsBounded) {
  TFavourites f;
  for (auto& slot : f.Slots) slot.Name = "x";
  f.FavouriteCount = 500;
  auto items = BuildFavouriteItems(f, Settings(false, true), kProgram);
  ASSERT_EQ(items.size(), static_cast<std::size_t>(kFavouriteSlots) + 2);
  EXPECT_EQ(items.back().tag, kFavouriteSlots);
  f.FavouriteCount = -4;
  EXPECT_EQ(BuildFavouriteItems(f, Settings(false, true), kProgram).size(), 1u);
}

TEST(FavouriteIconTest, WebAddressesUseThePageTypeAndStarIsDropped) {
  auto icon = FavouriteIcon("HTTP://Example.invalid/");
  EXPECT_EQ(icon.kind, IconRequest::Kind::FileType);
  EXPECT_EQ(icon.path, "*.htm");
  icon = FavouriteIcon("*http://x/");
  EXPECT_EQ(icon.kind, IconRequest::Kind::FileType);
  // The secure scheme is not "http:" and is looked up like a file.
  icon = FavouriteIcon("https://x/");
  EXPECT_EQ(icon.kind, IconRequest::Kind::OnDisk);
  EXPECT_EQ(icon.path, "https://x/");
  icon = FavouriteIcon("*D:\\Work");
  EXPECT_EQ(icon.kind, IconRequest::Kind::OnDisk);
  EXPECT_EQ(icon.path, "D:\\Work");
  icon = FavouriteIcon("**D:\\Work");  // only one "*" comes off
  EXPECT_EQ(icon.path, "*D:\\Work");
  EXPECT_EQ(FavouriteIcon("http").kind, IconRequest::Kind::OnDisk);
}
