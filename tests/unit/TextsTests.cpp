#include "base/Texts.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <tuple>
#include <utility>

using namespace quenlark;

namespace {

// The printf conversions of a text in order, flags and width included; "%%" is none.
std::string Placeholders(const std::string& text) {
  std::string found;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') continue;
    if (i + 1 < text.size() && text[i + 1] == '%') {
      ++i;
      continue;
    }
    std::size_t end = i + 1;
    while (end < text.size() && !std::isalpha(static_cast<unsigned char>(text[end]))) ++end;
    found += text.substr(i, end + 1 - i) + " ";
    i = end;
  }
  return found;
}

// The letter after a single "&", upper-cased, or 0 ("&&" draws an ampersand).
char Accelerator(const std::string& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1])));
    ++i;
  }
  return 0;
}

}  // namespace

TEST(TextsTest, EveryTextInBothFacesWithTheSamePlaceholders) {
  for (int i = 0; i < static_cast<int>(TextId::Count); ++i) {
    const std::string japanese = Text(Face::Japanese, static_cast<TextId>(i));
    const std::string english = Text(Face::English, static_cast<TextId>(i));
    EXPECT_FALSE(japanese.empty()) << i;
    EXPECT_FALSE(english.empty()) << i;
    EXPECT_EQ(Placeholders(english), Placeholders(japanese)) << i << ": " << english;
    // FormatText knows "%d" and "%s" only, in the kinds ArgumentKinds declares.
    std::string kinds;
    for (char c : Placeholders(japanese)) {
      if (c != '%' && c != ' ') kinds += c;
    }
    EXPECT_EQ(kinds, ArgumentKinds(static_cast<TextId>(i))) << i << ": " << japanese;
  }
}

// The Japanese face is the texts the program has always shown, byte for byte:
// no change made for the English face may move one of them.
TEST(TextsTest, TheJapaneseFaceIsTheTextsTheProgramHasAlwaysShown) {
  using T = TextId;
  const std::pair<TextId, const char*> always[] = {
      {T::MenuSetting, "Quenlarkの設定(&S)..."},
      {T::MenuUseFileSetting, "良く使うﾌｧｲﾙとﾌｫﾙﾀﾞの設定(&U)..."},
      {T::MenuClear, "最近使ったﾌｧｲﾙのｸﾘｱ"},
      {T::MenuHelp, "ﾍﾙﾌﾟ(&H)..."},
      {T::MenuAbout, "ﾊﾞｰｼﾞｮﾝ情報(&A)..."},
      {T::MenuExit, "Quenlarkの終了(&X)"},
      {T::MenuClearWindowsRecent, "ｽﾀｰﾄﾒﾆｭｰ"},
      {T::MenuClearQuenlarkRecent, "Quenlark"},
      {T::RecentMenuNone, "（最近使ったﾌｧｲﾙなし）"},
      {T::FavouritesProgramMenu, "Quenlarkのﾒﾆｭｰ"},
      {T::SettingCaption, "Quenlarkの設定"},
      {T::SettingRecentGroup, "[最近使ったﾌｧｲﾙ]の設定"},
      {T::SettingRecentMaxLabel, "最近使ったﾌｧｲﾙ数"},
      {T::SettingRecentMaxHint, "[最近使ったﾌｧｲﾙ]をいくつまで記憶するかのﾌｧｲﾙ数です。"},
      {T::SettingScanTimeLabel, "ｽｷｬﾝ間隔（秒）"},
      {T::SettingScanTimeHint, "Windowsの[最近使ったﾌｧｲﾙ]を調べる間隔です。"},
      {T::SettingPathDispLabel, "ﾌｧｲﾙのﾊﾟｽ表示"},
      {T::SettingPathDispHint, "[最近使ったﾌｧｲﾙ]の一覧にﾌｧｲﾙのﾊﾟｽを表示させます。\n" "Ctrlｷｰを押しながらｱｲｺﾝをｸﾘｯｸすると、ﾌｧｲﾙの全てのﾊﾟｽが表示されます。"},
      {T::SettingPathDispNone, "表示しない"},
      {T::SettingPathDispAll, "全て表示する"},
      {T::SettingPathDisp1, "１階層まで表示"},
      {T::SettingPathDisp2, "２階層まで表示"},
      {T::SettingPathDisp3, "３階層まで表示"},
      {T::SettingDateTimeDispLabel, "使った日付表示"},
      {T::SettingDateTimeDispHint, "[最近使ったﾌｧｲﾙ]の一覧に使った日付と時刻を表示させます。\n" "【注意事項】ﾌｧｲﾙのﾀｲﾑｽﾀﾝﾌﾟではなく、最近使った日付と時刻です。"},
      {T::SettingDateTimeNone, "表示しない"},
      {T::SettingDateTimeFull, "年/月/日 時:分"},
      {T::SettingDateTimeShort, "月/日 時:分"},
      {T::SettingDateTimeDate, "月/日"},
      {T::SettingDateTopDisp, "使った日付をﾌｧｲﾙ名の前に表示する"},
      {T::SettingDateTopDispHint, "[最近使ったﾌｧｲﾙ]の一覧に使った日付を表示させる時、表示される[最近使ったﾌｧｲﾙ]の前に日付を表示させます。"},
      {T::SettingExtCheckHint, "指定した拡張子のﾌｧｲﾙを[最近使ったﾌｧｲﾙ]として記憶「する」か「しない」かの設定を行います。"},
      {T::SettingExtCheckNone, "拡張子での指定は行わない"},
      {T::SettingExtCheckExclude, "指定した拡張子のﾌｧｲﾙは記憶しない"},
      {T::SettingExtCheckOnly, "指定した拡張子のﾌｧｲﾙのみ記憶する"},
      {T::SettingExtNameLabel, "拡張子"},
      {T::SettingExtNameHint, "[最近使ったﾌｧｲﾙ]として記憶「する」または「しない」ﾌｧｲﾙの拡張子をｶﾝﾏ\",\"で区切って指定します。"},
      {T::SettingDriveCheck, "指定したﾄﾞﾗｲﾌﾞのﾌｧｲﾙは記憶しない"},
      {T::SettingDriveCheckHint, "指定したﾄﾞﾗｲﾌﾞのﾌｧｲﾙは[最近使ったﾌｧｲﾙ]として記憶しません。"},
      {T::SettingDriveNameLabel, "ﾄﾞﾗｲﾌﾞ"},
      {T::SettingDriveNameHint, "[最近使ったﾌｧｲﾙ]として記憶しないﾌｧｲﾙのﾄﾞﾗｲﾌﾞをｶﾝﾏ\",\"で区切って指定します。"},
      {T::SettingNetworkCheck, "ﾈｯﾄﾜｰｸﾄﾞﾗｲﾌﾞは記憶しない"},
      {T::SettingNetworkCheckHint, "ﾈｯﾄﾜｰｸﾄﾞﾗｲﾌﾞは[最近使ったﾌｧｲﾙ]として記憶しません。"},
      {T::SettingFolderCheck, "[最近使ったﾌｫﾙﾀﾞ]は記憶しない"},
      {T::SettingFolderCheckHint, "[最近使ったﾌｫﾙﾀﾞ]は[最近使ったﾌｧｲﾙ]として記憶しません。"},
      {T::SettingAutoClear, "ｽﾀｰﾄﾒﾆｭｰの[最近使ったﾌｧｲﾙ]を自動ｸﾘｱ"},
      {T::SettingAutoClearHint, "Quenlarkに記憶したらｽﾀｰﾄﾒﾆｭｰの[最近使ったﾌｧｲﾙ]を自動的にｸﾘｱします。"},
      {T::SettingMultiUser, "ﾏﾙﾁﾕｰｻﾞｰ管理を行う"},
      {T::SettingExtDisp, "ﾌｧｲﾙ名の拡張子を表示する"},
      {T::SettingExtDispHint, "[最近使ったﾌｧｲﾙ]の一覧に拡張子を表示させます。"},
      {T::SettingPathDisp, "ﾌｧｲﾙのﾊﾟｽを表示する"},
      {T::SettingSortGroup, "[最近使ったﾌｧｲﾙ]の表示順"},
      {T::SettingSortHint, "[最近使ったﾌｧｲﾙ]を表示するｿｰﾄ順を選択します。"},
      {T::SettingSortByName, "ﾌｧｲﾙ名順（上から）"},
      {T::SettingSortByExt, "拡張子順（上から）"},
      {T::SettingSortByPath, "ﾌｧｲﾙﾊﾟｽ順（上から）"},
      {T::SettingSortByDateDown, "最近使った日付順（上から）"},
      {T::SettingSortByDateUp, "最近使った日付順（下から）"},
      {T::SettingStartGroup, "起動ﾓｰﾄﾞ "},
      {T::SettingStartHint, "起動した時のﾓｰﾄﾞを設定します。"},
      {T::SettingStartEnabled, "使用許可ﾓｰﾄﾞで起動"},
      {T::SettingStartDisabled, "使用禁止ﾓｰﾄﾞで起動"},
      {T::SettingStartLast, "前回終了時ﾓｰﾄﾞで起動"},
      {T::SettingMouseGroup, "ﾏｳｽﾎﾞﾀﾝのｸﾘｯｸ設定"},
      {T::SettingRecentClickLabel, "最近使ったﾌｧｲﾙ"},
      {T::SettingRecentClickHint, "[最近使ったﾌｧｲﾙ]のﾒﾆｭｰを表示させる時のｸﾘｯｸ設定です。"},
      {T::SettingHotKeyLabel, "ｼｮｰﾄｶｯﾄｷｰ"},
      {T::SettingRecentHotKeyHint, "[最近使ったﾌｧｲﾙ]のﾒﾆｭｰを表示させる時のｼｮｰﾄｶｯﾄｷｰ設定です。"},
      {T::SettingUseFileClickLabel, "良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ "},
      {T::SettingUseFileClickHint, "[良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ]のﾒﾆｭｰを表示させる時のｸﾘｯｸ設定です。"},
      {T::SettingUseFileHotKeyHint, "[良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ]のﾒﾆｭｰを表示させる時のｼｮｰﾄｶｯﾄ設定です。"},
      {T::SettingQuenlarkClickLabel, "Quenlarkのﾒﾆｭｰ"},
      {T::SettingQuenlarkClickHint, "Quenlarkのﾒﾆｭｰを表示させる時のｸﾘｯｸ設定です。"},
      {T::SettingQuenlarkHotKeyHint, "Quenlarkのﾒﾆｭｰを表示させる時のｼｮｰﾄｶｯﾄ設定です。"},
      {T::SettingClickLeft, "左ｸﾘｯｸ"},
      {T::SettingClickLeftShift, "左ｸﾘｯｸ + Shift"},
      {T::SettingClickLeftCtrl, "左ｸﾘｯｸ + Ctrl"},
      {T::SettingClickRight, "右ｸﾘｯｸ"},
      {T::SettingClickRightShift, "右ｸﾘｯｸ + Shift"},
      {T::SettingClickRightCtrl, "右ｸﾘｯｸ + Ctrl"},
      {T::SettingMenuGroup, "ﾒﾆｭｰ表示設定"},
      {T::SettingIconDisp, "ﾒﾆｭｰにｱｲｺﾝを表示する"},
      {T::SettingIconDispHint, "[最近使ったﾌｧｲﾙ]や[良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ]のﾒﾆｭｰにｱｲｺﾝを表示します。"},
      {T::SettingOfficeStyle, "Microsoft Office97 ｽﾀｲﾙのﾒﾆｭｰ"},
      {T::SettingOfficeStyleHint, "Microsoft Office97 ｽﾀｲﾙのﾒﾆｭｰ表示となります。"},
      {T::SettingQuenlarkMenu, "良く使うﾌｧｲﾙ...にQuenlarkﾒﾆｭｰを表示"},
      {T::SettingQuenlarkMenuHint, "[良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ]のﾒﾆｭｰに[Quenlark]ﾒﾆｭｰを表示します。"},
      {T::SettingPassWordGroup, "ﾊﾟｽﾜｰﾄﾞ（使用禁止状態の解除時に入力）"},
      {T::SettingDbClickPassWord, "ﾄﾚｲｱｲｺﾝのﾀﾞﾌﾞﾙｸﾘｯｸで使用禁止状態"},
      {T::SettingDbClickPassWordHint, "ﾄﾚｲｱｲｺﾝをﾀﾞﾌﾞﾙｸﾘｯｸすると使用禁止状態/解除します。"},
      {T::SettingPassWordHint, "使用禁止状態から復帰するときのﾊﾟｽﾜｰﾄﾞです。"},
      {T::SettingPassChange, "変更..."},
      {T::SettingPassChangeHint, "ﾊﾟｽﾜｰﾄﾞの変更を行ないます。"},
      {T::SettingOk, "OK"},
      {T::SettingOkHint, "この設定を登録します。"},
      {T::SettingCancel, "ｷｬﾝｾﾙ"},
      {T::SettingCancelHint, "設定をｷｬﾝｾﾙします。"},
      {T::SettingPathDiff, "ﾌｧｲﾙのﾊﾟｽでの区別を行う"},
      {T::SettingErrorCaption, "設定エラー"},
      {T::UseFileCaption, "良く使うﾌｧｲﾙとﾌｫﾙﾀﾞの設定"},
      {T::UseFileNameLabel, "ﾒﾆｭｰ項目名(&N)："},
      {T::UseFileNameHint, "[良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ]のﾒﾆｭｰ項目名を設定します。\n" "「>」で階層ﾒﾆｭｰが始まり、「<」で階層ﾒﾆｭｰが終わります。\n" "注意：階層ﾒﾆｭｰは１階層までしか設定できません。"},
      {T::UseFileOpenFile, "ﾌｧｲﾙ参照(&B)..."},
      {T::UseFileOpenFileHint, "[良く使うﾌｧｲﾙ]を参照することができます。"},
      {T::UseFileOpenFolder, "ﾌｫﾙﾀﾞ参照(&D)..."},
      {T::UseFileOpenFolderHint, "[良く使うﾌｫﾙﾀﾞ]を参照することができます。"},
      {T::UseFileFileLabel, "ﾌｧｲﾙ/ﾌｫﾙﾀﾞ(&F)："},
      {T::UseFileFileHint, "[良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ]を設定します。\n" "ﾌｫﾙﾀﾞを設定し、先頭に「*」を付けるとｴｸｽﾌﾟﾛｰﾗで開きます。"},
      {T::UseFileExecuteLabel, "起動ｱﾌﾟﾘ指定："},
      {T::UseFileExecuteHint, "起動ｱﾌﾟﾘｹｰｼｮﾝを特別に指定したい時に、ｱﾌﾟﾘｹｰｼｮﾝを設定します。\n" "拡張子から自動的にｱﾌﾟﾘｹｰｼｮﾝを起動するので、通常は設定する必要はありません。"},
      {T::UseFileExecuteButton, "ｱﾌﾟﾘ参照(&P)..."},
      {T::UseFileExecuteButtonHint, "[起動ｱﾌﾟﾘ指定]を参照することができます。"},
      {T::UseFileAdd, "追加(&A)"},
      {T::UseFileAddHint, "[良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ]を新しく追加します。"},
      {T::UseFileSave, "登録(&S)"},
      {T::UseFileSaveHint, "ｶｰｿﾙ位置の[良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ]を編集・登録します。"},
      {T::UseFileDelete, "削除(&R)"},
      {T::UseFileDeleteHint, "ｶｰｿﾙ位置の[良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ]を削除します。"},
      {T::UseFileLine, "区切り線(&L)"},
      {T::UseFileLineHint, "[ﾒﾆｭｰの区切り線]を追加します。"},
      {T::UseFileClear, "ｸﾘｱ(&C)"},
      {T::UseFileClearHint, "[ﾒﾆｭｰ項目名]と[ﾌｧｲﾙ/ﾌｫﾙﾀﾞ]をクリアします。"},
      {T::UseFileMoveLabel, "移動"},
      {T::UseFileUpHint, "ｶｰｿﾙ位置の[良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ]を上へ移動させます。"},
      {T::UseFileDownHint, "ｶｰｿﾙ位置の[良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ]を下へ移動させます。"},
      {T::UseFileListHint, "登録されている[良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ]の一覧です。\n" "[ﾒﾆｭｰ項目名]に「>」を入力すると階層ﾒﾆｭｰが始まり、\n" "「<」で階層ﾒﾆｭｰが終わります。\n" "[ﾌｧｲﾙ/ﾌｫﾙﾀﾞ]には、「階層ﾒﾆｭｰ名」を入れてください。\n" "注意：階層ﾒﾆｭｰは１階層までしか設定できません。"},
      {T::UseFileSeparatorRow, "---------------  メニューの区切り線  ---------------"},
      {T::UseFileSubmenuUnnamed, "階層名未設定"},
      {T::UseFileSubmenuEndRow, "<<<<<<<<<<<<<<<  階層化 終わり  <<<<<<<<<<<<<<<"},
      {T::UseFileDeleteCaption, "削除確認"},
      {T::UseFileFolderPickerTitle, "良く使うﾌｫﾙﾀﾞを選択してください。"},
      {T::UseFileFilterAll, "すべてのﾌｧｲﾙ (*.*)"},
      {T::UseFileFilterText, "ﾃｷｽﾄﾌｧｲﾙ (*.txt)"},
      {T::UseFileFilterProgram, "ﾌﾟﾛｸﾞﾗﾑﾌｧｲﾙ (*.exe)"},
      {T::UseFileFilterShortcut, "ｼｮｰﾄｶｯﾄﾌｧｲﾙ(*.lnk)"},
      {T::UseFileFilterDocument, "文書ﾌｧｲﾙ (*.doc)"},
      {T::ClearCaption, "[最近使ったﾌｧｲﾙ]のｸﾘｱ"},
      {T::ClearWindowsRecentTitle, "最近使ったﾌｧｲﾙのｸﾘｱ - ｽﾀｰﾄﾒﾆｭｰ"},
      {T::ClearQuenlarkRecentTitle, "最近使ったﾌｧｲﾙのｸﾘｱ - Quenlark"},
      {T::ClearLinkButton, "ﾘﾝｸ切れ(&L)"},
      {T::ClearLinkHint, "ﾘﾝｸ切れをﾏｰｸ"},
      {T::ClearRevButton, "反転(&R)"},
      {T::ClearRevHint, "ﾁｪｯｸﾏｰｸを反転"},
      {T::ClearOk, "ｸﾘｱ(&C)"},
      {T::ClearOkHint, "ﾁｪｯｸされているﾌｧｲﾙをｸﾘｱし終了"},
      {T::ClearCancel, "ｷｬﾝｾﾙ"},
      {T::ClearCancelHint, "ｸﾘｱの処理をｷｬﾝｾﾙし終了"},
      {T::ClearRecycle, "ｸﾘｱでごみ箱へ移動する"},
      {T::ClearRecycleHint, "[最近使ったﾌｧｲﾙ]のｼｮｰﾄｶｯﾄを削除せずに、ごみ箱へ移動させます。"},
      {T::ClearListGroup, "[最近使ったﾌｧｲﾙ]の一覧  "},
      {T::ClearListHint, "[最近使ったﾌｧｲﾙ]の一覧(ﾁｪｯｸされているﾌｧｲﾙをｸﾘｱ)"},
      {T::ClearNone, "(なし)"},
      {T::ClearConfirmCaption, "ｸﾘｱ確認"},
      {T::ClearConfirmText, "ﾁｪｯｸされている[最近使ったﾌｧｲﾙ]をｸﾘｱしますか？"},
      {T::PassCaption, "ﾊﾟｽﾜｰﾄﾞ入力"},
      {T::PassLabel, "ﾊﾟｽﾜｰﾄﾞを入力してください｡"},
      {T::PassOk, "入  力"},
      {T::PassCancel, "ｷｬﾝｾﾙ"},
      {T::PassWrong, "ﾊﾟｽﾜｰﾄﾞが違います。"},
      {T::PassErrorCaption, "ﾊﾟｽﾜｰﾄﾞｴﾗｰ"},
      {T::PassChangeCaption, "ﾊﾟｽﾜｰﾄﾞ変更"},
      {T::PassChangeLabel1, "ﾊﾟｽﾜｰﾄﾞ "},
      {T::PassChangeLabel2, "再入力"},
      {T::PassChangeOk, "OK"},
      {T::PassChangeCancel, "ｷｬﾝｾﾙ"},
      {T::PassChangeMismatch, "入力された2つのﾊﾟｽﾜｰﾄﾞが異なります。"},
      {T::AboutCaption, "ﾊﾞｰｼﾞｮﾝ情報"},
      {T::AboutDescription, "[最近使ったﾌｧｲﾙ]拡張ﾄﾚｲｱｲｺﾝ"},
      {T::AboutOk, "OK"},
      {T::HelpErrorCaption, "Quenlark"},
  };
  for (const auto& [id, text] : always) EXPECT_STREQ(Text(Face::Japanese, id), text) << static_cast<int>(id);
  // The hot-key fields' three labels read the same.
  EXPECT_STREQ(Text(Face::Japanese, T::SettingUseFileHotKeyLabel), "ｼｮｰﾄｶｯﾄｷｰ");
  EXPECT_STREQ(Text(Face::Japanese, T::SettingQuenlarkHotKeyLabel), "ｼｮｰﾄｶｯﾄｷｰ");
  // The texts composed of pieces and numbers, as they are shown.
  SetFace(Face::Japanese);
  const std::pair<std::string, const char*> composed[] = {
      {FormatText(T::SettingRangeError, Text(T::SettingRecentMaxField), 10, 100), "[最近使ったﾌｧｲﾙ数]の入力範囲は10～100です。"},
      {FormatText(T::SettingRangeError, Text(T::SettingScanTimeField), 1, 60), "[ｽｷｬﾝ間隔(秒)]の入力範囲は1～60です。"},
      {FormatText(T::SettingSameClickError, Text(T::SettingRecentMenuName), Text(T::SettingUseFileMenuName)),
       "[最近使ったﾌｧｲﾙ]と[良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ]のﾏｳｽﾎﾞﾀﾝのｸﾘｯｸ設定が同じです。"},
      {FormatText(T::SettingSameHotKeyError, Text(T::SettingRecentMenuName), Text(T::SettingQuenlarkMenuName)),
       "[最近使ったﾌｧｲﾙ]と[Quenlarkﾒﾆｭｰ]のｼｮｰﾄｶｯﾄキー設定が同じです。"},
      {FormatText(T::SettingSameClickError, Text(T::SettingUseFileMenuName), Text(T::SettingQuenlarkMenuName)),
       "[良く使うﾌｧｲﾙとﾌｫﾙﾀﾞ]と[Quenlarkﾒﾆｭｰ]のﾏｳｽﾎﾞﾀﾝのｸﾘｯｸ設定が同じです。"},
      {FormatText(T::SettingMultiUserHint, std::string("taro")),
       "ﾛｸﾞｲﾝﾕｰｻﾞｰ名を利用してﾏﾙﾁﾕｰｻﾞｰ管理を行います。\n  現在のﾛｸﾞｲﾝﾕｰｻﾞｰ名 : taro"},
      {FormatText(T::UseFileSubmenuStartRow, Text(T::UseFileSubmenuUnnamed)),
       ">>>>>>>>>>>>>>>  階層化 始まり 【階層名未設定】  >>>>>>>>>>>>>>>"},
      {FormatText(T::UseFileStatus, 12), "登録ﾌｧｲﾙ/ﾌｫﾙﾀﾞ数 : 12個"},
      {FormatText(T::UseFileStatusHint, 99), "最大99個まで、ﾌｧｲﾙやﾌｫﾙﾀﾞを登録できます。"},
      {FormatText(T::UseFileDeleteOne, "    + Bravo"), "“    + Bravo” を削除しますか？"},
      {FormatText(T::UseFileDeleteMany, 3), "3個の設定を削除しますか？"},
      {FormatText(T::AboutVersion, "2.4.2"), "Version 2.4.2"},
      {FormatText(T::TrayHintText, 12, 30), "Quenlark - 12/30Files"},
      {FormatText(T::OwnerDrawFailed, "ﾍﾙﾌﾟ(&H)..."), "ﾍﾙﾌﾟ(&H)... のオーナードローに失敗しました"},
  };
  for (const auto& [shown, text] : composed) EXPECT_EQ(shown, text);
}

// Arguments that do not fit a text's placeholders are caught, not printed from the wrong place.
TEST(TextsTest, ArgumentsOfTheWrongKindOrNumberAreCaught) {
  const int before = MismatchedTextArguments();
  EXPECT_EQ(FormatText(TextId::UseFileStatus, "12"), "登録ﾌｧｲﾙ/ﾌｫﾙﾀﾞ数 : 個");
  EXPECT_EQ(FormatText(TextId::SettingRangeError, "[x]", 1), "の入力範囲は～です。");
  EXPECT_EQ(FormatText(TextId::AboutVersion, "1", "2"), "Version ");
  EXPECT_EQ(MismatchedTextArguments(), before + 3);
  EXPECT_EQ(FormatText(TextId::AboutVersion, std::string("1.0")), "Version 1.0");
  EXPECT_EQ(MismatchedTextArguments(), before + 3);
}

TEST(TextsTest, AcceleratorsDifferWithinOneMenuOrDialog) {
  for (Face face : {Face::Japanese, Face::English}) {
    for (const TextRange& group : TextGroups()) {
      std::set<char> taken;
      for (int i = static_cast<int>(group.first); i <= static_cast<int>(group.last); ++i) {
        const std::string text = Text(face, static_cast<TextId>(i));
        const char key = Accelerator(text);
        if (key == 0) continue;
        EXPECT_TRUE(taken.insert(key).second) << text << " takes '" << key << "' again";
      }
    }
  }
}

TEST(TextsTest, TheFaceSetDecidesWhatIsShown) {
  EXPECT_EQ(FormatText(TextId::UseFileStatus, 12), "登録ﾌｧｲﾙ/ﾌｫﾙﾀﾞ数 : 12個");
  SetFace(Face::English);
  EXPECT_EQ(FormatText(TextId::UseFileStatus, 12), "Menu rows: 12");
  EXPECT_STREQ(Text(TextId::MenuExit), "E&xit Quenlark");
  SetFace(Face::Japanese);
  EXPECT_STREQ(Text(TextId::MenuExit), "Quenlarkの終了(&X)");
}

// A Language value naming a face wins in any case; else the UI language's primary language decides.
TEST(TextsTest, FaceFollowsTheOverrideElseTheUiLanguage) {
  const std::tuple<unsigned short, std::optional<std::string>, Face> cases[] = {
      {0x0411, {}, Face::Japanese},   {0x0811, {}, Face::Japanese},      {0x0409, {}, Face::English},
      {0x0412, {}, Face::English},    {0x0411, "EN", Face::English},     {0x0411, "English", Face::English},
      {0x0407, "ja", Face::Japanese}, {0x0409, "JAPANESE", Face::Japanese}, {0x0409, "", Face::English},
      {0x0411, " en ", Face::English}, {0x0411, "e", Face::Japanese},     {0x0409, "jp", Face::English},
      {0x0409, "ja-JP", Face::Japanese}, {0x0411, "en_gb", Face::English}, {0x0411, "English (United States)", Face::English},
      {0x0409, "\t日本語 ", Face::Japanese}, {0x0411, "en-", Face::Japanese}, {0x0411, "english (", Face::Japanese},
      {0x0411, "en-U S", Face::Japanese}, {0x0409, "jap", Face::English}, {0x0411, "fr-FR", Face::Japanese}};
  for (const auto& [language, override, face] : cases)
    EXPECT_EQ(ChooseFace(language, override), face) << language << " " << override.value_or("(none)");
}
