#include "ui/FieldBinding.h"

#include <charconv>

namespace quenlark {

namespace {
constexpr std::int32_t kControlShift = 0x01, kControlCtrl = 0x02, kControlAlt = 0x04;
constexpr std::int32_t kShift = 0x2000, kCtrl = 0x4000, kAlt = 0x8000;
constexpr std::int32_t kKeyMask = 0x1FFF;
}  // namespace

std::int32_t HotKeyControlToCombination(std::int32_t word) {
  const std::int32_t key = word & 0xFF;
  if (key == 0) return 0;
  const std::int32_t mods = (word >> 8) & 0xFF;
  return key | ((mods & kControlShift) ? kShift : 0) | ((mods & kControlCtrl) ? kCtrl : 0) |
         ((mods & kControlAlt) ? kAlt : 0);
}

std::int32_t CombinationToHotKeyControl(std::int32_t combination) {
  const std::int32_t key = combination & kKeyMask;
  // The control knows keys of one byte only; anything else shows as none.
  if (key == 0 || key > 0xFF) return 0;
  const std::int32_t mods = ((combination & kShift) ? kControlShift : 0) | ((combination & kCtrl) ? kControlCtrl : 0) |
                            ((combination & kAlt) ? kControlAlt : 0);
  return key | (mods << 8);
}

FieldBinding BindText(std::string& field) {
  return {[&field] { return ControlValue{.text = field}; }, [&field](const ControlValue& v) { field = v.text; }};
}

FieldBinding BindCheck(bool& field) {
  return {[&field] { return ControlValue{.checked = field}; },
          [&field](const ControlValue& v) { field = v.checked; }};
}

FieldBinding BindChoice(int& field, int value) {
  return {[&field, value] { return ControlValue{.checked = field == value}; },
          [&field, value](const ControlValue& v) {
            if (v.checked) field = value;
          }};
}

FieldBinding BindIndex(int& field, std::span<const int> map) {
  return {[&field, map] {
            ControlValue v;
            if (map.empty()) {
              v.index = field >= 0 ? field : -1;
            } else {
              for (std::size_t i = 0; i < map.size(); ++i) {
                if (map[i] == field) {
                  v.index = static_cast<int>(i);
                  break;
                }
              }
            }
            return v;
          },
          [&field, map](const ControlValue& v) {
            if (v.index < 0) return;
            if (map.empty()) {
              field = v.index;
            } else if (static_cast<std::size_t>(v.index) < map.size()) {
              field = map[static_cast<std::size_t>(v.index)];
            }
          }};
}

FieldBinding BindNumber(int& field) {
  return {[&field] {
            ControlValue v;
            v.text = std::to_string(field);
            v.number = field;
            return v;
          },
          [&field](const ControlValue& v) {
            int parsed = 0;
            const char* end = v.text.data() + v.text.size();
            auto [ptr, ec] = std::from_chars(v.text.data(), end, parsed);
            // Text that is not a whole number leaves the field as it was.
            if (ec == std::errc() && ptr == end) field = parsed;
          }};
}

FieldBinding BindHotKey(std::int32_t& field) {
  return {[&field] { return ControlValue{.number = CombinationToHotKeyControl(field)}; },
          [&field](const ControlValue& v) { field = HotKeyControlToCombination(v.number); }};
}

FieldBinding BindSelection(std::vector<int>& field) {
  return {[&field] { return ControlValue{.selection = field}; },
          [&field](const ControlValue& v) { field = v.selection; }};
}

FieldBinding BindRows(IListModel& list) {
  return {[&list] { return ControlValue{.selection = list.ListMarks(), .rows = list.ListRows(), .focus = list.ListFocus()}; },
          [&list](const ControlValue& v) { list.SetListMarks(v.selection, v.focus); }};
}

FieldBinding BindShown(std::function<std::string()> text) {
  return {[text = std::move(text)] { return ControlValue{.text = text()}; }, [](const ControlValue&) {}};
}

}  // namespace quenlark
