// The installer's only window, TForm1: its layout and its handlers.
#pragma once

#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/registry.h"
#include "platform/toolkit.h"

namespace install {
struct Manual;
}

namespace app {

// True when window creation found a language file and read it without error.
inline bool dokoncit = false;

// The form's controls, in declaration order.
enum Control : platform::ControlId { kSetup = 0, kRegister = 1, kLanguage = 2 };

extern const platform::FormLayout kForm1;

class TForm1 final : public platform::FormEvents {
 public:
  TForm1(platform::Toolkit& application, platform::Files& files, platform::Registry& registry)
      : application_(application), files_(files), registry_(registry) {}

  void FormCreate();
  void LanguageClick();
  // The installation run; the Setup button's handler.
  void SetupClick();
  // The deployment step; the Register button's handler.
  void RegisterClick();

  void OnCreate() override { FormCreate(); }
  // Triggering a control's click runs its handler exactly as a user's click does.
  void OnClick(platform::ControlId control) override;

 private:
  void StoreLanguageFile();
  void ShowCompletion();
  void CleanMedia();
  void PlaceDesktopLinks();
  void PlaceManual(const install::Manual& manual);
  // The path of a desktop item ("\Orvalis.lnk") in the current user's desktop folder.
  std::string DesktopPath(std::string_view item);
  void CopyToDesktop(std::string_view source, std::string_view item);

  platform::Toolkit& application_;
  platform::Files& files_;
  platform::Registry& registry_;
};

// The program entry: initialise the application, create Form1, run the message loop.
int Setup(platform::Toolkit& application, platform::Files& files, platform::Registry& registry);

}  // namespace app
