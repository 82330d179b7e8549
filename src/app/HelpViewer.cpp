#include "app/HelpViewer.h"

#include <utility>

#include "base/Texts.h"

namespace quenlark {

std::string HelpTopicPage(unsigned topic) {
  switch (topic) {
    case 10:
      return "settings.htm";
    case 20:
      return "favourites.htm";
    default:
      return "";
  }
}

std::string HelpNotFoundMessage(const std::string& path) { return FormatText(TextId::HelpNotFound, path); }

std::string HelpNotShownMessage(const std::string& path) { return FormatText(TextId::HelpNotShown, path); }

THelpViewer::THelpViewer(IHelpSystem& system, std::string programFolder, Face face)
    : system_(system),
      winHelpFile_(programFolder + kWinHelpFileName),
      htmlHelpFile_(std::move(programFolder) + (face == Face::English ? kEnglishHtmlHelpFileName : kHtmlHelpFileName)) {}

void THelpViewer::Show(unsigned topic) {
  if (answering_) return;
  answering_ = true;
  Answer(topic);
  answering_ = false;
}

void THelpViewer::Answer(unsigned topic) {
  const bool winHelpFile = system_.FileExists(winHelpFile_);
  if (winHelpFile) {
    winHelpUsed_ = true;
    const WinHelpCommand command = topic == kHelpContents ? WinHelpCommand::Finder : WinHelpCommand::Context;
    if (system_.CallWinHelp(winHelpFile_, command, topic)) return;
  }
  if (system_.FileExists(htmlHelpFile_)) {
    // A topic is opened by its page rather than by HH_HELP_CONTEXT: the
    // help compiler the build uses (chmcmd) stores a mapped context under
    // the absolute path the page had on the build machine, where the viewer
    // finds no page. An unknown topic shows the contents.
    const std::string page = topic == kHelpContents ? "" : HelpTopicPage(topic);
    htmlHelpUsed_ = true;
    const bool shown = page.empty() ? system_.CallHtmlHelp(htmlHelpFile_, HtmlHelpCommand::DisplayToc)
                                    : system_.CallHtmlHelp(htmlHelpFile_ + "::/" + page, HtmlHelpCommand::DisplayTopic);
    if (!shown) system_.ShowMessage(HelpNotShownMessage(htmlHelpFile_));
    return;
  }
  system_.ShowMessage(winHelpFile ? HelpNotShownMessage(winHelpFile_) : HelpNotFoundMessage(htmlHelpFile_));
}

void THelpViewer::Close() {
  if (htmlHelpUsed_) system_.CallHtmlHelp("", HtmlHelpCommand::CloseAll);
  if (winHelpUsed_) system_.CallWinHelp(winHelpFile_, WinHelpCommand::Quit, 0);
  htmlHelpUsed_ = winHelpUsed_ = false;
}

}  // namespace quenlark
