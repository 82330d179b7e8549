// How a dialog's control and a field of the dialog's model meet. A control
// shows a ControlValue (the part that matters for its kind: the text of an
// edit, the check of a check box, the selected index of a list, the number of
// an up-down or hot-key control, the selected rows of a multi-select list);
// a binding moves a model field into that value and back, converting on the
// way. Portable: the dialogs' models and their bindings are tested natively.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace quenlark {

struct ControlValue {
  std::string text;
  bool checked = false;
  int index = -1;  // -1: nothing selected
  std::int32_t number = 0;
  std::vector<int> selection;
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

std::int32_t HotKeyControlToCombination(std::int32_t controlWord);
std::int32_t CombinationToHotKeyControl(std::int32_t combination);

}  // namespace quenlark
