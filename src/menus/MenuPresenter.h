// One popup menu of the program with everything it owns: the system menu, its
// renderer (owner drawing, used when icons are on) and the image list of its
// items. Rebuilt before every opening; its per-opening state is released when
// the menu closes.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "menus/MenuModel.h"
#include "menus/PopupMenus.h"
#include "ui/CoolMenu.h"

namespace quenlark {

class TMenuPresenter {
 public:
  explicit TMenuPresenter(HINSTANCE instance);
  ~TMenuPresenter();
  TMenuPresenter(const TMenuPresenter&) = delete;
  TMenuPresenter& operator=(const TMenuPresenter&) = delete;

  // Builds the menu afresh from the items: with `iconDisp` owner-drawn with
  // pictures in `style` (falls back to plain items when the renderer cannot
  // take the menu); without, plain system items.
  void Rebuild(const std::vector<MenuItem>& items, bool iconDisp, ui::TMenuStyle style);
  HMENU Handle() const;
  int ItemCount() const;
  // What the item with this identifier does (None for an unknown one).
  ChosenItem Find(UINT id) const;
  // Shows the menu with its top-left corner at `at`, owned by `owner`, and
  // returns the chosen item (None when the user cancelled). Releases the
  // per-opening state before returning.
  ChosenItem Show(HWND owner, POINT at);
  // Frees what only one opening needs. Show calls it.
  void Release();

 private:
  TMenuImages images_;
  TPopupMenu menu_;
  ui::TPopupCool renderer_;
};

}  // namespace quenlark
