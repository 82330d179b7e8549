// The program's help: which viewer and which file answer a request for the
// contents or for a dialog's topic, and what the user is told when neither
// viewer can show anything. A Windows help file (Quenlark.hlp) beside the
// program is opened with WinHelp where it exists; otherwise the compiled
// HTML help of the face (Quenlark.chm, the English face's Quenlark-en.chm)
// with HTML Help. Portable: the calls into the
// system are behind IHelpSystem.
#pragma once

#include <string>

#include "base/Texts.h"

namespace quenlark {

inline constexpr const char* kWinHelpFileName = "Quenlark.hlp";
inline constexpr const char* kHtmlHelpFileName = "Quenlark.chm";
inline constexpr const char* kEnglishHtmlHelpFileName = "Quenlark-en.chm";

// The request for the contents rather than a topic.
inline constexpr unsigned kHelpContents = 0;

// Commands with the values of the two help interfaces (HELP_*, HH_*).
enum class WinHelpCommand : unsigned { Context = 0x0001, Quit = 0x0002, Finder = 0x000B };
enum class HtmlHelpCommand : unsigned { DisplayTopic = 0x0000, DisplayToc = 0x0001, CloseAll = 0x0012 };

class IHelpSystem {
 public:
  virtual ~IHelpSystem() = default;
  virtual bool FileExists(const std::string& path) = 0;
  // WinHelp on the file; false when the call failed.
  virtual bool CallWinHelp(const std::string& file, WinHelpCommand command, unsigned data) = 0;
  // HTML Help on a file, or "file::/page"; false when the viewer could not
  // be loaded or opened no window.
  virtual bool CallHtmlHelp(const std::string& target, HtmlHelpCommand command) = 0;
  // One message box with the program's title and an OK button.
  virtual void ShowMessage(const std::string& text) = 0;
};

// The page of the HTML help that shows a topic: 10 the settings dialog, 20
// the favourites editor; "" for any other number.
std::string HelpTopicPage(unsigned topic);

// The texts of the two failures; each names the file it is about.
std::string HelpNotFoundMessage(const std::string& path);
std::string HelpNotShownMessage(const std::string& path);

class THelpViewer {
 public:
  // `programFolder` ends in "\"; `face` chooses the HTML help file.
  THelpViewer(IHelpSystem& system, std::string programFolder, Face face);

  // Opens the contents (kHelpContents) or a topic. When nothing can be
  // shown, tells the user why, naming the file. A request that arrives
  // while one is being answered (the message box's own message loop
  // delivers a second WM_HELP for the same F1) is ignored.
  void Show(unsigned topic);
  // Closes the help windows Show opened; at the program's end.
  void Close();

 private:
  void Answer(unsigned topic);

  IHelpSystem& system_;
  std::string winHelpFile_;
  std::string htmlHelpFile_;
  bool winHelpUsed_ = false;
  bool htmlHelpUsed_ = false;
  bool answering_ = false;
};

}  // namespace quenlark
