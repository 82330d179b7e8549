// Every text of every dialog fits its control, in both faces, at 96 and 144 dpi: measured
// in the control's own font against its rectangle as the form placed it.
#include <windows.h>
#include <gtest/gtest.h>
#include <algorithm>
#include "FakeDialogHost.h"
#include "FakeRegistry.h"
#include "dialogs/AboutUnit.h"
#include "dialogs/PassForm.h"
#include "dialogs/SelectClearUnit.h"
#include "dialogs/SettingUnit.h"
#include "dialogs/UseFileSettingUnit.h"
#include "platform/Win32Desktop.h"
#include "platform/Win32FileSystem.h"
#include "platform/Win32Shell.h"
#include "platform/Win32Text.h"
#include "ui/Dpi.h"
using namespace quenlark;
namespace {
// Controls let pass in the Japanese face only: their texts are exactly the Japanese ones and
// the Japanese face keeps the designed rectangles, though the test session's fonts draw them wider.
// The favourites' list: its submenu row ">>>...  階層化 始まり 【階層名未設定】  >>>..."
// is 11 px wider than the list at 96 dpi (the list widens with the window).
const std::string kJapaneseAllowed[] = {"TUseFileSettingForm FileListBox"};
// English Windows draws the English face's font, MS Shell Dlg 2, with Tahoma. The Japanese test
// session has none, so the process loads Wine's copy (fonts-wine) for itself: the English face
// is measured in the font its users see.
bool LoadTahoma() {
  for (const wchar_t* path : {L"C:\\windows\\Fonts\\tahoma.ttf", L"Z:\\usr\\share\\wine\\fonts\\tahoma.ttf"}) {
    if (GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES && AddFontResourceExW(path, FR_PRIVATE, nullptr) > 0) {
      return true;
    }
  }
  return false;
}
template <class Form> struct Opened : Form {  // filled as when it is shown, without showing it
  using Form::Form;
  void Fill() { this->FormShow(); }
};
// A control's texts that do not fit it, each as "name (id) "text" needs W x H px, has W x H; ".
std::string Clipped(const TForm& form, const ControlRow& row) {
  const HWND h = form.Control(row.id);
  const auto px = [&](int length) { return MulDiv(length, form.Dpi(), 96); };
  RECT room{};
  GetClientRect(h, &room);
  std::vector<std::wstring> texts{platform::Wide(platform::WindowText(h))};
  UINT format = DT_SINGLELINE;  // a label wraps at its width and must keep within its height
  int besides = 0;              // what the control draws beside its text
  switch (row.kind) {
    case ControlKind::Label: format = DT_WORDBREAK | DT_NOPREFIX; break;
    case ControlKind::FocusLabel: format = DT_WORDBREAK; break;
    case ControlKind::Button: case ControlKind::DefaultButton: case ControlKind::CancelButton: besides = px(8); break;
    case ControlKind::CheckBox: case ControlKind::RadioButton:  // the box, its gap and the focus frame
      besides = ui::SystemMetricForDpi(SM_CXMENUCHECK, form.Dpi()) + px(6); break;
    case ControlKind::GroupBox: besides = px(18); break;  // the caption between the frame's corners
    case ControlKind::ComboBox: case ControlKind::ListBox: {  // every item; a combo's beside its button
      const bool combo = row.kind == ControlKind::ComboBox;
      texts.clear();
      for (int i = 0; i < SendMessageW(h, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0); ++i) {
        wchar_t item[512] = {};
        SendMessageW(h, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(item));
        texts.push_back(item);
      }
      format = DT_SINGLELINE | DT_NOPREFIX;
      besides = combo ? ui::SystemMetricForDpi(SM_CXVSCROLL, form.Dpi()) + px(8) : px(4);
      if (combo) GetWindowRect(h, &room), room.right -= room.left, room.bottom -= room.top;
      break;
    }
    default: return {};
  }
  std::string clipped;
  HDC dc = GetDC(h);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)));
  for (const std::wstring& text : texts) {
    RECT need{0, 0, room.right, 0};
    DrawTextW(dc, text.c_str(), -1, &need, format | DT_CALCRECT);
    if (need.right + besides <= room.right && ((format & DT_SINGLELINE) || need.bottom <= room.bottom)) continue;
    clipped += row.name + (" (" + std::to_string(row.id) + ") \"") + platform::ProgramText(text) + "\" needs " +
               std::to_string(need.right + besides) + " x " + std::to_string(need.bottom) + " px, has " +
               std::to_string(room.right) + " x " + std::to_string(room.bottom) + "; ";
  }
  SelectObject(dc, old);
  ReleaseDC(h, dc);
  return clipped;
}
struct Dialogs {  // every dialog of the program over fakes, made in the face chosen before
  TApplication app{GetModuleHandleA(nullptr)};
  test::FakeRegistry registry;
  test::FakeDialogHost host;
  test::ScriptedMessages messages;
  platform::Win32FileSystem fs;
  platform::Win32Shell shell;
  platform::Win32KeyState keys;
  platform::Win32PathQuery paths;
  Opened<TPassChangeForm> passChange{app, registry, messages};
  Opened<TSettingForm> setting{app, registry, host, passChange, messages};
  Opened<TUseFileSettingForm> favourites{app, registry, host, {messages, paths}};
  Opened<TSelectClearForm> clear{app, registry, host, {fs, shell, keys, paths, messages}};
  Opened<TPass> pass{app, registry};
  Opened<TAboutForm> about{app, registry, shell};
  Dialogs() {
    app.Initialize();
    // The favourites' rows that are the program's own texts: a separator and an unnamed submenu.
    for (const char* name : {">", "-", "<"}) host.favourites.Slots[host.favourites.FavouriteCount++].Name = name;
    passChange.Create(), passChange.Fill(), setting.Create(), setting.Fill(), favourites.Create(), favourites.Fill();
    clear.Create(), clear.Fill(), pass.Create(), about.Create();
  }
  ~Dialogs() {
    for (TForm* form : All()) form->Destroy();
  }
  std::vector<TForm*> All() { return {&setting, &favourites, &clear, &pass, &passChange, &about}; }
};
}  // namespace
TEST(LayoutFitTest, EveryTextOfEveryDialogFitsItsControlInBothFacesAt96And144Dpi) {
  ASSERT_TRUE(LoadTahoma()) << "no tahoma.ttf (scripts/setup installs fonts-wine)";
  std::string clipped;
  for (const Face face : {Face::Japanese, Face::English}) {
    SetFace(face);
    Dialogs dialogs;
    for (const int dpi : {96, 144}) {
      for (TForm* form : dialogs.All()) {
        RECT w{};
        GetWindowRect(form->Handle(), &w);
        const RECT suggested{w.left, w.top, w.left + MulDiv(w.right - w.left, dpi, form->Dpi()),
                             w.top + MulDiv(w.bottom - w.top, dpi, form->Dpi())};
        SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        EXPECT_EQ(form->Dpi(), dpi);
        for (const ControlRow& row : form->Rows()) {
          if (row.hidden || (face == Face::Japanese &&
                             std::ranges::count(kJapaneseAllowed, form->ClassName() + " " + row.name))) {
            continue;
          }
          if (const std::string c = Clipped(*form, row); !c.empty()) {
            clipped += std::string(face == Face::English ? "English " : "Japanese ") + std::to_string(dpi) +
                       " dpi " + form->ClassName() + ": " + c + "\n";
          }
        }
      }
    }
  }
  SetFace(Face::Japanese);
  EXPECT_EQ(clipped, "");
}
