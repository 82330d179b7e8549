// The settings dialog built for real: opened over a fake controller, driven
// through its controls, and the controls it shows.
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TimedSteps.h"

#include "FakeDialogHost.h"
#include "FakeRegistry.h"
#include "dialogs/SettingUnit.h"

namespace {

using quenlark::TSettingForm;

using FakeHost = test::FakeDialogHost;

class RecordingMessages : public platform::IMessageBox {
 public:
  std::vector<std::string> shown;
  int Show(const std::string& text, const std::string& caption, unsigned flags) override {
    shown.push_back(caption + "|" + std::to_string(flags) + "|" + text);
    return platform::kIdOk;
  }
};

// Steps run one after another from timers while a dialog's modal loop runs.
using testsupport::RunSteps;
using testsupport::Text;

LRESULT Send(HWND h, UINT msg, WPARAM wp = 0, LPARAM lp = 0) { return SendMessageA(h, msg, wp, lp); }

struct Fixture {
  quenlark::TApplication app{GetModuleHandleA(nullptr)};
  test::FakeRegistry registry;
  FakeHost host;
  RecordingMessages messages;
  quenlark::TPassChangeForm passChange{app, registry, messages};
  TSettingForm form{app, registry, host, passChange, messages};
  Fixture() {
    app.Initialize();
    passChange.Create();
    form.Create();
  }
  ~Fixture() {
    form.Destroy();
    passChange.Destroy();
  }
  HWND C(int id) const { return form.Control(id); }
};

}  // namespace

TEST(SettingFormTest, OpensWithTheRecordRefusesARangeErrorThenAppliesAndResumesTheHotKeys) {
  Fixture f;
  quenlark::TSettings& s = f.host.settings;
  s.RecentMax = 40;
  s.ScanTime = 7;
  s.SortSelect = 1;       // shown at position 2
  s.DateTimeDisp = 0;     // the date-first box disabled, its tick kept
  s.DateTopDisp = true;
  s.PathDispNumber = 3;
  s.RecentClick = 3;
  s.UseFileClick = 0;
  s.QuenlarkClick = 4;
  s.RecentHotKey = 0xC052;  // Ctrl+Alt+R
  s.PassWord = "pw";
  s.SendToRecycle = true;   // not the dialog's: kept as the controller holds it
  std::vector<std::string> seen;

  RunSteps({
      [&] {
        EXPECT_TRUE(f.form.Showing());
        EXPECT_EQ(GetFocus(), f.C(TSettingForm::kOkButton));
        EXPECT_EQ(Text(f.C(TSettingForm::kRecentMaxEdit)), "40");
        EXPECT_EQ(Text(f.C(TSettingForm::kScanTimeEdit)), "7");
        EXPECT_EQ(Send(f.C(TSettingForm::kSortSelectRadio0 + 2), BM_GETCHECK), BST_CHECKED);
        EXPECT_EQ(Send(f.C(TSettingForm::kPathDispNumberComboBox), CB_GETCURSEL), 3);
        EXPECT_EQ(Send(f.C(TSettingForm::kRecentClickComboBox), CB_GETCURSEL), 3);
        EXPECT_EQ(Send(f.C(TSettingForm::kRecentHotKey), HKM_GETHOTKEY) & 0xFFFF,
                  MAKEWORD('R', HOTKEYF_CONTROL | HOTKEYF_ALT));
        EXPECT_EQ(Send(f.C(TSettingForm::kDateTopDispCheckBox), BM_GETCHECK), BST_CHECKED);
        EXPECT_FALSE(IsWindowEnabled(f.C(TSettingForm::kDateTopDispCheckBox)));
        EXPECT_FALSE(IsWindowEnabled(f.C(TSettingForm::kPassWordEdit)));
        EXPECT_TRUE(IsWindowEnabled(f.C(TSettingForm::kOfficeStyleCheckBox)));
        EXPECT_EQ(Text(f.C(TSettingForm::kPassWordEdit)), "pw");
        EXPECT_EQ(f.form.Hint(TSettingForm::kMultiUserCheckBox), quenlark::MultiUserHint("山田"));
        EXPECT_EQ(f.host.calls, (std::vector<std::string>{"suspend"}));
        // A double click on the disabled password field opens nothing.
        Send(f.C(TSettingForm::kPassWordEdit), WM_LBUTTONDBLCLK);
        EXPECT_FALSE(f.passChange.Showing());
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_F1, 0);
        // In a hot-key field F1 is a key like any other, entered as Alt+F1.
        PostMessageA(f.C(TSettingForm::kQuenlarkHotKey), WM_KEYDOWN, VK_F1, 0);
      },
      [&] {
        EXPECT_EQ(f.host.calls, (std::vector<std::string>{"suspend", "help 10"}));
        EXPECT_EQ(Send(f.C(TSettingForm::kQuenlarkHotKey), HKM_GETHOTKEY) & 0xFFFF, MAKEWORD(VK_F1, HOTKEYF_ALT));
        // Full-width 101 is out of range: the message, and everything stays.
        SetWindowTextA(f.C(TSettingForm::kRecentMaxEdit), "１０１");
        Send(f.C(TSettingForm::kSortSelectRadio0 + 1), BM_CLICK);
        Send(f.C(TSettingForm::kDateTimeDispComboBox), CB_SETCURSEL, 2);
        Send(f.form.Handle(), WM_COMMAND, MAKEWPARAM(TSettingForm::kDateTimeDispComboBox, CBN_SELCHANGE),
             reinterpret_cast<LPARAM>(f.C(TSettingForm::kDateTimeDispComboBox)));
        EXPECT_TRUE(IsWindowEnabled(f.C(TSettingForm::kDateTopDispCheckBox)));
        Send(f.C(TSettingForm::kOkButton), BM_CLICK);
        EXPECT_TRUE(f.form.Showing());
        EXPECT_EQ(Text(f.C(TSettingForm::kRecentMaxEdit)), "１０１");
        EXPECT_EQ(Send(f.C(TSettingForm::kSortSelectRadio0 + 1), BM_GETCHECK), BST_CHECKED);
        // The password field opens the change dialog once it is enabled.
        Send(f.C(TSettingForm::kDbClickPassWordCheckBox), BM_CLICK);
        EXPECT_TRUE(IsWindowEnabled(f.C(TSettingForm::kPassWordEdit)));
        PostMessageA(f.C(TSettingForm::kPassWordEdit), WM_LBUTTONDBLCLK, 0, 0);
      },
      [&] {
        seen.push_back(f.passChange.Showing() ? "change dialog shown" : "no change dialog");
        SetWindowTextA(f.passChange.Control(quenlark::TPassChangeForm::kPassEdit1), "neu");
        SetWindowTextA(f.passChange.Control(quenlark::TPassChangeForm::kPassEdit2), "neu");
        Send(f.passChange.Control(quenlark::TPassChangeForm::kOkButton), BM_CLICK);
      },
      [&] {
        EXPECT_EQ(Text(f.C(TSettingForm::kPassWordEdit)), "neu");
        EXPECT_EQ(f.host.calls, (std::vector<std::string>{"suspend", "help 10"}));  // nothing applied yet
        SetWindowTextA(f.C(TSettingForm::kRecentMaxEdit), "５０");
        SetWindowTextA(f.C(TSettingForm::kScanTimeEdit), " 12 ");
        Send(f.C(TSettingForm::kUseFileHotKey), HKM_SETHOTKEY, MAKEWORD('S', HOTKEYF_CONTROL | HOTKEYF_ALT));
        PostMessageA(f.C(TSettingForm::kOkButton), WM_KEYDOWN, VK_RETURN, 0);  // Enter presses OK
      },
  });
  EXPECT_EQ(f.form.ShowModal(), quenlark::mrOk);
  EXPECT_EQ(seen, (std::vector<std::string>{"change dialog shown"}));
  EXPECT_EQ(f.messages.shown,
            (std::vector<std::string>{"設定エラー|48|[最近使ったﾌｧｲﾙ数]の入力範囲は10～100です。"}));
  const unsigned effects =
      quenlark::kLocateHistoryFolder | quenlark::kSaveSettings | quenlark::kRestartScanTimer | quenlark::kRebuildClickTable;
  EXPECT_EQ(f.host.calls,
            (std::vector<std::string>{"suspend", "help 10", "apply " + std::to_string(effects), "resume"}));
  EXPECT_EQ(s.RecentMax, 50);
  EXPECT_EQ(s.ScanTime, 12);
  EXPECT_EQ(s.SortSelect, 4);
  EXPECT_EQ(s.DateTimeDisp, 2);
  EXPECT_TRUE(s.DateTopDisp);
  EXPECT_EQ(s.UseFileHotKey, 0xC053);
  EXPECT_EQ(s.RecentHotKey, 0xC052);
  EXPECT_EQ(s.QuenlarkHotKey, 0x8070);  // Alt+F1
  EXPECT_TRUE(s.DbClickPassWord);
  EXPECT_EQ(s.PassWord, "neu");
  EXPECT_TRUE(s.SendToRecycle);

  // Esc after an edit: nothing is stored, the hot keys come back, and the
  // next opening shows the record again with the hint not repeated.
  f.host.calls.clear();
  const quenlark::TSettings before = s;
  RunSteps({
      [&] {
        SetWindowTextA(f.C(TSettingForm::kRecentMaxEdit), "77");
        Send(f.C(TSettingForm::kRecentHotKey), HKM_SETHOTKEY, MAKEWORD('Q', HOTKEYF_ALT));
        PostMessageA(f.C(TSettingForm::kRecentMaxEdit), WM_KEYDOWN, VK_ESCAPE, 0);
      },
  });
  EXPECT_EQ(f.form.ShowModal(), quenlark::mrCancel);
  EXPECT_EQ(f.host.calls, (std::vector<std::string>{"suspend", "resume"}));
  EXPECT_EQ(s.RecentMax, before.RecentMax);
  EXPECT_EQ(s.RecentHotKey, before.RecentHotKey);
  RunSteps({[&] {
    EXPECT_EQ(Text(f.C(TSettingForm::kRecentMaxEdit)), "50");
    EXPECT_EQ(f.form.Hint(TSettingForm::kMultiUserCheckBox), quenlark::MultiUserHint("山田"));
    PostMessageA(f.form.Handle(), WM_CLOSE, 0, 0);  // the close box
  }});
  EXPECT_EQ(f.form.ShowModal(), quenlark::mrCancel);
  EXPECT_EQ(f.host.calls.back(), "resume");
}

TEST(SettingFormTest, EveryControlOfTheTableExistsWithItsTextItemsAndHint) {
  Fixture f;
  int rows = 0;
  for (int id = TSettingForm::kRecentGroupBox; id <= TSettingForm::kPathDiffCheckBox; ++id) {
    const quenlark::ControlRow* row = f.form.Row(id);
    ASSERT_NE(row, nullptr) << id;
    ++rows;
    HWND h = f.C(id);
    ASSERT_NE(h, nullptr) << row->name;
    const bool hidden = id == TSettingForm::kPathDispCheckBox || id == TSettingForm::kPathDiffCheckBox;
    EXPECT_EQ((GetWindowLongA(h, GWL_STYLE) & WS_VISIBLE) != 0, !hidden) << row->name;
    if (row->kind != quenlark::ControlKind::Edit && row->kind != quenlark::ControlKind::PasswordEdit &&
        row->kind != quenlark::ControlKind::ComboBox) {
      EXPECT_EQ(Text(h), row->caption) << row->name;
    }
    if (!row->items.empty()) {
      EXPECT_EQ(Send(h, CB_GETCOUNT), static_cast<LRESULT>(row->items.size())) << row->name;
    }
    if (!row->hint.empty()) {
      EXPECT_EQ(f.form.Hint(id), row->hint) << row->name;
    }
  }
  EXPECT_EQ(rows, 58);
  // Spot checks of the texts as the user reads them.
  EXPECT_EQ(Text(f.C(TSettingForm::kStartModeRadioGroup)), "起動ﾓｰﾄﾞ ");
  EXPECT_EQ(f.form.Hint(TSettingForm::kDateTimeDispComboBox),
            "[最近使ったﾌｧｲﾙ]の一覧に使った日付と時刻を表示させます。\n"
            "【注意事項】ﾌｧｲﾙのﾀｲﾑｽﾀﾝﾌﾟではなく、最近使った日付と時刻です。");
  EXPECT_EQ(f.form.Hint(TSettingForm::kDriveNameEdit),
            "[最近使ったﾌｧｲﾙ]として記憶しないﾌｧｲﾙのﾄﾞﾗｲﾌﾞをｶﾝﾏ\",\"で区切って指定します。");
  // The password field is read-only and shows stars.
  HWND pass = f.C(TSettingForm::kPassWordEdit);
  EXPECT_TRUE(GetWindowLongA(pass, GWL_STYLE) & ES_READONLY);
  EXPECT_EQ(Send(pass, EM_GETPASSWORDCHAR), '*');
  // Spin buttons: 10..100 and 1..60, no wrap.
  int low = 0, high = 0;
  Send(f.C(TSettingForm::kRecentMaxUpDown), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
       reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(low * 1000 + high, 10 * 1000 + 100);
  Send(f.C(TSettingForm::kScanTimeUpDown), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
       reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(low * 1000 + high, 1 * 1000 + 60);
  EXPECT_FALSE(GetWindowLongA(f.C(TSettingForm::kScanTimeUpDown), GWL_STYLE) & UDS_WRAP);
  // A key alone in a hot-key field becomes Alt + the key.
  HWND hotKey = f.C(TSettingForm::kQuenlarkHotKey);
  SetFocus(hotKey);
  Send(hotKey, WM_KEYDOWN, 'X', 0);
  Send(hotKey, WM_KEYUP, 'X', 0);
  EXPECT_EQ(Send(hotKey, HKM_GETHOTKEY) & 0xFFFF, MAKEWORD('X', HOTKEYF_ALT));
}

TEST(SettingFormTest, GroupsSitAtTheirDesignedRectanglesAt96Dpi) {
  Fixture f;
  if (f.form.Dpi() != 96) GTEST_SKIP() << "screen at " << f.form.Dpi() << " dpi";
  RECT client{};
  GetClientRect(f.form.Handle(), &client);
  EXPECT_EQ(client.right * 1000 + client.bottom, 528 * 1000 + 494);
  struct Expected {
    int id, left, top, width, height;
  };
  for (const Expected e : {Expected{TSettingForm::kRecentGroupBox, 8, 8, 257, 347},
                           {TSettingForm::kSortSelectRadioGroup, 8, 364, 257, 120},
                           {TSettingForm::kStartModeRadioGroup, 276, 8, 245, 73},
                           {TSettingForm::kMouseSettingGroupBox, 276, 87, 245, 160},
                           {TSettingForm::kMenuGroupBox, 276, 252, 245, 81},
                           {TSettingForm::kPassWordGroupBox, 276, 339, 245, 71},
                           {TSettingForm::kOkButton, 312, 438, 75, 25},
                           {TSettingForm::kCancelButton, 416, 438, 75, 25}}) {
    RECT r{};
    GetWindowRect(f.C(e.id), &r);
    MapWindowPoints(nullptr, f.form.Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ((std::vector<long>{r.left, r.top, r.right - r.left, r.bottom - r.top}),
              (std::vector<long>{e.left, e.top, e.width, e.height}))
        << f.form.Row(e.id)->name;
  }
}
