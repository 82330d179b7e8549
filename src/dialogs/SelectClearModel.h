// The selective clear dialog's decisions: the rows it shows for a listing,
// the check marks its buttons give, the counter, and which shortcut files a
// set of checked rows may delete. Deleting is the program's one destructive
// act, so the list of files to act on is narrow: only shortcut files that lie
// directly in the listed folder, that are still there, and that the system's
// ANSI calls can name.
#pragma once

#include <string>
#include <vector>

#include "platform/Desktop.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "recent/Listing.h"
#include "ui/FieldBinding.h"

namespace quenlark {

// The dialog's table of lines has indexes 0 to 100.
inline constexpr int kClearTableHighestIndex = 100;

// A row of the list: its text and the listing line it stands for (-1 for the
// row of an empty list, TextId::ClearNone, which stands for nothing).
struct ClearRow {
  std::string text;
  int line = -1;
};

// The text a target path is shown with: the file name only unless full paths
// are shown, without a trailing ".lnk" (any case), without the extension
// when extensions are hidden. Empty for a target with no name (a drive root
// while only names are shown): such a line gets no row.
std::string ClearRowText(const std::string& target, bool fullPath, bool extDisp);

// True for a file name the ANSI calls can name as it stands: the folder
// search writes "?" for every character outside the code page, and a "?" or
// "*" handed back to a delete or to the shell's file operation would be a
// wildcard matching other files.
bool NameableByAnsiCalls(const std::string& name);

// What the dialog lists for a mode: its title, the folder, the listing's
// sort code and whether the rows read the listing from its end. Mode 0 is
// the shell's Recent folder by name, mode 1 the history in the user's order;
// any other mode lists nothing (an empty folder) and keeps the title.
struct ClearSource {
  std::string title;
  std::string folder;
  int sortCode = kSortByName;
  bool newestFirst = false;
};
ClearSource ClearSourceFor(int mode, int sortSelect, const std::string& shellRecentFolder,
                           const std::string& historyFolder);

class SelectClearModel : public IListModel {
 public:
  // Rows for the lines of `folder` as the listing gave them (ascending);
  // `newestFirst` reads the lines from the end. Every row starts checked,
  // and the first row has the focus when there are entries.
  void Fill(std::vector<ListingLine> lines, const std::string& folder, bool newestFirst, bool fullPath,
            bool extDisp);

  const std::vector<ClearRow>& Rows() const { return rows_; }
  std::vector<std::string> RowTexts() const;
  // The rows that stand for entries (0 when only "(なし)" is shown).
  int ListedCount() const { return listedCount_; }
  const std::string& Folder() const { return folder_; }
  // The line a row stands for, or nullptr.
  const ListingLine* LineOf(int row) const;

  // The check marks right after filling: every row that stands for an entry.
  std::vector<int> InitialChecks() const;
  // The group caption with "(checked/listed)" appended.
  std::string Counter(const std::string& groupCaption, const std::vector<int>& checked) const;
  // Every row whose mark is off in `checked`.
  std::vector<int> Inverted(const std::vector<int>& checked) const;
  // The rows whose target is gone: on a drive whose root folder is missing,
  // or where neither a file nor a folder exists. Critical-error boxes are
  // off for each test, and the previous error mode comes back after it.
  std::vector<int> BrokenRows(platform::IFileSystem& fs, platform::IPathQuery& paths) const;
  // The shortcut files the checked rows may act on, in row order: only lines
  // whose shortcut is a "*.lnk" file directly in the listed folder, present
  // once in `present` (the folder's files as it is listed now), and whose
  // name holds no "?" or "*" (which would act as wildcards). Anything else
  // is skipped silently.
  std::vector<std::string> FilesToClear(const std::vector<int>& checked,
                                        const std::vector<platform::FileEntry>& present) const;

  // What the controls show and give back: the checked rows, the focus row,
  // the recycle box and the group caption the counter is appended to.
  std::vector<int> Checks;
  int Focus = -1;
  bool Recycle = false;
  std::string GroupCaption;

  std::string CounterText() const { return Counter(GroupCaption, Checks); }
  // Toggles the check of a row that stands for an entry.
  void Toggle(int row);

  std::vector<std::string> ListRows() const override { return RowTexts(); }
  std::vector<int> ListMarks() const override { return Checks; }
  int ListFocus() const override { return Focus; }
  void SetListMarks(const std::vector<int>& marks, int focus) override {
    Checks = marks;
    Focus = focus;
  }

 private:
  std::vector<ListingLine> lines_;
  std::vector<ClearRow> rows_;
  std::string folder_;
  int listedCount_ = 0;
};

// The list handed to the shell's recycle operation: each path followed by
// one NUL character.
std::string RecycleList(const std::vector<std::string>& files);

// Deletes the files one by one, or moves them all to the recycle bin in one
// shell operation. Failures are not reported: the next listing shows what
// is left.
void ClearShortcuts(const std::vector<std::string>& files, bool recycle, platform::IFileSystem& fs,
                    platform::IShell& shell);

}  // namespace quenlark
