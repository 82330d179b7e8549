// The selective clear dialog: deletes chosen entries of the shell's list or
// of the history, or moves them to the recycle bin. The decisions are in
// SelectClearModel (what is listed, the rows, their checks, what may be
// deleted); this view asks the controller's history for the folder's
// listing, shows the model through its bound controls and carries out what
// the model allows.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/Texts.h"
#include "dialogs/SettingsHost.h"
#include "dialogs/SelectClearModel.h"
#include "platform/Desktop.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "ui/Forms.h"

namespace quenlark {

class TSelectClearForm : public TForm {
 public:
  enum : int {
    kRecentFilesGroupBox = 100,
    kRecentFilesCheckListBox,
    kUnlLinkButton,
    kRevButton,
    kOkButton,
    kCancelButton,
    kSendToRecycleCheckBox,
  };

  // The operating system as the dialog uses it.
  struct Services {
    platform::IFileSystem& fs;
    platform::IShell& shell;
    platform::IKeyState& keys;
    platform::IPathQuery& paths;
    platform::IMessageBox& messages;
  };

  TSelectClearForm(TApplication& app, platform::IRegistry& registry, ISettingsHost& host, Services services)
      : TForm(app, registry, "TSelectClearForm", Text(TextId::ClearCaption), 296, 309,
              WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, WS_EX_CONTROLPARENT, SizeKind::Window),
        host_(host),
        services_(services) {}

  // The shell's Recent folder or the history folder; set by the command that
  // opens the dialog.
  quenlark::ClearMode ClearMode = quenlark::ClearMode::ShellRecent;
  // The group box caption as designed; the counter is appended to it.
  std::string GroupCaption;

  void RecentFilesCheckListBoxClickCheck();
  void RecentFilesCheckListBoxMouseDown(POINT at);
  void UnlLinkButtonClick();
  void RevButtonClick();
  void OkButtonClick();
  void CancelButtonClick();
  // Moves the shortcuts to the recycle bin in one shell operation; `list`
  // holds each path followed by one NUL.
  void RecycleShortcuts(const std::string& list);

  const SelectClearModel& Model() const { return model_; }
  // The rows checked in the list now.
  std::vector<int> CheckedRows() const;

 protected:
  void FormCreate() override;
  void FormShow() override;
  void FormClose() override;
  bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  // The controls into the model, the operation, the model into the controls.
  void Run(const std::function<void()>& operation);
  void Layout();

  ISettingsHost& host_;
  Services services_;
  SelectClearModel model_;
};

}  // namespace quenlark
