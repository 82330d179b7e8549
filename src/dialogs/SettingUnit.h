// The settings dialog: every option of the program, checked and stored on OK.
#pragma once

#include "base/Texts.h"
#include "dialogs/SettingsHost.h"
#include "dialogs/SettingModel.h"
#include "dialogs/PassChangeUnit.h"
#include "platform/Desktop.h"
#include "ui/Forms.h"

namespace quenlark {

class TSettingForm : public TForm {
 public:
  enum : int {
    kRecentGroupBox = 100,
    kRecentMaxLabel,
    kRecentMaxEdit,
    kRecentMaxUpDown,
    kScanTimeLabel,
    kScanTimeEdit,
    kScanTimeUpDown,
    kPathDispNumberLabel,
    kPathDispNumberComboBox,
    kDateTimeDispLabel,
    kDateTimeDispComboBox,
    kDateTopDispCheckBox,
    kExitCheckComboBox,
    kExtNameLabel,
    kExtNameEdit,
    kDriveCheckCheckBox,
    kDriveNameLabel,
    kDriveNameEdit,
    kNetworkCheckCheckBox,
    kFolderCheckCheckBox,
    kAutoClearCheckBox,
    kMultiUserCheckBox,
    kExtDispCheckBox,
    kPathDispCheckBox,
    kSortSelectRadioGroup,
    kSortSelectRadio0,  // five buttons, by position
    kStartModeRadioGroup = kSortSelectRadio0 + 5,
    kStartModeRadio0,  // three buttons
    kMouseSettingGroupBox = kStartModeRadio0 + 3,
    kRecentClickLabel,
    kRecentClickComboBox,
    kRecentHotKeyLabel,
    kRecentHotKey,
    kUseFileClickLabel,
    kUseFileClickComboBox,
    kUseFileHotKeyLabel,
    kUseFileHotKey,
    kQuenlarkClickLabel,
    kQuenlarkClickComboBox,
    kQuenlarkHotKeyLabel,
    kQuenlarkHotKey,
    kMenuGroupBox,
    kIconDispCheckBox,
    kOfficeStyleCheckBox,
    kQuenlarkMenuCheckBox,
    kPassWordGroupBox,
    kDbClickPassWordCheckBox,
    kPassWordEdit,
    kPassChangeButton,
    kOkButton,
    kCancelButton,
    kPathDiffCheckBox,
  };

  // The help topic of this dialog.
  static constexpr unsigned kHelpContext = 10;

  TSettingForm(TApplication& app, platform::IRegistry& registry, ISettingsHost& host, TPassChangeForm& passChange,
               platform::IMessageBox& messages)
      : TForm(app, registry, "TSettingForm", Text(TextId::SettingCaption), 528, 494),
        host_(host),
        passChange_(passChange),
        messages_(messages) {}

  void OkButtonClick();
  // A control that others' enablement follows has changed.
  void SourceChange();
  void PassChangeButtonClick();

 protected:
  void FormCreate() override;
  void FormShow() override;
  void FormClose() override;
  bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  ISettingsHost& host_;
  TPassChangeForm& passChange_;
  platform::IMessageBox& messages_;
  SettingModel model_;
};

}  // namespace quenlark
