#include "recent/Listing.h"

#include <gtest/gtest.h>

#include "FakeSystem.h"
#include "base/Cp932.h"
#include "base/Util.h"
#include "recent/Collation.h"

using namespace quenlark;

TEST(ListingTest, SortKeysForEveryCode) {
  const std::string date = "2026-12-01 10:00:00";
  EXPECT_EQ(SortKey(0, "c:\\docs\\report.doc", date), "REPORT.DOC");
  EXPECT_EQ(SortKey(1, "c:\\docs\\report.doc", date), "C:\\DOCS\\REPORT.DOC");
  EXPECT_EQ(SortKey(2, "c:\\docs\\report.doc", date), date);
  EXPECT_EQ(SortKey(3, "c:\\docs\\report.doc", date), date);
  EXPECT_EQ(SortKey(4, "c:\\docs\\report.doc", date), "DOCREPORT.DOC");
  EXPECT_EQ(SortKey(4, "c:\\docs\\README", date), "\xFFREADME");
  EXPECT_EQ(SortKey(4, "c:\\docs.old\\README", date), "\xFFREADME");
  EXPECT_EQ(SortKey(4, "c:\\x\\name.", date), "NAME.");
  // 0x5C trail bytes are not separators: the name is the whole "能力.doc".
  EXPECT_EQ(SortKey(0, "c:\\ソフト\\能力.doc", date), "能力.DOC");
  EXPECT_EQ(SortKey(4, "c:\\ｓｏｆｔ\\表", date), "\xFF表");
  // A hand-edited code outside 0-4 sorts by date.
  EXPECT_EQ(SortKey(9, "c:\\a.txt", date), date);
  EXPECT_EQ(SortKey(-1, "c:\\a.txt", date), date);
}

TEST(ListingTest, DateTextAndFields) {
  EXPECT_EQ(DateText({2026, 1, 2, 3, 4, 6}), "2026-01-02 03:04:06");
  ListingLine line{"KEY", "C:\\R\\A,B.TXT.lnk", "c:\\a,b.txt", "2026-01-02 03:04:06"};
  EXPECT_EQ(line.Joined(), "KEY,C:\\R\\A,B.TXT.lnk,c:\\a,b.txt,2026-01-02 03:04:06");
  // The record keeps its fields whatever commas the names hold; the text
  // form read with FieldOf would shift them.
  EXPECT_EQ(line.Field(2), "C:\\R\\A,B.TXT.lnk");
  EXPECT_EQ(line.Field(3), "c:\\a,b.txt");
  EXPECT_EQ(line.Field(0), "KEY");
  EXPECT_EQ(line.Field(5), "");
  EXPECT_EQ(util::FieldOf("KEY,S,T,D", 4), "D");
}

class ListFolderTest : public ::testing::Test {
 protected:
  test::FakeFileSystem fs;
  test::FakeShortcutReader reader{fs};
  ShortcutResolution resolution{reader};
  WordSortCollation collation;
  ListingServices services{fs, resolution, collation};
  ListingTable table{kControllerTableHighestIndex};
};

TEST_F(ListFolderTest, SortsByKeyThenShortcutPath) {
  fs.Add("C:\\H\\B.TXT.lnk", "c:\\x\\b.txt", 10);
  fs.Add("C:\\H\\A.TXT.lnk", "c:\\y\\a.txt", 10);
  fs.Add("C:\\H\\C.TXT.lnk", "c:\\z\\c.txt", 5);
  EXPECT_EQ(ListFolder(services, "C:\\H", table, {true, kSortByDate, false, "C:\\H"}), 3);
  EXPECT_EQ(table.lines[0].shortcut, "C:\\H\\C.TXT.lnk");  // oldest first
  EXPECT_EQ(table.lines[1].shortcut, "C:\\H\\A.TXT.lnk");  // same date: by shortcut path
  EXPECT_EQ(table.lines[2].shortcut, "C:\\H\\B.TXT.lnk");
  EXPECT_EQ(table.lines[2].target, "c:\\x\\b.txt");

  ListFolder(services, "C:\\H", table, {true, kSortByPath, false, "C:\\H"});
  EXPECT_EQ(table.lines[0].key, "C:\\X\\B.TXT");
  ListFolder(services, "C:\\H", table, {false, kSortByName, false, "C:\\H"});
  EXPECT_EQ(table.lines[0].target, "C:\\H\\A.TXT.lnk");  // without resolving: the shortcut itself
  EXPECT_EQ(reader.calls, 3);                            // and the second listing came from the cache
}

TEST_F(ListFolderTest, DeletesOnlyReadableNonShortcutsAndOnlyWhereAllowed) {
  fs.Add("C:\\H\\JUNK.lnk", "<not a shortcut>", 1);
  fs.Add("C:\\H\\LOCKED.lnk", "<locked>", 2);
  fs.Add("C:\\H\\OK.TXT.lnk", "c:\\ok.txt", 3);
  fs.Add("C:\\S\\junk.lnk", "<not a shortcut>", 1);
  fs.Add("C:\\S\\locked.lnk", "<locked>", 1);

  EXPECT_EQ(ListFolder(services, "C:\\H", table, {true, kSortByDate, false, "C:\\H"}), 1);
  EXPECT_FALSE(fs.Has("C:\\H\\JUNK.lnk"));   // the history drops what it cannot read
  EXPECT_TRUE(fs.Has("C:\\H\\LOCKED.lnk"));  // but never what is only locked now

  EXPECT_EQ(ListFolder(services, "C:\\S", table, {true, kSortByDate, false, "C:\\H"}), 0);
  EXPECT_TRUE(fs.Has("C:\\S\\junk.lnk"));    // the shell's folder keeps it without AutoClear
  ListFolder(services, "C:\\S", table, {true, kSortByDate, true, "C:\\H"});
  EXPECT_FALSE(fs.Has("C:\\S\\junk.lnk"));
  EXPECT_TRUE(fs.Has("C:\\S\\locked.lnk"));

  // A locked file is asked again next time: the lock says nothing lasting.
  int before = reader.calls;
  ListFolder(services, "C:\\S", table, {true, kSortByDate, true, "C:\\H"});
  EXPECT_EQ(reader.calls, before + 1);
}

// Only files named *.lnk (in any case) are shortcuts: any other file in the
// folder (the shell's Recent folder may be set to a folder of documents) is
// neither listed nor deleted, resolved or not.
TEST_F(ListFolderTest, OnlyShortcutNamesAreListedOrDeleted) {
  for (const char* name : {"notes.txt", "report.docx", "settings.ini", "a.lnkx", "lnk", "a.lnk.txt"}) {
    fs.Add(std::string("C:\\S\\") + name, "<not a shortcut>", 1);
  }
  fs.Add("C:\\S\\B.LNK", "c:\\b.txt", 2);
  fs.Add("C:\\S\\c.Lnk", "<not a shortcut>", 3);
  const std::vector<std::string> others{"a.lnk.txt", "a.lnkx", "lnk", "notes.txt", "report.docx", "settings.ini"};

  EXPECT_EQ(ListFolder(services, "C:\\S", table, {true, kSortByDate, true, "C:\\H"}), 1);
  EXPECT_EQ(table.lines[0].shortcut, "C:\\S\\B.LNK");
  EXPECT_FALSE(fs.Has("C:\\S\\c.Lnk"));
  EXPECT_EQ(fs.In("C:\\S").size(), others.size() + 1);
  for (const std::string& name : others) EXPECT_TRUE(fs.Has("C:\\S\\" + name)) << name;

  // The same folder as the history: not listed without resolving either, so
  // trimming never reaches them.
  EXPECT_EQ(ListFolder(services, "C:\\S", table, {false, kSortByDate, false, "C:\\S"}), 1);
  EXPECT_EQ(ListFolder(services, "C:\\S", table, {true, kSortByDate, false, "C:\\S"}), 1);
  EXPECT_EQ(fs.In("C:\\S").size(), others.size() + 1);
}

TEST_F(ListFolderTest, RestoresTheCurrentFolder) {
  fs.Add("C:\\H\\A.lnk", "c:\\a", 1);
  fs.current = "D:\\WHERE";
  ListFolder(services, "C:\\H", table, {true, kSortByDate, false, ""});
  EXPECT_EQ(fs.current, "D:\\WHERE");
}

TEST_F(ListFolderTest, NeverHoldsMoreThanTheTableAndKeepsTheNewest) {
  ListingTable small(100);  // the selective clear dialog's table: 101 lines
  for (int i = 0; i < 150; ++i) fs.Add("C:\\H\\F" + std::to_string(1000 + i) + ".lnk", "c:\\f" + std::to_string(i), i);
  EXPECT_EQ(ListFolder(services, "C:\\H", small, {true, kSortByName, false, "C:\\H"}), 101);
  EXPECT_EQ(small.lines.size(), 101u);
  for (const auto& line : small.lines) EXPECT_GE(line.lastWrite, 49u * 600000000ull) << line.shortcut;
  EXPECT_EQ(fs.files.size(), 150u);  // nothing was deleted for lack of room
}

TEST_F(ListFolderTest, CommaInANameStaysItself) {
  fs.Add("C:\\H\\A,B.TXT.lnk", "c:\\x,y\\a,b.txt", 1);
  ListFolder(services, "C:\\H", table, {true, kSortByName, false, "C:\\H"});
  ASSERT_EQ(table.Count(), 1);
  EXPECT_EQ(table.lines[0].key, "A,B.TXT");
  EXPECT_EQ(table.lines[0].shortcut, "C:\\H\\A,B.TXT.lnk");
  EXPECT_EQ(table.lines[0].target, "c:\\x,y\\a,b.txt");
  EXPECT_EQ(table.lines[0].date, "2026-12-01 00:01:00");
}

TEST(CollationTest, OrdersAsTheUserLocaleDoes) {
  WordSortCollation c;
  // Each pair: the first sorts before the second (as CompareStringW does).
  const char* pairs[][2] = {
      {"C:\\A\\B", "C:\\AB"},  // punctuation before letters
      {"AB", "A-B"},           // "-" counts only on a tie
      {"A-B", "AC"},
      {"A_B", "AB"},
      {"A,B", "AB"},
      {"a", "B"},
      {"A,", "AB,"},
      {"COOP", "CO-OP"},
      {"AB", "A'C"},
      {"2026-01-02", "2026-01-10"},
      {"A B", "AB"},
      {"A.B", "AB"},
      {"1", "A"},
      {"~", "A"},
      {"[", "A"},
      {"Z", "表"},
  };
  for (const auto& p : pairs) {
    EXPECT_LT(c.Compare(p[0], p[1]), 0) << p[0] << " / " << p[1];
    EXPECT_GT(c.Compare(p[1], p[0]), 0) << p[1] << " / " << p[0];
  }
  EXPECT_EQ(c.Compare("readme.TXT", "README.txt"), 0);
}

// A name with characters code page 932 cannot spell sorts by its text up to
// the first of them, then by the rest where such a character comes after
// every other and such characters go by code unit; the order stays total.
TEST(CollationTest, NamesOutsideTheCodePageHaveOnePlaceEverywhere) {
  auto esc = [](char16_t unit) {
    std::string text;
    cp932::AppendEscape(text, unit);
    return text;
  };
  const std::string e = esc(u'\u00E9'), u = esc(u'\u00FC'), lone = esc(u'\xD800');
  const std::vector<std::string> ordered = {"CAF",           "caf" + e,      "CAF" + e + ".PDF", "caf" + e + "z",
                                            "caf" + u,       "caf" + lone,   "CAFA",             "cafe.pdf",
                                            "CAFE.PDF" + e,  "表" + e};
  WordSortCollation c;
  for (std::size_t i = 0; i < ordered.size(); ++i) {
    for (std::size_t j = 0; j < ordered.size(); ++j) {
      const int r = c.Compare(ordered[i], ordered[j]);
      EXPECT_EQ((r > 0) - (r < 0), (i > j) - (i < j)) << i << " / " << j;
    }
  }
}
