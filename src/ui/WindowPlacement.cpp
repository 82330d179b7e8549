#include "ui/WindowPlacement.h"

#include "settings/SettingsStore.h"
#include "base/Util.h"

namespace quenlark {
namespace {

int ReadPositionValue(platform::IRegistryKey& key, const std::string& name, int fallback) {
  auto text = key.ReadString(kPositionSection, name);
  return text ? util::StrToIntDef(*text, fallback) : fallback;
}

}  // namespace

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
  form.Top = defaultTop;
  form.Left = defaultLeft;
  if (auto key = registry.OpenKey(kRegistryKey)) {
    form.Top = ReadPositionValue(*key, className + ".Top", defaultTop);
    form.Left = ReadPositionValue(*key, className + ".Left", defaultLeft);
  }
  if (screen.Height - 50 < form.Top) form.Top = defaultTop;
  if (screen.Width - 50 < form.Left) form.Left = defaultLeft;
}

void LoadWindowSize(platform::IRegistry& registry, FormBounds& form, const std::string& className) {
  if (auto key = registry.OpenKey(kRegistryKey)) {
    form.Height = ReadPositionValue(*key, className + ".Height", form.Height);
    form.Width = ReadPositionValue(*key, className + ".Width", form.Width);
  }
}

void SaveWindowPosition(platform::IRegistry& registry, const FormBounds& form, const std::string& className) {
  if (auto key = registry.OpenKey(kRegistryKey)) {
    key->WriteString(kPositionSection, className + ".Top", std::to_string(form.Top));
    key->WriteString(kPositionSection, className + ".Left", std::to_string(form.Left));
  }
}

void SaveWindowSize(platform::IRegistry& registry, const FormBounds& form, const std::string& className) {
  if (auto key = registry.OpenKey(kRegistryKey)) {
    key->WriteString(kPositionSection, className + ".Height", std::to_string(form.Height));
    key->WriteString(kPositionSection, className + ".Width", std::to_string(form.Width));
  }
}

}  // namespace quenlark
