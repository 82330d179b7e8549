// The form's hints: one tooltip window per form, two tools per hinted
// control (see HintTool in Forms.h).
#include "ui/Forms.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/Win32System.h"

namespace quenlark {

void TForm::CreateHints() {
  if (tooltip_) return;
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                             app_.Instance(), nullptr);
  if (!tooltip_) return;
  SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(app_.HintHidePause, 0));
  // A width makes the tooltip honour line feeds; lines break only there.
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN));
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

}  // namespace quenlark
