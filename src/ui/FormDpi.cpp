// The form's DPI and placement: the Win32 side of DecidePlacement
// (ui/FormPlacement). It measures what the rule needs (the DPI Windows
// gives the window, its frame at a DPI) and applies what the rule decides:
// the font and every control laid out again for a new DPI, and the window's
// rectangle.
#include "ui/Forms.h"

#include <commctrl.h>

#include "platform/Win32System.h"
#include "ui/Dpi.h"
#include "ui/FormParts.h"

namespace quenlark {

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

ScreenSize PlacementScreenSize() {
  const platform::OsVersion v = platform::QueryOsVersion();
  const platform::ScreenExtent e = UsesVirtualScreen(WindowsVersionName(v.queried, v.platformId, v.major, v.minor))
                                       ? platform::VirtualScreenExtent()
                                       : platform::PrimaryScreenExtent();
  return {e.width, e.height};
}

PixelSize TForm::FrameAt(int dpi) const {
  RECT r{};
  ui::AdjustWindowRectForDpi(r, style_, exStyle_, dpi);
  return {r.right - r.left, r.bottom - r.top};
}

PlacementDecision TForm::Decide(int dpi, ScreenPoint at, const KeptSize* kept) const {
  PlacementQuery q;
  q.layoutDpi = dpi_;
  q.targetDpi = dpi;
  q.position = at;
  q.designed = {clientWidth_, clientHeight_};
  q.designedIsWindow = sizeKind_ == SizeKind::Window;
  // A form the user sizes keeps its size (the stored one, or the one it has
  // now at the DPI it is laid out for); the others take their designed size.
  if (Placement == KeptPlacement::PositionAndSize) {
    const FormBounds now = Bounds();
    const KeptSize size = kept ? *kept : KeptSize{{now.Width, now.Height}, dpi_};
    q.kept = size.size;
    q.keptDpi = size.dpi;
    q.keptFrame = FrameAt(size.dpi);
  }
  q.targetFrame = FrameAt(dpi);
  return DecidePlacement(q);
}

void TForm::Apply(const PlacementDecision& decision) {
  if (decision.relayout) LayOut(decision.dpi);
  // A move to a monitor of another DPI sends WM_DPICHANGED on the way; the
  // decision already holds what follows from it.
  placing_ = true;
  // The form's own WM_SIZE lays out what its table does not place.
  SetWindowPos(Handle(), nullptr, decision.bounds.Left, decision.bounds.Top, decision.bounds.Width,
               decision.bounds.Height, SWP_NOZORDER | SWP_NOACTIVATE);
  placing_ = false;
  if (decision.relayout) FormDpiChanged();
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TForm::LayOut(int dpi) {
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
}

LRESULT TForm::OnDpiChanged(UINT, WPARAM wp, LPARAM lp) {
  if (placing_ || HIWORD(wp) == 0) return 0;
  // The suggested rectangle says where the form goes; its size is Windows'
  // scaling of the window from the DPI Windows had for it, which need not
  // be the one the controls are laid out for.
  const FormBounds now = Bounds();
  const auto* suggested = reinterpret_cast<const RECT*>(lp);
  const ScreenPoint at = suggested ? ScreenPoint{suggested->left, suggested->top} : ScreenPoint{now.Left, now.Top};
  Apply(Decide(HIWORD(wp), at));
  return 0;
}

void TForm::ShowAtWindowDpi() {
  // Placed on a monitor of another DPI than the one it was laid out for.
  const int dpi = ui::WindowDpi(Handle());
  if (dpi == dpi_) return;
  const FormBounds now = Bounds();
  Apply(Decide(dpi, {now.Left, now.Top}));
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
  KeptSize kept{{b.Width, b.Height}, dpi_};
  if (Placement == KeptPlacement::PositionAndSize) {
    kept = LoadKeptSize(registry_, className_, kept.size, dpi_, ui::SystemDpi());
  }
  // First to the stored place, so that Windows tells the DPI of the monitor
  // there, then the size and layout that follow for that DPI.
  placing_ = true;
  SetWindowPos(Handle(), nullptr, b.Left, b.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  placing_ = false;
  Apply(Decide(ui::WindowDpi(Handle()), {b.Left, b.Top}, &kept));
}

void TForm::SavePlacement() {
  if (Placement == KeptPlacement::None) return;
  const FormBounds b = Bounds();
  SaveWindowPosition(registry_, b, className_);
  if (Placement == KeptPlacement::PositionAndSize) SaveKeptSize(registry_, className_, {{b.Width, b.Height}, dpi_});
}

void TForm::CentreOnScreen() {
  FormBounds b = Bounds();
  ScreenSize s{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  b.Left = (s.Width - b.Width) / 2;
  b.Top = (s.Height - b.Height) / 2;
  SetBounds(b);
}

}  // namespace quenlark
