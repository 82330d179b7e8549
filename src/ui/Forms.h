// The base of every form: one window of its own class (named after the form
// class, as the program's windows are found by class name), created once and
// reused, shown modally or brought forward, with its controls built from a
// table and its placement kept in the registry.
//
// A dialog is a table, not code: each ControlRow names the control's kind,
// identifier, rectangle (96-dpi client coordinates, scaled to the screen's
// DPI when the form is created), caption, tooltip and, for the dialogs with
// a model, the model field it shows (a FieldBinding). Commands are a table of
// identifier to handler. LoadControls/StoreControls move every bound field
// between the model and the controls in one go.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <span>
#include <utility>
#include <string>
#include <vector>

#include "base/Texts.h"
#include "platform/Desktop.h"
#include "platform/Registry.h"
#include "platform/Win32Handles.h"
#include "ui/Application.h"
#include "ui/FieldBinding.h"
#include "ui/FormModel.h"
#include "ui/FormPlacement.h"
#include "ui/Window.h"
#include "ui/WindowPlacement.h"

namespace quenlark {

enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

// Whether a form's designed size is that of its client area or of its window.
enum class SizeKind { Client, Window };

enum class ControlKind {
  Label,
  FocusLabel,     // its "&" letter moves the focus to the next control of the table
  Rule,           // an etched horizontal line
  Button,
  SpeedButton,    // a button outside the tab order
  DefaultButton,  // answers Enter
  CancelButton,   // answers Esc
  CheckBox,
  RadioButton,    // `groupStart` begins a new group of buttons
  Edit,
  PasswordEdit,   // shows "*" for every character
  GroupBox,
  Icon,
  Link,           // underlined, hand cursor, a tab stop; a click, Enter or Space sends STN_CLICKED
  ComboBox,       // a drop-down list to choose from
  ListBox,        // several rows may be selected
  CheckListView,  // one column of rows with check boxes
  UpDown,         // buddy: the row before it (an edit); range low..high
  HotKey,
  StatusBar,      // across the bottom; its rectangle is ignored
};

// One control of a form as designed. A width of 0 sizes a label to its text.
// Tab order is the table's order.
struct ControlRow {
  ControlKind kind = ControlKind::Label;
  int id = 0;
  const char* name = "";  // the design name, e.g. "PassEdit"
  int left = 0, top = 0, width = 0, height = 0;
  int rowHeight = 0;  // a check list's rows this high (96 dpi), drawn by the form; 0: the system's
  std::string caption;
  std::string hint;
  std::vector<std::string> items;  // rows of a combo box or list
  int low = 0, high = 0;           // range of an up-down control
  bool groupStart = false;
  FieldBinding binding;
  bool hidden = false;             // created but never shown
  bool readOnly = false;           // an edit the user cannot type into
  bool notifyDoubleClick = false;  // a double click sends kDoubleClickCode
};

// A length of a table where the English face's texts need more room than the
// Japanese ones: the Japanese face keeps the designed length, the English
// face takes its own (a control widened, or moved to make room for one).
inline int ByFace(int japanese, int english) { return CurrentFace() == Face::English ? english : japanese; }

// The notification code of WM_COMMAND that a row with `notifyDoubleClick`
// sends when it is double-clicked (edits have none of their own).
inline constexpr int kDoubleClickCode = 0x0FD1;

// An enablement rule: the control is enabled exactly when the rule, asked
// of the model, says so.
struct EnableRow {
  int id = 0;
  std::function<bool()> enabled;
};

// What a form keeps of its placement in the registry between runs.
enum class KeptPlacement { None, Position, PositionAndSize };

// A command of a form: the handler of a control's notification (BN_CLICKED
// for buttons, STN_CLICKED for links, both 0, unless `code` says otherwise).
struct CommandRow {
  int id = 0;
  std::function<void()> handler;
  int code = 0;
};

class TForm : public TWindow {
 public:
  TForm(TApplication& app, platform::IRegistry& registry, std::string className, std::string caption,
        int clientWidth, int clientHeight, DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
        DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, SizeKind sizeKind = SizeKind::Client);
  ~TForm() override;

  // Creates the window (hidden) and runs FormCreate.
  bool Create();
  // Runs FormDestroy once (placement saved) and destroys the window.
  void Destroy();
  // FormDestroy without destroying the window, for an end of session that
  // may not come back to the message loop.
  void SaveState();

  const std::string& ClassName() const { return className_; }
  bool Showing() const { return Handle() && IsWindowVisible(Handle()); }

  // Shows the form and brings it forward (not modal).
  void Show();
  // Shows the form modally; returns its modal result when it closes.
  int ShowModal();
  // Ends a modal showing with the given result (or hides a modeless one).
  void Close(int result = mrCancel);
  int ModalResultValue() const { return modalResult_; }

  FormBounds Bounds() const;
  void SetBounds(const FormBounds& bounds);

  // The DPI of the monitor the form is on (the one it was created for, then
  // each that WM_DPICHANGED tells), and a 96-dpi length scaled to it.
  int Dpi() const { return dpi_; }
  int Scale(int length) const { return MulDiv(length, dpi_, 96); }

  HWND Control(int id) const { return GetDlgItem(Handle(), id); }
  // The row a control was created from, or nullptr; all rows in tab order.
  const ControlRow* Row(int id) const;
  const std::vector<ControlRow>& Rows() const { return rows_; }
  // A control's value as its kind shows it, and the other way.
  ControlValue ReadControl(int id) const;
  void WriteControl(int id, const ControlValue& value);
  // Replaces the rows of a combo box, list box or check list.
  void SetItems(int id, const std::vector<std::string>& items);
  // Replaces a control's tooltip (a line feed starts a new line).
  void SetHint(int id, const std::string& hint);
  // The tooltip text of a control, empty when it has none.
  std::string Hint(int id) const;
  void EnableControl(int id, bool enabled);

 protected:
  virtual void FormCreate() {}
  virtual void FormShow() {}
  virtual void FormClose() {}
  virtual void FormDestroy() {}
  // After the form took a new DPI (WM_DPICHANGED): every table control is
  // placed and has the new font; a form redoes what else depends on the DPI.
  virtual void FormDpiChanged() {}
  // Releases what the form owns besides its window, once, when it is
  // destroyed (after FormDestroy). Never run from inside a message handler,
  // so nothing a handler still stands on goes away under it.
  virtual void FormRelease() {}
  // Messages the form handles itself; return true when handled.
  virtual bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  // A command that no command row handles. The default closes the form for
  // IDOK (Enter, when the table has a default button) and IDCANCEL (Esc,
  // when it has a cancel button).
  virtual void OnCommand(int id, int code);

  // Builds the controls of the table and keeps the rows. Call once.
  void CreateControls(std::span<const ControlRow> controls);
  void CreateControls(std::vector<ControlRow> controls);
  void SetCommands(std::vector<CommandRow> commands) { commands_ = std::move(commands); }
  // Every bound field into its control, and every control back into its field.
  void LoadControls();
  void StoreControls();
  // True while LoadControls writes the controls: the notifications the
  // controls send meanwhile are the form's own doing, not the user's.
  bool Loading() const { return loading_; }
  // The enablement rules, and every rule applied to its control now.
  void SetEnablement(std::vector<EnableRow> rows) { enablement_ = std::move(rows); }
  void UpdateEnablement();
  // Shows the failure's message box and gives its control the focus; false
  // when there is no failure.
  bool ShowFailure(const Validation& failure, platform::IMessageBox& messages);

  // Loaded when the form is created, after FormCreate; saved when it is
  // destroyed, before FormDestroy. Set by the form in FormCreate.
  KeptPlacement Placement = KeptPlacement::None;
  // Centres the form on the screen area used for placement.
  void CentreOnScreen();

  // Routes a message to the form's HandleMessage, then to the base's own
  // handler of it (a table in Forms.cpp), then to the default.
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) final;

  TApplication& app_;
  platform::IRegistry& registry_;

 private:
  // The base's handlers of messages (Forms.cpp; the DPI's in FormDpi.cpp,
  // the check lists' in FormCheckList.cpp).
  LRESULT OnDpiChanged(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnMeasureItem(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnDrawItem(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnCloseMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnCommandMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnActivate(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnNextControl(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnGetDefaultId(UINT msg, WPARAM wp, LPARAM lp);

  void CreateControl(const ControlRow& row, HWND previous);
  // A row's rectangle in the form at its DPI.
  RECT RowRect(const ControlRow& row) const;
  // A label without a designed width sized to its text in the form's font.
  void FitToText(const ControlRow& row, HWND control);
  // A check list's column across its width and its owner-drawn row height.
  void PlaceListRows(const ControlRow& row, HWND list, const RECT& place);
  // What DecidePlacement makes of the form going to `dpi` with its top-left
  // corner at `at`, keeping `kept` (else the size it has) when the user sizes it.
  PlacementDecision Decide(int dpi, ScreenPoint at, const KeptSize* kept = nullptr) const;
  // The decision applied: the layout for its DPI, then the window's rectangle.
  void Apply(const PlacementDecision& decision);
  // The font and every control from its table row at a DPI.
  void LayOut(int dpi);
  // The window's frame (window less client area) at a DPI.
  PixelSize FrameAt(int dpi) const;
  void ShowAtWindowDpi();
  // The tooltip window, made with the first controls.
  void CreateHints();
  void AddHint(HWND control, const std::string& hint);
  // Hands a mouse message of the form itself to the tooltip. It comes where
  // no control takes the mouse (a disabled control, a group box), so the
  // hint of the control there is given a rectangle of the form first.
  void RelayToHints(UINT msg, WPARAM wp, LPARAM lp);
  int FindRowKind(ControlKind kind) const;
  // Keeps the control that has the focus now, to be given it back when the
  // form is activated again.
  void RememberFocus();
  // Hides the form after it closed.
  void Hide();
  void LoadPlacement();
  void SavePlacement();
  // A bound list's rows, marks and focus row.
  void WriteList(HWND list, const ControlValue& value);
  int ListFocus(int id, HWND list, const std::vector<int>& selection) const;

  std::string className_;
  std::string caption_;
  int clientWidth_;
  int clientHeight_;
  DWORD style_;
  DWORD exStyle_;
  SizeKind sizeKind_;
  int dpi_ = 96;
  // True while the form moves itself: the WM_DPICHANGED that a move to a
  // monitor of another DPI sends is already decided for.
  bool placing_ = false;
  // A check list's boxes were drawn by the form for a DPI other than the
  // system's (a form has at most one check list).
  bool checkBoxesDrawn_ = false;
  HWND tooltip_ = nullptr;
  HWND focus_ = nullptr;  // the control to focus when the form is activated
  platform::UniqueFont font_;
  std::vector<ControlRow> rows_;
  std::vector<CommandRow> commands_;
  std::vector<EnableRow> enablement_;
  // A list shown without a focus row keeps the caret the system leaves it;
  // until the user moves the caret or the selection, it stands for none.
  struct Unfocused {
    int id;
    int caret;
    std::vector<int> selection;
  };
  std::vector<Unfocused> unfocused_;
  // A control's hint: two tools with one text, whose address stays fixed
  // while they use it. One is the control itself, for the mouse input the
  // control takes; the other a rectangle of the form (identified by the
  // control's id), set to the control's place while the pointer is on it
  // and the control takes no mouse input itself, and empty otherwise.
  struct HintTool {
    HWND control;
    std::unique_ptr<std::wstring> text;
    RECT rect{};
  };
  std::vector<HintTool> hints_;
  bool inModalLoop_ = false;
  bool loading_ = false;
  bool stateSaved_ = false;
  bool released_ = false;
  int modalResult_ = mrNone;
};

// The screen area dialogs are placed in: the virtual screen, or the primary
// screen on systems that know no virtual screen.
ScreenSize PlacementScreenSize();

// Shows the form modally, or only brings it forward when it is already shown.
void ShowDialog(TForm& form);

}  // namespace quenlark
