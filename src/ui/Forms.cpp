#include "ui/Forms.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>

#include "platform/Win32Handles.h"
#include "platform/Win32Theme.h"
#include "platform/Win32System.h"
#include "ui/CoolMenu.h"
#include "ui/Dpi.h"

namespace quenlark {

namespace {

// The forms' font. The Japanese face: the Japanese proportional Gothic, 12
// pixels high at 96 dpi. The English face: the dialog font of English
// Windows, "MS Shell Dlg 2" (Tahoma) at 8 points; a Japanese font would draw
// every backslash of a path as a yen sign, and the user-interface face of
// today (Segoe UI, 16 pixels a line at 9 points) does not fit the 14-pixel
// rows the dialogs share between the two faces.
HFONT CreateFormFont(int dpi) {
  if (CurrentFace() == Face::English) {
    return CreateFontW(-MulDiv(11, dpi, 96), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       L"MS Shell Dlg 2");
  }
  return CreateFontW(-MulDiv(12, dpi, 96), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                     platform::Wide("ＭＳ Ｐゴシック").c_str());
}

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

BOOL CALLBACK CollectEnabledWindow(HWND w, LPARAM p) {
  auto* list = reinterpret_cast<std::vector<HWND>*>(p);
  if (IsWindowVisible(w) && IsWindowEnabled(w)) list->push_back(w);
  return TRUE;
}

}  // namespace

ScreenSize PlacementScreenSize() {
  const platform::OsVersion v = platform::QueryOsVersion();
  const platform::ScreenExtent e = UsesVirtualScreen(WindowsVersionName(v.queried, v.platformId, v.major, v.minor))
                                       ? platform::VirtualScreenExtent()
                                       : platform::PrimaryScreenExtent();
  return {e.width, e.height};
}

TForm::TForm(TApplication& app, platform::IRegistry& registry, std::string className, std::string caption,
             int clientWidth, int clientHeight, DWORD style, DWORD exStyle, SizeKind sizeKind)
    : app_(app),
      registry_(registry),
      className_(std::move(className)),
      caption_(std::move(caption)),
      clientWidth_(clientWidth),
      clientHeight_(clientHeight),
      style_(style),
      exStyle_(exStyle),
      sizeKind_(sizeKind) {}

TForm::~TForm() { DestroyHandle(); }

bool TForm::Create() {
  if (Handle()) return true;
  if (!RegisterWindowClass(app_.Instance(), className_.c_str(), CS_DBLCLKS, LoadIconW(app_.Instance(), L"MAINICON"),
                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1))) {
    return false;
  }
  // The DPI of the monitor the form is opened from; were it placed on a
  // monitor of another DPI, WM_DPICHANGED (or ShowDpi) scales it there.
  POINT cursor{};
  dpi_ = GetCursorPos(&cursor) ? ui::MonitorDpiAt(cursor) : ui::SystemDpi();
  RECT r{0, 0, Scale(clientWidth_), Scale(clientHeight_)};
  if (sizeKind_ == SizeKind::Client) AdjustWindowRectEx(&r, style_, FALSE, exStyle_);
  if (!CreateHandle(exStyle_, className_.c_str(), caption_.c_str(), style_, CW_USEDEFAULT, CW_USEDEFAULT,
                    r.right - r.left, r.bottom - r.top, app_.Handle(), app_.Instance())) {
    return false;
  }
  font_.reset(CreateFormFont(dpi_));
  SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  FormCreate();
  LoadPlacement();
  return true;
}

void TForm::SaveState() {
  if (stateSaved_ || !Handle()) return;
  stateSaved_ = true;
  SavePlacement();
  FormDestroy();
}

void TForm::Destroy() {
  SaveState();
  if (!released_) {
    released_ = true;
    FormRelease();
  }
  DestroyHandle();
}

LRESULT TForm::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (msg == WM_MOUSEMOVE || msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP || msg == WM_RBUTTONDOWN ||
      msg == WM_RBUTTONUP || msg == WM_MBUTTONDOWN || msg == WM_MBUTTONUP) {
    RelayToHints(msg, wp, lp);
  }
  // The title bar follows the apps' theme when it changes.
  if (msg == WM_SETTINGCHANGE || msg == WM_THEMECHANGED) platform::FollowThemeInTitleBar(Handle(), app_.DarkTheme());
  if (HandleMessage(msg, wp, lp, result)) return result;
  switch (msg) {
    case WM_DPICHANGED: {
      const RECT* suggested = reinterpret_cast<const RECT*>(lp);
      ChangeDpi(HIWORD(wp), suggested);
      return 0;
    }
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      const ControlRow* row = measure->CtlType == ODT_LISTVIEW ? Row(static_cast<int>(measure->CtlID)) : nullptr;
      if (!row || row->rowHeight <= 0) return Default(msg, wp, lp);
      measure->itemHeight = static_cast<UINT>(Scale(row->rowHeight));
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      if (draw->CtlType != ODT_LISTVIEW) return Default(msg, wp, lp);
      DrawCheckRow(*draw);
      return TRUE;
    }
    case WM_CLOSE:
      Close(mrCancel);
      return 0;
    case WM_COMMAND: {
      const int id = LOWORD(wp);
      const int code = HIWORD(wp);
      auto it = std::find_if(commands_.begin(), commands_.end(),
                             [&](const CommandRow& c) { return c.id == id && c.code == code; });
      if (it != commands_.end() && it->handler) {
        it->handler();
      } else {
        OnCommand(id, code);
      }
      return 0;
    }
    case WM_ACTIVATE: {
      // As a dialog does: the control that had the focus when the form was
      // left (for a message box, another program) has it again when the
      // form comes back, else the first control in tab order. Without this
      // the form itself keeps the focus and the keyboard reaches no control.
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus)) focus_ = focus;
        return Default(msg, wp, lp);
      }
      const LRESULT result = Default(msg, wp, lp);
      HWND focus = GetFocus();
      if (!(focus && IsChild(Handle(), focus)) && !IsIconic(Handle())) {
        HWND target = focus_ && IsWindow(focus_) && IsChild(Handle(), focus_) && IsWindowEnabled(focus_) &&
                              IsWindowVisible(focus_)
                          ? focus_
                          : GetNextDlgTabItem(Handle(), nullptr, FALSE);
        if (target && target != Handle()) SetFocus(target);
      }
      return result;
    }
    case WM_NEXTDLGCTL: {
      // The dialog manager asks for this when a label's "&" letter is typed:
      // the focus goes to the label, then on to the next control in tab order.
      HWND target = lp ? reinterpret_cast<HWND>(wp) : GetNextDlgTabItem(Handle(), GetFocus(), wp != 0);
      if (target && IsChild(Handle(), target)) SetFocus(target);
      return 0;
    }
    case DM_GETDEFID: {
      // Enter in the form presses its default button, and only that.
      const int row = FindRowKind(ControlKind::DefaultButton);
      return row >= 0 ? MAKELRESULT(rows_[static_cast<std::size_t>(row)].id, DC_HASDEFID) : 0;
    }
    default:
      return Default(msg, wp, lp);
  }
}

bool TForm::HandleMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

int TForm::FindRowKind(ControlKind kind) const {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].kind == kind) return static_cast<int>(i);
  }
  return -1;
}

void TForm::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  // Enter arrives as IDOK and Esc as IDCANCEL; they press the designed
  // default and cancel buttons, whose handlers (or the plain closing) decide.
  const int defaultRow = FindRowKind(ControlKind::DefaultButton);
  const int cancelRow = FindRowKind(ControlKind::CancelButton);
  const int defaultId = defaultRow >= 0 ? rows_[static_cast<std::size_t>(defaultRow)].id : 0;
  const int cancelId = cancelRow >= 0 ? rows_[static_cast<std::size_t>(cancelRow)].id : 0;
  auto handler = [&](int target) -> const CommandRow* {
    for (const CommandRow& c : commands_) {
      if (c.id == target && c.code == BN_CLICKED && c.handler) return &c;
    }
    return nullptr;
  };
  if ((id == IDOK && defaultRow >= 0) || (defaultRow >= 0 && id == defaultId)) {
    // Enter does not press a default button that is disabled.
    if (!IsWindowEnabled(Control(defaultId))) return;
    if (const CommandRow* c = handler(defaultId)) {
      c->handler();
    } else {
      Close(mrOk);
    }
  } else if ((id == IDCANCEL && cancelRow >= 0) || (cancelRow >= 0 && id == cancelId)) {
    if (const CommandRow* c = handler(cancelId)) {
      c->handler();
    } else {
      Close(mrCancel);
    }
  } else if (id == IDOK && Row(IDOK)) {
    Close(mrOk);
  } else if (id == IDCANCEL && Row(IDCANCEL)) {
    Close(mrCancel);
  }
}

const ControlRow* TForm::Row(int id) const {
  for (const ControlRow& row : rows_) {
    if (row.id == id) return &row;
  }
  return nullptr;
}

void TForm::CreateControls(std::span<const ControlRow> controls) {
  CreateControls(std::vector<ControlRow>(controls.begin(), controls.end()));
}

void TForm::CreateControls(std::vector<ControlRow> controls) {
  if (!tooltip_) {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                               app_.Instance(), nullptr);
    if (tooltip_) {
      SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(app_.HintHidePause, 0));
      // A width makes the tooltip honour line feeds; lines break only there.
      SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN));
    }
  }
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

void TForm::ChangeDpi(int dpi, const RECT* suggested) {
  if (dpi <= 0) return;
  dpi_ = dpi;
  // The new font first: the controls drop the old one before it goes.
  platform::UniqueFont font{CreateFormFont(dpi_)};
  SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  for (const ControlRow& row : rows_) {
    HWND h = Control(row.id);
    if (!h) continue;
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    if (row.kind == ControlKind::StatusBar) continue;  // placed by its own WM_SIZE
    if (row.kind == ControlKind::UpDown) {
      // Placed against its buddy (placed before it), as when it was made.
      SendMessageW(h, UDM_SETBUDDY, SendMessageW(h, UDM_GETBUDDY, 0, 0), 0);
      continue;
    }
    const RECT place = RowRect(row);
    SetWindowPos(h, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (row.kind == ControlKind::CheckListView) PlaceListRows(row, h, place);
  }
  font_ = std::move(font);
  for (const ControlRow& row : rows_) {
    if (HWND h = Control(row.id)) FitToText(row, h);
  }
  if (tooltip_) SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, ui::SystemMetricForDpi(SM_CXSCREEN, dpi_));
  RECT bounds{};
  if (suggested) {
    bounds = *suggested;
  } else {
    // No rectangle from the system: the form keeps its top-left corner and
    // takes its designed size at the new DPI.
    GetWindowRect(Handle(), &bounds);
    RECT r{0, 0, Scale(clientWidth_), Scale(clientHeight_)};
    if (sizeKind_ == SizeKind::Client) AdjustWindowRectEx(&r, style_, FALSE, exStyle_);
    bounds.right = bounds.left + r.right - r.left;
    bounds.bottom = bounds.top + r.bottom - r.top;
  }
  // The form's own WM_SIZE lays out what its table does not place.
  SetWindowPos(Handle(), nullptr, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  FormDpiChanged();
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TForm::ShowAtWindowDpi() {
  // Placed on a monitor of another DPI than the one it was made for.
  const int dpi = ui::WindowDpi(Handle());
  if (dpi != dpi_) ChangeDpi(dpi, nullptr);
}

void TForm::AddHint(HWND control, const std::string& hint) {
  if (!tooltip_ || hint.empty()) return;
  hints_.push_back({control, std::make_unique<std::wstring>(platform::Wide(hint))});
  TOOLINFOW ti{};
  ti.cbSize = sizeof ti;
  ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  ti.hwnd = Handle();
  ti.uId = reinterpret_cast<UINT_PTR>(control);
  ti.lpszText = hints_.back().text->data();
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  ti.uFlags = 0;
  ti.uId = static_cast<UINT_PTR>(GetDlgCtrlID(control));
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void TForm::RelayToHints(UINT msg, WPARAM wp, LPARAM lp) {
  if (!tooltip_) return;
  const POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  auto placeOf = [this](HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  // The smallest hinted control under the pointer, so that a control in a
  // group box shows its own hint rather than the box's.
  const HintTool* under = nullptr;
  long underArea = 0;
  for (const HintTool& hint : hints_) {
    const RECT r = placeOf(hint.control);
    const long area = static_cast<long>(r.right - r.left) * (r.bottom - r.top);
    if (!IsWindowVisible(hint.control) || !PtInRect(&r, at) || (under && area >= underArea)) continue;
    under = &hint;
    underArea = area;
  }
  // Rectangles are taken now, so they follow every layout and DPI.
  for (HintTool& hint : hints_) {
    const RECT r = &hint == under ? placeOf(hint.control) : RECT{};
    if (EqualRect(&r, &hint.rect)) continue;
    hint.rect = r;
    TOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.hwnd = Handle();
    ti.uId = static_cast<UINT_PTR>(GetDlgCtrlID(hint.control));
    ti.rect = r;
    SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&ti));
  }
  MSG relayed{};
  relayed.hwnd = Handle();
  relayed.message = msg;
  relayed.wParam = wp;
  relayed.lParam = lp;
  relayed.time = static_cast<DWORD>(GetMessageTime());
  const DWORD pos = GetMessagePos();
  relayed.pt = {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
  SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void TForm::SetHint(int id, const std::string& hint) {
  HWND control = Control(id);
  if (!control) return;
  auto it = std::find_if(hints_.begin(), hints_.end(), [&](const HintTool& h) { return h.control == control; });
  if (it == hints_.end()) {
    AddHint(control, hint);
    return;
  }
  // A new string for the new text: the tool holds the old one until it is told.
  auto text = std::make_unique<std::wstring>(platform::Wide(hint));
  TOOLINFOW ti{};
  ti.cbSize = sizeof ti;
  ti.hwnd = Handle();
  ti.uId = reinterpret_cast<UINT_PTR>(control);
  ti.lpszText = text->data();
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
  ti.uId = static_cast<UINT_PTR>(id);
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
  it->text = std::move(text);
}

std::string TForm::Hint(int id) const {
  HWND control = Control(id);
  if (!tooltip_ || !control) return {};
  // The wide form: the narrow one gives at most 80 bytes of the text.
  std::wstring wide(1024, L'\0');
  TOOLINFOW ti{};
  ti.cbSize = sizeof ti;
  ti.hwnd = Handle();
  ti.uId = reinterpret_cast<UINT_PTR>(control);
  ti.lpszText = wide.data();
  SendMessageW(tooltip_, TTM_GETTEXTW, wide.size(), reinterpret_cast<LPARAM>(&ti));
  return platform::ProgramText(platform::WideUntilNul(wide.data(), wide.size()));
}

void TForm::EnableControl(int id, bool enabled) {
  if (HWND control = Control(id)) EnableWindow(control, enabled ? TRUE : FALSE);
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

void TForm::UpdateEnablement() {
  for (const EnableRow& row : enablement_) EnableControl(row.id, row.enabled());
}

bool TForm::ShowFailure(const Validation& failure, platform::IMessageBox& messages) {
  if (!failure) return false;
  messages.Show(failure->message, failure->caption, failure->flags);
  // After the box, the keyboard goes to the field to mend.
  if (HWND control = failure->control ? Control(failure->control) : nullptr) {
    SetFocus(control);
    if (Row(failure->control) && (Row(failure->control)->kind == ControlKind::Edit ||
                                  Row(failure->control)->kind == ControlKind::PasswordEdit)) {
      SendMessageW(control, EM_SETSEL, 0, -1);
    }
  }
  return true;
}

void TForm::LoadControls() {
  loading_ = true;
  for (const ControlRow& row : rows_) {
    if (row.binding) WriteControl(row.id, row.binding.Load());
  }
  loading_ = false;
}

void TForm::StoreControls() {
  for (const ControlRow& row : rows_) {
    if (row.binding) row.binding.Store(ReadControl(row.id));
  }
}

void TForm::Show() {
  if (!Handle()) return;
  if (!IsWindowVisible(Handle())) {
    focus_ = nullptr;
    ShowAtWindowDpi();
    FormShow();
    RememberFocus();
  }
  platform::FollowThemeInTitleBar(Handle(), app_.DarkTheme());
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
  BringWindowToTop(Handle());
}

int TForm::ShowModal() {
  if (!Handle() || inModalLoop_) return mrCancel;
  inModalLoop_ = true;
  modalResult_ = mrNone;

  // Every other visible window of the program is disabled while this one is up.
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), &CollectEnabledWindow, reinterpret_cast<LPARAM>(&disabled));
  for (HWND w : disabled) EnableWindow(w, FALSE);

  focus_ = nullptr;
  ShowAtWindowDpi();
  FormShow();
  RememberFocus();
  platform::FollowThemeInTitleBar(Handle(), app_.DarkTheme());
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());

  MSG msg;
  while (modalResult_ == mrNone && Handle()) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      // The program is ending: close this dialog and let the outer loop see the quit.
      PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 0);
      if (modalResult_ == mrNone) modalResult_ = mrCancel;
      break;
    }
    TApplication::DispatchOne(msg);
  }

  for (HWND w : disabled) {
    if (IsWindow(w)) EnableWindow(w, TRUE);
  }
  if (Handle()) {
    FormClose();
    Hide();
  }
  inModalLoop_ = false;
  return modalResult_;
}

void TForm::RememberFocus() {
  HWND focus = GetFocus();
  if (focus && IsChild(Handle(), focus)) focus_ = focus;
}

void TForm::Close(int result) {
  if (inModalLoop_) {
    modalResult_ = result == mrNone ? mrCancel : result;
    return;
  }
  if (Handle() && IsWindowVisible(Handle())) {
    FormClose();
    Hide();
  }
}

void TForm::Hide() {
  ShowWindow(Handle(), SW_HIDE);
  // The system hands the activation to the form's owner, the program's
  // hidden window. A hidden window that is the foreground one takes the
  // keyboard from the next menu (and Alt+F4 from the user): the foreground
  // goes back to the desktop instead.
  HWND front = GetForegroundWindow();
  DWORD process = 0;
  if (front && !IsWindowVisible(front) && GetWindowThreadProcessId(front, &process) == GetCurrentThreadId()) {
    SetForegroundWindow(GetDesktopWindow());
  }
}

FormBounds TForm::Bounds() const {
  RECT r{};
  if (Handle()) GetWindowRect(Handle(), &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void TForm::SetBounds(const FormBounds& b) {
  if (Handle()) SetWindowPos(Handle(), nullptr, b.Left, b.Top, b.Width, b.Height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::LoadPlacement() {
  if (Placement == KeptPlacement::None) return;
  FormBounds b = Bounds();
  LoadWindowPosition(registry_, b, className_, PlacementScreenSize());
  SetBounds(b);
  if (Placement == KeptPlacement::PositionAndSize) {
    LoadWindowSize(registry_, b, className_);
    SetBounds(b);
  }
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TForm::SavePlacement() {
  if (Placement == KeptPlacement::None) return;
  SaveWindowPosition(registry_, Bounds(), className_);
  if (Placement == KeptPlacement::PositionAndSize) SaveWindowSize(registry_, Bounds(), className_);
}

void TForm::CentreOnScreen() {
  FormBounds b = Bounds();
  ScreenSize s{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  b.Left = (s.Width - b.Width) / 2;
  b.Top = (s.Height - b.Height) / 2;
  SetBounds(b);
}

void ShowDialog(TForm& form) {
  if (form.Showing()) {
    form.Show();
    return;
  }
  form.ShowModal();
}

}  // namespace quenlark
