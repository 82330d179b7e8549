// Every text the user reads, one table per language (a "face"). The menus and
// dialogs name their texts by TextId; Text gives the current face's CP932
// bytes. What is stored or parsed (registry values, favourites, history files)
// never comes from here: a face changes only what is shown.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quenlark {

// Grouped by where the text appears; the tables list the texts in this order.
enum class TextId : int {
  // The program menu and its Clear submenu.
  MenuSetting,
  MenuUseFileSetting,
  MenuClear,
  MenuHelp,
  MenuAbout,
  MenuExit,
  MenuClearWindowsRecent,
  MenuClearQuenlarkRecent,
  // The menus of the tray.
  RecentMenuNone,
  FavouritesProgramMenu,

  // The settings dialog.
  SettingCaption,
  SettingRecentGroup,
  SettingRecentMaxLabel,
  SettingRecentMaxHint,
  SettingScanTimeLabel,
  SettingScanTimeHint,
  SettingPathDispLabel,
  SettingPathDispHint,
  SettingPathDispNone,
  SettingPathDispAll,
  SettingPathDisp1,
  SettingPathDisp2,
  SettingPathDisp3,
  SettingDateTimeDispLabel,
  SettingDateTimeDispHint,
  SettingDateTimeNone,
  SettingDateTimeFull,
  SettingDateTimeShort,
  SettingDateTimeDate,
  SettingDateTopDisp,
  SettingDateTopDispHint,
  SettingExtCheckHint,
  SettingExtCheckNone,
  SettingExtCheckExclude,
  SettingExtCheckOnly,
  SettingExtNameLabel,
  SettingExtNameHint,
  SettingDriveCheck,
  SettingDriveCheckHint,
  SettingDriveNameLabel,
  SettingDriveNameHint,
  SettingNetworkCheck,
  SettingNetworkCheckHint,
  SettingFolderCheck,
  SettingFolderCheckHint,
  SettingAutoClear,
  SettingAutoClearHint,
  SettingMultiUser,
  SettingMultiUserHint,  // %s: the login user name
  SettingExtDisp,
  SettingExtDispHint,
  SettingPathDisp,
  SettingSortGroup,
  SettingSortHint,
  SettingSortByName,
  SettingSortByExt,
  SettingSortByPath,
  SettingSortByDateDown,
  SettingSortByDateUp,
  SettingStartGroup,
  SettingStartHint,
  SettingStartEnabled,
  SettingStartDisabled,
  SettingStartLast,
  SettingMouseGroup,
  SettingRecentClickLabel,
  SettingRecentClickHint,
  SettingHotKeyLabel,  // the three hot-key fields' labels: each its own access key
  SettingUseFileHotKeyLabel,
  SettingQuenlarkHotKeyLabel,
  SettingRecentHotKeyHint,
  SettingUseFileClickLabel,
  SettingUseFileClickHint,
  SettingUseFileHotKeyHint,
  SettingQuenlarkClickLabel,
  SettingQuenlarkClickHint,
  SettingQuenlarkHotKeyHint,
  SettingClickLeft,
  SettingClickLeftShift,
  SettingClickLeftCtrl,
  SettingClickRight,
  SettingClickRightShift,
  SettingClickRightCtrl,
  SettingMenuGroup,
  SettingIconDisp,
  SettingIconDispHint,
  SettingOfficeStyle,
  SettingOfficeStyleHint,
  SettingQuenlarkMenu,
  SettingQuenlarkMenuHint,
  SettingPassWordGroup,
  SettingDbClickPassWord,
  SettingDbClickPassWordHint,
  SettingPassWordHint,
  SettingPassChange,
  SettingPassChangeHint,
  SettingOk,
  SettingOkHint,
  SettingCancel,
  SettingCancelHint,
  SettingPathDiff,
  // The settings dialog's messages.
  SettingErrorCaption,
  SettingRangeError,  // %s: a field below, %d to %d: the range
  SettingRecentMaxField,
  SettingScanTimeField,
  SettingRecentMenuName,
  SettingUseFileMenuName,
  SettingQuenlarkMenuName,
  SettingSameClickError,   // %s and %s: two menu names above
  SettingSameHotKeyError,  // %s and %s: two menu names above

  // The favourites dialog.
  UseFileCaption,
  UseFileNameLabel,
  UseFileNameHint,
  UseFileOpenFile,
  UseFileOpenFileHint,
  UseFileOpenFolder,
  UseFileOpenFolderHint,
  UseFileFileLabel,
  UseFileFileHint,
  UseFileExecuteLabel,
  UseFileExecuteHint,
  UseFileExecuteButton,
  UseFileExecuteButtonHint,
  UseFileAdd,
  UseFileAddHint,
  UseFileSave,
  UseFileSaveHint,
  UseFileDelete,
  UseFileDeleteHint,
  UseFileLine,
  UseFileLineHint,
  UseFileClear,
  UseFileClearHint,
  UseFileMoveLabel,
  UseFileUpHint,
  UseFileDownHint,
  UseFileListHint,
  UseFileSeparatorRow,
  UseFileSubmenuStartRow,  // %s: the submenu's name
  UseFileSubmenuUnnamed,
  UseFileSubmenuEndRow,
  UseFileStatus,      // %d: the number of favourites
  UseFileStatusHint,  // %d: the most favourites there can be
  UseFileDeleteCaption,
  UseFileDeleteOne,   // %s: the row
  UseFileDeleteMany,  // %d: the number of rows
  UseFileFolderPickerTitle,
  UseFileFilterAll,
  UseFileFilterText,
  UseFileFilterProgram,
  UseFileFilterShortcut,
  UseFileFilterDocument,

  // The clear dialog.
  ClearCaption,
  ClearWindowsRecentTitle,
  ClearQuenlarkRecentTitle,
  ClearLinkButton,
  ClearLinkHint,
  ClearRevButton,
  ClearRevHint,
  ClearOk,
  ClearOkHint,
  ClearCancel,
  ClearCancelHint,
  ClearRecycle,
  ClearRecycleHint,
  ClearListGroup,
  ClearListHint,
  ClearNone,
  ClearConfirmCaption,
  ClearConfirmText,

  // The password dialogs and their messages.
  PassCaption,
  PassLabel,
  PassOk,
  PassCancel,
  PassWrong,
  PassErrorCaption,
  PassChangeCaption,
  PassChangeLabel1,
  PassChangeLabel2,
  PassChangeOk,
  PassChangeCancel,
  PassChangeMismatch,

  // The about box.
  AboutCaption,
  AboutDescription,
  AboutVersion,  // %s: the version
  AboutOk,

  // The help.
  HelpTitle,
  HelpNotFound,  // %s: the help file's path
  HelpNotShown,  // %s: the help file's path
  HelpErrorCaption,

  // The menu renderer's error when an item cannot be switched to owner drawing.
  OwnerDrawFailed,  // %s: the item's caption

  // The tray icon's hint.
  TrayHintText,  // %d: the files Quenlark History holds, %d: the most it keeps

  Count
};

enum class Face { Japanese, English };

// The face the program starts in. An override that names a face wins: a
// locale name or a language name, in any case and with blanks around ("ja",
// "ja-JP", "Japanese", "日本語", "en", "en_GB", "English (United States)",
// "英語"). Without one (or with any
// other text) the user's UI language decides: a LANGID whose primary
// language is Japanese gives the Japanese face, every other the English one.
Face ChooseFace(unsigned short uiLanguage, const std::optional<std::string>& override);

// Chooses the face for every later Text; Japanese until called.
void SetFace(Face face);
Face CurrentFace();

// The text in the current face, or in the given one.
const char* Text(TextId id);
const char* Text(Face face, TextId id);

// One argument of FormatText: a number for a "%d", a text for a "%s". Any
// other type (a long, a size_t, a char, a double, a string_view) does not
// compile: nothing converts it silently.
class TextArgument {
 public:
  TextArgument(int number) : kind_('d'), number_(number) {}
  TextArgument(const char* text) : kind_('s'), text_(text ? text : "") {}
  TextArgument(const std::string& text) : kind_('s'), text_(text.c_str()) {}
  template <class Other>
  TextArgument(Other) = delete;

  char Kind() const { return kind_; }
  int Number() const { return number_; }
  const char* Chars() const { return text_; }

 private:
  char kind_;
  int number_ = 0;
  const char* text_ = nullptr;
};

// The kinds of the arguments a text takes, in order, one letter each ('d' a
// number, 's' a text); every face's text has exactly these placeholders.
std::string_view ArgumentKinds(TextId id);

// The text with each placeholder replaced by the next argument. Arguments
// that do not match ArgumentKinds(id) in number or kind are a fault of the
// caller: the text then comes back with its placeholders left out and the
// fault is reported by MismatchedTextArguments() (which the tests read).
std::string FormatTextArguments(TextId id, std::span<const TextArgument> arguments);
int MismatchedTextArguments();

template <class... Arguments>
std::string FormatText(TextId id, const Arguments&... arguments) {
  const TextArgument list[sizeof...(Arguments) + 1] = {TextArgument(arguments)..., TextArgument(0)};
  return FormatTextArguments(id, std::span<const TextArgument>(list, sizeof...(Arguments)));
}

// The texts shown together in one menu or one dialog, as ranges of TextId
// (both ends included): their "&" accelerators must differ within a range.
struct TextRange {
  TextId first;
  TextId last;
};
std::span<const TextRange> TextGroups();

// One face's table: the texts in TextId order, each with its id so that the
// order can be checked when the table is compiled.
struct TextEntry {
  TextId id;
  const char* text;
};

template <std::size_t N>
constexpr bool InTextIdOrder(const TextEntry (&table)[N]) {
  if (N != static_cast<std::size_t>(TextId::Count)) return false;
  for (std::size_t i = 0; i < N; ++i) {
    if (static_cast<std::size_t>(table[i].id) != i) return false;
  }
  return true;
}

}  // namespace quenlark
