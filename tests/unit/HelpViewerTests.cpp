#include "app/HelpViewer.h"

#include <gtest/gtest.h>

#include <functional>

#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace quenlark;

namespace {

const std::string kFolder = "C:\\Tools\\Quenlark\\";
const std::string kHlp = kFolder + "Quenlark.hlp";
const std::string kChm = kFolder + "Quenlark.chm";

// The system's help as the viewer sees it: which files exist, whether each
// viewer works; every call is recorded in order.
struct FakeHelpSystem : IHelpSystem {
  std::set<std::string> files;
  bool winHelpWorks = true;
  bool htmlHelpWorks = true;
  std::vector<std::string> calls;
  // Runs once inside the next message box, as its message loop would.
  std::function<void()> duringMessage;

  bool FileExists(const std::string& path) override { return files.count(path) > 0; }
  bool CallWinHelp(const std::string& file, WinHelpCommand command, unsigned data) override {
    calls.push_back("winhelp " + file + " " + std::to_string(static_cast<unsigned>(command)) + " " +
                    std::to_string(data));
    return winHelpWorks;
  }
  bool CallHtmlHelp(const std::string& target, HtmlHelpCommand command) override {
    calls.push_back("htmlhelp " + target + " " + std::to_string(static_cast<unsigned>(command)));
    return htmlHelpWorks || command == HtmlHelpCommand::CloseAll;
  }
  void ShowMessage(const std::string& text) override {
    calls.push_back("message " + text);
    if (auto hook = std::exchange(duringMessage, nullptr)) hook();
  }
};

using Calls = std::vector<std::string>;

// The Windows help file wins wherever it is: the contents, both topics and
// the closing go to WinHelp with its full path, and HTML Help is never
// loaded (no HH_CLOSE_ALL at the end either).
TEST(HelpViewerTest, WinHelpFileBesideTheProgramIsOpenedWithWinHelpAndClosedAtTheEnd) {
  FakeHelpSystem system;
  system.files = {kHlp, kChm};
  THelpViewer help(system, kFolder, Face::Japanese);
  help.Show(kHelpContents);
  help.Show(10);
  help.Show(20);
  help.Close();
  EXPECT_EQ(system.calls, (Calls{"winhelp " + kHlp + " 11 0", "winhelp " + kHlp + " 1 10", "winhelp " + kHlp + " 1 20",
                                 "winhelp " + kHlp + " 2 0"}));
}

// Only the compiled HTML help: the contents as its table of contents, the
// two dialogs' topics as their pages, an unknown topic as the contents; at
// the end HH_CLOSE_ALL and no WinHelp call at all.
TEST(HelpViewerTest, OnlyTheHtmlHelpFileOpensContentsAndTopicPagesWithHtmlHelp) {
  FakeHelpSystem system;
  system.files = {kChm};
  THelpViewer help(system, kFolder, Face::Japanese);
  help.Close();  // nothing opened yet: nothing to close
  help.Show(kHelpContents);
  help.Show(10);
  help.Show(20);
  help.Show(99);
  help.Close();
  EXPECT_EQ(system.calls, (Calls{"htmlhelp " + kChm + " 1", "htmlhelp " + kChm + "::/settings.htm 0",
                                 "htmlhelp " + kChm + "::/favourites.htm 0", "htmlhelp " + kChm + " 1",
                                 "htmlhelp  18"}));
  // The English face opens its own file beside the Japanese one.
  FakeHelpSystem english;
  english.files = {kChm, kFolder + "Quenlark-en.chm"};
  THelpViewer(english, kFolder, Face::English).Show(10);
  EXPECT_EQ(english.calls, Calls{"htmlhelp " + kFolder + "Quenlark-en.chm::/settings.htm 0"});
}

// Neither file: one message naming the HTML help file that was looked for,
// no viewer started, and nothing to close at the end. The second WM_HELP
// that the message box's loop delivers for the same F1 adds no second
// message; a later F1 gets its own.
TEST(HelpViewerTest, NoHelpFileTellsTheUserWhichFileIsMissingOncePerRequest) {
  FakeHelpSystem system;
  THelpViewer help(system, kFolder, Face::Japanese);
  system.duringMessage = [&] { help.Show(10); };
  help.Show(10);
  help.Show(20);
  help.Close();
  const std::string message = "message ﾍﾙﾌﾟﾌｧｲﾙが見つかりません。\n" + kChm;
  EXPECT_EQ(system.calls, (Calls{message, message}));
}

// A viewer that fails is no silent no-op: hhctrl.ocx missing (or opening no
// window) names the file that could not be shown; a failing WinHelp falls
// back to the HTML help, and with none beside it says the .hlp could not be
// shown.
TEST(HelpViewerTest, FailingViewersTellTheUserAndWinHelpFallsBackToHtmlHelp) {
  {
    FakeHelpSystem system;
    system.files = {kChm};
    system.htmlHelpWorks = false;
    THelpViewer help(system, kFolder, Face::Japanese);
    help.Show(20);
    EXPECT_EQ(system.calls, (Calls{"htmlhelp " + kChm + "::/favourites.htm 0",
                                   "message ﾍﾙﾌﾟを表示できません。\n" + kChm}));
  }
  {
    FakeHelpSystem system;
    system.files = {kHlp, kChm};
    system.winHelpWorks = false;
    THelpViewer help(system, kFolder, Face::Japanese);
    help.Show(kHelpContents);
    help.Close();
    EXPECT_EQ(system.calls, (Calls{"winhelp " + kHlp + " 11 0", "htmlhelp " + kChm + " 1", "htmlhelp  18",
                                   "winhelp " + kHlp + " 2 0"}));
  }
  {
    FakeHelpSystem system;
    system.files = {kHlp};
    system.winHelpWorks = false;
    THelpViewer help(system, kFolder, Face::Japanese);
    help.Show(10);
    EXPECT_EQ(system.calls, (Calls{"winhelp " + kHlp + " 1 10", "message ﾍﾙﾌﾟを表示できません。\n" + kHlp}));
  }
}

}  // namespace
