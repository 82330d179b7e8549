#include "menus/MenuPresenter.h"

namespace quenlark {

TMenuPresenter::TMenuPresenter(HINSTANCE instance, platform::ITheme* theme)
    : theme_(theme), images_(instance), renderer_(instance) {
  renderer_.Images = images_.IconImageList();
}

TMenuPresenter::~TMenuPresenter() { renderer_.SetMenu(nullptr); }

void TMenuPresenter::Rebuild(const std::vector<MenuItem>& items, bool iconDisp, ui::TMenuStyle style, int iconScope,
                             POINT at) {
  // Whatever an earlier opening left (a build that was never shown) goes
  // first, so that a rebuild starts from an empty menu and image list.
  Release();
  // Measured and painted at the DPI of the monitor the menu opens on (the
  // tray icon's for a click, the pointer's place for a hot key), wherever
  // the pointer has moved since.
  const int dpi = ui::MonitorDpiAt(at);
  images_.SetDpi(dpi);
  renderer_.Images = images_.IconImageList();
  renderer_.SetDpi(dpi);
  // The theme too is taken afresh for every opening: a change shows at the next.
  renderer_.SetDark(theme_ && theme_->AppsUseDarkTheme());
  menu_.EnsureMenu();
  ui::TPopupCool* renderer = nullptr;
  if (iconDisp) {
    try {
      renderer_.SetMenu(menu_.Handle());
      renderer = &renderer_;
    } catch (const ui::ECoolMenuError&) {
      // The menu is shown plain rather than not at all.
      renderer_.SetMenu(nullptr);
    }
  } else {
    renderer_.SetMenu(nullptr);
  }
  renderer_.MenuStyle = style;
  images_.BeginBuild(iconScope);
  // The build starts its own image list.
  renderer_.Images = images_.IconImageList();
  menu_.Build(items, images_, renderer);
  images_.EndBuild();
  if (!renderer) return;
  try {
    renderer->OwnerDrawItems(menu_.Handle());
  } catch (const ui::ECoolMenuError&) {
    // Items that could not be switched keep the system's drawing.
  }
}

HMENU TMenuPresenter::Handle() const { return menu_.Handle(); }

int TMenuPresenter::ItemCount() const { return menu_.ItemCount(); }

ChosenItem TMenuPresenter::Find(UINT id) const { return menu_.Find(id); }

ChosenItem TMenuPresenter::Show(HWND owner, POINT at) {
  ChosenItem chosen;
  if (ItemCount() > 0) {
    const UINT id = static_cast<UINT>(TrackPopupMenu(menu_.Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                                     at.x, at.y, 0, owner, nullptr));
    // Lets the menu close properly when the user clicks elsewhere next time.
    PostMessageW(owner, WM_NULL, 0, 0);
    if (id != 0) chosen = menu_.Find(id);
  }
  Release();
  return chosen;
}

void TMenuPresenter::Release() {
  renderer_.ReleaseOpening();
  renderer_.ClearItemImages();
  renderer_.ClearFindNames();
  images_.Clear();
  menu_.Clear();
}

}  // namespace quenlark
