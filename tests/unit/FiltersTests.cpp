#include "recent/Filters.h"

#include <gtest/gtest.h>

#include "FakeSystem.h"
#include "base/Cp932.h"

using namespace quenlark;
using Items = std::vector<std::string>;

TEST(FiltersTest, ListsAreBuiltFromTheSettings) {
  EXPECT_EQ(BuildExtList("htm, jpg ,gif"), (Items{".HTM", ".JPG", ".GIF"}));
  EXPECT_EQ(BuildDriveList("a,b"), (Items{"A:", "B:"}));
  EXPECT_EQ(BuildDriveList(" a , b "), (Items{"A:", "B:"}));
  EXPECT_EQ(BuildExtList("txt,"), (Items{".TXT"}));        // a trailing comma adds nothing
  EXPECT_EQ(BuildExtList(",txt"), (Items{".", ".TXT"}));   // an empty part gives the bare dot
  EXPECT_EQ(BuildExtList(".jpg"), (Items{"..JPG"}));       // a typed dot stays
  EXPECT_EQ(BuildExtList(""), (Items{}));
  EXPECT_EQ(BuildExtList("\t doc \r\n"), (Items{".DOC"}));
  // Upper-cased as the code page does it, like the target's extension.
  EXPECT_EQ(BuildExtList("ｔｘｔ,表"), (Items{".ＴＸＴ", ".表"}));
}

class FilterTest : public ::testing::Test {
 protected:
  bool Accept(const std::string& target) {
    lists.ExtList = BuildExtList(settings.ExtName);
    lists.DriveList = BuildDriveList(settings.DriveName);
    return AcceptEntry(cp932::Upper(target), target, settings, lists, fs, network);
  }
  TSettings settings;
  FilterLists lists;
  test::FakeFileSystem fs;
  test::FakeNetwork network;
};

TEST_F(FilterTest, EveryFilterOffAcceptsEverything) {
  EXPECT_TRUE(Accept("c:\\docs\\report.htm"));
  EXPECT_TRUE(Accept("\\\\server\\share\\x.txt"));
  EXPECT_TRUE(fs.errorModes.empty());  // the folder test did not run
}

TEST_F(FilterTest, ExtensionRules) {
  settings.ExtCheck = 1;
  settings.ExtName = "htm,jpg,gif";
  EXPECT_FALSE(Accept("c:\\report.HTM"));
  EXPECT_TRUE(Accept("c:\\report.txt"));
  EXPECT_TRUE(Accept("c:\\表.txt"));

  settings.ExtCheck = 2;
  settings.ExtName = "txt";
  EXPECT_TRUE(Accept("c:\\a.TXT"));
  EXPECT_FALSE(Accept("c:\\readme"));
  EXPECT_FALSE(Accept("c:\\ソフト\\能力.doc"));
  EXPECT_TRUE(Accept("c:\\ソフト\\能力.txt"));

  settings.ExtName = ",txt";
  EXPECT_TRUE(Accept("c:\\name."));   // extension "." is listed
  EXPECT_FALSE(Accept("c:\\name"));   // no extension at all

  settings.ExtCheck = 3;  // a hand-edited mode rejects nothing
  settings.ExtName = "txt";
  EXPECT_TRUE(Accept("c:\\a.txt"));
  EXPECT_TRUE(Accept("c:\\a.doc"));
}

// テ, キ, ス and ト have the trail bytes 0x65, 0x4C, 0x58 and 0x67: the lists and
// the targets are upper-cased alike, character by character, so a trail byte
// in a-z stays what it is.
TEST_F(FilterTest, DoubleByteExtensionsMatch) {
  ASSERT_EQ(std::string("テト"), "\x83\x65\x83\x67");
  settings.ExtName = "テキスト,ｔｘｔ";
  settings.ExtCheck = 1;
  EXPECT_FALSE(Accept("c:\\メモ.テキスト"));
  EXPECT_FALSE(Accept("c:\\a.ＴＸＴ"));
  EXPECT_TRUE(Accept("c:\\メモ.txt"));
  settings.ExtCheck = 2;
  EXPECT_TRUE(Accept("c:\\メモ.テキスト"));
  EXPECT_TRUE(Accept("c:\\a.ｔｘｔ"));
  EXPECT_FALSE(Accept("c:\\メモ.txt"));
}

TEST_F(FilterTest, DriveRule) {
  settings.DriveCheck = true;
  settings.DriveName = " a , b ";
  EXPECT_FALSE(Accept("a:\\x.txt"));
  EXPECT_FALSE(Accept("B:\\x.txt"));
  EXPECT_TRUE(Accept("c:\\x.txt"));
  EXPECT_TRUE(Accept("\\\\a\\b\\x.txt"));
}

TEST_F(FilterTest, FolderRuleUsesTheErrorModeAndRestoresIt) {
  settings.FolderCheck = true;
  fs.errorMode = 0x8000;
  fs.folders = {"C:\\", "C:\\DOCS", "C:\\ソフト"};
  EXPECT_FALSE(Accept("c:\\docs"));            // a folder
  EXPECT_TRUE(Accept("c:\\docs\\a.txt"));      // a document
  EXPECT_FALSE(Accept("e:\\a.txt"));           // a drive that is not there (no media)
  EXPECT_FALSE(Accept("c:\\ソフト"));           // 0x5C trail byte: still the folder itself
  EXPECT_TRUE(Accept("\\\\server\\share\\a.txt"));
  fs.folders.push_back("\\\\SERVER\\SHARE\\DIR");
  EXPECT_FALSE(Accept("\\\\server\\share\\dir"));
  EXPECT_EQ(fs.errorMode, 0x8000u);
  for (std::size_t i = 0; i < fs.errorModes.size(); i += 2) {
    EXPECT_EQ(fs.errorModes[i], platform::kFailCriticalErrors);
    EXPECT_EQ(fs.errorModes[i + 1], 0x8000u);
  }
}

TEST_F(FilterTest, NetworkRuleOnTheNtFamily) {
  settings.NetworkCheck = true;
  network.universal["z:\\docs\\a.txt"] = "\\\\server\\share\\docs\\a.txt";
  EXPECT_FALSE(Accept("z:\\docs\\a.txt"));
  EXPECT_FALSE(Accept("\\\\server\\share\\b.txt"));
  EXPECT_TRUE(Accept("c:\\local.txt"));
}

TEST_F(FilterTest, NetworkRuleOnThe9xFamily) {
  settings.NetworkCheck = true;
  network.nt = false;
  network.disks = std::vector<platform::ConnectedDisk>{{"Y:", "\\\\other\\x"}, {"z:", "\\\\server\\share"}};
  EXPECT_EQ(UniversalPath("Z:\\docs\\a.txt", network), "\\\\server\\share\\docs\\a.txt");
  EXPECT_FALSE(Accept("z:\\docs\\a.txt"));
  EXPECT_TRUE(Accept("c:\\local.txt"));
  network.disks.reset();  // enumeration failed: the path stays, a drive letter passes
  EXPECT_TRUE(Accept("z:\\docs\\a.txt"));
}

TEST_F(FilterTest, FiltersRunInOrderAndStopAtTheFirstRejection) {
  settings.ExtCheck = 1;
  settings.ExtName = "tmp";
  settings.FolderCheck = true;
  EXPECT_FALSE(Accept("c:\\a.tmp"));
  EXPECT_TRUE(fs.errorModes.empty());  // the extension decided before the folder test ran
}
