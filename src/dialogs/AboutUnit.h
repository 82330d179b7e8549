// The about box: program icon, name, version, description and two links.
#pragma once

#include "ui/Forms.h"

namespace quenlark {

inline constexpr const char* kMakerWebPage = "http://kestrow.example/quenlark/";
inline constexpr const char* kMakerMail = "mailto:quenlark@kestrow.example";

class TAboutForm : public TForm {
 public:
  TAboutForm(TApplication& app, platform::IRegistry& registry)
      : TForm(app, registry, "TAboutForm", "ﾊﾞｰｼﾞｮﾝ情報", 300, 150) {}

 protected:
  void FormCreate() override;

 private:
  void OpenLink(const char* address);
};

}  // namespace quenlark
