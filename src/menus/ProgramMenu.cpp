#include "menus/ProgramMenu.h"

namespace quenlark {

std::vector<TemplateItem> MainPopupMenu() {
  using T = TextId;
  return {
      {"SettingMenuItem", Text(T::MenuSetting), 1, MenuCommand::Setting, true, {}},
      {"UseFileSettingMenuItem", Text(T::MenuUseFileSetting), 2, MenuCommand::UseFileSetting, true, {}},
      {"N1", "-", -1, MenuCommand::None, true, {}},
      {"ClearMenuItem",
       Text(T::MenuClear),
       3,
       MenuCommand::None,
       true,
       {
           {"ClearWindowsRecentMenuItem", Text(T::MenuClearWindowsRecent), 5, MenuCommand::ClearWindowsRecent, true, {}},
           {"ClearQuenlarkRecentMenuItem", Text(T::MenuClearQuenlarkRecent), 0, MenuCommand::ClearQuenlarkRecent, true,
            {}},
       }},
      {"N2", "-", -1, MenuCommand::None, true, {}},
      {"HelpMenuItem", Text(T::MenuHelp), 4, MenuCommand::Help, true, {}},
      {"AboutMenuItem", Text(T::MenuAbout), 6, MenuCommand::About, true, {}},
      {"N3", "-", -1, MenuCommand::None, true, {}},
      {"ExitMenuItem", Text(T::MenuExit), 8, MenuCommand::Exit, true, {}},
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
