// One popup menu of the program with everything it owns, from the items the
// menu builders describe to the command the user chose.
#pragma once

#include <windows.h>

#include <vector>

#include "menus/MenuModel.h"
#include "menus/PopupMenus.h"
#include "platform/Theme.h"
#include "ui/CoolMenu.h"

namespace quenlark {

// One popup menu of the program with everything it owns: the system menu, its
// renderer (owner drawing, used when icons are on) and the image list of its
// items. Rebuilt before every opening; its per-opening state is released when
// the menu closes, while the icons looked up for it are kept for the next
// opening (bounded, each dropped when its file changes or it leaves the menu).
class TMenuPresenter {
 public:
  // `theme` (not owned; none: light) is asked at every build whether the
  // menu is painted dark.
  explicit TMenuPresenter(HINSTANCE instance, platform::ITheme* theme = nullptr);
  ~TMenuPresenter();
  TMenuPresenter(const TMenuPresenter&) = delete;
  TMenuPresenter& operator=(const TMenuPresenter&) = delete;

  // Builds the menu afresh from the items: with `iconDisp` owner-drawn with
  // pictures in `style` (falls back to plain items when the renderer cannot
  // take the menu); without, plain system items. Pictures are kept between
  // builds of the same `iconScope` (one for each menu the presenter shows)
  // while their files are unchanged; those a build did not use are dropped.
  // The menu is measured and its pictures made at the DPI of the monitor
  // that holds `at`, the point Show will open it at (the primary monitor's
  // top-left corner unless told), in the dark palette when the theme is dark
  // then.
  void Rebuild(const std::vector<MenuItem>& items, bool iconDisp, ui::TMenuStyle style, int iconScope = 0,
               POINT at = {});
  HMENU Handle() const;
  int ItemCount() const;
  // What the item with this identifier does (None for an unknown one).
  ChosenItem Find(UINT id) const;
  // Shows the menu with its top-left corner at `at`, owned by `owner` (whose
  // window procedure routes the menu messages through
  // ui::TPopupCool::RouteMessage), and returns the chosen item (None when the
  // user cancelled). Releases the per-opening state before returning.
  ChosenItem Show(HWND owner, POINT at);
  // Frees what only one opening needs (the renderer's remembered items, the
  // item images, the menu's items). Show calls it; harmless to call again.
  void Release();

  // The renderer, to read back what it would paint (captions, images).
  const ui::TPopupCool& Renderer() const { return renderer_; }
  // The image list of the items (its image size follows the system DPI).
  HIMAGELIST Images() const { return images_.IconImageList(); }
  // The pictures of the items and those kept between openings.
  const TMenuImages& ImageStore() const { return images_; }

 private:
  // Declared in this order so that the renderer goes first, then the menu it
  // paints, then the images it points at.
  platform::ITheme* theme_;
  TMenuImages images_;
  TPopupMenu menu_;
  ui::TPopupCool renderer_;
};

}  // namespace quenlark
