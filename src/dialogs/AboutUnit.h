// The about box: program icon, name, version, description and two links.
#pragma once

#include <string>

#include "base/Texts.h"
#include "platform/Shell.h"
#include "ui/Forms.h"

namespace quenlark {

inline constexpr const char* kMakerWebPage = "http://kestrow.example/quenlark/";
inline constexpr const char* kMakerMail = "mailto:quenlark@kestrow.example";

// The product version in a module's version resource ("2.4.2"), empty when
// the module has none that can be read.
std::string ModuleProductVersion(HMODULE module);

class TAboutForm : public TForm {
 public:
  enum { kIconId = 100, kProductId, kVersionId, kDescriptionId, kWebId, kMailId };

  // The links go to the shell; the version comes from the resource of the
  // application's module.
  TAboutForm(TApplication& app, platform::IRegistry& registry, platform::IShell& shell)
      : TForm(app, registry, "TAboutForm", Text(TextId::AboutCaption), 300, 150), shell_(shell) {}

 protected:
  void FormCreate() override;
  void OnCommand(int id, int code) override;

 private:
  void OpenLink(const char* address);

  platform::IShell& shell_;
};

}  // namespace quenlark
