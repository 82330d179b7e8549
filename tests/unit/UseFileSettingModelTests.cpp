// The favourites editor's table operations through the model: where entries
// go, what the limit refuses, what deletes and block moves leave behind, and
// how the rows are indented around submenu markers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/UseFileSettingModel.h"

namespace {

using quenlark::TFavourites;
using quenlark::UseFileSettingModel;

UseFileSettingModel Editor(const std::vector<std::string>& names) {
  TFavourites table;
  for (std::size_t i = 0; i < names.size(); ++i) table.Slots[i] = {names[i], "C:\\" + names[i] + ".txt", ""};
  UseFileSettingModel model;
  model.Load(table);
  return model;
}

std::vector<std::string> Names(const UseFileSettingModel& model) {
  std::vector<std::string> names;
  for (int i = 0; i < model.Count(); ++i) names.push_back(model.Table().Slots[static_cast<std::size_t>(i)].Name);
  return names;
}

using V = std::vector<std::string>;

TEST(UseFileSettingModelTest, InsertsAfterTheCurrentRowAndMakesTheNewRowCurrent) {
  UseFileSettingModel model = Editor({});
  model.Fields = {"First", "C:\\1", ""};
  ASSERT_TRUE(model.Add());
  EXPECT_EQ(model.Current(), 0);
  EXPECT_EQ(model.Fields.Name, "") << "fields are emptied after an insertion";

  model = Editor({"a", "b", "c", "d", "e", "f"});
  EXPECT_EQ(model.Current(), -1);
  model.SetSelection({1}, 4);
  model.Fields = {"New", "C:\\new", "notepad.exe"};
  ASSERT_TRUE(model.Add());
  EXPECT_EQ(Names(model), (V{"a", "b", "c", "d", "e", "New", "f"}));
  EXPECT_EQ(model.Current(), 5);
  EXPECT_EQ(model.SelectedRows(), std::vector<int>{1}) << "the selection stays on its entries";
  EXPECT_EQ(model.Table().Slots[5].Execute, "notepad.exe");

  // Without a current row the entry goes to the top; a separator empties
  // whatever was typed.
  model.SetSelection({}, -1);
  model.Fields = {"typed", "x", "y"};
  ASSERT_TRUE(model.AddSeparator());
  EXPECT_EQ(Names(model).front(), "-");
  EXPECT_EQ(model.Table().Slots[0].File, "");
  EXPECT_EQ(model.Fields.Name + model.Fields.File + model.Fields.Execute, "");
}

TEST(UseFileSettingModelTest, AddTrimsTheFieldsAndSaveStoresThemAsTypedInTheCurrentRow) {
  UseFileSettingModel model = Editor({"a"});
  model.Fields = {" \t", "C:\\x", ""};
  EXPECT_FALSE(model.Add());
  EXPECT_EQ(model.Fields.File, "C:\\x") << "a refused add keeps the fields";
  EXPECT_EQ(model.Count(), 1);

  model.Fields = {" Memo ", " C:\\memo.txt\r\n", " "};
  ASSERT_TRUE(model.Add());
  EXPECT_EQ(model.Table().Slots[0].Name, "Memo");
  EXPECT_EQ(model.Table().Slots[0].File, "C:\\memo.txt");
  EXPECT_EQ(model.Table().Slots[0].Execute, "");

  model.SetSelection({0}, 0);
  model.Refresh();
  EXPECT_EQ(model.Fields.Name, "Memo") << "the current row fills the fields";
  model.Fields.Name = " Memo ";
  ASSERT_TRUE(model.SaveCurrent());
  EXPECT_EQ(model.Table().Slots[0].Name, " Memo ");
  EXPECT_EQ(model.Count(), 2);

  model.Fields.Name = "";
  EXPECT_FALSE(model.SaveCurrent());
  model.SetSelection({0}, -1);
  model.Fields.Name = "x";
  EXPECT_FALSE(model.SaveCurrent()) << "no current row";
  EXPECT_EQ(model.Table().Slots[0].Name, " Memo ");
}

TEST(UseFileSettingModelTest, TheNinetyNinthEntryFillsTheTableAndADeleteMakesRoomAgain) {
  std::vector<std::string> names;
  for (int i = 0; i < 98; ++i) names.push_back("n" + std::to_string(i));
  UseFileSettingModel model = Editor(names);
  model.SetSelection({}, 97);
  model.Fields = {"last", "C:\\last", ""};
  ASSERT_TRUE(model.Add());
  EXPECT_EQ(model.Count(), 99);
  for (int i = 0; i < 98; ++i) ASSERT_EQ(model.Table().Slots[static_cast<std::size_t>(i)].Name, names[static_cast<std::size_t>(i)]);
  EXPECT_FALSE(model.CanAdd());
  EXPECT_EQ(model.StatusText(), "登録ﾌｧｲﾙ/ﾌｫﾙﾀﾞ数 : 99個");

  model.Fields = {"more", "", ""};
  EXPECT_FALSE(model.Add());
  EXPECT_FALSE(model.AddSeparator());
  EXPECT_FALSE(model.Drop("C:\\docs\\a.txt", false));
  EXPECT_EQ(model.Count(), 99);

  model.SetSelection({40}, 40);
  ASSERT_TRUE(model.DeleteSelected());
  EXPECT_TRUE(model.CanAdd());
  EXPECT_EQ(model.Count(), 98);
}

TEST(UseFileSettingModelTest, DeletesExactlyTheSelectedRowsAndClosesTheGap) {
  UseFileSettingModel model = Editor({"a", "b", "c", "d", "e", "f"});
  EXPECT_EQ(model.DeleteQuestion(), "") << "nothing selected, nothing to ask";
  EXPECT_FALSE(model.DeleteSelected());

  model.SetSelection({0, 2, 5}, 5);
  EXPECT_EQ(model.DeleteQuestion(), "3個の設定を削除しますか？");
  ASSERT_TRUE(model.DeleteSelected());
  EXPECT_EQ(Names(model), (V{"b", "d", "e"}));
  EXPECT_EQ(model.Table().Slots[1].File, "C:\\d.txt") << "the other fields move with their entry";
  for (std::size_t i = 3; i < 6; ++i) {
    EXPECT_EQ(model.Table().Slots[i].Name + model.Table().Slots[i].File, "") << "freed slot " << i;
  }
  EXPECT_EQ(model.Current(), -1);
  EXPECT_FALSE(model.CanEditCurrent());
  EXPECT_TRUE(model.SelectedRows().empty());
}

TEST(UseFileSettingModelTest, MovesSelectedBlocksAndStopsAtTheEdges) {
  UseFileSettingModel model = Editor({"a", "b", "c", "d", "e", "f"});
  model.SetSelection({3, 5}, 5);
  ASSERT_TRUE(model.MoveUp());
  EXPECT_EQ(Names(model), (V{"a", "b", "d", "c", "f", "e"}));
  EXPECT_EQ(model.SelectedRows(), (std::vector<int>{2, 4}));
  EXPECT_EQ(model.Current(), 4);
  EXPECT_EQ(model.Fields.Name, "f") << "the current row's entry fills the fields";

  model.SetSelection({2, 3}, 3);
  ASSERT_TRUE(model.MoveDown());
  EXPECT_EQ(Names(model), (V{"a", "b", "f", "d", "c", "e"})) << "the entry below the block ends up above it";
  EXPECT_EQ(model.SelectedRows(), (std::vector<int>{3, 4}));

  model.SetSelection({0, 3}, 3);
  EXPECT_FALSE(model.MoveUp());
  model.SetSelection({2, 5}, 2);
  EXPECT_FALSE(model.MoveDown());
  model.SetSelection({}, 2);
  EXPECT_FALSE(model.MoveUp());
  EXPECT_EQ(Names(model), (V{"a", "b", "f", "d", "c", "e"}));
}

TEST(UseFileSettingModelTest, IndentsTheRowsOfASubmenuWhateverTheMarkersBalance) {
  UseFileSettingModel model = Editor({">", "Memo", "<", "Plan", "-", ">", "X", ">", "Y", "<", "<"});
  const std::vector<std::string> rows = model.RowTexts();
  EXPECT_EQ(rows[0], ">>>>>>>>>>>>>>>  階層化 始まり 【C:\\>.txt】  >>>>>>>>>>>>>>>");
  EXPECT_EQ(rows[1], "    + Memo  ==>  C:\\Memo.txt");
  EXPECT_EQ(rows[2], "<<<<<<<<<<<<<<<  階層化 終わり  <<<<<<<<<<<<<<<");
  EXPECT_EQ(rows[3], "Plan  ==>  C:\\Plan.txt");
  EXPECT_EQ(rows[4], "---------------  メニューの区切り線  ---------------");
  EXPECT_EQ(rows[6], "    + X  ==>  C:\\X.txt");
  EXPECT_EQ(rows[7].substr(0, 3), ">>>") << "a second start is not indented";
  EXPECT_EQ(rows[8], "    + Y  ==>  C:\\Y.txt");
  EXPECT_EQ(rows[10], rows[9]) << "a repeated end is stored and shown as it is";

  TFavourites unnamed;
  unnamed.Slots[0] = {">", "", ""};
  EXPECT_EQ(quenlark::FavouriteRowText(unnamed.Slots[0]), ">>>>>>>>>>>>>>>  階層化 始まり 【階層名未設定】  >>>>>>>>>>>>>>>");

  // A single selected row is quoted as shown, indentation included.
  model.SetSelection({1}, 1);
  EXPECT_EQ(model.DeleteQuestion(), "“    + Memo  ==>  C:\\Memo.txt” を削除しますか？");
}

TEST(UseFileSettingModelTest, DropsAndPickersProposeNamesAndRememberTheFolder) {
  UseFileSettingModel model = Editor({});
  ASSERT_TRUE(model.Drop("C:\\Docs\\Report.LNK", false));
  EXPECT_EQ(model.Table().Slots[0].Name, "Report");
  EXPECT_EQ(model.Table().Slots[0].File, "C:\\Docs\\Report.LNK") << "the shortcut itself, not its target";
  ASSERT_TRUE(model.Drop("C:\\Old.lnk", true)) << "a folder keeps its whole name";
  EXPECT_EQ(model.Table().Slots[1].Name, "Old.lnk");
  EXPECT_FALSE(model.Drop("D:\\", true)) << "a drive has no name part";
  EXPECT_EQ(model.Count(), 2);
  // "ソ" ends in the byte 0x5C: its trail byte is not a folder separator.
  ASSERT_TRUE(model.Drop("C:\\ソ.lnk", false));
  EXPECT_EQ(model.Table().Slots[2].Name, "ソ");

  model.Fields = {"Kept", "", ""};
  model.FileChosen("C:\\Docs\\plan.txt");
  EXPECT_EQ(model.Fields.Name, "Kept");
  EXPECT_EQ(model.Fields.File, "C:\\Docs\\plan.txt");
  EXPECT_EQ(model.LastFolder, "C:\\Docs\\");
  model.Fields = {" ", "", ""};
  model.FileChosen("C:\\Docs\\Link.Lnk");
  EXPECT_EQ(model.Fields.Name, "Link");
  model.Fields = {};
  model.FolderChosen("E:\\Music");
  EXPECT_EQ(model.Fields.Name, "Music");
  EXPECT_EQ(model.LastFolder, "E:\\Music");

  EXPECT_EQ(model.ApplicationStartFolder(), "E:\\Music");
  model.ApplicationChosen("C:\\Tools\\edit.exe");
  EXPECT_EQ(model.ApplicationStartFolder(), "C:\\Tools\\") << "the folder of the program already named";
}

}  // namespace
