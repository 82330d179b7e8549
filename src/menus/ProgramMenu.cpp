#include "menus/ProgramMenu.h"

namespace quenlark {

std::vector<TemplateItem> MainPopupMenu() {
  using T = TextId;
  return {
      {"SettingMenuItem", Text(T::MenuSetting), kSettingsPicture, MenuCommand::Setting, true, {}},
      {"UseFileSettingMenuItem",
       Text(T::MenuUseFileSetting),
       kFavouritesPicture,
       MenuCommand::UseFileSetting,
       true,
       {}},
      {"N1", "-", kNoPicture, MenuCommand::None, true, {}},
      {"ClearMenuItem",
       Text(T::MenuClear),
       kClearPicture,
       MenuCommand::None,
       true,
       {
           {"ClearWindowsRecentMenuItem",
            Text(T::MenuClearWindowsRecent),
            kShellRecentPicture,
            MenuCommand::ClearWindowsRecent,
            true,
            {}},
           {"ClearQuenlarkRecentMenuItem",
            Text(T::MenuClearQuenlarkRecent),
            kHistoryPicture,
            MenuCommand::ClearQuenlarkRecent,
            true,
            {}},
       }},
      {"N2", "-", kNoPicture, MenuCommand::None, true, {}},
      {"HelpMenuItem", Text(T::MenuHelp), kHelpPicture, MenuCommand::Help, true, {}},
      {"AboutMenuItem", Text(T::MenuAbout), kAboutPicture, MenuCommand::About, true, {}},
      {"N3", "-", kNoPicture, MenuCommand::None, true, {}},
      {"ExitMenuItem", Text(T::MenuExit), kExitPicture, MenuCommand::Exit, true, {}},
  };
}

namespace {

MenuItem CopyOf(const TemplateItem& source, bool iconDisp) {
  MenuItem item;
  item.caption = source.caption;
  item.command = source.command;
  // The picture goes with the command's template item, not its caption, so
  // that every face finds the same one.
  if (iconDisp && source.imageIndex >= 0) {
    item.icon.kind = IconRequest::Kind::CommandImage;
    item.icon.index = source.imageIndex;
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
