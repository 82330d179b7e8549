// Program entry and composition root: COM for the one user-interface thread,
// the system's implementations of the seam, the controller and the dialogs
// in order, the message loop and the shut-down.
#include <objbase.h>
#include <windows.h>
#include <commctrl.h>

#include "app/QuenlarkUnit.h"
#include "dialogs/AboutUnit.h"
#include "dialogs/PassChangeUnit.h"
#include "dialogs/PassForm.h"
#include "dialogs/SelectClearUnit.h"
#include "dialogs/SettingUnit.h"
#include "dialogs/UseFileSettingUnit.h"
#include "platform/Win32ChangeWatch.h"
#include "platform/Win32Collation.h"
#include "platform/Win32Desktop.h"
#include "platform/Win32FileSystem.h"
#include "platform/Win32NetworkNames.h"
#include "platform/Win32Registry.h"
#include "platform/Win32Shell.h"
#include "platform/Win32Theme.h"
#include "platform/Win32ShortcutReader.h"

#include <cstdlib>

// What std::terminate calls for an exception nobody caught: it ends the
// program as the library's default handler does, without first printing the
// exception's type to a console, which this windowed program does not have.
// Being ours, it keeps the default handler and its demangler (45 KB) out of
// the executable.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace quenlark {
namespace {

// Runs the whole program; returns the exit code.
int RunQuenlark(HINSTANCE instance) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_LINK_CLASS};
  InitCommonControlsEx(&icc);

  TApplication app(instance);
  app.Title = "Quenlark";
  app.HelpFile = "Quenlark.hlp";
  if (!app.Initialize()) return 1;
  // The dialogs' title bars and the menus ask it whenever they show.
  platform::Win32Theme theme;
  app.Theme = &theme;

  platform::Win32Registry registry;
  platform::Win32FileSystem fs;
  platform::Win32ShortcutReader shortcuts;
  platform::Win32Collation collation;
  platform::Win32NetworkNames network;
  platform::Win32Shell shell;
  platform::Win32KeyState keys;
  platform::Win32PathQuery paths;
  platform::Win32MessageBox messages;
  platform::Win32Clock clock;
  platform::Win32Environment environment;
  platform::Win32CursorPosition cursor;
  // The change notifications wait in the application's message loop.
  auto makeChangeWatch = [&app](HWND window, UINT message) -> std::unique_ptr<platform::IChangeWatch> {
    auto watch = std::make_unique<platform::Win32ChangeWatch>(window, message);
    app.SetWaitSource(watch.get());
    return watch;
  };
  TQuenlarkForm controller(app, {{registry, fs, shortcuts, collation, network},
                                 shell, keys, paths, messages, clock, environment, cursor, makeChangeWatch});
  if (!controller.Create()) return 1;
  shell.SetController(controller.Handle());
  if (controller.SecondInstance()) {
    app.Run();
    return 0;
  }

  TPassChangeForm passChange(app, registry, messages);
  TAboutForm about(app, registry, shell);
  TSettingForm setting(app, registry, controller, passChange, messages);
  TSelectClearForm selectClear(app, registry, controller, {fs, shell, keys, paths, messages});
  TUseFileSettingForm useFileSetting(app, registry, controller, {messages, paths});
  TPass pass(app, registry);
  std::vector<TForm*> dialogs{&about, &setting, &selectClear, &useFileSetting, &pass, &passChange};
  // Created, and handed to the controller, right after the tray icon was added.
  controller.OnStarted = [&] {
    for (TForm* dialog : dialogs) dialog->Create();
    controller.AttachDialogs({&about, &setting, &selectClear, &useFileSetting, &pass, dialogs});
  };

  int code = app.Run();

  // Dialogs go first, in reverse order of creation, then the controller.
  for (auto it = dialogs.rbegin(); it != dialogs.rend(); ++it) (*it)->Destroy();
  controller.Destroy();
  return code;
}

}  // namespace
}  // namespace quenlark

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  HRESULT com = CoInitialize(nullptr);
  int code = quenlark::RunQuenlark(instance);
  if (SUCCEEDED(com)) CoUninitialize();
  return code;
}
