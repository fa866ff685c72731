#include "app/unit1.h"

#include <array>
#include <string_view>

#include "language/language.h"

namespace app {

namespace {

constexpr std::array<std::string_view, 5> kLanguageItems{"Česky", "English", "Deutsche", "Svenska",
                                                         "Русский"};
constexpr platform::Color kLanguageGroupColor = 16762507;  // red 139, green 198, blue 255

constexpr std::array<platform::ControlLayout, 3> kControls{{
    {"Setup", platform::ControlKind::PushButton, 18, 24, 75, 25, "Setup", {}, false, 0},
    {"Register", platform::ControlKind::PushButton, 128, 24, 75, 25, "Register", {}, false, 0},
    {"Language", platform::ControlKind::RadioGroup, 80, 43, 171, 305, "", kLanguageItems, true,
     kLanguageGroupColor},
}};

}  // namespace

const platform::FormLayout kForm1{"Setup Orvalis 5.23", 344, 404, "Tahoma", -11, kControls};

void TForm1::FormCreate() {
  dokoncit = false;
  language::Languagem = 0;
  if (files_.FileExists(language::kInstalledLanguageFile)) {
    language::ReadLanguage(files_, language::kInstalledLanguageFile);
    dokoncit = true;
  } else if (files_.FileExists(language::kMediaLanguageFile)) {
    language::ReadLanguage(files_, language::kMediaLanguageFile);
    dokoncit = true;
  } else {
    dokoncit = false;
    language::Languagem = 0;
    application_.SetItemIndex(kLanguage, -1);
  }
  if (dokoncit) OnClick(kSetup);
}

void TForm1::LanguageClick() {
  language::Languagem = application_.ItemIndex(kLanguage);
  application_.SetVisible(kLanguage, false);
  application_.ProcessMessages();
  application_.Restore();
  OnClick(kSetup);
}

void TForm1::OnClick(platform::ControlId control) {
  switch (control) {
    case kSetup:
      SetupClick();
      break;
    case kRegister:
      RegisterClick();
      break;
    case kLanguage:
      LanguageClick();
      break;
    default:
      break;
  }
}

int Setup(platform::Toolkit& application, platform::Files& files, platform::Registry& registry) {
  application.Initialize();
  application.SetMainFormOnTaskBar(true);
  TForm1 form1(application, files, registry);
  application.CreateForm(kForm1, form1);
  application.Run();
  return 0;
}

}  // namespace app
