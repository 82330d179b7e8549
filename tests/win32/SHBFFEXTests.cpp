// The folder picker against the shell's real browse dialog: driven from a
// timer while the dialog runs, its initial selection, status line,
// placement and OK state read from its controls; and the paths where the
// shell fails, with the shell calls replaced.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <functional>
#include <utility>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FakeRegistry.h"
#include "dialogs/SHBFFEX.h"
#include "ui/Forms.h"

namespace {

using namespace quenlark;

// The browse dialog's tree and status line.
constexpr int kTreeId = 0x3741;
constexpr int kStatusId = 0x3743;

class OwnerForm : public TForm {
 public:
  OwnerForm(TApplication& app, platform::IRegistry& r) : TForm(app, r, "TQuenlarkPickerOwner", "owner", 300, 200) {}
};

HWND FindBrowseDialog() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM p) CALLBACK -> BOOL {
        char cls[64] = {};
        GetClassNameA(w, cls, sizeof cls);
        if (std::string(cls) == "#32770" && IsWindowVisible(w) && GetDlgItem(w, kTreeId)) {
          *reinterpret_cast<HWND*>(p) = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::string Text(HWND h) {
  char text[MAX_PATH * 2] = {};
  GetWindowTextA(h, text, sizeof text);
  return text;
}

std::string SelectedTreeText(HWND dialog) {
  HWND tree = GetDlgItem(dialog, kTreeId);
  auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (!item) return {};
  char text[MAX_PATH] = {};
  TVITEMA tv{};
  tv.mask = TVIF_TEXT;
  tv.hItem = item;
  tv.pszText = text;
  tv.cchTextMax = sizeof text;
  SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
  return text;
}

std::string SpecialFolderDisplayName(int csidl) {
  PIDLIST_ABSOLUTE item = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &item))) return {};
  SHFILEINFOA info{};
  SHGetFileInfoA(reinterpret_cast<const char*>(item), 0, &info, sizeof info, SHGFI_PIDL | SHGFI_DISPLAYNAME);
  CoTaskMemFree(item);
  return info.szDisplayName;
}

// What the timer does once the dialog is up (and, with `ready`, has reached
// the state to check: the tree fills and selects after the dialog shows).
std::function<void(HWND)> g_onDialog;
std::function<bool(HWND)> g_ready;
int g_attempts = 0;
void CALLBACK WhenDialogUp(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = FindBrowseDialog();
  const bool ready = dialog && (!g_ready || g_ready(dialog));
  if (!ready && ++g_attempts < 600) return;  // keeps trying for 30 s: a loaded machine is slow
  KillTimer(nullptr, id);
  if (!dialog) {
    ADD_FAILURE() << "no browse dialog";
    return;
  }
  g_onDialog(dialog);
}
void OnDialog(std::function<void(HWND)> step, std::function<bool(HWND)> ready = {}) {
  g_onDialog = std::move(step);
  g_ready = std::move(ready);
  g_attempts = 0;
  SetTimer(nullptr, 0, 50, &WhenDialogUp);
}
std::vector<std::string> g_sentToDialog;
LRESULT CALLBACK RecordDialogMessages(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) noexcept {
  if (msg == BFFM_ENABLEOK) g_sentToDialog.push_back("enable-ok " + std::to_string(lp));
  return DefSubclassProc(h, msg, wp, lp);
}

void Press(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

class SHBFFEXTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(nullptr);
    ASSERT_TRUE(app.Initialize());
    ASSERT_TRUE(owner.Create());
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    // "表" has 0x5C for its trail byte.
    folder = std::string(temp) + "ql_picker_表示";
    CreateDirectoryA(folder.c_str(), nullptr);
    file = folder + "\\note.txt";
    HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
  void TearDown() override {
    owner.Destroy();
    DeleteFileA(file.c_str());
    RemoveDirectoryA(folder.c_str());
    CoUninitialize();
  }

  TApplication app{GetModuleHandleA(nullptr)};
  test::FakeRegistry registry;
  OwnerForm owner{app, registry};
  std::string folder;
  std::string file;
};

}  // namespace

TEST_F(SHBFFEXTest, AManualFolderOpensSelectedWithItsPathShownOverTheOwnerAndOkReturnsIt) {
  owner.Show();
  SetWindowPos(owner.Handle(), nullptr, 120, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  POINT corner{0, 0};
  ClientToScreen(owner.Handle(), &corner);

  TSHBrowseForFolderEx picker(app, &owner);
  picker.Caption = "良く使うﾌｫﾙﾀﾞを選択してください。";
  picker.Options = {sboReturnOnlyFSDirs, sboStatusTextAndShowPath, sboStatusText};
  picker.SelectFolder = sfManual;
  picker.SelectFolderName = folder;
  std::vector<std::string> changes;
  picker.OnSelectionChanged = [&](TSHBrowseForFolderEx& sender, HWND, const std::string& path, std::string& text,
                                  int&) {
    EXPECT_EQ(&sender, &picker);
    changes.push_back(path);
    text = "not shown: the path is";
  };
  OnDialog([&](HWND dialog) {
    EXPECT_FALSE(IsWindowEnabled(app.Handle()));
    EXPECT_EQ(Text(GetDlgItem(dialog, kStatusId)), folder);
    EXPECT_EQ(SelectedTreeText(dialog), "ql_picker_表示");
    RECT r{};
    GetWindowRect(dialog, &r);
    EXPECT_EQ(r.left, corner.x);
    EXPECT_EQ(r.top, corner.y);
    Press(dialog, IDOK);
    // The tree first selects its root (whose path shows too) and moves to
    // the initial folder after: the check waits for the folder, up to 30 s.
  }, [&](HWND dialog) { return Text(GetDlgItem(dialog, kStatusId)) == folder; });
  EXPECT_TRUE(picker.Browse());
  EXPECT_EQ(picker.FolderName(), folder);
  // Windows gives the folder's display name, Wine its full path.
  const std::string leaf = "ql_picker_表示";
  ASSERT_GE(picker.DisplayName().size(), leaf.size());
  EXPECT_EQ(picker.DisplayName().substr(picker.DisplayName().size() - leaf.size()), leaf);
  ASSERT_FALSE(changes.empty());
  EXPECT_EQ(changes.back(), folder);
  EXPECT_TRUE(IsWindowEnabled(app.Handle()));

  // Cancelled, the next run gives false and empties both results.
  picker.ShowStyle = ssCenterScreen;
  picker.SelectFolder = sfDrives;
  OnDialog([&](HWND dialog) {
    EXPECT_EQ(SelectedTreeText(dialog), SpecialFolderDisplayName(CSIDL_DRIVES));
    RECT r{}, work{};
    GetWindowRect(dialog, &r);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(r.left, (work.right - work.left - (r.right - r.left)) / 2);
    EXPECT_EQ(r.top, (work.bottom - work.top - (r.bottom - r.top)) / 3);
    // A virtual item has no path: the status line is empty.
    EXPECT_EQ(Text(GetDlgItem(dialog, kStatusId)), "");
    Press(dialog, IDCANCEL);
  });
  EXPECT_FALSE(picker.Browse());
  EXPECT_EQ(picker.FolderName(), "");
  EXPECT_EQ(picker.DisplayName(), "");
}

TEST_F(SHBFFEXTest, AManualNameThatIsNoFolderOpensWhereTheDesktopValueOpensAndTheHandlerSetsStatusAndOk) {
  TSHBrowseForFolderEx picker(app);
  picker.Options = {sboStatusText};
  picker.SelectFolder = sfDesktop;
  std::string atDesktop;
  OnDialog([&](HWND dialog) {
    atDesktop = SelectedTreeText(dialog);
    Press(dialog, IDCANCEL);
  });
  EXPECT_FALSE(picker.Browse());
  ASSERT_FALSE(atDesktop.empty());

  picker.SelectFolder = sfManual;
  picker.SelectFolderName = file;
  std::vector<std::string> changes;
  picker.OnSelectionChanged = [&](TSHBrowseForFolderEx&, HWND, const std::string& path, std::string& text, int& ok) {
    changes.push_back(path);
    text = "状態";
    ok = 2;
  };
  OnDialog([&](HWND dialog) {
    EXPECT_EQ(SelectedTreeText(dialog), atDesktop);
    // Another item selected: the handler's status text and OK state are applied.
    HWND tree = GetDlgItem(dialog, kTreeId);
    const LRESULT caret = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
    LRESULT other = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    if (other == caret) other = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, caret);
    const std::size_t before = changes.size();
    g_sentToDialog.clear();
    SetWindowSubclass(dialog, &RecordDialogMessages, 0, 0);
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, other);
    RemoveWindowSubclass(dialog, &RecordDialogMessages, 0);
    EXPECT_EQ(changes.size(), before + 1);
    EXPECT_EQ(Text(GetDlgItem(dialog, kStatusId)), "状態");
    // The OK button is disabled through the dialog's message (Wine checks the
    // selection itself after the callback and may enable it again).
    EXPECT_NE(std::find(g_sentToDialog.begin(), g_sentToDialog.end(), "enable-ok 0"), g_sentToDialog.end());
    Press(dialog, IDCANCEL);
  });
  EXPECT_FALSE(picker.Browse());
  for (const std::string& path : changes) EXPECT_NE(path, file);
}

namespace {

// Shell calls that fail one at a time; the browse itself is replaced by one
// that records what it was given and "chooses" a prepared item.
bool g_failMalloc = false, g_failDesktop = false, g_failSpecial = false, g_failAlloc = false;
int g_browses = 0;
BROWSEINFOW g_seen{};
std::string g_seenTitle;
bool g_mainEnabledDuring = true;
HWND g_main = nullptr;
PIDLIST_ABSOLUTE g_choice = nullptr;

// The shell's allocator with an Alloc that can fail.
class FailingMalloc : public IMalloc {
 public:
  explicit FailingMalloc(IMalloc* real) : real_(real) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    *out = this;
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  void* STDMETHODCALLTYPE Alloc(SIZE_T n) override { return g_failAlloc ? nullptr : real_->Alloc(n); }
  void* STDMETHODCALLTYPE Realloc(void* p, SIZE_T n) override { return real_->Realloc(p, n); }
  void STDMETHODCALLTYPE Free(void* p) override { real_->Free(p); }
  SIZE_T STDMETHODCALLTYPE GetSize(void* p) override { return real_->GetSize(p); }
  int STDMETHODCALLTYPE DidAlloc(void* p) override { return real_->DidAlloc(p); }
  void STDMETHODCALLTYPE HeapMinimize() override { real_->HeapMinimize(); }

 private:
  IMalloc* real_;
};

HRESULT WINAPI FakeGetMalloc(IMalloc** out) {
  static IMalloc* real = [] {
    IMalloc* m = nullptr;
    SHGetMalloc(&m);
    return m;
  }();
  static FailingMalloc failing(real);
  *out = g_failMalloc ? nullptr : &failing;
  return g_failMalloc ? E_FAIL : S_OK;
}
HRESULT WINAPI FakeGetDesktop(IShellFolder** out) {
  if (g_failDesktop) return E_FAIL;
  return SHGetDesktopFolder(out);
}
HRESULT WINAPI FakeSpecial(HWND w, int csidl, PIDLIST_ABSOLUTE* out) {
  if (g_failSpecial) return E_FAIL;
  return SHGetSpecialFolderLocation(w, csidl, out);
}
PIDLIST_ABSOLUTE WINAPI FakeBrowse(LPBROWSEINFOW info) {
  ++g_browses;
  g_seen = *info;
  g_seenTitle = info->lpszTitle ? platform::ProgramText(info->lpszTitle) : "";
  g_mainEnabledDuring = IsWindowEnabled(g_main) != FALSE;
  lstrcpynW(info->pszDisplayName, platform::Wide("選んだ").c_str(), MAX_PATH);
  return std::exchange(g_choice, nullptr);
}

PIDLIST_ABSOLUTE ItemOf(const std::string& path) {
  PIDLIST_ABSOLUTE item = nullptr;
  std::wstring wide(MAX_PATH, L'\0');
  wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), MAX_PATH) - 1));
  SHParseDisplayName(wide.c_str(), nullptr, &item, 0, nullptr);
  return item;
}

}  // namespace

TEST_F(SHBFFEXTest, EveryFailureToPrepareTheDialogGivesFalseWithEmptyResults) {
  SHBrowseApi api{&FakeGetMalloc, &FakeGetDesktop, &FakeSpecial, &FakeBrowse};
  TSHBrowseForFolderEx picker(app, nullptr, api);
  picker.Caption = "題";
  picker.Options = {sboReturnOnlyFSDirs, sboStatusTextAndShowPath, sboStatusText};
  g_main = app.Handle();
  auto chooseFolder = [&] {
    g_choice = ItemOf(folder);
    ASSERT_NE(g_choice, nullptr);
    ASSERT_TRUE(picker.Browse());
    EXPECT_EQ(picker.FolderName(), folder);
    EXPECT_EQ(picker.DisplayName(), "選んだ");
  };

  chooseFolder();
  EXPECT_EQ(g_seen.hwndOwner, app.Handle());
  EXPECT_EQ(g_seen.ulFlags, static_cast<UINT>(BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT));
  EXPECT_EQ(g_seenTitle, "題");
  EXPECT_FALSE(g_mainEnabledDuring);
  EXPECT_TRUE(IsWindowEnabled(app.Handle()));

  for (bool* failure : {&g_failMalloc, &g_failDesktop, &g_failSpecial, &g_failAlloc}) {
    chooseFolder();
    const int browses = g_browses;
    *failure = true;
    EXPECT_FALSE(picker.Browse());
    *failure = false;
    EXPECT_EQ(g_browses, browses) << "the dialog ran although it could not be set up";
    EXPECT_EQ(picker.FolderName(), "");
    EXPECT_EQ(picker.DisplayName(), "");
  }

  // An item without a file-system path: chosen, with an empty folder name.
  SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &g_choice);
  EXPECT_TRUE(picker.Browse());
  EXPECT_EQ(picker.FolderName(), "");
  EXPECT_EQ(picker.DisplayName(), "選んだ");
  // A failed dialog still gives the main window back.
  EXPECT_FALSE(picker.Browse());
  EXPECT_TRUE(IsWindowEnabled(app.Handle()));

  // With an owner form the dialog is modal to the form too, and the
  // foreground goes back to the form, not to the hidden application window.
  owner.Show();
  TSHBrowseForFolderEx owned(app, &owner, api);
  g_main = owner.Handle();
  g_choice = ItemOf(folder);
  EXPECT_TRUE(owned.Browse());
  EXPECT_FALSE(g_mainEnabledDuring);
  EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
  EXPECT_EQ(GetForegroundWindow(), owner.Handle());
}
