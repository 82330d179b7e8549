#include "dialogs/SelectClearModel.h"

#include <algorithm>
#include <cstdio>

#include "base/Texts.h"
#include "base/Cp932.h"
#include "base/Util.h"

namespace quenlark {

std::string ClearRowText(const std::string& target, bool fullPath, bool extDisp) {
  std::string text = fullPath ? target : cp932::ExtractFileName(target);
  if (cp932::UpperAscii(util::RightChars(text, 4)) == ".LNK") text.resize(text.size() - 4);
  if (!extDisp) {
    const std::size_t d = cp932::LastDelimiter(".\\:", text);
    if (d != std::string::npos && text[d] == '.') text.resize(d);
  }
  return text;
}

bool NameableByAnsiCalls(const std::string& name) {
  for (std::size_t i = 0; i < name.size(); i += cp932::CharLength(name, i)) {
    if (cp932::CharLength(name, i) == 1 && (name[i] == '?' || name[i] == '*')) return false;
  }
  return true;
}

ClearSource ClearSourceFor(int mode, int sortSelect, const std::string& shellRecentFolder,
                           const std::string& historyFolder) {
  if (mode == 0) return {Text(TextId::ClearWindowsRecentTitle), shellRecentFolder, kSortByName, false};
  // The listing is ascending; the newest-first order reads it from its end.
  if (mode == 1) return {Text(TextId::ClearQuenlarkRecentTitle), historyFolder, sortSelect, sortSelect == kSortByDate};
  return {};
}

void SelectClearModel::Toggle(int row) {
  if (!LineOf(row)) return;
  const auto it = std::find(Checks.begin(), Checks.end(), row);
  if (it == Checks.end()) {
    Checks.insert(std::upper_bound(Checks.begin(), Checks.end(), row), row);
  } else {
    Checks.erase(it);
  }
}

void SelectClearModel::Fill(std::vector<ListingLine> lines, const std::string& folder, bool newestFirst,
                            bool fullPath, bool extDisp) {
  lines_ = std::move(lines);
  folder_ = folder;
  rows_.clear();
  listedCount_ = 0;
  const int count = static_cast<int>(lines_.size());
  for (int k = 0; k < count; ++k) {
    const int line = newestFirst ? count - 1 - k : k;
    std::string text = ClearRowText(lines_[static_cast<std::size_t>(line)].target, fullPath, extDisp);
    if (text.empty()) continue;
    rows_.push_back({std::move(text), line});
    ++listedCount_;
  }
  if (listedCount_ == 0) rows_.push_back({Text(TextId::ClearNone), -1});
  Checks = InitialChecks();
  Focus = listedCount_ > 0 ? 0 : -1;
}

std::vector<std::string> SelectClearModel::RowTexts() const {
  std::vector<std::string> texts;
  for (const ClearRow& row : rows_) texts.push_back(row.text);
  return texts;
}

const ListingLine* SelectClearModel::LineOf(int row) const {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return nullptr;
  const int line = rows_[static_cast<std::size_t>(row)].line;
  if (line < 0 || line >= static_cast<int>(lines_.size())) return nullptr;
  return &lines_[static_cast<std::size_t>(line)];
}

std::vector<int> SelectClearModel::InitialChecks() const {
  std::vector<int> checked;
  for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
    if (LineOf(i)) checked.push_back(i);
  }
  return checked;
}

std::string SelectClearModel::Counter(const std::string& groupCaption, const std::vector<int>& checked) const {
  char counter[32];
  std::snprintf(counter, sizeof counter, "(%d/%d)", static_cast<int>(checked.size()), listedCount_);
  return groupCaption + counter;
}

std::vector<int> SelectClearModel::Inverted(const std::vector<int>& checked) const {
  std::vector<int> inverted;
  for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
    if (std::find(checked.begin(), checked.end(), i) == checked.end()) inverted.push_back(i);
  }
  return inverted;
}

std::vector<int> SelectClearModel::BrokenRows(platform::IFileSystem& fs, platform::IPathQuery& paths) const {
  std::vector<int> broken;
  for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
    const ListingLine* line = LineOf(i);
    if (!line) continue;
    const std::string& path = line->target;
    const unsigned previous = fs.SetErrorMode(platform::kFailCriticalErrors);
    // A drive letter is tested by its root folder first, so that a missing
    // drive is one quick answer.
    const bool hasDrive = path.size() >= 2 && cp932::CharLength(path, 0) == 1 && path[1] == ':';
    bool gone = hasDrive && !paths.IsFolder(path.substr(0, 3));
    if (!gone) gone = !paths.IsExistingFile(path) && !paths.IsFolder(path);
    fs.SetErrorMode(previous);
    if (gone) broken.push_back(i);
  }
  return broken;
}

std::vector<std::string> SelectClearModel::FilesToClear(const std::vector<int>& checked,
                                                        const std::vector<platform::FileEntry>& present) const {
  std::vector<std::string> files;
  const std::string prefix = folder_ + "\\";
  for (int row : checked) {
    const ListingLine* line = LineOf(row);
    if (!line || folder_.empty()) continue;
    const std::string& shortcut = line->shortcut;
    if (shortcut.size() <= prefix.size() || shortcut.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string name = shortcut.substr(prefix.size());
    // Directly in the folder: the name holds no further "\" or ":".
    if (cp932::LastDelimiter("\\:", name) != std::string::npos) continue;
    if (name.size() < 4 || cp932::UpperAscii(name.substr(name.size() - 4)) != ".LNK") continue;
    if (!NameableByAnsiCalls(name)) continue;
    // Gone meanwhile (a scan may have removed it): nothing to do. A name the
    // search gives twice stands for two files: it names neither for sure.
    const auto seen = std::count_if(present.begin(), present.end(),
                                    [&](const platform::FileEntry& f) { return f.name == name; });
    if (seen != 1) continue;
    if (std::find(files.begin(), files.end(), shortcut) == files.end()) files.push_back(shortcut);
  }
  return files;
}

std::string RecycleList(const std::vector<std::string>& files) {
  std::string list;
  for (const std::string& file : files) {
    list += file;
    list += '\0';
  }
  return list;
}

void ClearShortcuts(const std::vector<std::string>& files, bool recycle, platform::IFileSystem& fs,
                    platform::IShell& shell) {
  if (files.empty()) return;
  if (recycle) {
    shell.RecycleFiles(RecycleList(files));
    return;
  }
  for (const std::string& file : files) fs.Remove(file);
}

}  // namespace quenlark
