// The favourites editor's decisions: the rows it shows for the favourites
// table, and every editing operation on the table, its selection, its
// current row and the three entry fields. The view only copies these into
// its controls and back; the operations here are the ones its buttons,
// keys, drops and pickers run.
//
// Row r always shows slot r, the used slots run from 0 without gaps, and
// every used slot has a non-empty Name.
#pragma once

#include <string>
#include <vector>

#include "settings/SettingsStore.h"
#include "ui/FieldBinding.h"

namespace quenlark {

// Names with a meaning of their own, compared exactly.
inline constexpr const char* kSeparatorName = "-";
inline constexpr const char* kSubmenuStartName = ">";
inline constexpr const char* kSubmenuEndName = "<";
// The prefix of the rows inside a submenu.
inline constexpr const char* kSubmenuIndent = "    + ";

// The text a slot is shown with (without indentation). Execute is never shown.
std::string FavouriteRowText(const TFavourite& slot);

// The name proposed for a path: its file-name part, without a trailing
// ".lnk" in any case unless `keepExtension` (a folder keeps its whole name).
std::string ProposedName(const std::string& path, bool keepExtension);

struct FavouriteFields {
  std::string Name;
  std::string File;
  std::string Execute;
};

class UseFileSettingModel : public IListModel {
 public:
  // The table as the editor opens it: used slots closed up (a hand-edited
  // registry may leave gaps, and row r must show slot r), nothing selected,
  // no current row, the fields empty.
  void Load(const TFavourites& table);
  const TFavourites& Table() const { return table_; }
  int Count() const { return table_.FavouriteCount; }

  // Every row's text with the submenu indentation.
  std::vector<std::string> RowTexts() const;
  std::string StatusText() const;

  // The list's state as the user left it: the highlighted rows and the focus
  // row (-1 for none). Rows outside the table are ignored.
  void SetSelection(const std::vector<int>& rows, int current);
  std::vector<int> SelectedRows() const;
  int Current() const { return current_; }

  // Copies the current row's slot into the fields, or empties them when
  // there is no current row (run on every selection change and after every
  // operation).
  void Refresh();
  bool CanEditCurrent() const { return current_ >= 0; }
  bool CanAdd() const { return Count() < kFavouriteSlots; }

  // The operations; each returns true when it changed the table.
  // Inserts after the current row (at 0 without one) and makes the new row
  // current; nothing for an empty name or a full table. Empties the fields.
  bool Insert(const std::string& name, const std::string& file, const std::string& execute);
  // The fields, trimmed at both ends, as a new entry; nothing (fields kept)
  // when the trimmed name is empty.
  bool Add();
  bool AddSeparator();
  // The fields as typed into the current row's slot; nothing without a
  // current row or with an empty name.
  bool SaveCurrent();
  void ClearFields() { Fields = {}; }
  // The question asked before deleting the selected rows; empty when none is.
  std::string DeleteQuestion() const;
  bool DeleteSelected();
  // Every selected entry one place up (down); the selection moves with them.
  // Nothing when the first (last) selected row is already at the edge.
  bool MoveUp();
  bool MoveDown();

  // A path dropped on the editor, as 追加 would add it with its proposed
  // name; nothing on a full table or when the path has no name part.
  bool Drop(const std::string& path, bool isFolder);
  // What the pickers chose.
  void FileChosen(const std::string& path);
  void FolderChosen(const std::string& path);
  void ApplicationChosen(const std::string& path) { Fields.Execute = path; }
  // Where the application picker starts: the folder of the program already
  // named in the field, else LastFolder.
  std::string ApplicationStartFolder() const;

  // The list's rows, selection and current row.
  std::vector<std::string> ListRows() const override { return RowTexts(); }
  std::vector<int> ListMarks() const override { return SelectedRows(); }
  int ListFocus() const override { return Current(); }
  void SetListMarks(const std::vector<int>& marks, int focus) override { SetSelection(marks, focus); }

  FavouriteFields Fields;
  // Where the file and folder pickers start.
  std::string LastFolder;

 private:
  void SwapSlots(int a, int b);

  TFavourites table_;
  std::vector<bool> selected_;  // one mark per row
  int current_ = -1;
};

}  // namespace quenlark
