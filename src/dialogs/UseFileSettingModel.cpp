#include "dialogs/UseFileSettingModel.h"

#include <algorithm>
#include <utility>

#include "base/Texts.h"
#include "base/Cp932.h"

namespace quenlark {

namespace {

bool EndsWithShortcutExtension(const std::string& name) {
  // ".lnk" is ASCII, and an ASCII byte after a lead byte would be a trail
  // byte of it: compare only when the dot starts a character of its own.
  if (name.size() < 4) return false;
  const std::size_t at = name.size() - 4;
  std::size_t i = 0;
  while (i < at) i += cp932::CharLength(name, i);
  return i == at && cp932::UpperAscii(name.substr(at)) == ".LNK";
}

}  // namespace

std::string FavouriteRowText(const TFavourite& slot) {
  if (slot.Name == kSeparatorName) return Text(TextId::UseFileSeparatorRow);
  if (slot.Name == kSubmenuStartName) {
    return FormatText(TextId::UseFileSubmenuStartRow,
                      slot.File.empty() ? Text(TextId::UseFileSubmenuUnnamed) : slot.File.c_str());
  }
  if (slot.Name == kSubmenuEndName) return Text(TextId::UseFileSubmenuEndRow);
  return slot.Name + "  ==>  " + slot.File;
}

std::string ProposedName(const std::string& path, bool keepExtension) {
  std::string name = cp932::ExtractFileName(path);
  if (!keepExtension && EndsWithShortcutExtension(name)) name.resize(name.size() - 4);
  return name;
}

void UseFileSettingModel::Load(const TFavourites& table) {
  table_ = table;
  SqueezeFavourites(table_);
  selected_.assign(static_cast<std::size_t>(Count()), false);
  current_ = -1;
  Fields = {};
}

std::vector<std::string> UseFileSettingModel::RowTexts() const {
  std::vector<std::string> rows;
  rows.reserve(static_cast<std::size_t>(Count()));
  std::string indent;
  for (int i = 0; i < Count(); ++i) {
    const TFavourite& slot = table_.Slots[static_cast<std::size_t>(i)];
    const bool start = slot.Name == kSubmenuStartName;
    if (start || slot.Name == kSubmenuEndName) indent.clear();
    rows.push_back(indent + FavouriteRowText(slot));
    if (start) indent = kSubmenuIndent;
  }
  return rows;
}

std::string UseFileSettingModel::StatusText() const {
  return FormatText(TextId::UseFileStatus, Count());
}

void UseFileSettingModel::SetSelection(const std::vector<int>& rows, int current) {
  selected_.assign(static_cast<std::size_t>(Count()), false);
  for (int row : rows) {
    if (row >= 0 && row < Count()) selected_[static_cast<std::size_t>(row)] = true;
  }
  current_ = current >= 0 && current < Count() ? current : -1;
}

std::vector<int> UseFileSettingModel::SelectedRows() const {
  std::vector<int> rows;
  for (int i = 0; i < Count(); ++i) {
    if (selected_[static_cast<std::size_t>(i)]) rows.push_back(i);
  }
  return rows;
}

void UseFileSettingModel::Refresh() {
  if (current_ >= 0) {
    const TFavourite& slot = table_.Slots[static_cast<std::size_t>(current_)];
    Fields = {slot.Name, slot.File, slot.Execute};
  } else {
    Fields = {};
  }
}

bool UseFileSettingModel::Insert(const std::string& name, const std::string& file, const std::string& execute) {
  if (name.empty() || !CanAdd()) return false;
  const int at = Count() == 0 || current_ < 0 ? 0 : current_ + 1;
  for (int i = Count(); i > at; --i) {
    table_.Slots[static_cast<std::size_t>(i)] = std::move(table_.Slots[static_cast<std::size_t>(i - 1)]);
  }
  table_.Slots[static_cast<std::size_t>(at)] = {name, file, execute};
  ++table_.FavouriteCount;
  selected_.insert(selected_.begin() + at, false);
  current_ = at;
  Refresh();
  ClearFields();
  return true;
}

bool UseFileSettingModel::Add() {
  const std::string name = cp932::Trim(Fields.Name);
  if (name.empty()) return false;
  return Insert(name, cp932::Trim(Fields.File), cp932::Trim(Fields.Execute));
}

bool UseFileSettingModel::AddSeparator() {
  if (!CanAdd()) return false;
  return Insert(kSeparatorName, "", "");
}

bool UseFileSettingModel::SaveCurrent() {
  if (current_ < 0 || Fields.Name.empty()) return false;
  table_.Slots[static_cast<std::size_t>(current_)] = {Fields.Name, Fields.File, Fields.Execute};
  Refresh();
  return true;
}

std::string UseFileSettingModel::DeleteQuestion() const {
  const std::vector<int> rows = SelectedRows();
  if (rows.empty()) return {};
  if (rows.size() == 1) return FormatText(TextId::UseFileDeleteOne, RowTexts()[static_cast<std::size_t>(rows.front())]);
  return FormatText(TextId::UseFileDeleteMany, static_cast<int>(rows.size()));
}

bool UseFileSettingModel::DeleteSelected() {
  if (SelectedRows().empty()) return false;
  int kept = 0;
  for (int i = 0; i < Count(); ++i) {
    if (selected_[static_cast<std::size_t>(i)]) continue;
    if (kept != i) table_.Slots[static_cast<std::size_t>(kept)] = std::move(table_.Slots[static_cast<std::size_t>(i)]);
    ++kept;
  }
  for (int i = kept; i < Count(); ++i) table_.Slots[static_cast<std::size_t>(i)] = {};
  table_.FavouriteCount = kept;
  selected_.assign(static_cast<std::size_t>(kept), false);
  current_ = -1;
  Refresh();
  return true;
}

void UseFileSettingModel::SwapSlots(int a, int b) {
  std::swap(table_.Slots[static_cast<std::size_t>(a)], table_.Slots[static_cast<std::size_t>(b)]);
  const bool mark = selected_[static_cast<std::size_t>(a)];
  selected_[static_cast<std::size_t>(a)] = selected_[static_cast<std::size_t>(b)];
  selected_[static_cast<std::size_t>(b)] = mark;
}

bool UseFileSettingModel::MoveUp() {
  const std::vector<int> rows = SelectedRows();
  if (rows.empty() || rows.front() == 0) return false;
  for (int row : rows) SwapSlots(row, row - 1);
  if (current_ > 0) --current_;
  Refresh();
  return true;
}

bool UseFileSettingModel::MoveDown() {
  const std::vector<int> rows = SelectedRows();
  if (rows.empty() || rows.back() == Count() - 1) return false;
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) SwapSlots(*it, *it + 1);
  if (current_ >= 0 && current_ < Count() - 1) ++current_;
  Refresh();
  return true;
}

bool UseFileSettingModel::Drop(const std::string& path, bool isFolder) {
  if (!CanAdd()) return false;
  Fields = {ProposedName(path, isFolder), path, ""};
  return Add();
}

void UseFileSettingModel::FileChosen(const std::string& path) {
  Fields.File = path;
  if (cp932::Trim(Fields.Name).empty()) Fields.Name = ProposedName(path, false);
  LastFolder = cp932::ExtractFilePath(path);
}

void UseFileSettingModel::FolderChosen(const std::string& path) {
  Fields.File = path;
  LastFolder = path;
  if (cp932::Trim(Fields.Name).empty()) Fields.Name = ProposedName(path, true);
}

std::string UseFileSettingModel::ApplicationStartFolder() const {
  const std::string program = cp932::Trim(Fields.Execute);
  if (program.empty()) return LastFolder;
  return cp932::ExtractFilePath(program);
}

}  // namespace quenlark
