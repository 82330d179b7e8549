// The notification-area icon (Shell_NotifyIconW): its image and hint, and the
// clicks on it. A press on the icon followed by the release of that button
// is a click; a left double click is reported after the click of its first
// release (so the front door holds a left click back for the double-click
// time while a double click locks). The icon comes back by itself when the
// taskbar is created again (Explorer restarted), and an add that failed
// because the taskbar was not ready yet is tried again.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

#include "menus/ClickTable.h"

namespace quenlark {

class TTrayIcon {
 public:
  // `owner` receives the callback message; the owner's window procedure hands
  // its messages to HandleMessage first.
  TTrayIcon(HWND owner, UINT callbackMessage, UINT_PTR retryTimerId);
  ~TTrayIcon();
  TTrayIcon(const TTrayIcon&) = delete;
  TTrayIcon& operator=(const TTrayIcon&) = delete;

  void SetActive(bool active);
  bool Active() const { return active_; }
  bool Shown() const { return shown_; }
  void SetIcon(HICON icon);
  HICON Icon() const { return icon_; }
  void SetHint(const std::string& hint);
  const std::string& Hint() const { return hint_; }

  std::function<void(MouseButton button, POINT at)> OnClick;
  std::function<void()> OnDblClick;
  // The pointer moved over the icon (a click may follow).
  std::function<void()> OnHover;
  // A new taskbar (its DPI may differ from the old one's) asks for the icon
  // again: the handler gives SetIcon the picture made for it, which adds the
  // icon. Without a handler the icon is added again with its picture.
  std::function<void()> OnTaskbarCreated;
  // The notification area took another DPI: the handler gives SetIcon a
  // picture of PictureSize(). The owner, a window at the primary monitor's
  // top-left corner where the notification area is, hands on WM_DPICHANGED,
  // which tells that monitor's new DPI, and WM_DISPLAYCHANGE and
  // WM_SETTINGCHANGE, after which the monitor is asked (as for a new taskbar).
  std::function<void()> OnDpiChanged;
  // The DPI of the notification area as last told, and the size of the
  // icon's picture at it (the small-icon size).
  int Dpi() const { return dpi_; }
  SIZE PictureSize() const;

  // True when the message was the icon's (callback or the retry timer); the
  // taskbar's re-creation and the DPI's messages are the owner's too.
  bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

  // The timer on the owner window that retries a failed add.
  UINT_PTR RetryTimerId() const { return retryTimer_; }

 private:
  void Add();
  void Modify();
  void Delete();
  NOTIFYICONDATAW Data(UINT flags) const;
  // Takes the DPI; true when it differs from the one before.
  bool FollowDpi(int dpi);

  HWND owner_;
  UINT callbackMessage_;
  UINT taskbarCreated_;
  UINT_PTR retryTimer_;
  int dpi_;
  HICON icon_ = nullptr;
  std::string hint_ = "Quenlark";
  bool active_ = false;
  bool shown_ = false;
  int retries_ = 0;
  bool leftDown_ = false;
  bool rightDown_ = false;
};

}  // namespace quenlark
