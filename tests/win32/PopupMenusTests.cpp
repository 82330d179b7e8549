// The menus built by the real builders into real system menus and read back:
// captions, order, enabled state, owner drawing, submenus and pictures, with
// and without icons.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include "menus/FavouritesMenu.h"
#include "menus/MenuPresenter.h"
#include "menus/ProgramMenu.h"
#include "menus/RecentMenu.h"
#include "ShortcutWriter.h"

using namespace quenlark;

namespace {

struct ReadItem {
  std::string caption;
  bool enabled = true;
  bool ownerDrawn = false;
  bool separator = false;
  bool hasImage = false;
  std::vector<ReadItem> children;
};

// Reads a system menu back; owner-drawn items no longer hold their text, so
// their captions come from what the renderer remembers.
std::vector<ReadItem> ReadMenu(HMENU menu, const ui::TPopupCool* renderer) {
  std::vector<ReadItem> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[256] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text - 1;
    EXPECT_TRUE(GetMenuItemInfoA(menu, i, TRUE, &info));
    ReadItem item;
    item.ownerDrawn = (info.fType & MFT_OWNERDRAW) != 0;
    item.separator = (info.fType & MFT_SEPARATOR) != 0;
    item.enabled = !(info.fState & MFS_GRAYED);
    item.caption = text;
    if (renderer) {
      if (const ui::TRememberedItem* remembered = renderer->FindItem(info.wID)) item.caption = remembered->Caption;
      item.hasImage = renderer->ImageIndexOf(info.wID) >= 0;
    }
    if (item.separator) item.caption = "-";
    if (info.hSubMenu) item.children = ReadMenu(info.hSubMenu, renderer);
    items.push_back(item);
  }
  return items;
}

std::vector<std::string> Captions(const std::vector<ReadItem>& items) {
  std::vector<std::string> captions;
  for (const auto& item : items) captions.push_back(item.caption);
  return captions;
}

class PopupMenusTest : public ::testing::Test {
 protected:
  void SetUp() override { CoInitialize(nullptr); }
  void TearDown() override { CoUninitialize(); }

  // Builds as the program does, through the presenter.
  std::vector<ReadItem> Build(const std::vector<MenuItem>& model, bool iconDisp) {
    presenter.Rebuild(model, iconDisp, ui::msOffice);
    return ReadMenu(presenter.Handle(), iconDisp ? &presenter.Renderer() : nullptr);
  }

  TMenuPresenter presenter{GetModuleHandleA(nullptr)};
  TSettings settings;
};

}  // namespace

TEST_F(PopupMenusTest, ProgramMenuWithAndWithoutIcons) {
  for (bool iconDisp : {true, false}) {
    auto items = Build(MirrorMainMenu(iconDisp), iconDisp);
    ASSERT_EQ(items.size(), 9u) << iconDisp;
    EXPECT_EQ(Captions(items),
              (std::vector<std::string>{"Quenlarkの設定(&S)...", "良く使うﾌｧｲﾙとﾌｫﾙﾀﾞの設定(&U)...", "-",
                                        "最近使ったﾌｧｲﾙのｸﾘｱ", "-", "ﾍﾙﾌﾟ(&H)...", "ﾊﾞｰｼﾞｮﾝ情報(&A)...", "-",
                                        "Quenlarkの終了(&X)"}));
    ASSERT_EQ(items[3].children.size(), 2u);
    EXPECT_EQ(items[3].children[0].caption, "ｽﾀｰﾄﾒﾆｭｰ");
    EXPECT_EQ(items[3].children[1].caption, "Quenlark");
    for (const auto& item : items) {
      EXPECT_EQ(item.ownerDrawn, iconDisp) << item.caption;
      // Every command has its picture; separators have none.
      EXPECT_EQ(item.hasImage, iconDisp && !item.separator) << item.caption;
    }
  }
}

TEST_F(PopupMenusTest, RecentFilesInTheirOrderAndTheEmptyItem) {
  std::vector<ListingLine> lines = {
      {"A", "C:\\H\\A.TXT.lnk", "c:\\docs\\a.txt", "2026-12-01 10:00:00"},
      {"B", "C:\\H\\B.LNK.lnk", "c:\\docs\\b.lnk", "2026-12-02 11:00:00"},
      {"C", "C:\\H\\DOCS.lnk", "c:\\docs", "2026-12-03 12:00:00"},
  };
  settings.SortSelect = 2;
  for (bool iconDisp : {true, false}) {
    settings.IconDisp = iconDisp;
    auto items = Build(BuildRecentItems(lines, settings, 0), iconDisp);
    EXPECT_EQ(Captions(items), (std::vector<std::string>{"docs", "b", "a.txt"}));
    for (const auto& item : items) {
      EXPECT_TRUE(item.enabled);
      EXPECT_EQ(item.ownerDrawn, iconDisp);
    }
  }
  settings.IconDisp = true;
  auto empty = Build(BuildRecentItems({}, settings, 0), true);
  ASSERT_EQ(empty.size(), 1u);
  EXPECT_EQ(empty[0].caption, Text(TextId::RecentMenuNone));
  EXPECT_FALSE(empty[0].enabled);
  EXPECT_FALSE(empty[0].hasImage);
}

TEST_F(PopupMenusTest, FavouritesWithASubmenuAndTheProgramMenu) {
  TFavourites favourites;
  favourites.Slots[0] = {">", "Docs", ""};
  favourites.Slots[1] = {"P", "C:\\windows", ""};
  favourites.Slots[2] = {"<", "", ""};
  favourites.Slots[3] = {"Web", "HTTP://example.com/", ""};
  favourites.FavouriteCount = 4;
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  for (bool iconDisp : {true, false}) {
    settings.IconDisp = iconDisp;
    auto items = Build(BuildFavouriteItems(favourites, settings, self), iconDisp);
    EXPECT_EQ(Captions(items), (std::vector<std::string>{"Docs", "Web", "-", "Quenlarkのﾒﾆｭｰ"}));
    ASSERT_EQ(items[0].children.size(), 1u);
    EXPECT_EQ(items[0].children[0].caption, "P");
    EXPECT_EQ(items[3].children.size(), 9u);  // the program's menu beneath
    EXPECT_EQ(items[0].hasImage, iconDisp);   // the submenu picture
    EXPECT_EQ(items[1].hasImage, iconDisp);   // "http:" in capitals: the *.htm type icon
    EXPECT_EQ(items[3].hasImage, iconDisp);   // the program's own icon
    EXPECT_EQ(items[0].ownerDrawn, iconDisp);
    EXPECT_EQ(items[0].children[0].ownerDrawn, iconDisp);
  }
}

namespace {

// Moves the file's last-write time `hours` ahead of now.
void StampAhead(const std::string& path, int hours) {
  HANDLE h = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER t{{now.dwLowDateTime, now.dwHighDateTime}};
  t.QuadPart += static_cast<ULONGLONG>(hours) * 36000000000ULL;
  FILETIME stamp{t.LowPart, t.HighPart};
  SetFileTime(h, nullptr, nullptr, &stamp);
  CloseHandle(h);
}

}  // namespace

TEST_F(PopupMenusTest, AKeptIconIsReadAgainOnceItsFileChangesAndDestroyedWhenDropped) {
  // A program is looked up on disk as itself (its own picture): first a copy
  // of quenlark.exe, then the same file rewritten with this test program.
  // (Wine gives both the same picture, so the proof is the look-up count.)
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string program = self;
  program.resize(program.find_last_of('\\'));
  program.resize(program.find_last_of('\\') + 1);
  program += "quenlark.exe";
  if (GetFileAttributesA(program.c_str()) == INVALID_FILE_ATTRIBUTES) GTEST_SKIP() << "no " << program;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "quenlark_kept_icon";
  const std::string file = folder + "\\favourite.exe";
  testsupport::RemoveTree(folder);
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  ASSERT_TRUE(CopyFileA(program.c_str(), file.c_str(), FALSE));
  const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  {
    TMenuImages images(GetModuleHandleA(nullptr));
    const IconRequest request{IconRequest::Kind::OnDisk, -1, file, {}};
    auto build = [&] {
      images.Clear();
      images.BeginBuild(1);
      const int index = images.Add(request);
      images.EndBuild();
      return index;
    };
    int index = build();
    ASSERT_GE(index, 0);
    EXPECT_EQ(images.LookUps(), 1);
    // The next openings use the kept picture.
    for (int i = 0; i < 3; ++i) index = build();
    EXPECT_EQ(images.LookUps(), 1);
    EXPECT_EQ(images.KeptCount(), 1u);

    // The file is rewritten (a new last-write time): its picture is read again.
    ASSERT_TRUE(CopyFileA(self, file.c_str(), FALSE));
    StampAhead(file, 1);
    index = build();
    EXPECT_EQ(images.LookUps(), 2);
    EXPECT_GE(index, 0);
    EXPECT_EQ(images.KeptCount(), 1u);

    // A build without it (the favourite removed) drops it.
    images.Clear();
    images.BeginBuild(1);
    images.EndBuild();
    EXPECT_EQ(images.KeptCount(), 0u);
    build();
  }
  // Everything kept was destroyed with the images.
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore);
  testsupport::RemoveTree(folder);
}

// The opening's list starts as a copy of the kept pictures, whose slots are
// freed and refilled as menus change: every item still shows its own picture.
TEST(MenuImagesTest, EachItemShowsItsOwnPictureWhileKeptPicturesComeAndGo) {
  auto px = [](HIMAGELIST list, int index) {
    BITMAPINFO format{{sizeof(BITMAPINFOHEADER), 32, -32, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    platform::UniqueBitmap bitmap(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    platform::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    SelectObject(dc.get(), bitmap.get());
    ImageList_Draw(list, index, dc.get(), 0, 0, ILD_NORMAL);
    return std::vector<DWORD>(static_cast<DWORD*>(bits), static_cast<DWORD*>(bits) + 32 * 32);
  };
  auto pic = [](int p) { return IconRequest{IconRequest::Kind::CommandImage, p, {}, {}}; };
  // The reference converts every picture afresh (it never starts a build).
  TMenuImages menu(GetModuleHandleA(nullptr)), ref(GetModuleHandleA(nullptr));
  for (const std::vector<int>& build : std::vector<std::vector<int>>{{0, 1, 2}, {2, 3}, {4, 0, 3}, {1, 2, 4, 0}}) {
    menu.BeginBuild(1);
    for (int p : build) EXPECT_EQ(px(menu.IconImageList(), menu.Add(pic(p))), px(ref.IconImageList(), ref.Add(pic(p))));
    menu.EndBuild();
  }
}
