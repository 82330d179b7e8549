// The selective clear dialog's model: rows tied to their lines (also when
// some lines get no row), the marks of its buttons, and what a set of checks
// may delete or recycle.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "FakeSystem.h"
#include "dialogs/SelectClearModel.h"

namespace {

using quenlark::ListingLine;
using quenlark::SelectClearModel;

class FakePaths : public platform::IPathQuery {
 public:
  std::set<std::string> folders, files;
  std::vector<std::string> asked;
  bool IsFolder(const std::string& path) override {
    asked.push_back("folder " + path);
    return folders.count(path) > 0;
  }
  bool IsExistingFile(const std::string& path) override {
    asked.push_back("file " + path);
    return files.count(path) > 0;
  }
  std::string ProgramPath() override { return "C:\\Q\\quenlark.exe"; }
};

class FakeShell : public platform::IShell {
 public:
  std::vector<std::string> recycled;  // one entry per operation
  void Execute(const platform::ShellExecuteRequest&) override {}
  std::optional<platform::ShortcutLaunchParts> ReadShortcut(const std::string&) override { return std::nullopt; }
  bool RecycleFiles(const std::string& list) override {
    recycled.push_back(list);
    return true;
  }
};

ListingLine Line(const std::string& shortcut, const std::string& target) {
  return ListingLine{"", shortcut, target, "2026-12-01 00:00:00", 0};
}

TEST(SelectClearModelTest, RowsStandForTheirOwnLinesWhenSomeLinesGetNoRow) {
  // Ascending listing lines; the drive root has no name and so no row.
  std::vector<ListingLine> lines{
      Line("C:\\S\\a.lnk", "C:\\Docs\\report.doc"),
      Line("C:\\S\\b.lnk", "D:\\"),
      Line("C:\\S\\c.lnk", "Z:\\gone\\plan.txt"),
      Line("C:\\S\\d.lnk", "C:\\Docs\\inner.LNK"),
      Line("C:\\S\\e.lnk", "C:\\Docs\\README"),
  };
  SelectClearModel model;
  model.Fill(lines, "C:\\S", false, false, false);
  EXPECT_EQ(model.RowTexts(), (std::vector<std::string>{"report", "plan", "inner", "README"}));
  EXPECT_EQ(model.ListedCount(), 4);
  EXPECT_EQ(model.InitialChecks(), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(model.Counter("[最近使ったﾌｧｲﾙ]の一覧  ", {0, 2}), "[最近使ったﾌｧｲﾙ]の一覧  (2/4)");
  EXPECT_EQ(model.Inverted({0, 2}), (std::vector<int>{1, 3}));

  // Marking: each row tests its own target, under the critical-error mode,
  // and the previous mode comes back after every row.
  test::FakeFileSystem fs;
  fs.errorMode = 0x8000;
  FakePaths paths;
  paths.folders = {"C:\\", "C:\\Docs\\inner.LNK"};
  paths.files = {"C:\\Docs\\README"};
  EXPECT_EQ(model.BrokenRows(fs, paths), (std::vector<int>{0, 1}));
  EXPECT_EQ(fs.errorModes, (std::vector<unsigned>{1, 0x8000, 1, 0x8000, 1, 0x8000, 1, 0x8000}));
  // A drive whose root is missing is one question, not a search on it.
  EXPECT_EQ(std::count(paths.asked.begin(), paths.asked.end(), "file Z:\\gone\\plan.txt"), 0);

  // Deleting the second row deletes the line it stands for, not the root's.
  for (const ListingLine& line : lines) fs.Add(line.shortcut, line.target, 0);
  EXPECT_EQ(model.FilesToClear({1}, fs.ListFiles("C:\\S")), (std::vector<std::string>{"C:\\S\\c.lnk"}));

  // Newest first reads the ascending listing from its end; full paths keep
  // the folders (and a root), only ".lnk" goes.
  model.Fill(lines, "C:\\S", true, true, true);
  EXPECT_EQ(model.RowTexts(), (std::vector<std::string>{"C:\\Docs\\README", "C:\\Docs\\inner", "Z:\\gone\\plan.txt",
                                                        "D:\\", "C:\\Docs\\report.doc"}));
  EXPECT_EQ(model.FilesToClear({0}, fs.ListFiles("C:\\S")), (std::vector<std::string>{"C:\\S\\e.lnk"}));

  // Nothing to show: one unchecked row that stands for nothing.
  model.Fill({Line("C:\\S\\b.lnk", "D:\\")}, "C:\\S", false, false, true);
  EXPECT_EQ(model.RowTexts(), (std::vector<std::string>{"(なし)"}));
  EXPECT_EQ(model.ListedCount(), 0);
  EXPECT_TRUE(model.InitialChecks().empty());
  EXPECT_EQ(model.Counter("G", {}), "G(0/0)");
  EXPECT_TRUE(model.FilesToClear({0}, fs.ListFiles("C:\\S")).empty());
}

TEST(SelectClearModelTest, OnlyTheCheckedShortcutsInTheListedFolderAreEverDeletedOrRecycled) {
  test::FakeFileSystem fs;
  const std::string folder = "C:\\Recent\\表";  // 0x5C trail byte in the folder name
  const std::string comma = folder + "\\a,b.lnk";
  const std::string trail = folder + "\\ソ能.lnk";  // both characters end in 0x5C
  const std::string unnameable = folder + "\\x?y.lnk";
  const std::string outside = "C:\\Other\\o.lnk";
  const std::string below = folder + "\\sub\\s.lnk";
  const std::string document = folder + "\\doc.txt";
  const std::string gone = folder + "\\gone.lnk";
  const std::string unchecked = folder + "\\keep.lnk";
  // "twice.lnk" stands for two files the search gives the same name.
  const std::string twice = folder + "\\twice.lnk";
  for (const std::string& p : {comma, trail, unnameable, outside, below, document, unchecked, twice}) {
    fs.Add(p, "T", 0);
  }
  // A file whose name holds "?" in the listing stands for a name the ANSI
  // calls cannot give; "x_y.lnk" is what a wildcard "x?y.lnk" would also hit.
  fs.Add(folder + "\\x_y.lnk", "T", 0);

  std::vector<ListingLine> lines;
  for (const std::string& p : {comma, trail, unnameable, outside, below, document, gone, twice, unchecked}) {
    lines.push_back(Line(p, "C:\\t\\" + p.substr(p.size() - 7)));
  }
  SelectClearModel model;
  model.Fill(lines, folder, false, true, true);
  ASSERT_EQ(model.ListedCount(), 9);
  EXPECT_EQ(model.RowTexts()[2], "C:\\t\\x?y");  // shown, never acted on
  const std::vector<int> checked{0, 1, 2, 3, 4, 5, 6, 7};
  std::vector<platform::FileEntry> present = fs.ListFiles(folder);
  present.push_back({"twice.lnk"});
  const std::vector<std::string> files = model.FilesToClear(checked, present);
  EXPECT_EQ(files, (std::vector<std::string>{comma, trail}));

  FakeShell shell;
  quenlark::ClearShortcuts(files, true, fs, shell);
  ASSERT_EQ(shell.recycled.size(), 1u);
  EXPECT_EQ(shell.recycled[0], comma + '\0' + trail + '\0');
  EXPECT_TRUE(fs.log.empty());

  quenlark::ClearShortcuts(files, false, fs, shell);
  EXPECT_EQ(fs.log, (std::vector<std::string>{"delete " + comma, "delete " + trail}));
  for (const std::string& p :
       {unnameable, outside, below, document, unchecked, twice, folder + "\\x_y.lnk"}) {
    EXPECT_TRUE(fs.Has(p)) << p;
  }
  EXPECT_EQ(shell.recycled.size(), 1u);

  // Nothing checked, or a folder that can no longer be listed when the user
  // answers Yes (gone, or the search fails): nothing happens at all.
  quenlark::ClearShortcuts(model.FilesToClear({}, fs.ListFiles(folder)), true, fs, shell);
  EXPECT_TRUE(model.FilesToClear(checked, {}).empty());
  EXPECT_EQ(shell.recycled.size(), 1u);
}

}  // namespace

// The mode decides the folder, the title and the order; any other mode
// lists nothing and keeps the title.
TEST(SelectClearModelTest, TheModeDecidesFolderTitleAndOrder) {
  using quenlark::ClearSourceFor;
  struct Case { int mode, sortSelect; const char* title; const char* folder; int sortCode; bool newestFirst; };
  const Case cases[] = {
      {0, 2, "最近使ったﾌｧｲﾙのｸﾘｱ - ｽﾀｰﾄﾒﾆｭｰ", "S", quenlark::kSortByName, false},
      {1, 2, "最近使ったﾌｧｲﾙのｸﾘｱ - Quenlark", "H", quenlark::kSortByDate, true},
      {1, 3, "最近使ったﾌｧｲﾙのｸﾘｱ - Quenlark", "H", quenlark::kSortByDateDescending, false},
      {2, 2, "", "", quenlark::kSortByName, false},
  };
  for (const Case& c : cases) {
    const quenlark::ClearSource s = ClearSourceFor(c.mode, c.sortSelect, "S", "H");
    EXPECT_EQ(s.title + "|" + s.folder, std::string(c.title) + "|" + c.folder) << c.mode;
    EXPECT_EQ(s.sortCode, c.sortCode) << c.mode;
    EXPECT_EQ(s.newestFirst, c.newestFirst) << c.mode;
  }
}
