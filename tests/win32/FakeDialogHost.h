// The controller as the dialogs see it, for the tests that build a dialog
// for real: it hands out settings and favourites, takes back what the dialog
// applies, and logs every call.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "dialogs/SettingsHost.h"
#include "platform/Desktop.h"

namespace test {

class FakeDialogHost : public quenlark::ISettingsHost {
 public:
  quenlark::TSettings settings;
  quenlark::TFavourites favourites;
  std::string history, shell;
  std::string login = "山田";
  std::vector<std::string> calls;
  int applied = 0;
  const quenlark::TSettings& CurrentSettings() const override { return settings; }
  const quenlark::TFavourites& CurrentFavourites() const override { return favourites; }
  void ApplySettings(const quenlark::TSettings& s, unsigned effects) override {
    settings = s;
    ++applied;
    calls.push_back("apply " + std::to_string(effects));
  }
  void ApplyFavourites(const quenlark::TFavourites& f) override {
    favourites = f;
    calls.push_back("favourites");
  }
  void SuspendHotKeys() override { calls.push_back("suspend"); }
  void ResumeHotKeys() override { calls.push_back("resume"); }
  const std::string& HistoryFolderPath() const override { return history; }
  const std::string& ShellRecentFolderPath() const override { return shell; }
  void ScanNow() override { calls.push_back("scan"); }
  void HistoryEntriesCleared(const std::vector<std::string>& files) override {
    calls.push_back("cleared " + std::to_string(files.size()));
  }
  std::function<std::vector<quenlark::ListingLine>(const std::string&, int)> clearListing;  // the history's
  std::vector<quenlark::ListingLine> ClearListing(const std::string& folder, int sortCode) override {
    return clearListing ? clearListing(folder, sortCode) : std::vector<quenlark::ListingLine>{};
  }
  const std::string& LoginUserName() const override { return login; }
  void ShowHelpTopic(unsigned topic) override { calls.push_back("help " + std::to_string(topic)); }
};

// Answers each question with the next answer of its list (No when none is
// left) and logs "caption|flags|text".
class ScriptedMessages : public platform::IMessageBox {
 public:
  std::vector<int> answers;
  std::vector<std::string> shown;
  int Show(const std::string& text, const std::string& caption, unsigned flags) override {
    shown.push_back(caption + "|" + std::to_string(flags) + "|" + text);
    if (answers.empty()) return platform::kIdNo;
    const int answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
};

}  // namespace test
