// The favourites editor's model under any sequence of operations: starting
// from any table (gaps, blank names, any count), selections that name rows
// outside the list, adds, separators, overwrites, deletes, moves, drops and
// picker results with any texts.
//
// Properties, after every operation: the used slots run from 0 without
// gaps, every one has a name, the slots beyond are empty, the count is 0 to
// 99; there is one row per used slot, ending in that slot's row text, with
// no indentation but the submenu's; the table, the selection and the current
// row equal those of a slow reference that follows the editor's rules step
// by step (insert after the current row, delete by walking the marks, swap
// marked rows one by one upwards or downwards).
#include <algorithm>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "base/Cp932.h"
#include "dialogs/UseFileSettingModel.h"

using namespace quenlark;

namespace {

struct Reference {
  std::vector<TFavourite> slots;  // the used ones
  std::vector<bool> marks;
  int current = -1;

  void Insert(const TFavourite& entry) {
    if (entry.Name.empty() || slots.size() >= 99) return;
    const int at = slots.empty() || current < 0 ? 0 : current + 1;
    slots.insert(slots.begin() + at, entry);
    marks.insert(marks.begin() + at, false);
    current = at;
  }
  void Delete() {
    std::size_t p = 0;
    bool any = std::find(marks.begin(), marks.end(), true) != marks.end();
    if (!any) return;
    while (p < slots.size()) {
      if (marks[p]) {
        slots.erase(slots.begin() + static_cast<long>(p));
        marks.erase(marks.begin() + static_cast<long>(p));
      } else {
        ++p;
      }
    }
    current = -1;
  }
  void Up() {
    auto first = std::find(marks.begin(), marks.end(), true);
    if (first == marks.end() || first == marks.begin()) return;
    for (std::size_t i = 1; i < slots.size(); ++i) {
      if (!marks[i]) continue;
      std::swap(slots[i], slots[i - 1]);
      const bool m = marks[i];
      marks[i] = marks[i - 1];
      marks[i - 1] = m;
    }
    if (current > 0) --current;
  }
  void Down() {
    auto last = std::find(marks.rbegin(), marks.rend(), true);
    if (last == marks.rend() || last == marks.rbegin()) return;
    for (std::size_t i = slots.size() - 1; i-- > 0;) {
      if (!marks[i]) continue;
      std::swap(slots[i], slots[i + 1]);
      const bool m = marks[i];
      marks[i] = marks[i + 1];
      marks[i + 1] = m;
    }
    if (current >= 0 && current < static_cast<int>(slots.size()) - 1) ++current;
  }
};

void CheckSame(const UseFileSettingModel& model, const Reference& ref, int step) {
  const std::string where = "step " + std::to_string(step);
  const TFavourites& table = model.Table();
  FUZZ_CHECK(model.Count() >= 0 && model.Count() <= kFavouriteSlots, where);
  FUZZ_CHECK(model.Count() == static_cast<int>(ref.slots.size()), where + " count");
  for (int i = 0; i < kFavouriteSlots; ++i) {
    const TFavourite& slot = table.Slots[static_cast<std::size_t>(i)];
    if (i < model.Count()) {
      FUZZ_CHECK(!slot.Name.empty(), where + " empty name in use at " + std::to_string(i));
      const TFavourite& want = ref.slots[static_cast<std::size_t>(i)];
      FUZZ_CHECK(slot.Name == want.Name && slot.File == want.File && slot.Execute == want.Execute,
                 where + " slot " + std::to_string(i) + ": " + fuzz::Shown(slot.Name) + " vs " + fuzz::Shown(want.Name));
    } else {
      FUZZ_CHECK(slot.Name.empty() && slot.File.empty() && slot.Execute.empty(), where + " slot beyond the count");
    }
  }
  std::vector<int> marked;
  for (std::size_t i = 0; i < ref.marks.size(); ++i) {
    if (ref.marks[i]) marked.push_back(static_cast<int>(i));
  }
  FUZZ_CHECK(model.SelectedRows() == marked, where + " selection");
  FUZZ_CHECK(model.Current() == ref.current, where + " current row");
  const std::vector<std::string> rows = model.RowTexts();
  FUZZ_CHECK(rows.size() == ref.slots.size(), where + " rows");
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string text = FavouriteRowText(ref.slots[i]);
    const std::string& row = rows[i];
    FUZZ_CHECK(row == text || row == kSubmenuIndent + text, where + " row " + fuzz::Shown(row));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  // The table: up to 99 slots, each kept or left empty by a bit.
  TFavourites start;
  const int slots = in.Byte() % 100;
  const std::uint8_t ops = in.Byte();
  std::vector<std::uint8_t> script;
  for (int i = 0; i < 2 * ops; ++i) script.push_back(in.Byte());
  const std::vector<std::string> texts = in.Texts(4);
  auto text = [&](std::size_t k) -> const std::string& { return texts[k % texts.size()]; };
  for (int i = 0; i < slots; ++i) {
    start.Slots[static_cast<std::size_t>(i)] = {text(static_cast<std::size_t>(i)), text(static_cast<std::size_t>(i) + 1), ""};
  }
  start.FavouriteCount = slots;

  UseFileSettingModel model;
  model.Load(start);
  Reference ref;
  for (const TFavourite& slot : start.Slots) {
    if (!slot.Name.empty()) ref.slots.push_back(slot);
  }
  ref.marks.assign(ref.slots.size(), false);
  CheckSame(model, ref, -1);

  for (std::size_t s = 0; s + 1 < script.size(); s += 2) {
    const int op = script[s] % 9;
    const std::uint8_t arg = script[s + 1];
    const int step = static_cast<int>(s / 2);
    switch (op) {
      case 0: {  // a selection of up to three rows (any numbers) and a current row
        std::vector<int> rows{arg % 101 - 1, arg / 3 % 101 - 1, arg / 7 % 101 - 1};
        const int current = arg % 2 ? arg % 101 - 1 : -1;
        model.SetSelection(rows, current);
        ref.marks.assign(ref.slots.size(), false);
        for (int r : rows) {
          if (r >= 0 && r < static_cast<int>(ref.slots.size())) ref.marks[static_cast<std::size_t>(r)] = true;
        }
        ref.current = current >= 0 && current < static_cast<int>(ref.slots.size()) ? current : -1;
        break;
      }
      case 1: {  // 追加 with any three texts
        model.Fields = {text(arg), text(arg + 1u), text(arg + 2u)};
        const TFavourite trimmed{cp932::Trim(text(arg)), cp932::Trim(text(arg + 1u)), cp932::Trim(text(arg + 2u))};
        model.Add();
        ref.Insert(trimmed);
        break;
      }
      case 2:
        model.AddSeparator();
        ref.Insert({"-", "", ""});
        break;
      case 3: {  // 登録 as typed
        model.Refresh();
        model.Fields = {text(arg), text(arg + 1u), text(arg + 2u)};
        model.SaveCurrent();
        if (ref.current >= 0 && !text(arg).empty()) {
          ref.slots[static_cast<std::size_t>(ref.current)] = {text(arg), text(arg + 1u), text(arg + 2u)};
        }
        break;
      }
      case 4:
        model.DeleteSelected();
        ref.Delete();
        break;
      case 5:
        model.MoveUp();
        ref.Up();
        break;
      case 6:
        model.MoveDown();
        ref.Down();
        break;
      case 7: {  // a drop of any path
        const std::string& path = text(arg);
        const bool folder = arg & 1;
        model.Drop(path, folder);
        ref.Insert({cp932::Trim(ProposedName(path, folder)), cp932::Trim(path), ""});
        const std::string name = ProposedName(path, folder);
        FUZZ_CHECK(name.size() <= path.size(), "a proposed name longer than its path");
        break;
      }
      default: {  // what a picker chose: the fields only
        model.Fields = {text(arg), "", ""};
        if (arg & 1) {
          model.FileChosen(text(arg + 1u));
        } else {
          model.FolderChosen(text(arg + 1u));
        }
        FUZZ_CHECK(model.Fields.File == text(arg + 1u), "the chosen path in the file field");
        break;
      }
    }
    CheckSame(model, ref, step);
  }
  return 0;
}
