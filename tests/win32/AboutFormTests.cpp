// The about box built for real: its version text read from the module's
// version resource, and its links reached and pressed from the keyboard.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TimedSteps.h"

#include "FakeRegistry.h"
#include "settings/SettingsStore.h"
#include "dialogs/AboutUnit.h"

namespace {

using quenlark::TAboutForm;

class RecordingShell : public platform::IShell {
 public:
  std::vector<platform::ShellExecuteRequest> requests;
  void Execute(const platform::ShellExecuteRequest& request) override { requests.push_back(request); }
  std::optional<platform::ShortcutLaunchParts> ReadShortcut(const std::string&) override { return std::nullopt; }
  bool RecycleFiles(const std::string&) override { return false; }
};

using testsupport::RunSteps;
using testsupport::Text;

void PressKey(WPARAM key) { PostMessageA(GetFocus(), WM_KEYDOWN, key, 0); }

struct Fixture {
  quenlark::TApplication app{GetModuleHandleA(nullptr)};
  test::FakeRegistry registry;
  RecordingShell shell;
  TAboutForm form{app, registry, shell};
  Fixture() {
    app.Initialize();
    form.Create();
  }
  ~Fixture() { form.Destroy(); }
};

}  // namespace

TEST(AboutFormTest, TheVersionLabelIsTheProductVersionOfTheModulesVersionResource) {
  Fixture f;
  // This test program carries the same version resource as quenlark.exe. Its
  // text, its numbers, the about box and the settings' Version stamp all
  // show the one project version.
  const std::string version = quenlark::kProgramVersion;
  ASSERT_EQ(version, QUENLARK_PROJECT_VERSION);
  EXPECT_EQ(quenlark::ModuleProductVersion(GetModuleHandleA(nullptr)), version);
  EXPECT_EQ(Text(f.form.Control(TAboutForm::kVersionId)), "Version " + version);
  char path[MAX_PATH];
  ASSERT_GT(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
  DWORD ignored = 0;
  std::vector<char> data(GetFileVersionInfoSizeA(path, &ignored));
  ASSERT_FALSE(data.empty());
  ASSERT_TRUE(GetFileVersionInfoA(path, 0, static_cast<DWORD>(data.size()), data.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length) && fixed);
  const std::string numbers = std::to_string(HIWORD(fixed->dwProductVersionMS)) + "." +
                              std::to_string(LOWORD(fixed->dwProductVersionMS)) + "." +
                              std::to_string(HIWORD(fixed->dwProductVersionLS)) + "." +
                              std::to_string(LOWORD(fixed->dwProductVersionLS));
  EXPECT_EQ(numbers, version + ".0");
  EXPECT_EQ(fixed->dwFileVersionMS, fixed->dwProductVersionMS);
  EXPECT_EQ(fixed->dwFileVersionLS, fixed->dwProductVersionLS);

  // Made for a module of another version, the box shows that one.
  HMODULE other = GetModuleHandleA("shell32.dll");
  const std::string otherVersion = quenlark::ModuleProductVersion(other);
  ASSERT_FALSE(otherVersion.empty());
  ASSERT_NE(otherVersion, version);
  quenlark::TApplication app(other);
  ASSERT_TRUE(app.Initialize());
  TAboutForm about(app, f.registry, f.shell);
  ASSERT_TRUE(about.Create());
  EXPECT_EQ(Text(about.Control(TAboutForm::kVersionId)), "Version " + otherVersion);
  about.Destroy();
}

TEST(AboutFormTest, TabReachesEachLinkAndEnterOrSpaceHandsItsAddressToTheShell) {
  Fixture f;
  HWND web = f.form.Control(TAboutForm::kWebId);
  HWND mail = f.form.Control(TAboutForm::kMailId);
  HWND ok = f.form.Control(IDOK);
  RunSteps({
      [&] {
        SetFocus(ok);
        PressKey(VK_TAB);  // from the last control round to the first link
      },
      [&] {
        EXPECT_EQ(GetFocus(), web);
        PressKey(VK_RETURN);
      },
      [&] {
        // Enter on a link opens the link and leaves the box open.
        ASSERT_EQ(f.shell.requests.size(), 1u);
        EXPECT_EQ(f.shell.requests[0].file, quenlark::kMakerWebPage);
        EXPECT_EQ(f.shell.requests[0].verb, "open");
        EXPECT_EQ(f.shell.requests[0].showCommand, SW_SHOWNORMAL);
        EXPECT_TRUE(f.form.Showing());
        PressKey(VK_TAB);
      },
      [&] {
        EXPECT_EQ(GetFocus(), mail);
        PressKey(VK_SPACE);
      },
      [&] {
        ASSERT_EQ(f.shell.requests.size(), 2u);
        EXPECT_EQ(f.shell.requests[1].file, quenlark::kMakerMail);
        // The key held down: its repeats open nothing more.
        SendMessageA(mail, WM_KEYDOWN, VK_SPACE, 0x40000000);
        EXPECT_EQ(f.shell.requests.size(), 2u);
        // Over a link the pointer is the hand.
        SendMessageA(mail, WM_SETCURSOR, reinterpret_cast<WPARAM>(mail), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
        PressKey(VK_TAB);
      },
      [&] {
        EXPECT_EQ(GetFocus(), ok);
        PressKey(VK_RETURN);
      },
      [&] {
        if (f.form.Showing()) f.form.Close(quenlark::mrCancel);
      },
  });
  EXPECT_EQ(f.form.ShowModal(), quenlark::mrOk);
  EXPECT_EQ(f.shell.requests.size(), 2u);
}

// A module without a version resource (the unit tests' program, built
// beside this one, mapped as data): the built-in version.
TEST(AboutFormTest, WithoutAReadableVersionResourceTheBuiltInVersionIsShown) {
  char path[MAX_PATH] = {};
  ASSERT_GT(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
  std::string other = path;
  other = other.substr(0, other.find_last_of('\\') + 1) + "unit_tests.exe";
  HMODULE data = LoadLibraryExA(other.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(data, nullptr);
  ASSERT_EQ(quenlark::ModuleProductVersion(data), "");
  quenlark::TApplication app{data};
  ASSERT_TRUE(app.Initialize());
  test::FakeRegistry registry;
  RecordingShell shell;
  TAboutForm form{app, registry, shell};
  ASSERT_TRUE(form.Create());
  EXPECT_EQ(Text(form.Control(TAboutForm::kVersionId)), std::string("Version ") + quenlark::kProgramVersion);
  form.Destroy();
  FreeLibrary(data);
}

TEST(AboutFormTest, InTheEnglishFaceTheBoxSpeaksEnglish) {
  quenlark::SetFace(quenlark::Face::English);
  std::string caption, description;
  {
    Fixture f;
    caption = Text(f.form.Handle());
    description = Text(f.form.Control(TAboutForm::kDescriptionId));
  }
  quenlark::SetFace(quenlark::Face::Japanese);
  EXPECT_EQ(caption, "About Quenlark");
  EXPECT_EQ(description, "History in the notification area");
}
