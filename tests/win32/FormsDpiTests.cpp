// Forms at 96 and 144 dpi: the designed 96-dpi rectangles, the client area
// and the font are scaled to the system DPI when a form is created. The
// system reads its DPI when a process starts, so each DPI is measured in a
// child process of this test executable.
#include <windows.h>

#include <gtest/gtest.h>

#include "DpiChild.h"
#include "FakeRegistry.h"
#include "dialogs/PassForm.h"

TEST(FormsDpiChild, MeasurePasswordForm) {
  if (!testsupport::InDpiChild()) GTEST_SKIP() << "runs in the child started by FormsDpiTest";
  quenlark::TApplication app(GetModuleHandleA(nullptr));
  ASSERT_TRUE(app.Initialize());
  test::FakeRegistry registry;
  quenlark::TPass form(app, registry);
  ASSERT_TRUE(form.Create());
  RECT client{}, edit{}, label{};
  GetClientRect(form.Handle(), &client);
  GetWindowRect(form.Control(quenlark::TPass::kPassEdit), &edit);
  GetWindowRect(form.Control(quenlark::TPass::kPassLabel), &label);
  MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&edit), 2);
  testsupport::TellParent("dpi", form.Dpi());
  testsupport::TellParent("client_width", client.right);
  testsupport::TellParent("client_height", client.bottom);
  testsupport::TellParent("edit_left", edit.left);
  testsupport::TellParent("edit_width", edit.right - edit.left);
  testsupport::TellParent("edit_height", edit.bottom - edit.top);
  // The label sizes itself to its text in the form's font.
  testsupport::TellParent("label_height", label.bottom - label.top);
  form.Destroy();
}

TEST(FormsDpiTest, ControlsAndTextScaleWithTheSystemDpi) {
  const std::string at96 = testsupport::RunAtDpi(96, "FormsDpiChild.*");
  const std::string at144 = testsupport::RunAtDpi(144, "FormsDpiChild.*");
  ASSERT_EQ(testsupport::AnswerOf(at96, "dpi"), 96) << at96;
  ASSERT_EQ(testsupport::AnswerOf(at144, "dpi"), 144) << at144;
  // The designed sizes at 96 dpi, one and a half times at 144.
  EXPECT_EQ(testsupport::AnswerOf(at96, "client_width"), 313);
  EXPECT_EQ(testsupport::AnswerOf(at96, "client_height"), 82);
  EXPECT_EQ(testsupport::AnswerOf(at96, "edit_left"), 35);
  EXPECT_EQ(testsupport::AnswerOf(at96, "edit_width"), 174);
  EXPECT_EQ(testsupport::AnswerOf(at96, "edit_height"), 20);
  EXPECT_EQ(testsupport::AnswerOf(at144, "client_width"), 470);
  EXPECT_EQ(testsupport::AnswerOf(at144, "client_height"), 123);
  EXPECT_EQ(testsupport::AnswerOf(at144, "edit_left"), 53);
  EXPECT_EQ(testsupport::AnswerOf(at144, "edit_width"), 261);
  EXPECT_EQ(testsupport::AnswerOf(at144, "edit_height"), 30);
  const long label96 = testsupport::AnswerOf(at96, "label_height");
  const long label144 = testsupport::AnswerOf(at144, "label_height");
  EXPECT_GT(label96, 0);
  EXPECT_GE(label144 * 10, label96 * 14) << "the text is not drawn larger at 144 dpi";
}
