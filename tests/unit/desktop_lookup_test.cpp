// The desktop lookup: registry value, shell fallback, and the errors that stop the deployment.
#include <gtest/gtest.h>

#include "app/unit1.h"
#include "install/desktop_lookup.h"
#include "platform/errors.h"
#include "tests/unit/test_support.h"

namespace {

namespace fs = std::filesystem;
using platform::RegistryValue;
using testing_support::Installation;

TEST(GetDesktopDir, ReadsTheDesktopValueAndClosesTheKey) {
  platform::host::HostRegistry registry;
  registry.SetValue(install::kShellFoldersKey, "Desktop",
                    {RegistryValue::Kind::String, "C:\\Users\\Ann\\Desktop"});
  registry.SetKnownDesktopFolder("C:\\Elsewhere");
  EXPECT_EQ(install::GetDesktopDir(registry), "C:\\Users\\Ann\\Desktop");
  EXPECT_EQ(registry.open_keys(), 0);
}

TEST(GetDesktopDir, ErrorsAndFallback) {
  const struct {
    const char* name;
    bool key;
    RegistryValue value;
    std::optional<std::string> known;
    const char* result;  // nullptr: raises error
    const char* error;
  } cases[] = {
      {"NoKey",
       false,
       {},
       "C:\\Known",
       nullptr,
       "Nemůžu v registrech najít cestu k pracovní ploše."},
      {"AbsentValueAsksTheShell", true, {}, "C:\\Known", "C:\\Known", nullptr},
      {"EmptyValueAsksTheShell",
       true,
       {RegistryValue::Kind::String, ""},
       "C:\\Known",
       "C:\\Known",
       nullptr},
      {"NeitherValueNorShell",
       true,
       {},
       std::nullopt,
       nullptr,
       "Nemůžu v registrech najít cestu k pracovní ploše."},
      {"WrongType",
       true,
       {RegistryValue::Kind::OtherType, ""},
       "C:\\Known",
       nullptr,
       "Invalid data type for 'Desktop'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    platform::host::HostRegistry registry;
    if (c.key) registry.AddKey(install::kShellFoldersKey);
    if (c.value.kind != RegistryValue::Kind::Absent)
      registry.SetValue(install::kShellFoldersKey, "Desktop", c.value);
    registry.SetKnownDesktopFolder(c.known);
    if (c.result) {
      EXPECT_EQ(install::GetDesktopDir(registry), c.result);
    } else {
      try {
        install::GetDesktopDir(registry);
        ADD_FAILURE() << "no error";
      } catch (const platform::Exception& error) {
        EXPECT_STREQ(error.what(), c.error);
      }
    }
    EXPECT_EQ(registry.open_keys(), 0);
  }
}

TEST_F(Installation, MissingKeyStopsTheRunBeforeAnythingOfTheDeployment) {
  MakeMedia();
  registry.RemoveKey(install::kShellFoldersKey);
  Write(DesktopItem("\\Orvalis 3_40.exe"), "old");
  Write(Host("C:\\Nolvarin\\Orvalis 3_40.exe"), "old");
  Run(1);
  const auto box = OnlyBox();
  EXPECT_TRUE(box.error);
  EXPECT_EQ(box.text, "Nemůžu v registrech najít cestu k pracovní ploše.");
  EXPECT_FALSE(toolkit.Terminated());
  EXPECT_FALSE(toolkit.visible(app::kLanguage));
  // The manifest groups are in place; nothing of the deployment was done.
  EXPECT_TRUE(fs::exists(Host("C:\\RoxPelMu4\\Grenmolt\\Snimek35.jpg")));
  EXPECT_TRUE(fs::exists(Host("C:\\Nolvarin\\Orvalis 3_40.exe")));
  EXPECT_TRUE(fs::exists(DesktopItem("\\Orvalis 3_40.exe")));
  EXPECT_FALSE(fs::exists(Host("C:\\Nolvarin\\Celvano.ico")));
}

TEST_F(Installation, WrongValueTypeStopsTheRunWithTheReadError) {
  MakeMedia();
  registry.SetValue(install::kShellFoldersKey, "Desktop", {RegistryValue::Kind::OtherType, ""});
  Run(1);
  EXPECT_EQ(OnlyBox().text, "Invalid data type for 'Desktop'");
  EXPECT_FALSE(fs::exists(Host("C:\\Nolvarin\\Celvano.ico")));
}

TEST_F(Installation, AbsentValueUsesTheShellsDesktopNotTheDriveRoot) {
  MakeMedia();
  registry.RemoveKey(install::kShellFoldersKey);
  registry.AddKey(install::kShellFoldersKey);
  registry.SetKnownDesktopFolder(std::string(testing_support::kDesktop));
  Run(1);
  EXPECT_EQ(OnlyBox().text, "Installation completed.");
  EXPECT_TRUE(fs::exists(DesktopItem("\\Orvalis.lnk")));
  EXPECT_FALSE(fs::exists(Host("C:\\Orvalis.lnk")));
  EXPECT_FALSE(fs::exists(Host("C:\\Tobrenix.lnk")));
}

TEST_F(Installation, DesktopFolderThatDoesNotExistIsReported) {
  MakeMedia();
  registry.SetValue(install::kShellFoldersKey, "Desktop",
                    {RegistryValue::Kind::String, "C:\\Users\\Gone\\Desktop"});
  Run(1);
  const std::string text = OnlyBox().text;
  EXPECT_TRUE(
      text.starts_with("Installation incomplete. These files could not be written:\n"
                       "C:\\Users\\Gone\\Desktop\\Tobrenix.lnk\n"))
      << text;
}

}  // namespace
