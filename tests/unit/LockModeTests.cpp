#include "menus/LockMode.h"
#include "dialogs/PassChangeModel.h"
#include "platform/Desktop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using quenlark::UseAllowedAtStart;

TEST(LockModeTest, StartModeDecidesTheFirstState) {
  EXPECT_TRUE(UseAllowedAtStart(0, false));
  EXPECT_TRUE(UseAllowedAtStart(0, true));
  EXPECT_FALSE(UseAllowedAtStart(1, true));
  EXPECT_FALSE(UseAllowedAtStart(1, false));
  EXPECT_FALSE(UseAllowedAtStart(2, false));  // locked as at the last exit
  EXPECT_TRUE(UseAllowedAtStart(2, true));
  EXPECT_TRUE(UseAllowedAtStart(3, false));   // a hand-edited value allows use
  EXPECT_TRUE(UseAllowedAtStart(255, false));
}

TEST(PassChangeModelTest, EntriesMustMatchExactlyAndMayBothBeEmpty) {
  quenlark::PassChangeModel model;
  model.Load("Secret");
  EXPECT_FALSE(model.Validate(7));
  model.PassEdit2 = "secret";  // letter case counts
  const quenlark::Validation failure = model.Validate(7);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->message, "入力された2つのﾊﾟｽﾜｰﾄﾞが異なります。");
  EXPECT_EQ(failure->caption, "ﾊﾟｽﾜｰﾄﾞｴﾗｰ");
  EXPECT_EQ(failure->flags, platform::kMbIconError);
  EXPECT_EQ(failure->control, 7);
  model.PassEdit1 = model.PassEdit2 = "";
  EXPECT_FALSE(model.Validate(7));
  EXPECT_EQ(model.NewPassword(), "");
}

namespace {

// Answers the password dialog and the message from a script, and records
// what was shown.
class ScriptedPrompt : public quenlark::IPasswordPrompt {
 public:
  std::vector<std::string> answers;  // entered texts; "<cancel>" cancels the dialog
  std::vector<bool> retries;         // the message's answers, OK = true
  bool showing = false;
  int dialogs = 0, messages = 0;

  bool PromptShowing() override { return showing; }
  bool AskPassword(std::string& entered) override {
    const std::string answer = answers.at(static_cast<std::size_t>(dialogs++));
    if (answer == "<cancel>") return false;
    entered = answer;
    return true;
  }
  bool RetryAfterWrongPassword() override { return retries.at(static_cast<std::size_t>(messages++)); }
};

}  // namespace

TEST(LockModeTest, PasswordsCompareWithAsciiLettersFoldedOnly) {
  EXPECT_TRUE(quenlark::PasswordMatches("SeCrEt", "secret"));
  EXPECT_FALSE(quenlark::PasswordMatches("ｓｅｃｒｅｔ", "secret"));  // full-width letters are other characters
  EXPECT_FALSE(quenlark::PasswordMatches("secret ", "secret"));
  EXPECT_TRUE(quenlark::PasswordMatches("表ab", "表AB"));
  EXPECT_FALSE(quenlark::PasswordMatches("ﾃ", "ﾄ"));
}

TEST(LockModeTest, ThreeWrongPasswordsKeepTheLockAfterThreeDialogsAndMessages) {
  ScriptedPrompt prompt;
  prompt.answers = {"a", "b", "c"};
  prompt.retries = {true, true, true};
  bool allowed = false;
  const auto outcome = quenlark::TrayIconDoubleClick(allowed, true, "pw", prompt);
  EXPECT_FALSE(allowed);
  EXPECT_FALSE(outcome.changed);
  EXPECT_EQ(prompt.dialogs, 3);
  EXPECT_EQ(prompt.messages, 3);
}

TEST(LockModeTest, CancelInTheDialogOrTheMessageEndsTheAttempt) {
  ScriptedPrompt dialogCancel;
  dialogCancel.answers = {"<cancel>"};
  bool allowed = false;
  EXPECT_FALSE(quenlark::TrayIconDoubleClick(allowed, true, "pw", dialogCancel).changed);
  EXPECT_EQ(dialogCancel.messages, 0);

  ScriptedPrompt messageCancel;
  messageCancel.answers = {"wrong"};
  messageCancel.retries = {false};
  EXPECT_FALSE(quenlark::TrayIconDoubleClick(allowed, true, "pw", messageCancel).changed);
  EXPECT_EQ(messageCancel.dialogs, 1);
  EXPECT_FALSE(allowed);
}

TEST(LockModeTest, TheRightPasswordOnTheSecondTryUnlocksAndReopensTheMenu) {
  ScriptedPrompt prompt;
  prompt.answers = {"nope", "PW"};
  prompt.retries = {true};
  bool allowed = false;
  const auto outcome = quenlark::TrayIconDoubleClick(allowed, false, "pw", prompt);
  EXPECT_TRUE(allowed);
  EXPECT_TRUE(outcome.changed);
  EXPECT_TRUE(outcome.reopen);
  EXPECT_EQ(prompt.dialogs, 2);
}

TEST(LockModeTest, WithoutAPasswordTheDoubleClickTogglesOrOnlyUnlocks) {
  ScriptedPrompt prompt;  // never asked
  bool allowed = true;
  // DbClickPassWord on: lock, and unlock again without a question.
  EXPECT_FALSE(quenlark::TrayIconDoubleClick(allowed, true, "", prompt).reopen);
  EXPECT_FALSE(allowed);
  quenlark::TrayIconDoubleClick(allowed, true, "", prompt);
  EXPECT_TRUE(allowed);
  // Locking never asks for the password, even when one is set.
  quenlark::TrayIconDoubleClick(allowed, true, "pw", prompt);
  EXPECT_FALSE(allowed);
  // DbClickPassWord off: a double click never locks.
  allowed = true;
  quenlark::TrayIconDoubleClick(allowed, false, "pw", prompt);
  EXPECT_TRUE(allowed);
  EXPECT_EQ(prompt.dialogs, 0);
}

TEST(LockModeTest, ADoubleClickWhileThePasswordDialogIsUpIsIgnored) {
  ScriptedPrompt prompt;
  prompt.showing = true;
  bool allowed = false;
  EXPECT_FALSE(quenlark::TrayIconDoubleClick(allowed, true, "pw", prompt).changed);
  EXPECT_EQ(prompt.dialogs, 0);
  EXPECT_FALSE(allowed);
}

TEST(LockModeTest, ADoubleClickInsideTheWrongPasswordMessageStartsNoSecondSequence) {
  // The message's own message loop delivers a second double click; the
  // password the user types next is right.
  struct ReenteringPrompt : ScriptedPrompt {
    quenlark::TDoubleClickSequence* sequence = nullptr;
    bool* allowed = nullptr;
    bool nestedRan = false;
    bool RetryAfterWrongPassword() override {
      nestedRan = sequence->Run(*allowed, true, "pw", *this).has_value();
      return ScriptedPrompt::RetryAfterWrongPassword();
    }
  };
  quenlark::TDoubleClickSequence sequence;
  bool allowed = false;
  ReenteringPrompt prompt;
  prompt.answers = {"wrong", "pw"};
  prompt.retries = {true};
  prompt.sequence = &sequence;
  prompt.allowed = &allowed;
  const auto outcome = sequence.Run(allowed, true, "pw", prompt);
  ASSERT_TRUE(outcome.has_value());
  EXPECT_FALSE(prompt.nestedRan);
  EXPECT_TRUE(outcome->reopen);
  EXPECT_TRUE(allowed);  // unlocked once, not locked again by the outer sequence
  EXPECT_EQ(prompt.dialogs, 2);
  EXPECT_FALSE(sequence.Running());
}
