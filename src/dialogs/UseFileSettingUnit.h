// The favourites editor: builds the favourites menu entry by entry. Every
// operation changes the favourites at once (the favourites menu shows the
// edits while the editor is still open) and closing saves them; there is no
// OK and no Cancel. The decisions are in UseFileSettingModel; this view
// shows the model through its bound controls, and runs the pickers.
#pragma once

#include <windows.h>

#include <commdlg.h>
#include <shellapi.h>

#include <functional>
#include <optional>
#include <string>

#include "base/Texts.h"
#include "dialogs/SettingsHost.h"
#include "dialogs/SHBFFEX.h"
#include "dialogs/UseFileSettingModel.h"
#include "platform/Desktop.h"
#include "ui/Forms.h"

namespace quenlark {

class TUseFileSettingForm : public TForm {
 public:
  enum : int {
    kNameLabel = 100,
    kNameEdit,
    kOpenFileButton,
    kOpenFolderButton,
    kFileLabel,
    kFileEdit,
    kExecuteLabel,
    kExecuteEdit,
    kExecuteButton,
    kLineBevel,
    kAddButton,
    kSaveButton,
    kDeleteButton,
    kLineButton,
    kClearButton,
    kMoveLabel,
    kUpSpeedButton,
    kDownSpeedButton,
    kFileListBox,
    kStatusBar,
  };
  // The height of the fixed band of fields and buttons above the list.
  static constexpr int kTopPanelHeight = 129;
  static constexpr unsigned kHelpContext = 20;

  struct Services {
    platform::IMessageBox& messages;
    platform::IPathQuery& paths;
  };

  TUseFileSettingForm(TApplication& app, platform::IRegistry& registry, ISettingsHost& host, Services services)
      : TForm(app, registry, "TUseFileSettingForm", Text(TextId::UseFileCaption), 416, 373,
              WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX, WS_EX_CONTROLPARENT),
        SHBrowseForFolderEx(app, this),
        host_(host),
        services_(services) {}

  void FileListBoxClick();
  void AddButtonClick();
  void SaveButtonClick();
  void DeleteButtonClick();
  void ClearButtonClick();
  void LineButtonClick();
  void UpSpeedButtonClick();
  void DownSpeedButtonClick();
  void OpenFileButtonClick();
  void OpenFolderButtonClick();
  void ExecuteButtonClick();
  // The first path of a drop on the window (the handle is released here).
  void DropFiles(HDROP drop);

  const UseFileSettingModel& Model() const { return model_; }
  const std::string& LastFolder() const { return model_.LastFolder; }

  TSHBrowseForFolderEx SHBrowseForFolderEx;

 protected:
  void FormCreate() override;
  void FormShow() override;
  void FormClose() override;
  bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  // The file-open dialog starting in `folder`: the chosen path, or nothing
  // when the user cancelled or the dialog failed.
  std::optional<std::string> RunOpenDialog(const std::string& folder);
  // The system's file-open dialog: true when a file was chosen (its path in
  // `open.lpstrFile`, the filter the user left in `open.nFilterIndex`).
  virtual bool ShowOpenDialog(OPENFILENAMEW& open);
  // The folder picker as set up: the chosen folder, or nothing.
  virtual std::optional<std::string> RunFolderPicker();

 private:
  // The model into the controls: rows, selection, fields, buttons, status.
  void ShowModel();
  // The controls into the model (the current row is the list's focus row
  // now), the operation, the model into the controls; a changed table is
  // published.
  void Run(const std::function<bool()>& operation);
  // Hands a changed table to the controller, which shows it from the next
  // opening of the favourites menu and stores it.
  void Publish();
  void FormResize();

  ISettingsHost& host_;
  Services services_;
  UseFileSettingModel model_;
  bool folderChosen_ = false;
  // What the file-open dialog keeps between its uses while the editor
  // lives: the file last chosen in it and the filter it was chosen with.
  std::wstring openFileName_;
  DWORD openFilterIndex_ = 1;
};

}  // namespace quenlark
