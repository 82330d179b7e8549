#include "menus/TrayIcon.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <iterator>

#include "menus/TrayHint.h"
#include "platform/Win32Text.h"
#include "ui/Dpi.h"

namespace quenlark {

namespace {
constexpr UINT kIconId = 0;
constexpr int kMaxRetries = 60;  // one a second for a minute

// The DPI of the primary monitor, whose taskbar holds the notification area.
int NotificationAreaDpi() { return ui::MonitorDpiAt(POINT{0, 0}); }
}  // namespace

TTrayIcon::TTrayIcon(HWND owner, UINT callbackMessage, UINT_PTR retryTimerId)
    : owner_(owner),
      callbackMessage_(callbackMessage),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")),
      retryTimer_(retryTimerId),
      dpi_(NotificationAreaDpi()) {}

TTrayIcon::~TTrayIcon() {
  Delete();
  KillTimer(owner_, retryTimer_);
}

NOTIFYICONDATAW TTrayIcon::Data(UINT flags) const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = owner_;
  data.uID = kIconId;
  data.uFlags = flags;
  data.uCallbackMessage = callbackMessage_;
  data.hIcon = icon_;
  // The tip is cut to fit as CP932 text; its UTF-16 form is never longer.
  const std::wstring tip = platform::Wide(TrayTipText(hint_));
  const std::size_t n = std::min(tip.size(), std::size(data.szTip) - 1);
  std::memcpy(data.szTip, tip.c_str(), n * sizeof(wchar_t));
  data.szTip[n] = L'\0';
  return data;
}

void TTrayIcon::Add() {
  if (!icon_) return;
  NOTIFYICONDATAW data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
  shown_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
  if (shown_) {
    retries_ = 0;
    KillTimer(owner_, retryTimer_);
  } else if (retries_ < kMaxRetries) {
    // The taskbar may not be there yet (the program started with the session).
    SetTimer(owner_, retryTimer_, 1000, nullptr);
  }
}

void TTrayIcon::Modify() {
  NOTIFYICONDATAW data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
  if (!Shell_NotifyIconW(NIM_MODIFY, &data)) {
    // The icon is gone (a taskbar that went away): add it again.
    shown_ = false;
    Add();
  }
}

void TTrayIcon::Delete() {
  if (!shown_) return;
  NOTIFYICONDATAW data = Data(0);
  Shell_NotifyIconW(NIM_DELETE, &data);
  shown_ = false;
}

void TTrayIcon::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  if (active_) {
    retries_ = 0;
    Add();
  } else {
    KillTimer(owner_, retryTimer_);
    Delete();
  }
}

void TTrayIcon::SetIcon(HICON icon) {
  icon_ = icon;
  if (!active_) return;
  shown_ ? Modify() : Add();
}

SIZE TTrayIcon::PictureSize() const {
  return {ui::SystemMetricForDpi(SM_CXSMICON, dpi_), ui::SystemMetricForDpi(SM_CYSMICON, dpi_)};
}

bool TTrayIcon::FollowDpi(int dpi) {
  if (dpi <= 0 || dpi == dpi_) return false;
  dpi_ = dpi;
  return true;
}

void TTrayIcon::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  if (active_ && shown_) Modify();
}

bool TTrayIcon::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == taskbarCreated_ && taskbarCreated_ != 0) {
    // A new taskbar knows no icons: add ours again with its image and hint.
    if (active_) {
      shown_ = false;
      retries_ = 0;
    }
    FollowDpi(NotificationAreaDpi());
    if (OnTaskbarCreated) {
      OnTaskbarCreated();
    } else if (active_) {
      Add();
    }
    return false;  // others may want to know too
  }
  if (msg == WM_DPICHANGED || msg == WM_DISPLAYCHANGE || msg == WM_SETTINGCHANGE) {
    // A setting change that brings no new DPI (a theme, say) changes nothing.
    if (FollowDpi(msg == WM_DPICHANGED ? HIWORD(wp) : NotificationAreaDpi()) && OnDpiChanged) OnDpiChanged();
    return false;
  }
  if (msg == WM_TIMER && wp == retryTimer_) {
    KillTimer(owner_, retryTimer_);
    if (active_ && !shown_) {
      ++retries_;
      Add();
    }
    return true;
  }
  if (msg != callbackMessage_ || wp != kIconId) return false;
  POINT at{};
  GetCursorPos(&at);
  switch (static_cast<UINT>(lp)) {
    case WM_LBUTTONDOWN:
      leftDown_ = true;
      break;
    case WM_RBUTTONDOWN:
      rightDown_ = true;
      break;
    case WM_LBUTTONUP:
      if (leftDown_) {
        leftDown_ = false;
        if (OnClick) OnClick(MouseButton::Left, at);
      }
      break;
    case WM_RBUTTONUP:
      if (rightDown_) {
        rightDown_ = false;
        if (OnClick) OnClick(MouseButton::Right, at);
      }
      break;
    case WM_LBUTTONDBLCLK:
      if (OnDblClick) OnDblClick();
      break;
    case WM_MOUSEMOVE:
      if (OnHover) OnHover();
      break;
    default:
      break;
  }
  return true;
}

}  // namespace quenlark
