// The owner-drawn popup menu: each item gets an icon column (an image from
// the renderer's image list, or a check square), its caption in the system's
// menu font, and either the flat look (msOffice) or the classic one
// (msWindows). The geometry and colour decisions live in CoolMenuLayout; this
// unit switches a system menu's items to owner drawing, paints them, and
// answers the menu messages that the popup's owner window hands over.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Win32Handles.h"
#include "ui/CoolMenuLayout.h"
#include "ui/Dpi.h"
#include "ui/MeasuredWidths.h"

namespace quenlark::ui {

// Raised when an item cannot be switched to owner drawing; the message is
// the item's caption in the face's OwnerDrawFailed text.
class ECoolMenuError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What the renderer keeps of an item when it switches it to owner drawing:
// an owner-drawn item no longer gives its text back to the system.
struct TRememberedItem {
  std::string Caption;
  bool Separator = false;
  bool Enabled = true;
  bool Checked = false;
  bool Default = false;
  bool Submenu = false;
};

// The painter. Items are found by their command identifier, so every item
// of a painted menu (submenu parents too) needs an identifier of its own;
// separators may share one.
//
// What the renderer needs while a menu is open (the items it remembers, the
// menu fonts, the dither brush, its memory DCs) is made at the first use in
// an opening and kept until ReleaseOpening: a menu of a hundred items makes
// one font, not two hundred, and nothing of it outlives the opening but the
// captions' widths, which the next opening in the same font uses again.
class TCoolMenu {
 public:
  // The check marks are the icon resources "CHECK" and "CHECKMONO" of
  // `resourceInstance`, loaded at the size for each opening's DPI.
  explicit TCoolMenu(HINSTANCE resourceInstance);
  virtual ~TCoolMenu();
  TCoolMenu(const TCoolMenu&) = delete;
  TCoolMenu& operator=(const TCoolMenu&) = delete;

  TMenuStyle MenuStyle = msOffice;
  // The item images (16 x 16 at 96 DPI, coolmenu::ImageSizeFor the system's
  // DPI); not owned.
  HIMAGELIST Images = nullptr;

  // Width of the icon column at 96 DPI (scaled to the system's); the row
  // height comes from the system font.
  int ItemHeight() const { return itemHeight_; }
  // Values below 18 are refused and the old value stays.
  bool SetItemHeight(int itemHeight);

  // The DPI the next opening measures and paints at (that of the monitor
  // the menu opens on); 0, the default, is the system's.
  void SetDpi(int dpi) { dpi_ = dpi; }
  // Whether the next opening is painted in the dark palette; otherwise, the
  // default, in the system's colours as they are at the opening. The opening
  // keeps its palette until it is released.
  void SetDark(bool dark) { dark_ = dark; }

  std::vector<TItemImage>& ItemImages() { return itemImages_; }
  // Appends an entry (no image, no item) for the caller to fill in.
  TItemImage& AddItemImage();
  void ClearItemImages() { itemImages_.clear(); }
  // The image of item `itemId`, or -1 (no image list, no entry, or an index
  // past the end of the list).
  int ImageIndexOf(UINT itemId) const;

  // Switches every item of `menu` and of its submenus, depth first in menu
  // order, to owner drawing by this renderer. Throws ECoolMenuError.
  void OwnerDrawItems(HMENU menu);

  // What the renderer remembers of item `itemId`, or nullptr.
  const TRememberedItem* FindItem(UINT itemId) const;
  std::size_t RememberedItemCount() const { return items_.size(); }
  // Frees what one opening of the menu needed: the remembered items and the
  // drawing objects. The menu must be built and switched again before it is
  // shown again. The popup renderer does it itself when its menu closes.
  void ReleaseOpening();

  // Told of an error while measuring, painting or answering a menu message;
  // the menu goes on either way.
  std::function<void(const std::string& message)> OnError;

  // WM_MEASUREITEM and WM_DRAWITEM for one of this renderer's items.
  void MeasureItem(MEASUREITEMSTRUCT& measure);
  void PaintItem(const DRAWITEMSTRUCT& draw);

 protected:
  struct PaintContext {
    HDC dc;
    coolmenu::ItemGeometry geometry;
    coolmenu::ItemState state;
    int imageIndex;
  };

  virtual void DrawItem(const PaintContext& pc, const TRememberedItem& item, bool focused);
  virtual void DoMeasureItem(UINT itemId, UINT& height);
  virtual void DrawDisabledImage(HDC dc, int x, int y, int imageIndex);
  virtual void DrawSeparator(HDC dc, const RECT& row);
  virtual void DrawItemText(const PaintContext& pc, const TRememberedItem& item);
  virtual void DrawImageFrame(const PaintContext& pc);
  virtual void DrawCheckImage(const PaintContext& pc);
  // A palette other than the system's gives the popup `menu` and its
  // submenus its background (the border, the room around the items), for
  // the opening; the system's palette leaves the menu as the system draws it.
  void PaintMenuBackground(HMENU menu);

 private:
  struct Opening;
  // The drawing objects of the current opening, made on first use.
  Opening& CurrentOpening();
  HFONT MenuFont(bool bold);
  enum class Mark { Black, Grey };
  void DrawMark(HDC dc, const LayoutRect& box, Mark which);
  void DrawSubmenuArrow(const PaintContext& pc);
  void OwnerDrawLevel(HMENU menu, const std::string& parentCaption, int depth);
  TRememberedItem ItemOrBlank(UINT itemId) const;

  HINSTANCE resourceInstance_;
  int itemHeight_ = coolmenu::kDefaultItemHeight;
  int dpi_ = 0;
  bool dark_ = false;
  std::vector<TItemImage> itemImages_;
  std::map<UINT, TRememberedItem> items_;
  // Caption widths kept from one opening to the next.
  MeasuredWidths widths_;
  std::unique_ptr<Opening> opening_;
};

// The renderer of one popup menu, with the routing of the owner window's
// menu messages to the renderer they concern.
class TPopupCool : public TCoolMenu {
 public:
  explicit TPopupCool(HINSTANCE resourceInstance);
  ~TPopupCool() override;

  // Attaches the menu and switches its items to owner drawing at once (when
  // it differs from the current one); nullptr detaches, leaving switched
  // items as they are. Throws ECoolMenuError.
  void SetMenu(HMENU menu);
  HMENU Menu() const;

  // The owner window of the popup menus calls this first for every message.
  // Returns true when a renderer handled the message (its answer is in
  // `result`); otherwise the window goes on as usual. Never throws. When a
  // renderer's menu closes (WM_UNINITMENUPOPUP of the bound menu itself) the
  // renderer releases its opening and the message goes on as usual.
  static bool RouteMessage(HWND owner, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) noexcept;

  // The WM_MENUCHAR answer for the typed key code `typed` (MatchAccelerator's)
  // in `popup` (the bound menu or one of its submenus).
  LRESULT MenuChar(HMENU popup, unsigned typed) const;

  // The name item `itemId` is found by when the user types (ui/TypeToFind);
  // an item without one is never found so. Where no accelerator matches a
  // typed character, a popup with such items selects the item typing finds
  // (MNC_SELECT; nothing found keeps the selection, without a beep); other
  // popups keep their accelerators alone.
  void SetFindName(UINT itemId, std::string name);
  // Forgets the names and what was typed (a new build numbers items afresh).
  void ClearFindNames();
  // The WM_MENUCHAR answer of typing `typed` in `popup` where no accelerator
  // matched, at `tick` (GetTickCount) for the type-ahead time.
  LRESULT FindByTyping(HWND owner, HMENU popup, wchar_t typed, unsigned tick);

 private:
  bool Owns(HMENU popup);
  static TPopupCool* ByItemData(ULONG_PTR data);
  static TPopupCool* ByMenu(HMENU popup);
  void Report(const char* message) const noexcept;
  static bool CheckTypedSelection(HWND owner, UINT msg, WPARAM position, LPARAM popup);

  HMENU menu_ = nullptr;
  std::map<UINT, std::string> findNames_;
  // What was typed in which popup and when; the position the last answer
  // selected, until the owner's check (CheckTypedSelection) has seen it.
  struct Typing {
    HMENU popup = nullptr;
    std::string text;
    unsigned tick = 0;
    std::optional<UINT> selecting;
  } typing_;
};

}  // namespace quenlark::ui
