// The folder picker: a component around the shell's modal folder-browsing
// dialog that chooses the tree's root, the folder selected at the start, the
// dialog's placement and its status line. Its decisions are in
// SHBFFEXLogic; this class makes the shell calls.
#pragma once

#include <windows.h>

#include <shlobj.h>

#include <functional>
#include <string>

#include "dialogs/SHBFFEXLogic.h"

namespace quenlark {

class TApplication;
class TForm;

// The shell calls the picker makes; the real ones by default, others in tests
// of the paths where the shell fails.
struct SHBrowseApi {
  HRESULT(WINAPI* getMalloc)(IMalloc**) = &SHGetMalloc;
  HRESULT(WINAPI* getDesktopFolder)(IShellFolder**) = &SHGetDesktopFolder;
  HRESULT(WINAPI* getSpecialFolderLocation)(HWND, int, PIDLIST_ABSOLUTE*) = &SHGetSpecialFolderLocation;
  PIDLIST_ABSOLUTE(WINAPI* browseForFolder)(LPBROWSEINFOW) = &SHBrowseForFolderW;
};

class TSHBrowseForFolderEx {
 public:
  // Raised when the selection in the tree changes: the picker, the dialog
  // window, the selected folder's path; the status text and the OK state
  // (0 leave the button, 1 enable it, 2 disable it) may be changed.
  using TSHBrowseEvent = std::function<void(TSHBrowseForFolderEx& Sender, HWND Wnd, const std::string& Path,
                                            std::string& ShowText, int& OKButtonState)>;

  // `owner` is the form the picker belongs to (nullptr for none): with
  // ssClient the dialog opens over its client area. The application's
  // window owns the dialog and is disabled while it runs.
  explicit TSHBrowseForFolderEx(TApplication& app, TForm* owner = nullptr, SHBrowseApi api = {})
      : app_(app), owner_(owner), api_(api) {}
  virtual ~TSHBrowseForFolderEx() = default;
  TSHBrowseForFolderEx(const TSHBrowseForFolderEx&) = delete;
  TSHBrowseForFolderEx& operator=(const TSHBrowseForFolderEx&) = delete;

  TSelectFolder SelectFolder = sfDrives;
  std::string SelectFolderName;
  std::string Caption;
  TSHBrowseOptions Options{sboReturnOnlyFSDirs};
  TSHBrowseEvent OnSelectionChanged;
  TRootFolder RootFolder = rfDesktop;
  std::string RootFolderName;
  TShowStyle ShowStyle = ssClient;

  // Runs the dialog; true when the user chose an item with OK, false on
  // Cancel or when the dialog could not be set up. The results are emptied
  // first.
  virtual bool Browse();
  virtual void DoSelectionChanged(HWND Wnd, const std::string& Path, std::string& ShowText, int& OKButtonState);

  // The chosen folder's file-system path (empty when the item has none) and
  // the chosen item's display name.
  const std::string& FolderName() const { return folderName_; }
  const std::string& DisplayName() const { return displayName_; }

 private:
  static int CALLBACK BrowseCallback(HWND wnd, UINT msg, LPARAM param, LPARAM data) noexcept;
  void OnCallback(HWND wnd, UINT msg, LPARAM param);
  void PlaceDialog(HWND wnd);

  TApplication& app_;
  TForm* owner_;
  SHBrowseApi api_;
  std::string folderName_;
  std::string displayName_;
  PIDLIST_ABSOLUTE initialItem_ = nullptr;  // while the dialog is open
  bool showPath_ = false;
};

}  // namespace quenlark
