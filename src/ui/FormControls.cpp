// The form's controls: each made from its table row, placed at the form's
// DPI, and a control's value read and written as its kind shows it.
#include "ui/Forms.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/Win32Handles.h"
#include "platform/Win32System.h"

namespace quenlark {

namespace {

struct ControlClass {
  const wchar_t* windowClass;
  DWORD style;
  DWORD exStyle;
};

ControlClass ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
      return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::FocusLabel:
      return {L"STATIC", SS_LEFT, 0};
    case ControlKind::Rule:
      return {L"STATIC", SS_ETCHEDHORZ, 0};
    case ControlKind::Link:
      return {L"STATIC", SS_LEFT | SS_NOTIFY | SS_NOPREFIX | WS_TABSTOP, 0};
    case ControlKind::Icon:
      return {L"STATIC", SS_ICON, 0};
    case ControlKind::Button:
    case ControlKind::CancelButton:
      return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::SpeedButton:
      return {L"BUTTON", BS_PUSHBUTTON, 0};
    case ControlKind::DefaultButton:
      return {L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::CheckBox:
      return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::RadioButton:
      return {L"BUTTON", BS_AUTORADIOBUTTON, 0};
    case ControlKind::Edit:
      return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::PasswordEdit:
      return {L"EDIT", ES_AUTOHSCROLL | ES_PASSWORD | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::GroupBox:
      return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::ComboBox:
      return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::ListBox:
      return {L"LISTBOX", LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
    case ControlKind::CheckListView:
      return {WC_LISTVIEWW, LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SHOWSELALWAYS | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::UpDown:
      return {UPDOWN_CLASSW, UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0};
    case ControlKind::HotKey:
      return {HOTKEY_CLASSW, WS_TABSTOP, 0};
    case ControlKind::StatusBar:
      return {STATUSCLASSNAMEW, SBARS_SIZEGRIP, 0};
  }
  return {L"STATIC", 0, 0};
}

// Turns a double click on a control into a command to its form.
LRESULT CALLBACK DoubleClickSubclass(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) noexcept {
  // A disabled control gets no mouse input; a message sent to it is ignored too.
  if (msg == WM_LBUTTONDBLCLK && IsWindowEnabled(h)) {
    SendMessageW(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), kDoubleClickCode), reinterpret_cast<LPARAM>(h));
  } else if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(h, &DoubleClickSubclass, 0);
  }
  return DefSubclassProc(h, msg, wp, lp);
}

// Makes a label look and behave like a link: underlined text in the link
// colour, the hand cursor, a place in the tab order with a focus rectangle,
// and Enter or Space pressing it as a click does (STN_CLICKED to the form).
LRESULT CALLBACK LinkSubclass(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) noexcept {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(h, &ps);
      if (!dc) return 0;
      RECT client{};
      GetClientRect(h, &client);
      FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
      platform::UniqueFont underlined;
      LOGFONTW font{};
      if (HFONT base = reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0));
          base && GetObjectW(base, sizeof font, &font)) {
        font.lfUnderline = TRUE;
        underlined.reset(CreateFontIndirectW(&font));
      }
      HGDIOBJ oldFont = underlined ? SelectObject(dc, underlined.get()) : nullptr;
      SetBkMode(dc, TRANSPARENT);
      // The classic link blue: some window systems give the hot-tracking
      // colour a pale grey that no reader takes for a link.
      SetTextColor(dc, IsWindowEnabled(h) ? RGB(0, 102, 204) : GetSysColor(COLOR_GRAYTEXT));
      const std::wstring text = platform::Wide(platform::WindowText(h));
      constexpr UINT kFormat = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, kFormat);
      if (GetFocus() == h) {
        RECT extent = client;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &extent, kFormat | DT_CALCRECT);
        extent.right = std::min(extent.right + 1, client.right);
        extent.bottom = std::min(extent.bottom, client.bottom);
        DrawFocusRect(dc, &extent);
      }
      if (oldFont) SelectObject(dc, oldFont);
      EndPaint(h, &ps);
      return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
      InvalidateRect(h, nullptr, TRUE);
      break;
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));  // IDC_HAND
      return TRUE;
    case WM_GETDLGCODE: {
      // Enter belongs to the focused link, not to the form's default button.
      const MSG* m = reinterpret_cast<const MSG*>(lp);
      if (m && m->message == WM_KEYDOWN && m->wParam == VK_RETURN) return DLGC_WANTMESSAGE;
      break;
    }
    case WM_KEYDOWN:
      if (wp == VK_RETURN || wp == VK_SPACE) {
        // A held key opens the link once, not once per repeat.
        if (lp & 0x40000000) return 0;
        SendMessageW(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), STN_CLICKED), reinterpret_cast<LPARAM>(h));
        return 0;
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(h, &LinkSubclass, 0);
      break;
    default:
      break;
  }
  return DefSubclassProc(h, msg, wp, lp);
}

std::string ListBoxRowText(HWND list, int row) {
  const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT got = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
  text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return platform::ProgramText(text);
}

std::vector<std::string> ListRowTexts(HWND list) {
  std::vector<std::string> rows;
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[1024] = {};
    LVITEMW item{};
    item.pszText = text;
    item.cchTextMax = 1024;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    rows.push_back(platform::ProgramText(platform::WideUntilNul(text, 1024)));
  }
  return rows;
}

}  // namespace

void TForm::CreateControls(std::span<const ControlRow> controls) {
  CreateControls(std::vector<ControlRow>(controls.begin(), controls.end()));
}

void TForm::CreateControls(std::vector<ControlRow> controls) {
  CreateHints();
  const std::size_t first = rows_.size();
  for (ControlRow& row : controls) rows_.push_back(std::move(row));
  HWND previous = nullptr;
  for (std::size_t i = first; i < rows_.size(); ++i) {
    CreateControl(rows_[i], previous);
    previous = Control(rows_[i].id);
  }
}

void TForm::CreateControl(const ControlRow& row, HWND previous) {
  const ControlClass cls = ClassOf(row.kind);
  DWORD style = WS_CHILD | cls.style;
  if (!row.hidden) style |= WS_VISIBLE;
  if (row.readOnly) style |= ES_READONLY;
  // A group starts at its first control; the first radio button of a group
  // is also where the tab key enters it.
  if (row.groupStart || (row.kind == ControlKind::RadioButton && !previous)) style |= WS_GROUP;
  if (row.kind == ControlKind::CheckListView && row.rowHeight > 0) style |= LVS_OWNERDRAWFIXED;
  if (row.kind == ControlKind::RadioButton && (style & WS_GROUP)) style |= WS_TABSTOP;
  const RECT place = RowRect(row);
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  HWND h = nullptr;
  // Every control is a Unicode window: typed double-byte characters arrive
  // whole, and the program converts its CP932 text with code page 932.
  const std::wstring caption = platform::Wide(row.caption);
  h = CreateWindowExW(cls.exStyle, cls.windowClass, caption.c_str(), style, place.left, place.top, width, height, Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), app_.Instance(),
                      nullptr);
  if (!h) return;
  SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  FitToText(row, h);
  switch (row.kind) {
    case ControlKind::PasswordEdit:
      SendMessageW(h, EM_SETPASSWORDCHAR, L'*', 0);
      break;
    case ControlKind::UpDown:
      if (previous) SendMessageW(h, UDM_SETBUDDY, reinterpret_cast<WPARAM>(previous), 0);
      SendMessageW(h, UDM_SETRANGE32, static_cast<WPARAM>(row.low), static_cast<LPARAM>(row.high));
      break;
    case ControlKind::CheckListView: {
      SendMessageW(h, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
      LVCOLUMNW column{};
      column.mask = LVCF_WIDTH;
      SendMessageW(h, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
      PlaceListRows(row, h, place);
      break;
    }
    default:
      break;
  }
  if (!row.items.empty()) SetItems(row.id, row.items);
  if (row.notifyDoubleClick) SetWindowSubclass(h, &DoubleClickSubclass, 0, 0);
  if (row.kind == ControlKind::Link) SetWindowSubclass(h, &LinkSubclass, 0, 0);
  AddHint(h, row.hint);
}

RECT TForm::RowRect(const ControlRow& row) const {
  const int left = Scale(row.left), top = Scale(row.top);
  int height = Scale(row.height);
  if (row.kind == ControlKind::ComboBox) height += Scale(200);  // room for the dropped list
  return RECT{left, top, left + Scale(row.width), top + height};
}

void TForm::FitToText(const ControlRow& row, HWND control) {
  // A label without a designed size takes the size of its text.
  if (row.width != 0 || (row.kind != ControlKind::Label && row.kind != ControlKind::Link)) return;
  std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  caption.resize(static_cast<std::size_t>(GetWindowTextW(control, caption.data(), static_cast<int>(caption.size()))));
  if (platform::WindowDc dc{control}) {
    HGDIOBJ old = SelectObject(dc.get(), font_.get());
    SIZE extent{};
    GetTextExtentPoint32W(dc.get(), caption.c_str(), static_cast<int>(caption.size()), &extent);
    SelectObject(dc.get(), old);
    SetWindowPos(control, nullptr, 0, 0, extent.cx, extent.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void TForm::SetItems(int id, const std::vector<std::string>& items) {
  const ControlRow* row = Row(id);
  HWND h = Control(id);
  if (!row || !h) return;
  switch (row->kind) {
    case ControlKind::ComboBox:
      SendMessageW(h, CB_RESETCONTENT, 0, 0);
      for (const std::string& item : items) {
        SendMessageW(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(platform::Wide(item).c_str()));
      }
      break;
    case ControlKind::ListBox:
      SendMessageW(h, LB_RESETCONTENT, 0, 0);
      for (const std::string& item : items) {
        SendMessageW(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(platform::Wide(item).c_str()));
      }
      break;
    case ControlKind::CheckListView: {
      SendMessageW(h, LVM_DELETEALLITEMS, 0, 0);
      int index = 0;
      for (const std::string& item : items) {
        std::wstring text = platform::Wide(item);
        LVITEMW lv{};
        lv.mask = LVIF_TEXT;
        lv.iItem = index++;
        lv.pszText = text.data();
        SendMessageW(h, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&lv));
      }
      break;
    }
    default:
      break;
  }
}

ControlValue TForm::ReadControl(int id) const {
  ControlValue v;
  const ControlRow* row = Row(id);
  HWND h = Control(id);
  if (!row || !h) return v;
  switch (row->kind) {
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
      v.checked = SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED;
      break;
    case ControlKind::ComboBox:
      v.index = static_cast<int>(SendMessageW(h, CB_GETCURSEL, 0, 0));
      if (v.index < 0) v.index = -1;
      break;
    case ControlKind::ListBox: {
      const int count = static_cast<int>(SendMessageW(h, LB_GETSELCOUNT, 0, 0));
      if (count > 0) {
        v.selection.resize(static_cast<std::size_t>(count));
        const int got = static_cast<int>(
            SendMessageW(h, LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(v.selection.data())));
        v.selection.resize(static_cast<std::size_t>(got > 0 ? got : 0));
      }
      v.index = v.selection.empty() ? -1 : v.selection.front();
      v.focus = ListFocus(id, h, v.selection);
      break;
    }
    case ControlKind::CheckListView: {
      const int count = static_cast<int>(SendMessageW(h, LVM_GETITEMCOUNT, 0, 0));
      for (int i = 0; i < count; ++i) {
        const auto state = SendMessageW(h, LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_STATEIMAGEMASK);
        if (((state & LVIS_STATEIMAGEMASK) >> 12) == 2) v.selection.push_back(i);
      }
      v.focus = static_cast<int>(SendMessageW(h, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
      break;
    }
    case ControlKind::UpDown:
      v.number = static_cast<std::int32_t>(SendMessageW(h, UDM_GETPOS32, 0, 0));
      v.text = std::to_string(v.number);
      break;
    case ControlKind::HotKey:
      v.number = static_cast<std::int32_t>(SendMessageW(h, HKM_GETHOTKEY, 0, 0) & 0xFFFF);
      break;
    default:
      v.text = platform::WindowText(h);
      break;
  }
  return v;
}

void TForm::WriteControl(int id, const ControlValue& v) {
  const ControlRow* row = Row(id);
  HWND h = Control(id);
  if (!row || !h) return;
  switch (row->kind) {
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
      SendMessageW(h, BM_SETCHECK, v.checked ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case ControlKind::ComboBox:
      SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(v.index), 0);
      break;
    case ControlKind::ListBox:
      if (v.rows) {
        WriteList(h, v);
        break;
      }
      SendMessageW(h, LB_SETSEL, FALSE, -1);
      for (int i : v.selection) SendMessageW(h, LB_SETSEL, TRUE, i);
      break;
    case ControlKind::CheckListView: {
      if (v.rows && *v.rows != ListRowTexts(h)) SetItems(id, *v.rows);
      const int count = static_cast<int>(SendMessageW(h, LVM_GETITEMCOUNT, 0, 0));
      for (int i = 0; i < count; ++i) {
        const bool on = std::find(v.selection.begin(), v.selection.end(), i) != v.selection.end();
        LVITEMW lv{};
        lv.stateMask = LVIS_STATEIMAGEMASK;
        lv.state = INDEXTOSTATEIMAGEMASK(on ? 2 : 1);
        SendMessageW(h, LVM_SETITEMSTATE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&lv));
      }
      if (v.rows && v.focus >= 0 && v.focus < count) {
        LVITEMW lv{};
        lv.stateMask = lv.state = LVIS_FOCUSED;
        SendMessageW(h, LVM_SETITEMSTATE, static_cast<WPARAM>(v.focus), reinterpret_cast<LPARAM>(&lv));
      }
      break;
    }
    case ControlKind::UpDown:
      SendMessageW(h, UDM_SETPOS32, 0, v.number);
      break;
    case ControlKind::HotKey:
      SendMessageW(h, HKM_SETHOTKEY, static_cast<WPARAM>(v.number & 0xFFFF), 0);
      break;
    default:
      platform::SetWindowText(h, v.text);
      break;
  }
}

void TForm::WriteList(HWND list, const ControlValue& v) {
  const std::vector<std::string>& rows = *v.rows;
  const int shown = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  // Only the rows whose text changed are rewritten, so the list keeps its
  // scroll position and does not flicker.
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
  for (int i = shown; i > static_cast<int>(rows.size()); --i) SendMessageW(list, LB_DELETESTRING, i - 1, 0);
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const std::string& text = rows[static_cast<std::size_t>(i)];
    if (i < shown) {
      if (ListBoxRowText(list, i) == text) continue;
      SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(i), 0);
    }
    SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(platform::Wide(text).c_str()));
  }
  SendMessageW(list, LB_SETSEL, FALSE, -1);
  for (int i : v.selection) SendMessageW(list, LB_SETSEL, TRUE, i);
  const int id = GetDlgCtrlID(list);
  std::erase_if(unfocused_, [id](const Unfocused& u) { return u.id == id; });
  if (v.focus >= 0) {
    SendMessageW(list, LB_SETCARETINDEX, static_cast<WPARAM>(v.focus), FALSE);
  } else {
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    unfocused_.push_back({id, static_cast<int>(SendMessageW(list, LB_GETCARETINDEX, 0, 0)), v.selection});
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

int TForm::ListFocus(int id, HWND list, const std::vector<int>& selection) const {
  const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  const int caret = static_cast<int>(SendMessageW(list, LB_GETCARETINDEX, 0, 0));
  if (caret < 0 || caret >= count) return -1;
  for (const Unfocused& u : unfocused_) {
    if (u.id == id && u.caret == caret && u.selection == selection) return -1;
  }
  return caret;
}

}  // namespace quenlark
