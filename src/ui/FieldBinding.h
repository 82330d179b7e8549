// How a dialog's control and a field of the dialog's model meet. A control
// shows a ControlValue (the part that matters for its kind: the text of an
// edit, the check of a check box, the selected index of a list, the number of
// an up-down or hot-key control, the selected rows of a multi-select list,
// the rows, marks and focus row of a list bound to a model's rows);
// a binding moves a model field into that value and back, converting on the
// way. Portable: the dialogs' models and their bindings are tested natively.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quenlark {

struct ControlValue {
  std::string text;
  bool checked = false;
  int index = -1;  // -1: nothing selected
  std::int32_t number = 0;
  std::vector<int> selection;  // a list's selected rows; a check list's checked rows
  // A list bound to a model's rows: the rows to show (nothing: leave them),
  // and the focus row (-1: none, as after a deletion).
  std::optional<std::vector<std::string>> rows;
  int focus = -1;
};

// A field binding: Load reads the model into a control value, Store writes
// the control's value into the model. An empty binding binds nothing.
struct FieldBinding {
  std::function<ControlValue()> Load;
  std::function<void(const ControlValue&)> Store;
  explicit operator bool() const { return Load && Store; }
};

// The text of an edit or label.
FieldBinding BindText(std::string& field);
// The check of a check box or radio button.
FieldBinding BindCheck(bool& field);
// A radio button that is checked when `field` equals `value`; checking it
// stores the value, and an unchecked button stores nothing.
FieldBinding BindChoice(int& field, int value);
// The selected index of a list. With a map, index i stands for value map[i]:
// a field value the map does not hold shows no selection, and no selection
// stores nothing, so a value the user did not touch is kept as it was (never
// replaced by one read outside the map). Without a map the index is the value.
FieldBinding BindIndex(int& field, std::span<const int> map = {});
// A whole number shown as decimal text (an up-down control's buddy).
FieldBinding BindNumber(int& field);
// A hot-key control. The control speaks in its own word (virtual key in the
// low byte, HOTKEYF_SHIFT 1 / CONTROL 2 / ALT 4 in the high byte); the field
// holds the program's combination (virtual key in bits 0-12, Shift 0x2000,
// Ctrl 0x4000, Alt 0x8000).
FieldBinding BindHotKey(std::int32_t& field);
// The selected rows of a multi-select list.
FieldBinding BindSelection(std::vector<int>& field);

// A model that owns a list's rows: their texts, the marked rows (selected in
// a list, checked in a check list) and the focus row (-1 for none).
class IListModel {
 public:
  virtual ~IListModel() = default;
  virtual std::vector<std::string> ListRows() const = 0;
  virtual std::vector<int> ListMarks() const = 0;
  virtual int ListFocus() const = 0;
  // The marks and the focus row as the user left them in the control.
  virtual void SetListMarks(const std::vector<int>& marks, int focus) = 0;
};
// A list that shows the model's rows, marks and focus row, and hands the
// marks and the focus row back.
FieldBinding BindRows(IListModel& list);
// A text the control only shows (a caption, a status line): nothing is
// stored back.
FieldBinding BindShown(std::function<std::string()> text);

std::int32_t HotKeyControlToCombination(std::int32_t controlWord);
std::int32_t CombinationToHotKeyControl(std::int32_t combination);

}  // namespace quenlark
