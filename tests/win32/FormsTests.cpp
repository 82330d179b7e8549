// The form base against real windows: modal showing, bringing forward, placement.
#include <windows.h>

#include <gtest/gtest.h>

#include "FakeRegistry.h"
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

TEST(FormsTest, ShowDialogIsModalOnceAndBringsForwardAfterwards) {
  quenlark::TApplication app(GetModuleHandleA(nullptr));
  ASSERT_TRUE(app.Initialize());
  test::FakeRegistry registry;
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

TEST(FormsTest, QuitDuringAModalShowingEndsItAndReachesTheOuterLoop) {
  quenlark::TApplication app(GetModuleHandleA(nullptr));
  ASSERT_TRUE(app.Initialize());
  test::FakeRegistry registry;
  ProbeForm form(app, registry);
  ASSERT_TRUE(form.Create());
  PostQuitMessage(7);
  EXPECT_EQ(form.ShowModal(), quenlark::mrCancel);
  // The quit message was handed on for the program's own loop.
  EXPECT_EQ(app.Run(), 7);
}
