// The form base against real windows: modal showing, bringing forward, placement.
#include <windows.h>

#include <commctrl.h>

#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FakeRegistry.h"
#include "dialogs/AboutUnit.h"
#include "dialogs/PassChangeUnit.h"
#include "dialogs/PassForm.h"
#include "platform/Desktop.h"
#include "ui/Forms.h"

namespace {

class ProbeForm : public quenlark::TForm {
 public:
  ProbeForm(quenlark::TApplication& app, platform::IRegistry& r)
      : TForm(app, r, "TQuenlarkProbeForm", "probe", 200, 100) {}
  int shows = 0;
  int closes = 0;

 protected:
  void FormShow() override { ++shows; }
  void FormClose() override { ++closes; }
};

struct TimerContext {
  ProbeForm* form;
  int nestedReturns = 0;
  bool wasShowing = false;
};
TimerContext* g_context = nullptr;

void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  // A second ShowDialog while the form is up brings it forward and returns
  // at once instead of starting a second modal loop.
  g_context->wasShowing = g_context->form->Showing();
  quenlark::ShowDialog(*g_context->form);
  ++g_context->nestedReturns;
  g_context->form->Close(quenlark::mrOk);
}

}  // namespace

// Every form test has an application window and a registry of its own.
struct FormsTest : ::testing::Test {
  quenlark::TApplication app{GetModuleHandleA(nullptr)};
  test::FakeRegistry registry;
  void SetUp() override { ASSERT_TRUE(app.Initialize()); }
};

TEST_F(FormsTest, ShowDialogIsModalOnceAndBringsForwardAfterwards) {
  ProbeForm form(app, registry);
  ASSERT_TRUE(form.Create());
  EXPECT_FALSE(form.Showing());

  TimerContext context{&form};
  g_context = &context;
  SetTimer(nullptr, 0, 50, &OnTimer);
  quenlark::ShowDialog(form);  // returns when the timer closes the form
  EXPECT_TRUE(context.wasShowing);
  EXPECT_EQ(context.nestedReturns, 1);
  EXPECT_EQ(form.ModalResultValue(), quenlark::mrOk);
  EXPECT_EQ(form.shows, 1);
  EXPECT_EQ(form.closes, 1);
  EXPECT_FALSE(form.Showing());
  form.Destroy();
}

TEST_F(FormsTest, QuitDuringAModalShowingEndsItAndReachesTheOuterLoop) {
  ProbeForm form(app, registry);
  ASSERT_TRUE(form.Create());
  PostQuitMessage(7);
  EXPECT_EQ(form.ShowModal(), quenlark::mrCancel);
  // The quit message was handed on for the program's own loop.
  EXPECT_EQ(app.Run(), 7);
}

namespace {

// A model with one field of each kind a dialog edits.
struct ProbeModel {
  std::string name = "表示ソフト";
  bool flag = true;
  int mode = 2;
  int sort = 3;
  std::int32_t hotKey = 0xC052;  // Ctrl+Alt+R
  std::vector<int> rows{1};
};

constexpr int kSortMap[] = {2, 3, 0, 1, 4};

class BoundForm : public quenlark::TForm {
 public:
  enum { kName = 100, kFlag, kModeA, kModeB, kSort, kHotKey, kRows, kSpinEdit, kSpin, kOk = IDOK, kCancel = IDCANCEL };
  BoundForm(quenlark::TApplication& app, platform::IRegistry& r, ProbeModel& m)
      : TForm(app, r, "TQuenlarkBoundProbe", "bound", 300, 240), model(m) {}
  ProbeModel& model;
  int applied = 0;

  void Load() { LoadControls(); }
  void Store() { StoreControls(); }

 protected:
  void FormCreate() override {
    using quenlark::ControlKind;
    CreateControls(std::vector<quenlark::ControlRow>{
        {.kind = ControlKind::Edit, .id = kName, .left = 8, .top = 8, .width = 120, .height = 20,
         .binding = quenlark::BindText(model.name)},
        {.kind = ControlKind::CheckBox, .id = kFlag, .left = 8, .top = 32, .width = 120, .height = 16,
         .caption = "flag", .binding = quenlark::BindCheck(model.flag)},
        {.kind = ControlKind::RadioButton, .id = kModeA, .left = 8, .top = 52, .width = 60, .height = 16,
         .caption = "A", .groupStart = true, .binding = quenlark::BindChoice(model.mode, 1)},
        {.kind = ControlKind::RadioButton, .id = kModeB, .left = 70, .top = 52, .width = 60, .height = 16,
         .caption = "B", .binding = quenlark::BindChoice(model.mode, 2)},
        {.kind = ControlKind::ComboBox, .id = kSort, .left = 8, .top = 72, .width = 120, .height = 20,
         .items = {"a", "b", "c", "d", "e"}, .groupStart = true, .binding = quenlark::BindIndex(model.sort, kSortMap)},
        {.kind = ControlKind::HotKey, .id = kHotKey, .left = 8, .top = 100, .width = 120, .height = 20,
         .binding = quenlark::BindHotKey(model.hotKey)},
        {.kind = ControlKind::ListBox, .id = kRows, .left = 140, .top = 8, .width = 120, .height = 80,
         .items = {"r0", "r1", "r2"}, .binding = quenlark::BindSelection(model.rows)},
        {.kind = ControlKind::Edit, .id = kSpinEdit, .left = 140, .top = 100, .width = 50, .height = 20},
        {.kind = ControlKind::UpDown, .id = kSpin, .low = 10, .high = 100},
        {.kind = ControlKind::DefaultButton, .id = kOk, .left = 140, .top = 200, .width = 60, .height = 24,
         .caption = "OK"},
        {.kind = ControlKind::CancelButton, .id = kCancel, .left = 210, .top = 200, .width = 60, .height = 24,
         .caption = "Cancel"},
    });
    SetCommands({{kOk, [this] {
                    ++applied;
                    Close(quenlark::mrOk);
                  }}});
  }
};

}  // namespace

TEST_F(FormsTest, BoundControlsShowTheModelAndStoreItBack) {
  ProbeModel model;
  BoundForm form(app, registry, model);
  ASSERT_TRUE(form.Create());
  form.Load();

  char text[64] = {};
  GetWindowTextA(form.Control(BoundForm::kName), text, sizeof text);
  EXPECT_STREQ(text, "表示ソフト");
  EXPECT_EQ(SendMessageA(form.Control(BoundForm::kFlag), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(form.Control(BoundForm::kModeB), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(form.Control(BoundForm::kSort), CB_GETCURSEL, 0, 0), 1);  // value 3 is row 1
  EXPECT_EQ(SendMessageA(form.Control(BoundForm::kHotKey), HKM_GETHOTKEY, 0, 0) & 0xFFFF, 0x0652);
  EXPECT_GT(SendMessageA(form.Control(BoundForm::kRows), LB_GETSEL, 1, 0), 0);
  // The up-down took the edit before it as its buddy, within its range.
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(form.Control(BoundForm::kSpin), UDM_GETBUDDY, 0, 0)),
            form.Control(BoundForm::kSpinEdit));
  SendMessageA(form.Control(BoundForm::kSpin), UDM_SETPOS32, 0, 500);
  EXPECT_EQ(SendMessageA(form.Control(BoundForm::kSpin), UDM_GETPOS32, 0, 0), 100);

  // The user edits every control; storing brings each change into the model.
  SetWindowTextA(form.Control(BoundForm::kName), "ﾃｽﾄ\\");
  SendMessageA(form.Control(BoundForm::kFlag), BM_SETCHECK, BST_UNCHECKED, 0);
  SendMessageA(form.Control(BoundForm::kModeB), BM_SETCHECK, BST_UNCHECKED, 0);
  SendMessageA(form.Control(BoundForm::kModeA), BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(form.Control(BoundForm::kSort), CB_SETCURSEL, 4, 0);
  SendMessageA(form.Control(BoundForm::kHotKey), HKM_SETHOTKEY, 0x0170, 0);  // Shift+F1
  SendMessageA(form.Control(BoundForm::kRows), LB_SETSEL, FALSE, -1);
  SendMessageA(form.Control(BoundForm::kRows), LB_SETSEL, TRUE, 0);
  SendMessageA(form.Control(BoundForm::kRows), LB_SETSEL, TRUE, 2);
  form.Store();
  EXPECT_EQ(model.name, "ﾃｽﾄ\\");
  EXPECT_FALSE(model.flag);
  EXPECT_EQ(model.mode, 1);
  EXPECT_EQ(model.sort, 4);
  EXPECT_EQ(model.hotKey, 0x2070);
  EXPECT_EQ(model.rows, (std::vector<int>{0, 2}));
  form.Destroy();
}

namespace {
quenlark::TForm* g_keyTarget = nullptr;
WPARAM g_key = 0;
void CALLBACK PressKey(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  // The key as the message loop sees it, on the focused control.
  HWND focus = GetFocus();
  PostMessageA(focus ? focus : g_keyTarget->Handle(), WM_KEYDOWN, g_key, 0);
}
}  // namespace

TEST_F(FormsTest, EnterPressesTheDefaultButtonAndEscTheCancelButton) {
  ProbeModel model;
  BoundForm form(app, registry, model);
  ASSERT_TRUE(form.Create());
  g_keyTarget = &form;

  g_key = VK_RETURN;
  SetTimer(nullptr, 0, 100, &PressKey);
  EXPECT_EQ(form.ShowModal(), quenlark::mrOk);
  EXPECT_EQ(form.applied, 1);  // through the default button's handler

  g_key = VK_ESCAPE;
  SetTimer(nullptr, 0, 100, &PressKey);
  EXPECT_EQ(form.ShowModal(), quenlark::mrCancel);
  EXPECT_EQ(form.applied, 1);
  form.Destroy();
}

TEST_F(FormsTest, AThrowingHandlerDoesNotEscapeTheWindowProcedure) {
  class Thrower : public quenlark::TForm {
   public:
    using TForm::TForm;
    int calls = 0;

   protected:
    bool HandleMessage(UINT msg, WPARAM, LPARAM, LRESULT&) override {
      if (msg == WM_APP + 7) {
        ++calls;
        throw std::runtime_error("handler failed");
      }
      return false;
    }
  } thrower(app, registry, "TQuenlarkThrower", "t", 10, 10);
  ASSERT_TRUE(thrower.Create());
  SendMessageA(thrower.Handle(), WM_APP + 7, 0, 0);
  SendMessageA(thrower.Handle(), WM_APP + 7, 0, 0);
  EXPECT_EQ(thrower.calls, 2);  // the window lives on and handles the next one
  thrower.Destroy();
}

namespace {

class RecordingMessages : public platform::IMessageBox {
 public:
  std::vector<std::string> shown;
  int Show(const std::string& text, const std::string& caption, unsigned) override {
    shown.push_back(caption + ": " + text);
    return platform::kIdOk;
  }
};

quenlark::TPassChangeForm* g_passChange = nullptr;
std::vector<std::string> g_passSteps;
HWND g_focusAfterMismatch = nullptr;

void CALLBACK DrivePassChange(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  quenlark::TPassChangeForm& f = *g_passChange;
  char text[64] = {};
  GetWindowTextA(f.Control(quenlark::TPassChangeForm::kPassEdit2), text, sizeof text);
  g_passSteps.push_back(std::string("shown with ") + text);
  // Different entries: the message, and the dialog stays open.
  SetWindowTextA(f.Control(quenlark::TPassChangeForm::kPassEdit1), "abc");
  SetWindowTextA(f.Control(quenlark::TPassChangeForm::kPassEdit2), "ABC");
  SetFocus(f.Control(quenlark::TPassChangeForm::kPassEdit2));
  SendMessageA(f.Handle(), WM_COMMAND, MAKEWPARAM(quenlark::TPassChangeForm::kOkButton, BN_CLICKED), 0);
  g_focusAfterMismatch = GetFocus();
  g_passSteps.push_back(f.Showing() ? "still open" : "closed");
  SetWindowTextA(f.Control(quenlark::TPassChangeForm::kPassEdit2), "abc");
  SendMessageA(f.Handle(), WM_COMMAND, MAKEWPARAM(quenlark::TPassChangeForm::kOkButton, BN_CLICKED), 0);
}

}  // namespace

TEST_F(FormsTest, PasswordChangeChecksTheEntriesAndKeepsTheDialogOpenOnAMismatch) {
  RecordingMessages messages;
  quenlark::TPassChangeForm form(app, registry, messages);
  ASSERT_TRUE(form.Create());
  g_passChange = &form;
  g_passSteps.clear();
  form.PassWordValue = "old";
  SetTimer(nullptr, 0, 50, &DrivePassChange);
  EXPECT_EQ(form.ShowModal(), quenlark::mrOk);
  EXPECT_EQ(form.PassWordValue, "abc");
  EXPECT_EQ(g_passSteps, (std::vector<std::string>{"shown with old", "still open"}));
  EXPECT_EQ(messages.shown, (std::vector<std::string>{"ﾊﾟｽﾜｰﾄﾞｴﾗｰ: 入力された2つのﾊﾟｽﾜｰﾄﾞが異なります。"}));
  EXPECT_EQ(g_focusAfterMismatch, form.Control(quenlark::TPassChangeForm::kPassEdit1)) << "the failure's field";

  // Esc (the cancel button) leaves the password as it was.
  form.PassWordValue = "keep";
  form.SetBounds({3, 4, form.Bounds().Width, form.Bounds().Height});  // left there, it opens centred
  PostMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_EQ(form.ShowModal(), quenlark::mrCancel);
  EXPECT_EQ(form.PassWordValue, "keep");
  EXPECT_EQ(form.Bounds().Top, (GetSystemMetrics(SM_CYSCREEN) - form.Bounds().Height) / 2);
  form.Destroy();
}

namespace {

// Every row of a form's table became its control: at its rectangle (the form
// is created at 96 dpi here), with its caption, in the table's tab order,
// as its design says.
class NoShell : public platform::IShell {
 public:
  void Execute(const platform::ShellExecuteRequest&) override {}
  std::optional<platform::ShortcutLaunchParts> ReadShortcut(const std::string&) override { return std::nullopt; }
  bool RecycleFiles(const std::string&) override { return false; }
};

void ExpectBuiltAsDesigned(const quenlark::TForm& form) {
  HWND previous = nullptr;
  for (const quenlark::ControlRow& row : form.Rows()) {
    SCOPED_TRACE(row.name);
    HWND control = form.Control(row.id);
    ASSERT_NE(control, nullptr);
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, row.left);
    EXPECT_EQ(r.top, row.top);
    if (row.width > 0) {
      EXPECT_EQ(r.right - r.left, row.width);
      EXPECT_EQ(r.bottom - r.top, row.height);
    }
    if (!row.caption.empty()) {
      char text[256] = {};
      GetWindowTextA(control, text, sizeof text);
      EXPECT_EQ(std::string(text), row.caption);
    }
    // Tab order is creation order: each control follows the previous one.
    if (previous) {
      EXPECT_EQ(GetWindow(previous, GW_HWNDNEXT), control);
    }
    previous = control;
  }
}

}  // namespace

TEST_F(FormsTest, ThePasswordFormsAndTheAboutBoxAreBuiltFromTheirTables) {
  RecordingMessages messages;
  quenlark::TPass pass(app, registry);
  quenlark::TPassChangeForm change(app, registry, messages);
  NoShell shell;
  quenlark::TAboutForm about(app, registry, shell);
  ASSERT_TRUE(pass.Create());
  ASSERT_TRUE(change.Create());
  ASSERT_TRUE(about.Create());
  if (pass.Dpi() != 96) GTEST_SKIP() << "the designed rectangles are 96-dpi ones";
  ExpectBuiltAsDesigned(pass);
  ExpectBuiltAsDesigned(change);
  ExpectBuiltAsDesigned(about);
  // The password entries show "*" for every character.
  EXPECT_TRUE(GetWindowLongA(pass.Control(quenlark::TPass::kPassEdit), GWL_STYLE) & ES_PASSWORD);
  EXPECT_TRUE(GetWindowLongA(change.Control(quenlark::TPassChangeForm::kPassEdit2), GWL_STYLE) & ES_PASSWORD);
  RECT client{};
  GetClientRect(pass.Handle(), &client);
  EXPECT_EQ(client.right, 313);
  EXPECT_EQ(client.bottom, 82);
  EXPECT_TRUE(GetWindowLongA(pass.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  pass.Destroy();
  change.Destroy();
  about.Destroy();
}

// Closed before its focus timer fires, the password dialog stays behind: the
// timer ends with the showing, and neither the foreground nor the keyboard
// goes to the hidden dialog later.
TEST_F(FormsTest, ThePasswordDialogClosedAtOnceTakesNothingLater) {
  quenlark::TPass pass(app, registry);
  ASSERT_TRUE(pass.Create());
  pass.SetBounds({3, 4, pass.Bounds().Width, pass.Bounds().Height});  // left there, it opens centred
  PostMessageA(pass.Handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_EQ(pass.ShowModal(), quenlark::mrCancel);
  EXPECT_EQ(pass.Bounds().Left, (GetSystemMetrics(SM_CXSCREEN) - pass.Bounds().Width) / 2);
  for (const DWORD until = GetTickCount() + 1000; GetTickCount() < until; Sleep(20)) app.ProcessMessages();
  EXPECT_NE(GetFocus(), pass.Control(quenlark::TPass::kPassEdit));
  EXPECT_NE(GetForegroundWindow(), pass.Handle());
  pass.Destroy();
}

// The application window comes forward for every menu; the dialogs it owns
// must not become topmost with it, or they would stay above every other
// program's windows from the first menu on.
TEST_F(FormsTest, BringingTheApplicationForwardLeavesItsDialogsInTheirPlace) {
  ProbeForm form(app, registry);
  ASSERT_TRUE(form.Create());
  ASSERT_EQ(GetWindow(form.Handle(), GW_OWNER), app.Handle());
  for (int opening = 0; opening < 2; ++opening) {
    app.BringToFront({500, 400});
    EXPECT_TRUE(IsWindowVisible(app.Handle()));
    EXPECT_FALSE(GetWindowLongW(app.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongW(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    app.Recede();
    EXPECT_FALSE(IsWindowVisible(app.Handle()));
  }
  form.Destroy();
}

// Shown ahead while the pointer rests on the tray icon, the window takes no
// foreground and is hidden again when no menu took it; a menu's foreground
// keeps it shown.
TEST_F(FormsTest, AWindowShownAheadOfAClickGoesAgainUnlessAMenuTookIt) {
  SetForegroundWindow(GetDesktopWindow());
  app.ShowAhead();
  EXPECT_TRUE(IsWindowVisible(app.Handle()));
  EXPECT_NE(GetForegroundWindow(), app.Handle());
  app.HideIfIdle();
  EXPECT_FALSE(IsWindowVisible(app.Handle()));
  app.ShowAhead();
  app.BringToFront({500, 400});
  app.HideIfIdle();
  EXPECT_TRUE(IsWindowVisible(app.Handle()));
  app.Recede();
  EXPECT_FALSE(IsWindowVisible(app.Handle()));
}
