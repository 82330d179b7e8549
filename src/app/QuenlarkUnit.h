// The main controller: a hidden window that owns the settings, the history
// tables, the timers and the single-instance guard, and carries every command.
#pragma once

#include <string>
#include <vector>

#include "app/Forms.h"
#include "app/SettingsStore.h"
#include "app/SingleTerm.h"
#include "platform/FileSystem.h"

namespace quenlark {

class TQuenlarkForm : public TForm {
 public:
  static constexpr UINT_PTR kStartTimer = 1;
  static constexpr UINT_PTR kScanTimer = 2;

  TQuenlarkForm(TApplication& app, platform::IRegistry& registry, platform::IFileSystem& fs);

  // The dialogs, in the order they were created; they save their placement
  // before the controller's own shut-down runs.
  void AttachDialogs(std::vector<TForm*> dialogs) { dialogs_ = std::move(dialogs); }
  // True when the guard found another instance: this process ends untouched.
  bool SecondInstance() const { return secondInstance_; }

  // Event handlers.
  void StartTimerTimer();
  void ScanTimerTimer();
  void ExitMenuItemClick();
  void HelpMenuItemClick();
  void SettingMenuItemClick();
  void UseFileSettingMenuItemClick();
  void AboutMenuItemClick();

  // The shut-down writes of the dialogs and the controller, once; used at the
  // end of the message loop and before an ending session returns.
  void SaveStateOnExit();

  void ScanRecent(bool firstScan);
  void LocateHistoryFolderNow();

  TSettings Settings;
  TFavourites Favourites;
  bool UseAllowed = true;
  std::string LoginName;
  std::string HistoryFolder;
  std::string ShellRecentFolder;
  std::string WindowsFolder;
  std::vector<std::string> ExtList;
  std::vector<std::string> DriveList;

  TSingleTerm SingleTerm;
  TForm* AboutForm = nullptr;
  TForm* SettingForm = nullptr;
  TForm* SelectClearForm = nullptr;
  TForm* UseFileSettingForm = nullptr;

 protected:
  void FormCreate() override;
  void FormDestroy() override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  platform::IFileSystem& fs_;
  std::vector<TForm*> dialogs_;
  bool secondInstance_ = false;
};

// Runs the whole program: creates the application, the controller and the
// dialogs in order, runs the message loop and shuts down. Returns the exit code.
int RunQuenlark(HINSTANCE instance);

}  // namespace quenlark
