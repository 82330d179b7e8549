// Check lists whose rows the form draws: the check boxes at the form's DPI
// and the rows' height from the table.
#include "ui/Forms.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/Win32Handles.h"
#include "ui/Dpi.h"

namespace quenlark {

namespace {

// One row of a check list whose rows the form draws: the check box in the
// place where the list takes clicks on it (its state image's), then the
// text, highlighted when selected, with a focus rectangle on the focus row.
void DrawCheckRow(const DRAWITEMSTRUCT& draw) {
  HWND list = draw.hwndItem;
  HDC dc = draw.hDC;
  const RECT row = draw.rcItem;
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  const bool active = GetFocus() == list;
  const bool enabled = IsWindowEnabled(list) != FALSE;
  FillRect(dc, &row, GetSysColorBrush(selected ? (active ? COLOR_HIGHLIGHT : COLOR_BTNFACE) : COLOR_WINDOW));
  const int height = row.bottom - row.top;
  int boxWidth = height, boxHeight = height;
  if (auto states = reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_STATE, 0))) {
    ImageList_GetIconSize(states, &boxWidth, &boxHeight);
  }
  const int side = std::max(std::min(boxWidth, height) - 2, 4);
  RECT box{row.left + (boxWidth - side) / 2, row.top + (height - side) / 2, 0, 0};
  box.right = box.left + side;
  box.bottom = box.top + side;
  const auto state = SendMessageW(list, LVM_GETITEMSTATE, draw.itemID, LVIS_STATEIMAGEMASK);
  const bool checked = ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
  DrawFrameControl(dc, &box, DFC_BUTTON,
                   DFCS_BUTTONCHECK | DFCS_FLAT | (checked ? DFCS_CHECKED : 0) | (enabled ? 0 : DFCS_INACTIVE));
  wchar_t text[1024] = {};
  LVITEMW item{};
  item.pszText = text;
  item.cchTextMax = 1024;
  SendMessageW(list, LVM_GETITEMTEXTW, draw.itemID, reinterpret_cast<LPARAM>(&item));
  RECT label{row.left + boxWidth + 2, row.top, row.right, row.bottom};
  HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(!enabled ? COLOR_GRAYTEXT : selected && active ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  DrawTextW(dc, text, -1, &label, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(dc, oldFont);
  if ((draw.itemState & ODS_FOCUS) && active) DrawFocusRect(dc, &label);
}

// Gives a check list check boxes at the small-icon size of a DPI. A list
// makes its state images (the boxes) once, at the system's DPI, and does not
// make them again when its window moves to a monitor of another DPI; where
// their size is not that of the DPI, the form draws the two states a click
// toggles between itself. Their size is also where the list takes clicks on
// the box, and the width of the box the owner-drawn rows paint.
// At the system's DPI the list's own boxes stay unless the form replaced
// them at another DPI before (`drawn`, set here), so a list that never
// moves looks as the system draws it.
void FitCheckBoxes(HWND list, int dpi, bool& drawn) {
  if (dpi == ui::SystemDpi() && !drawn) return;
  const int cx = ui::SystemMetricForDpi(SM_CXSMICON, dpi), cy = ui::SystemMetricForDpi(SM_CYSMICON, dpi);
  int width = 0, height = 0;
  auto current = reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_STATE, 0));
  if (current && ImageList_GetIconSize(current, &width, &height) && width == cx && height == cy) return;
  HIMAGELIST boxes = ImageList_Create(cx, cy, ILC_COLOR32 | ILC_MASK, 2, 0);
  platform::WindowDc screen{list};
  platform::UniqueMemoryDc dc{CreateCompatibleDC(screen.get())};
  if (!boxes || !dc) {
    if (boxes) ImageList_Destroy(boxes);
    return;
  }
  constexpr COLORREF kKey = RGB(255, 0, 255);
  const int inset = std::max(cx / 8, 1);
  for (const UINT state : {0u, static_cast<UINT>(DFCS_CHECKED)}) {
    platform::UniqueBitmap bitmap{CreateCompatibleBitmap(screen.get(), cx, cy)};
    HGDIOBJ old = SelectObject(dc.get(), bitmap.get());
    RECT all{0, 0, cx, cy};
    platform::UniqueBrush key{CreateSolidBrush(kKey)};
    FillRect(dc.get(), &all, key.get());
    RECT box{inset, (cy - (cx - 2 * inset)) / 2, cx - inset, 0};
    box.bottom = box.top + (cx - 2 * inset);
    DrawFrameControl(dc.get(), &box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | state);
    SelectObject(dc.get(), old);
    ImageList_AddMasked(boxes, bitmap.get(), kKey);
  }
  drawn = true;
  // The list hands back the boxes it had; without LVS_SHAREIMAGELISTS it
  // destroys the new ones with its window.
  if (auto previous = reinterpret_cast<HIMAGELIST>(
          SendMessageW(list, LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(boxes)))) {
    ImageList_Destroy(previous);
  }
}

}  // namespace

void TForm::PlaceListRows(const ControlRow& row, HWND list, const RECT& place) {
  const int width = place.right - place.left;
  FitCheckBoxes(list, dpi_, checkBoxesDrawn_);
  SendMessageW(list, LVM_SETCOLUMNWIDTH, 0, width - ui::SystemMetricForDpi(SM_CXVSCROLL, dpi_) - 4);
  if (row.rowHeight > 0) {
    // An owner-drawn list asks its row height when its size is set.
    WINDOWPOS pos{list, nullptr, place.left, place.top, width, place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE};
    SendMessageW(list, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  }
}

LRESULT TForm::OnMeasureItem(UINT msg, WPARAM wp, LPARAM lp) {
  auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
  const ControlRow* row = measure->CtlType == ODT_LISTVIEW ? Row(static_cast<int>(measure->CtlID)) : nullptr;
  if (!row || row->rowHeight <= 0) return Default(msg, wp, lp);
  measure->itemHeight = static_cast<UINT>(Scale(row->rowHeight));
  return TRUE;
}

LRESULT TForm::OnDrawItem(UINT msg, WPARAM wp, LPARAM lp) {
  const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
  if (draw->CtlType != ODT_LISTVIEW) return Default(msg, wp, lp);
  DrawCheckRow(*draw);
  return TRUE;
}

}  // namespace quenlark
