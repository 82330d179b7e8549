#include "ui/WindowPlacement.h"

#include "settings/SettingsStore.h"

namespace quenlark {

std::string WindowsVersionName(bool queried, unsigned platformId, unsigned major, unsigned minor) {
  if (!queried) return {};
  switch (platformId) {
    case 0:
      return "31";
    case 1:
      return minor != 0 ? "98" : "95";
    case 2:
      if (minor != 0) return "XP";
      return major == 4 ? "NT" : "2000";
    default:
      return {};
  }
}

bool UsesVirtualScreen(const std::string& versionName) {
  return !(versionName.empty() || versionName == "95" || versionName == "NT");
}

void LoadWindowPosition(platform::IRegistry& registry, FormBounds& form, const std::string& className,
                        ScreenSize screen) {
  const int defaultTop = (screen.Height - form.Height) / 2;
  const int defaultLeft = (screen.Width - form.Width) / 2;
  const TPlacementStore store(registry, className);
  form.Top = store.Read("Top", defaultTop);
  form.Left = store.Read("Left", defaultLeft);
  if (screen.Height - 50 < form.Top) form.Top = defaultTop;
  if (screen.Width - 50 < form.Left) form.Left = defaultLeft;
}

void LoadWindowSize(platform::IRegistry& registry, FormBounds& form, const std::string& className) {
  const TPlacementStore store(registry, className);
  form.Height = store.Read("Height", form.Height);
  form.Width = store.Read("Width", form.Width);
}

void SaveWindowPosition(platform::IRegistry& registry, const FormBounds& form, const std::string& className) {
  TPlacementStore store(registry, className);
  store.Write("Top", form.Top);
  store.Write("Left", form.Left);
}

void SaveWindowSize(platform::IRegistry& registry, const FormBounds& form, const std::string& className) {
  TPlacementStore store(registry, className);
  store.Write("Height", form.Height);
  store.Write("Width", form.Width);
}

}  // namespace quenlark
