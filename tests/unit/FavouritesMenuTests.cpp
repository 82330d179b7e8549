#include "menus/FavouritesMenu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>

#include "menus/IconCache.h"
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
  const std::vector<int> images = {1, 2, -1, 3, -1, 4, 6, -1, 7};
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

TEST(ProgramMenuTest, EveryFaceFindsTheSamePictures) {
  const auto japanese = MirrorMainMenu(true);
  SetFace(Face::English);
  const auto english = MirrorMainMenu(true);
  SetFace(Face::Japanese);
  ASSERT_EQ(english.size(), japanese.size());
  EXPECT_EQ(english[0].caption, "&Settings...");
  for (std::size_t k = 0; k < japanese.size(); ++k) {
    EXPECT_EQ(english[k].icon.index, japanese[k].icon.index) << k;
    for (std::size_t c = 0; c < japanese[k].children.size(); ++c) {
      EXPECT_EQ(english[k].children[c].icon.index, japanese[k].children[c].icon.index) << k << "." << c;
    }
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

// --- Icons kept between openings ---------------------------------------------

namespace {

// Icons are numbers; the cache's destroyer records what it destroyed.
std::vector<std::uintptr_t> g_destroyed;
void RecordDestroy(IconCache::Handle icon) { g_destroyed.push_back(reinterpret_cast<std::uintptr_t>(icon)); }
IconCache::Handle Icon(std::uintptr_t n) { return reinterpret_cast<IconCache::Handle>(n); }

}  // namespace

TEST(IconCacheTest, KeptByPathAndLastWriteTimeDroppedWhenTheFileChangesOrLeavesTheMenu) {
  g_destroyed.clear();
  {
    IconCache cache(&RecordDestroy, 200);
    cache.BeginPass(1);
    EXPECT_EQ(cache.Find("C:\\a.exe", 10), nullptr);
    ASSERT_TRUE(cache.Store("C:\\a.exe", 10, Icon(1)));
    ASSERT_TRUE(cache.Store("C:\\b.exe", 10, Icon(2)));
    EXPECT_FALSE(cache.Store("C:\\b.exe", 10, Icon(3)));  // taken: the caller keeps icon 3
    ASSERT_TRUE(cache.Store("*.txt", 0, Icon(4)));
    cache.EndPass();
    EXPECT_TRUE(g_destroyed.empty());

    // The next opening finds them all; a file written meanwhile loses its icon.
    cache.BeginPass(1);
    EXPECT_EQ(cache.Find("C:\\a.exe", 10), Icon(1));
    EXPECT_EQ(cache.Find("*.txt", 0), Icon(4));
    EXPECT_EQ(cache.Find("C:\\b.exe", 11), nullptr);
    EXPECT_EQ(g_destroyed, (std::vector<std::uintptr_t>{2}));
    EXPECT_EQ(cache.Find("C:\\b.exe", 10), nullptr);  // forgotten, not restored
    ASSERT_TRUE(cache.Store("C:\\b.exe", 11, Icon(5)));
    cache.EndPass();

    // Another menu's build leaves these alone; this menu's next build without
    // "*.txt" (its favourite removed) drops that icon only.
    cache.BeginPass(2);
    ASSERT_TRUE(cache.Store("C:\\folder", 3, Icon(6)));
    cache.EndPass();
    cache.BeginPass(1);
    EXPECT_EQ(cache.Find("C:\\a.exe", 10), Icon(1));
    EXPECT_EQ(cache.Find("C:\\b.exe", 11), Icon(5));
    cache.EndPass();
    EXPECT_EQ(g_destroyed, (std::vector<std::uintptr_t>{2, 4}));
    EXPECT_EQ(cache.Size(), 3u);
  }
  // The rest go with the cache, each once.
  std::sort(g_destroyed.begin(), g_destroyed.end());
  EXPECT_EQ(g_destroyed, (std::vector<std::uintptr_t>{1, 2, 4, 5, 6}));
}

TEST(IconCacheTest, AMillionOpeningsWithChangingFilesStayWithinTheBoundAndDestroyEveryIcon) {
  g_destroyed.clear();
  std::uintptr_t made = 0;
  std::size_t largest = 0, notKept = 0;
  {
    IconCache cache(&RecordDestroy, 4);
    std::vector<std::string> keys[3], others[3];
    for (int scope = 0; scope < 3; ++scope) {
      for (int i = 0; i < 2; ++i) keys[scope].push_back("file" + std::to_string(i) + "|" + std::to_string(scope));
      for (int i = 0; i < 5; ++i) others[scope].push_back("other" + std::to_string(i) + "|" + std::to_string(scope));
    }
    for (int opening = 0; opening < 1000000; ++opening) {
      const int scope = opening % 3;
      cache.BeginPass(scope);
      // Two files per menu, one of them written before every opening, and
      // five others (more than the bound) at every hundredth opening.
      const auto& menu = opening % 100 == 0 ? others[scope] : keys[scope];
      for (std::size_t i = 0; i < menu.size(); ++i) {
        const std::uint64_t written = i == static_cast<std::size_t>(opening % 2) ? opening : 1;
        if (cache.Find(menu[i], written)) continue;
        const IconCache::Handle icon = Icon(++made);
        if (!cache.Store(menu[i], written, icon)) {
          ++notKept;
          RecordDestroy(icon);  // what the caller does with an icon not kept
        }
      }
      cache.EndPass();
      largest = std::max(largest, cache.Size());
    }
  }
  EXPECT_LE(largest, 4u);
  EXPECT_GT(notKept, 0u);
  // Every icon made was destroyed exactly once.
  ASSERT_EQ(g_destroyed.size(), made);
  std::sort(g_destroyed.begin(), g_destroyed.end());
  EXPECT_EQ(std::adjacent_find(g_destroyed.begin(), g_destroyed.end()), g_destroyed.end());
}
