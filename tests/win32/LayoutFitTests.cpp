// Every text of every dialog fits its control, in both faces, at 96, 144 and 192 dpi: measured
// in the control's own font against its rectangle as the form placed it. And in the English
// face every control a user moves to has an access key of its own.
#include <windows.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <cctype>
#include <set>
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
TEST(LayoutFitTest, EveryTextOfEveryDialogFitsItsControlInBothFacesAt96To192Dpi) {
  ASSERT_TRUE(LoadTahoma()) << "no tahoma.ttf (scripts/setup installs fonts-wine)";
  std::string clipped;
  for (const Face face : {Face::Japanese, Face::English}) {
    SetFace(face);
    Dialogs dialogs;
    for (const int dpi : {96, 144, 192}) {
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

namespace {
// The letter or digit after a single "&", upper-cased, or 0.
char AccessKey(const std::string& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1])));
    ++i;
  }
  return 0;
}
bool IsField(ControlKind kind) {
  switch (kind) {
    case ControlKind::Edit: case ControlKind::PasswordEdit: case ControlKind::ComboBox: case ControlKind::HotKey:
    case ControlKind::ListBox: case ControlKind::CheckListView: return true;
    default: return false;
  }
}
// The access-key faults of one form in tab order: a control a user moves to without a key, a
// label of a field that is not the row right before it (the dialog manager moves the focus
// from a label to the next control) or has no colon, a key taken twice. Enter and Esc reach
// the default and cancel buttons, and OK has no key in Windows either; a radio button is reached by its group box's key; a field
// with no label before it has nothing to carry a key. A control may go without one only when
// every letter and digit of its text is some other control's key.
std::string AccessKeyFaults(const TForm& form) {
  std::string faults;
  std::vector<std::pair<std::string, char>> keyed;  // text, key
  std::vector<std::string> unkeyed;
  const std::vector<ControlRow>& rows = form.Rows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ControlRow& row = rows[i];
    if (row.hidden) continue;
    const ControlRow* before = i > 0 ? &rows[i - 1] : nullptr;
    const char key = AccessKey(row.caption);
    switch (row.kind) {
      case ControlKind::FocusLabel:
        if (i + 1 >= rows.size() || !IsField(rows[i + 1].kind)) faults += "\"" + row.caption + "\" is not right before a field; ";
        if (row.caption.empty() || row.caption.back() != ':') faults += "\"" + row.caption + "\" has no colon; ";
        [[fallthrough]];
      case ControlKind::GroupBox:
        if (key) keyed.emplace_back(row.caption, key);
        break;
      case ControlKind::Label:
        if (i + 1 < rows.size() && IsField(rows[i + 1].kind)) faults += "\"" + row.caption + "\" names a field but moves no focus; ";
        break;
      case ControlKind::Button: case ControlKind::CheckBox:
        if (row.caption == "OK") break;  // a commit button, as Windows' own have none
        if (key) keyed.emplace_back(row.caption, key); else unkeyed.push_back(row.caption);
        break;
      case ControlKind::RadioButton: {
        std::size_t group = i;
        while (group > 0 && rows[group].kind == ControlKind::RadioButton) --group;
        if (!key && !(rows[group].kind == ControlKind::GroupBox && AccessKey(rows[group].caption)))
          faults += "radio \"" + row.caption + "\" has no key nor a keyed group; ";
        break;
      }
      default:
        if (IsField(row.kind) && before && (before->kind == ControlKind::FocusLabel || before->kind == ControlKind::GroupBox) &&
            !AccessKey(before->caption))
          faults += std::string(row.name) + "'s label \"" + before->caption + "\" has no key; ";
    }
  }
  std::set<char> taken;
  for (const auto& [text, key] : keyed)
    if (!taken.insert(key).second) faults += "'" + std::string(1, key) + "' again in \"" + text + "\"; ";
  for (const std::string& text : unkeyed) {
    for (char c : text) {
      if (std::isalnum(static_cast<unsigned char>(c)) && !taken.count(static_cast<char>(std::toupper(static_cast<unsigned char>(c))))) {
        faults += "\"" + text + "\" has no key though '" + std::string(1, c) + "' is free; ";
        break;
      }
    }
  }
  return faults.empty() ? "" : form.ClassName() + ": " + faults + "\n";
}
}  // namespace

TEST(LayoutFitTest, InTheEnglishFaceEveryControlAUserMovesToHasItsOwnAccessKey) {
  SetFace(Face::English);
  std::string faults;
  {
    Dialogs dialogs;
    for (TForm* form : dialogs.All()) faults += AccessKeyFaults(*form);
  }
  SetFace(Face::Japanese);
  EXPECT_EQ(faults, "");
}
