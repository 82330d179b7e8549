#include "menus/ProgramMenu.h"

namespace quenlark {

namespace {

constexpr const char* kSettingCaption = "Quenlarkの設定(&S)...";
constexpr const char* kUseFileSettingCaption = "良く使うﾌｧｲﾙとﾌｫﾙﾀﾞの設定(&U)...";
constexpr const char* kClearCaption = "最近使ったﾌｧｲﾙのｸﾘｱ";
constexpr const char* kClearWindowsRecentCaption = "ｽﾀｰﾄﾒﾆｭｰ";
constexpr const char* kClearQuenlarkRecentCaption = "Quenlark";
constexpr const char* kHelpCaption = "ﾍﾙﾌﾟ(&H)...";
constexpr const char* kAboutCaption = "ﾊﾞｰｼﾞｮﾝ情報(&A)...";
constexpr const char* kExitCaption = "Quenlarkの終了(&X)";

}  // namespace

const std::vector<TemplateItem>& MainPopupMenu() {
  static const std::vector<TemplateItem> items = {
      {"SettingMenuItem", kSettingCaption, 1, MenuCommand::Setting, true, {}},
      {"UseFileSettingMenuItem", kUseFileSettingCaption, 2, MenuCommand::UseFileSetting, true, {}},
      {"N1", "-", -1, MenuCommand::None, true, {}},
      {"ClearMenuItem",
       kClearCaption,
       3,
       MenuCommand::None,
       true,
       {
           {"ClearWindowsRecentMenuItem", kClearWindowsRecentCaption, 5, MenuCommand::ClearWindowsRecent, true, {}},
           {"ClearQuenlarkRecentMenuItem", kClearQuenlarkRecentCaption, 0, MenuCommand::ClearQuenlarkRecent, true,
            {}},
       }},
      {"N2", "-", -1, MenuCommand::None, true, {}},
      {"HelpMenuItem", kHelpCaption, 4, MenuCommand::Help, true, {}},
      {"AboutMenuItem", kAboutCaption, 6, MenuCommand::About, true, {}},
      {"N3", "-", -1, MenuCommand::None, true, {}},
      {"ExitMenuItem", kExitCaption, 8, MenuCommand::Exit, true, {}},
  };
  return items;
}

int CommandImageIndexOf(const std::string& caption) {
  // The pictures go by caption, in this order, the first equal one deciding.
  static const struct {
    const char* caption;
    int image;
  } kByCaption[] = {
      {kExitCaption, 8},
      {kAboutCaption, 6},
      {kHelpCaption, 4},
      {kClearQuenlarkRecentCaption, 0},
      {kClearWindowsRecentCaption, 5},
      {kClearCaption, 3},
      {kUseFileSettingCaption, 2},
      {kSettingCaption, 1},
  };
  for (const auto& entry : kByCaption) {
    if (caption == entry.caption) return entry.image;
  }
  return -1;
}

namespace {

MenuItem CopyOf(const TemplateItem& source, bool iconDisp) {
  MenuItem item;
  item.caption = source.caption;
  item.command = source.command;
  if (iconDisp) {
    const int image = CommandImageIndexOf(item.caption);
    if (image >= 0) {
      item.icon.kind = IconRequest::Kind::CommandImage;
      item.icon.index = image;
    }
  }
  return item;
}

}  // namespace

std::vector<MenuItem> MirrorTemplate(const std::vector<TemplateItem>& items, bool iconDisp) {
  std::vector<MenuItem> copy;
  for (const TemplateItem& top : items) {
    if (!top.visible) continue;
    MenuItem item = CopyOf(top, iconDisp);
    for (const TemplateItem& child : top.children) {
      if (child.visible) item.children.push_back(CopyOf(child, iconDisp));
    }
    copy.push_back(std::move(item));
  }
  return copy;
}

std::vector<MenuItem> MirrorMainMenu(bool iconDisp) { return MirrorTemplate(MainPopupMenu(), iconDisp); }

}  // namespace quenlark
