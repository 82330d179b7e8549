#include "menus/ProgramMenu.h"

namespace quenlark {

std::vector<TemplateItem> MainPopupMenu() {
  using T = TextId;
  using P = CommandPicture;
  return {
      {"SettingMenuItem", Text(T::MenuSetting), P::Settings, MenuCommand::Setting, true, {}},
      {"UseFileSettingMenuItem", Text(T::MenuUseFileSetting), P::Favourites, MenuCommand::UseFileSetting, true, {}},
      {"N1", "-", P::None, MenuCommand::None, true, {}},
      {"ClearMenuItem",
       Text(T::MenuClear),
       P::Clear,
       MenuCommand::None,
       true,
       {
           {"ClearWindowsRecentMenuItem", Text(T::MenuClearWindowsRecent), P::ShellRecent, MenuCommand::ClearWindowsRecent, true, {}},
           {"ClearQuenlarkRecentMenuItem", Text(T::MenuClearQuenlarkRecent), P::History, MenuCommand::ClearQuenlarkRecent, true,
            {}},
       }},
      {"N2", "-", P::None, MenuCommand::None, true, {}},
      {"HelpMenuItem", Text(T::MenuHelp), P::Help, MenuCommand::Help, true, {}},
      {"AboutMenuItem", Text(T::MenuAbout), P::About, MenuCommand::About, true, {}},
      {"N3", "-", P::None, MenuCommand::None, true, {}},
      {"ExitMenuItem", Text(T::MenuExit), P::Exit, MenuCommand::Exit, true, {}},
  };
}

namespace {

MenuItem CopyOf(const TemplateItem& source, bool iconDisp) {
  MenuItem item;
  item.caption = source.caption;
  item.command = source.command;
  // The picture goes with the command's template item, not its caption, so
  // that every face finds the same one.
  if (iconDisp && source.picture != CommandPicture::None) {
    item.icon.kind = IconRequest::Kind::CommandImage;
    item.icon.index = static_cast<int>(source.picture);
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
