// The settings dialog's model and its control bindings, with every field
// (the two typed number texts included) chosen by the fuzzer, and a current
// record holding any codes (a hand-edited registry).
//
// Properties: OK's checks pass exactly when both numbers parse into their
// ranges, the three click kinds differ and no two non-empty hot keys are
// equal, and a failure carries the dialog's error caption; whatever the
// fields hold, the record to store has every list code within its list and
// the fields the dialog does not edit unchanged; a stored record loaded into
// the dialog and applied again is the same record; the bindings keep a
// field unchanged on text or an index they cannot use, and the hot-key
// control's word and the program's combination convert into each other.
#include <algorithm>
#include <charconv>
#include <string>
#include <tuple>
#include <vector>

#include "FuzzInput.h"
#include "SettingsFields.h"
#include "dialogs/SettingsHost.h"
#include "base/Util.h"
#include "dialogs/SettingModel.h"
#include "menus/ClickTable.h"
#include "ui/FieldBinding.h"

using namespace quenlark;

namespace {

using fuzz::Fields;

bool Within(int value, int low, int high) { return value >= low && value <= high; }

void CheckStored(const TSettings& s, const TSettings& current) {
  FUZZ_CHECK(Within(s.PathDispNumber, 0, kPathDispNumberItems - 1), std::to_string(s.PathDispNumber));
  FUZZ_CHECK(Within(s.DateTimeDisp, 0, kDateTimeDispItems - 1), std::to_string(s.DateTimeDisp));
  FUZZ_CHECK(Within(s.ExtCheck, 0, kExtCheckItems - 1), std::to_string(s.ExtCheck));
  FUZZ_CHECK(SortSelectPosition(s.SortSelect) >= 0, std::to_string(s.SortSelect));
  FUZZ_CHECK(Within(s.StartMode, 0, kStartModeItems - 1), std::to_string(s.StartMode));
  for (int click : {s.RecentClick, s.UseFileClick, s.QuenlarkClick}) {
    FUZZ_CHECK(Within(click, 0, kClickItems - 1), std::to_string(click));
  }
  for (std::int32_t key : {s.RecentHotKey, s.UseFileHotKey, s.QuenlarkHotKey}) {
    FUZZ_CHECK(Within(key, 0, 0xFFFF), std::to_string(key));
  }
  FUZZ_CHECK(s.LastMode == current.LastMode && s.SendToRecycle == current.SendToRecycle &&
                 s.Version == current.Version,
             "a field the dialog does not edit changed");
}

struct BindingInput {
  int number, code, chosen;
  std::int32_t word, any;
};

void CheckBindings(const BindingInput& in, const std::string& text) {
  int number = in.number;
  const int before = number;
  FieldBinding binding = BindNumber(number);
  binding.Store(ControlValue{.text = text});
  int parsed = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  const bool whole = ec == std::errc() && ptr == text.data() + text.size();
  FUZZ_CHECK(number == (whole ? parsed : before), fuzz::Shown(text));
  FUZZ_CHECK(binding.Load().text == std::to_string(number) && binding.Load().number == number, fuzz::Shown(text));

  int code = in.code;
  const int codeBefore = code;
  FieldBinding index = BindIndex(code, kSortSelectMap);
  const int shown = index.Load().index;
  FUZZ_CHECK(shown == SortSelectPosition(code), std::to_string(code));
  const int chosen = in.chosen;
  index.Store(ControlValue{.index = chosen});
  FUZZ_CHECK(code == (SortSelectValue(chosen) >= 0 ? SortSelectValue(chosen) : codeBefore), std::to_string(chosen));

  const std::int32_t word = in.word;
  std::int32_t combination = 0;
  FieldBinding hotKey = BindHotKey(combination);
  hotKey.Store(ControlValue{.number = word});
  FUZZ_CHECK(combination == HotKeyControlToCombination(word), std::to_string(word));
  FUZZ_CHECK((combination & ~0xE0FF) == 0 && (combination == 0) == ((word & 0xFF) == 0), std::to_string(word));
  FUZZ_CHECK(hotKey.Load().number == ((word & 0xFF) ? (word & 0x7FF) : 0), std::to_string(word));
  const HotKeyParts parts = SplitHotKey(combination);
  FUZZ_CHECK(parts.virtualKey == static_cast<unsigned>(word & 0xFF) && parts.modifiers <= 7, std::to_string(word));
  // A combination the control can show comes back from it unchanged; one
  // with no key or a key beyond one byte shows as none.
  const std::int32_t control = CombinationToHotKeyControl(in.any);
  const std::int32_t key = in.any & 0x1FFF;
  if (key == 0 || key > 0xFF) {
    FUZZ_CHECK(control == 0, std::to_string(in.any));
  } else {
    FUZZ_CHECK(HotKeyControlToCombination(control) == (in.any & 0xE0FF), std::to_string(in.any));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  TSettings current;
  current.PathDispNumber = in.SmallInt();
  current.DateTimeDisp = in.SmallInt();
  current.ExtCheck = in.SmallInt();
  current.SortSelect = in.Byte();
  current.StartMode = in.Byte();
  current.RecentClick = in.Byte() % 10;
  current.UseFileClick = in.Byte() % 10;
  current.QuenlarkClick = in.Byte() % 10;
  current.RecentHotKey = in.Int32();
  // Often a hot key equal to another in its low 16 bits.
  current.UseFileHotKey = in.Flag() ? static_cast<std::int32_t>(static_cast<std::uint32_t>(current.RecentHotKey) +
                                                                (static_cast<std::uint32_t>(in.Byte()) << 16))
                                    : in.Int32();
  current.QuenlarkHotKey = in.Flag() ? 0 : in.Int32();
  current.PathDisp = in.Flag();
  current.LastMode = in.Flag();
  current.SendToRecycle = in.Flag();
  const BindingInput binding{in.Int32(), in.SmallInt(), in.SmallInt(), in.Int32(), in.Int32()};
  const std::vector<std::string> texts = in.Texts(6);
  current.Version = texts[5];

  SettingModel model;
  model.Load(current);
  model.RecentMaxText = texts[0];
  model.ScanTimeText = texts[1];
  model.ExtName = texts[2];
  model.DriveName = texts[3];
  model.PassWord = texts[4];

  const Validation failure = model.Validate();
  const std::int32_t recentMax = util::ParseNumberField(model.RecentMaxText, -1);
  const std::int32_t scanTime = util::ParseNumberField(model.ScanTimeText, -1);
  const int clicks[3] = {SettingModel::EffectiveChoice(model.RecentClick, kClickItems, 0),
                         SettingModel::EffectiveChoice(model.UseFileClick, kClickItems, 1),
                         SettingModel::EffectiveChoice(model.QuenlarkClick, kClickItems, 3)};
  const std::int32_t keys[3] = {model.RecentHotKey & 0xFFFF, model.UseFileHotKey & 0xFFFF,
                                model.QuenlarkHotKey & 0xFFFF};
  const bool keysDiffer = (keys[0] == 0 || (keys[0] != keys[1] && keys[0] != keys[2])) &&
                          (keys[1] == 0 || keys[1] != keys[2]);
  const bool valid = Within(recentMax, kRecentMaxLow, kRecentMaxHigh) && Within(scanTime, kScanTimeLow, kScanTimeHigh) &&
                     clicks[0] != clicks[1] && clicks[0] != clicks[2] && clicks[1] != clicks[2] && keysDiffer;
  FUZZ_CHECK(failure.has_value() != valid, fuzz::Shown(texts[0]) + " / " + fuzz::Shown(texts[1]));
  if (failure) FUZZ_CHECK(failure->caption == "設定エラー" && !failure->message.empty(), fuzz::Shown(failure->caption));

  const SettingApplication applied = model.Apply(current);
  CheckStored(applied.settings, current);
  FUZZ_CHECK(applied.effects == (kLocateHistoryFolder | kSaveSettings | kRestartScanTimer | kRebuildClickTable),
             std::to_string(applied.effects));
  if (valid) {
    FUZZ_CHECK(applied.settings.RecentMax == recentMax && applied.settings.ScanTime == scanTime, "numbers");
  }
  FUZZ_CHECK(applied.settings.ExtName == texts[2] && applied.settings.DriveName == texts[3] &&
                 applied.settings.PassWord == texts[4],
             "texts");

  // A stored record shows in the dialog and is stored again unchanged.
  SettingModel again;
  again.Load(applied.settings);
  FUZZ_CHECK(Fields(again.Apply(applied.settings).settings) == Fields(applied.settings), "load and apply changed it");

  CheckBindings(binding, texts[0]);
  return 0;
}
