#include "menus/RecentMenu.h"

#include <gtest/gtest.h>

using namespace quenlark;

namespace {

ListingLine Line(const std::string& target, const std::string& date, const std::string& shortcut = "") {
  ListingLine line;
  line.key = "KEY";
  line.shortcut = shortcut.empty() ? "C:\\Q\\Recent\\" + target.substr(target.size() / 2) + ".lnk" : shortcut;
  line.target = target;
  line.date = date;
  return line;
}

// The ソ, 表 and 能 of code page 932 end in the byte 0x5C.
const std::string kSo = "ソ";
const std::string kHyo = "表";

}  // namespace

TEST(ShortenPathTest, KeepsTheDriveAndTheLastLevels) {
  const std::string p = "D:\\p\\q\\r\\file.txt";
  EXPECT_EQ(ShortenPath(p, 2), "D:\\...\\r\\file.txt");
  EXPECT_EQ(ShortenPath(p, 3), "D:\\...\\q\\r\\file.txt");
  EXPECT_EQ(ShortenPath(p, 4), p);  // too few levels: whole
  EXPECT_EQ(ShortenPath("D:\\p\\q\\file.txt", 2), "D:\\...\\q\\file.txt");
  EXPECT_EQ(ShortenPath("D:\\p\\file.txt", 2), "D:\\p\\file.txt");
  EXPECT_EQ(ShortenPath("D:\\file.txt", 2), "D:\\file.txt");
  EXPECT_EQ(ShortenPath("D:\\a\\b\\c\\d\\e\\f\\g.txt", 5), "D:\\...\\c\\d\\e\\f\\g.txt");
}

TEST(ShortenPathTest, NetworkPathKeepsTheServerAndMayDropTheShare) {
  EXPECT_EQ(ShortenPath("\\\\srv\\s\\a\\f.txt", 2), "\\\\srv\\...\\a\\f.txt");
  EXPECT_EQ(ShortenPath("\\\\srv\\s\\a\\f.txt", 3), "\\\\srv\\s\\a\\f.txt");
  EXPECT_EQ(ShortenPath("\\\\srv\\s\\f.txt", 2), "\\\\srv\\s\\f.txt");
  // A server name whose last character ends in 0x5C is not cut there.
  EXPECT_EQ(ShortenPath("\\\\" + kSo + "\\s\\a\\f.txt", 2), "\\\\" + kSo + "\\...\\a\\f.txt");
  // No separator after the server: nothing to shorten.
  EXPECT_EQ(ShortenPath("\\\\srv", 2), "\\\\srv");
}

TEST(ShortenPathTest, TrailBytes0x5CAreNotSeparators) {
  const std::string p = "D:\\" + kSo + "フト\\" + kHyo + "\\能力.doc";
  EXPECT_EQ(ShortenPath(p, 2), "D:\\...\\" + kHyo + "\\能力.doc");
  EXPECT_EQ(ShortenPath(p, 3), p);
  // A name that ends in such a character.
  EXPECT_EQ(ShortenPath("D:\\a\\b\\" + kHyo, 2), "D:\\...\\b\\" + kHyo);
  // A double-byte drive-less prefix is three characters, not three bytes.
  EXPECT_EQ(ShortenPath(kHyo + kSo + "x\\a\\b\\c.txt", 2), kHyo + kSo + "x...\\b\\c.txt");
}

TEST(ShortenPathTest, ShortTextAndHugeModesAreSafe) {
  EXPECT_EQ(ShortenPath("", 2), "");
  EXPECT_EQ(ShortenPath("D:", 2), "D:");
  EXPECT_EQ(ShortenPath("\\\\", 2), "\\\\");
  EXPECT_EQ(ShortenPath("D:\\p\\q\\r\\file.txt", 2147483647), "D:\\p\\q\\r\\file.txt");
  EXPECT_EQ(ShortenPath("D:\\p\\q\\r\\file.txt", 1), "D:\\p\\q\\r\\file.txt");
}

TEST(RecentCaptionTest, PathModesAndShortcutEnding) {
  const std::string p = "D:\\p\\q\\r\\file.txt";
  EXPECT_EQ(CaptionPath(p, 0), "file.txt");
  EXPECT_EQ(CaptionPath(p, -3), "file.txt");
  EXPECT_EQ(CaptionPath(p, 1), p);
  EXPECT_EQ(CaptionPath(p, 2), "D:\\...\\r\\file.txt");
  EXPECT_EQ(CaptionPath("D:\\x\\Tool.Lnk", 0), "Tool");
  EXPECT_EQ(CaptionPath("D:\\x\\a.txt.LNK", 1), "D:\\x\\a.txt");
  EXPECT_EQ(CaptionPath("D:\\x\\lnk", 0), "lnk");
  EXPECT_EQ(CaptionPath("D:\\" + kHyo + "\\能力.doc", 0), "能力.doc");
}

TEST(RecentCaptionTest, HiddenExtensionOnlyComesOffTheFileName) {
  EXPECT_EQ(RecentCaption("D:\\x\\report.doc", "", 0, false, 0, false), "report");
  EXPECT_EQ(RecentCaption("D:\\x.y\\report", "", 1, false, 0, false), "D:\\x.y\\report");
  EXPECT_EQ(RecentCaption("D:\\x\\a.tar.gz", "", 0, false, 0, false), "a.tar");
  // ".lnk" goes first, then the extension that remains.
  EXPECT_EQ(RecentCaption("D:\\x\\a.txt.lnk", "", 0, false, 0, false), "a");
  EXPECT_EQ(RecentCaption("D:\\x\\a.txt.lnk", "", 0, true, 0, false), "a.txt");
  EXPECT_EQ(RecentCaption("D:\\" + kHyo + "\\能力.doc", "", 1, false, 0, false), "D:\\" + kHyo + "\\能力");
}

TEST(RecentCaptionTest, DatePartsBeforeOrAfterTheName) {
  const std::string date = "2024-05-01 13:45:12";
  EXPECT_EQ(RecentCaption("D:\\x\\report.doc", date, 0, false, 3, true), "05-01 - report");
  EXPECT_EQ(RecentCaption("D:\\x\\a.txt", date, 0, true, 1, false), "a.txt - 2024-05-01 13:45");
  EXPECT_EQ(RecentCaption("D:\\x\\a.txt", date, 0, true, 2, false), "a.txt - 05-01 13:45");
  EXPECT_EQ(RecentCaption("D:\\x\\a.txt", date, 0, true, 3, false), "a.txt - 05-01");
  EXPECT_EQ(RecentCaption("D:\\x\\a.txt", date, 0, true, 4, true), "2024-05-01 13:45:12 - a.txt");
  EXPECT_EQ(RecentCaption("D:\\x\\a.txt", date, 0, true, 0, true), "a.txt");
  EXPECT_EQ(RecentCaption("D:\\x\\a.txt", date, 0, true, -1, false), "a.txt");
  // A short or empty date field does not crash the caption.
  EXPECT_EQ(RecentCaption("D:\\x\\a.txt", "2024", 0, true, 2, false), "a.txt - ");
  EXPECT_EQ(RecentCaption("D:\\x\\a.txt", "", 0, true, 1, false), "a.txt - ");
}

TEST(RecentCaptionTest, CtrlOnAClickWidensThePathButAHotKeyDoesNot) {
  EXPECT_EQ(EffectivePathMode(0, false, true), 1);
  EXPECT_EQ(EffectivePathMode(0, true, true), 0);
  EXPECT_EQ(EffectivePathMode(3, false, false), 3);
  EXPECT_EQ(EffectivePathMode(-1, false, false), 0);  // the stored default
  EXPECT_EQ(EffectivePathMode(-1, true, true), 0);
}

TEST(BuildRecentItemsTest, OrderAndTagsFollowTheSortCode) {
  const std::vector<ListingLine> lines = {Line("D:\\a.txt", "2024-01-01 00:00:00"),
                                          Line("D:\\b.txt", "2024-01-02 00:00:00"),
                                          Line("D:\\c.txt", "2024-01-03 00:00:00")};
  TSettings settings;
  for (int code : {0, 1, 3, 4, 5, 255}) {
    settings.SortSelect = static_cast<std::uint8_t>(code);
    auto items = BuildRecentItems(lines, settings, 0);
    ASSERT_EQ(items.size(), 3u) << code;
    EXPECT_EQ(items[0].caption, "a.txt") << code;
    EXPECT_EQ(items[0].tag, 0) << code;
    EXPECT_EQ(items[2].tag, 2) << code;
  }
  settings.SortSelect = 2;  // newest at the top, tagged with the last index
  auto items = BuildRecentItems(lines, settings, 0);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].caption, "c.txt");
  EXPECT_EQ(items[0].tag, 2);
  EXPECT_EQ(items[2].caption, "a.txt");
  EXPECT_EQ(items[2].tag, 0);
  for (const auto& item : items) {
    EXPECT_TRUE(item.enabled);
    EXPECT_EQ(item.command, MenuCommand::OpenRecentItem);
    EXPECT_TRUE(item.children.empty());
  }
}

TEST(BuildRecentItemsTest, CaptionsUseTheSettings) {
  TSettings settings;
  settings.ExtDisp = false;
  settings.DateTimeDisp = 3;
  settings.DateTopDisp = true;
  auto items = BuildRecentItems({Line("D:\\x\\report.doc", "2024-05-01 09:00:00")}, settings, 0);
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].caption, "05-01 - report");
  items = BuildRecentItems({Line("D:\\p\\q\\r\\report.doc", "2024-05-01 09:00:00")}, settings, 2);
  EXPECT_EQ(items[0].caption, "05-01 - D:\\...\\r\\report");
  // Typing finds the entry by its name alone, as shown: no date, no folders.
  EXPECT_EQ(items[0].findName, "report");
}

TEST(BuildRecentItemsTest, IconsAskForTheFolderOrTheShownExtension) {
  TSettings settings;
  settings.ExtDisp = false;  // a hidden extension still picks the icon
  auto items = BuildRecentItems({Line("D:\\x\\a.TXT", "2024-05-01 09:00:00"),
                                 Line("D:\\x\\setup.exe.lnk", "2024-05-01 09:00:00"),
                                 Line("D:\\Work", "2024-05-01 09:00:00"),
                                 Line("\\\\srv\\s\\a\\b\\" + kHyo, "2024-05-01 09:00:00")},
                                settings, 2);
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[0].icon.kind, IconRequest::Kind::FolderOrFileType);
  EXPECT_EQ(items[0].icon.path, "D:\\x\\a.TXT");
  EXPECT_EQ(items[0].icon.fallback, "*.TXT");
  EXPECT_EQ(items[1].icon.path, "D:\\x\\setup.exe.lnk");
  EXPECT_EQ(items[1].icon.fallback, "*.exe");
  EXPECT_EQ(items[2].icon.kind, IconRequest::Kind::FolderOrFileType);
  EXPECT_EQ(items[2].icon.path, "D:\\Work");
  EXPECT_EQ(items[2].icon.fallback, "");
  EXPECT_EQ(items[3].icon.fallback, "");

  settings.IconDisp = false;
  items = BuildRecentItems({Line("D:\\x\\a.txt", "2024-05-01 09:00:00")}, settings, 0);
  EXPECT_EQ(items[0].icon.kind, IconRequest::Kind::None);
}

TEST(BuildRecentItemsTest, EmptyHistoryGivesOneDisabledItemWithoutPicture) {
  TSettings settings;
  settings.IconDisp = true;
  auto items = BuildRecentItems({}, settings, 0);
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].caption, "（最近使ったﾌｧｲﾙなし）");
  EXPECT_FALSE(items[0].enabled);
  EXPECT_EQ(items[0].command, MenuCommand::None);
  EXPECT_EQ(items[0].icon.kind, IconRequest::Kind::None);
}

TEST(BuildRecentItemsTest, TagLeadsBackToTheStoredShortcut) {
  const std::vector<ListingLine> lines = {Line("D:\\a.txt", "2024-01-01 00:00:00", "C:\\Q\\Recent\\A.TXT.lnk"),
                                          Line("D:\\b.txt", "2024-01-02 00:00:00", "C:\\Q\\Recent\\B.TXT.lnk")};
  TSettings settings;
  settings.SortSelect = 2;
  auto items = BuildRecentItems(lines, settings, 0);
  EXPECT_EQ(RecentItemShortcut(lines, items[0].tag), "C:\\Q\\Recent\\B.TXT.lnk");
  EXPECT_EQ(RecentItemShortcut(lines, items[1].tag), "C:\\Q\\Recent\\A.TXT.lnk");
  EXPECT_EQ(RecentItemShortcut(lines, 2), "");
  EXPECT_EQ(RecentItemShortcut(lines, -1), "");
  EXPECT_EQ(RecentItemShortcut({}, 0), "");
}
