// The installation run: mode, folders, groups, language file, completion message, end.
#include <gtest/gtest.h>

#include <string>

#include "app/unit1.h"
#include "install/install_mode.h"
#include "install/manifest.h"
#include "install/run_record.h"
#include "language/language.h"
#include "tests/unit/test_support.h"

namespace {

namespace fs = std::filesystem;
using testing_support::Installation;

std::string Target(const install::Group& group, std::string_view source) {
  return install::JoinPath(group.target_folder, install::FileName(source));
}

class InstallationRun : public Installation {
 protected:
  void ExpectGroupInstalled(const install::Group& group) {
    SCOPED_TRACE(std::string(group.name));
    for (const std::string_view source : group.sources) {
      if (!fs::exists(Host(source))) continue;
      EXPECT_EQ(Read(Host(Target(group, source))), Read(Host(source))) << source;
    }
  }
  void MarkInstalled() {
    Write(Host(install::kModeFileFirst), "a");
    Write(Host(install::kModeFileSecond), "b");
  }
};

TEST_F(InstallationRun, TypicalFirstInstallationByAClick) {
  MakeMedia();
  Run(1);
  EXPECT_FALSE(toolkit.visible(app::kLanguage));
  for (const std::string_view folder : install::kInstalledFolders)
    EXPECT_TRUE(fs::is_directory(Host(folder))) << folder;
  EXPECT_TRUE(fs::is_empty(Host(install::kProductFolder)));
  EXPECT_TRUE(fs::is_empty(Host(install::kWorkFolder)));
  for (const install::Group& group : install::kGroups) ExpectGroupInstalled(group);
  EXPECT_EQ(Read(Host("C:\\RoxPelMu4\\dLangv.dat")), std::string("\x01\x00\x00\x00", 4));
  const auto box = OnlyBox();
  EXPECT_FALSE(box.error);
  EXPECT_EQ(box.title, "Setup");
  EXPECT_EQ(box.text, "Installation completed.");
  EXPECT_TRUE(toolkit.Terminated());
}

TEST_F(InstallationRun, NothingIsInstalledUntilALanguageIsChosen) {
  MakeMedia();
  toolkit.QueueClose();
  Run(std::nullopt);
  EXPECT_TRUE(toolkit.shown());
  EXPECT_TRUE(toolkit.visible(app::kLanguage));
  EXPECT_EQ(toolkit.ItemIndex(app::kLanguage), -1);
  EXPECT_TRUE(toolkit.boxes().empty());
  EXPECT_FALSE(fs::exists(Host("C:\\RoxPelMu4")));
}

TEST_F(InstallationRun, ModeFollowsBothModeFiles) {
  const struct {
    bool first, second, upgrade;
  } cases[] = {
      {false, false, false}, {true, false, false}, {false, true, false}, {true, true, true}};
  for (const auto& c : cases) {
    fs::remove_all(drive_c / "RoxPelMu4");
    if (c.first) Write(Host(install::kModeFileFirst), "a");
    if (c.second) Write(Host(install::kModeFileSecond), "b");
    install::DecideMode(files);
    EXPECT_EQ(install::upgrade, c.upgrade) << c.first << c.second;
    EXPECT_NE(install::instal, install::upgrade);
  }
}

TEST_F(InstallationRun, UpgradeKeepsTheDataSetAndLanguageFileAndRenewsTheRest) {
  MakeMedia();
  MarkInstalled();
  const install::Group& data_set = install::kGroups[2];
  for (const std::string_view source : data_set.sources)
    Write(Host(Target(data_set, source)), "user data");
  Write(Host(Target(install::kGroups[3], install::kGroups[3].sources[0])), "old picture");
  Run(2);
  for (const std::string_view source : data_set.sources)
    EXPECT_EQ(Read(Host(Target(data_set, source))), "user data") << source;
  for (const install::Group& group : install::kGroups)
    if (group.when == install::When::Always) ExpectGroupInstalled(group);
  // No language file is written in an upgrade, even when none is installed.
  EXPECT_FALSE(fs::exists(Host("C:\\RoxPelMu4\\dLangv.dat")));
  EXPECT_EQ(OnlyBox().text, "Upgrade ist fertig.");
}

TEST_F(InstallationRun, FreshInstallationOverwritesDataFilesAlreadyThere) {
  MakeMedia();
  Write(Host(install::kModeFileFirst), "only the first mode file");
  const install::Group& data_set = install::kGroups[2];
  Write(Host(Target(data_set, data_set.sources[1])), "stale");
  Run(0);
  ExpectGroupInstalled(data_set);
  EXPECT_EQ(OnlyBox().text, "Instalace dokončena");
}

struct SavedLanguageCase {
  const char* name;
  std::optional<std::int32_t> installed;  // C:\RoxPelMu4\dLangv.dat
  std::optional<std::int32_t> on_media;   // dLangv.dat of the media
  bool upgrade;
  const char* message;

  friend void PrintTo(const SavedLanguageCase& c, std::ostream* os) { *os << c.name; }
};

const SavedLanguageCase kSavedLanguages[] = {
    {"MediaSwedishFresh", std::nullopt, 3, false, "Installation är klar."},
    {"InstalledSwedishUpgrade", 3, std::nullopt, true, "Uppgradera är klar."},
    {"InstalledCopyWinsOverMedia", 4, 1, true, "Обновление завершено."},
    {"FiveGetsEnglish", 5, std::nullopt, true, "Upgrade ready."},
};

class SavedLanguage : public InstallationRun,
                      public ::testing::WithParamInterface<SavedLanguageCase> {};

TEST_P(SavedLanguage, RunsWithoutTheChooser) {
  const SavedLanguageCase& c = GetParam();
  MakeMedia({.language = c.on_media});
  if (c.upgrade) MarkInstalled();
  if (c.installed) {
    const auto u = static_cast<std::uint32_t>(*c.installed);
    Write(Host("C:\\RoxPelMu4\\dLangv.dat"), std::string{static_cast<char>(u), 0, 0, 0});
  }
  Run(std::nullopt);
  EXPECT_TRUE(app::dokoncit);
  EXPECT_EQ(OnlyBox().text, c.message);
  EXPECT_TRUE(toolkit.Terminated());
}

INSTANTIATE_TEST_SUITE_P(Files, SavedLanguage, ::testing::ValuesIn(kSavedLanguages),
                         testing_support::CaseName());

TEST_F(InstallationRun, FreshInstallationCopiesTheMediaLanguageFileOverTheInstalledOne) {
  MakeMedia({.language = 2});
  Write(Host("C:\\RoxPelMu4\\dLangv.dat"), std::string("\x04\x00\x00\x00", 4));
  Run(std::nullopt);
  // The installed copy was read (Russian), then replaced by the media's.
  EXPECT_EQ(OnlyBox().text, "Установка завершено.");
  EXPECT_EQ(Read(Host("C:\\RoxPelMu4\\dLangv.dat")), std::string("\x02\x00\x00\x00", 4));
}

TEST_F(InstallationRun, ShortLanguageFileGivesOneErrorThenTheChooser) {
  MakeMedia();
  Write(Host("dLangv.dat"), std::string("\x02\x00", 2));
  Run(1);
  ASSERT_EQ(toolkit.boxes().size(), 2u);
  EXPECT_TRUE(toolkit.boxes()[0].error);
  EXPECT_EQ(toolkit.boxes()[0].text, "Read beyond end of file");
  EXPECT_FALSE(app::dokoncit);
  EXPECT_EQ(toolkit.boxes()[1].text, "Installation completed.");
  // The media copy is copied in place of writing the chosen language.
  EXPECT_EQ(Read(Host("C:\\RoxPelMu4\\dLangv.dat")), std::string("\x02\x00", 2));
}

TEST_F(InstallationRun, UnreadableLanguageFileOffersTheChooser) {
  MakeMedia({.language = 3});
  files.read_error = 32;
  toolkit.QueueClose();
  Run(std::nullopt);
  EXPECT_EQ(OnlyBox().text, "I/O error 32");
  EXPECT_TRUE(toolkit.visible(app::kLanguage));
  EXPECT_EQ(toolkit.ItemIndex(app::kLanguage), -1);
  EXPECT_FALSE(fs::exists(Host("C:\\RoxPelMu4")));
}

TEST_F(InstallationRun, FolderWithoutPayloadStillWritesLanguageAndReports) {
  Run(4);
  for (const std::string_view folder : install::kInstalledFolders)
    EXPECT_TRUE(fs::is_directory(Host(folder))) << folder;
  EXPECT_EQ(Read(Host("C:\\RoxPelMu4\\dLangv.dat")), std::string("\x04\x00\x00\x00", 4));
  EXPECT_EQ(OnlyBox().text, "Установка завершено.");
  EXPECT_TRUE(toolkit.Terminated());
}

TEST_F(InstallationRun, FailedLanguageWriteLeavesTheRunWithAnError) {
  MakeMedia();
  files.fail_create.insert(std::string(install::kDataFolder));
  Run(1);
  const auto box = OnlyBox();
  EXPECT_TRUE(box.error);
  EXPECT_EQ(box.text, "File not found");
  EXPECT_FALSE(toolkit.Terminated());
  // Later groups are skipped; the program folder received its generator links before.
  EXPECT_TRUE(fs::exists(Host("C:\\Nolvarin\\MultiG\\Bravonel2.lnk")));
  EXPECT_FALSE(fs::exists(Host("C:\\Nolvarin\\Orvalis.exe")));
}

struct FailureCase {
  const char* name;
  bool upgrade;
  std::vector<std::string> failing;  // targets whose copy fails
  std::string message;

  friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

const FailureCase kFailures[] = {
    {"OneFileFresh",
     false,
     {"C:\\RoxPelMu4\\Grenmolt\\Foto001.jpg"},
     "Installation incomplete. These files could not be written:\n"
     "C:\\RoxPelMu4\\Grenmolt\\Foto001.jpg"},
    {"OneFileUpgrade",
     true,
     {"C:\\Nolvarin\\Orvalis.exe"},
     "Upgrade incomplete. These files could not be written:\nC:\\Nolvarin\\Orvalis.exe"},
    {"TwelveFilesListTenThenCount",
     false,
     {"C:\\RoxPelMu4\\Sildorne\\Seznam001.txt", "C:\\RoxPelMu4\\Sildorne\\Seznam002.txt",
      "C:\\RoxPelMu4\\Sildorne\\Seznam003.txt", "C:\\RoxPelMu4\\Sildorne\\Seznam004.txt",
      "C:\\RoxPelMu4\\Sildorne\\Seznam005.txt", "C:\\RoxPelMu4\\Sildorne\\Seznam006.txt",
      "C:\\RoxPelMu4\\Sildorne\\Seznam007.txt", "C:\\RoxPelMu4\\Sildorne\\Seznam008.txt",
      "C:\\RoxPelMu4\\Sildorne\\Seznam009.txt", "C:\\RoxPelMu4\\Sildorne\\Seznam010.txt",
      "C:\\RoxPelMu4\\Sildorne\\Seznam011.txt", "C:\\RoxPelMu4\\Sildorne\\Seznam012.txt"},
     "Installation incomplete. These files could not be written:\n"
     "C:\\RoxPelMu4\\Sildorne\\Seznam001.txt\nC:\\RoxPelMu4\\Sildorne\\Seznam002.txt\n"
     "C:\\RoxPelMu4\\Sildorne\\Seznam003.txt\nC:\\RoxPelMu4\\Sildorne\\Seznam004.txt\n"
     "C:\\RoxPelMu4\\Sildorne\\Seznam005.txt\nC:\\RoxPelMu4\\Sildorne\\Seznam006.txt\n"
     "C:\\RoxPelMu4\\Sildorne\\Seznam007.txt\nC:\\RoxPelMu4\\Sildorne\\Seznam008.txt\n"
     "C:\\RoxPelMu4\\Sildorne\\Seznam009.txt\nC:\\RoxPelMu4\\Sildorne\\Seznam010.txt\n(+2)"},
};

class FailedCopies : public InstallationRun, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailedCopies, TurnTheCompletionIntoAListOfWhatIsMissing) {
  const FailureCase& c = GetParam();
  MakeMedia();
  if (c.upgrade) MarkInstalled();
  files.fail_copy_to.insert(c.failing.begin(), c.failing.end());
  Run(1);
  EXPECT_EQ(OnlyBox().text, c.message);
  EXPECT_TRUE(toolkit.Terminated());
}

INSTANTIATE_TEST_SUITE_P(Cases, FailedCopies, ::testing::ValuesIn(kFailures),
                         testing_support::CaseName());

TEST_F(InstallationRun, MissingSourcesStaySilentAndTheRestIsInstalled) {
  MakeMedia();
  fs::remove(Host("Data\\Foto002.jpg"));
  fs::remove_all(Host("DataFr"));
  Run(1);
  EXPECT_EQ(OnlyBox().text, "Installation completed.");
  EXPECT_FALSE(fs::exists(Host("C:\\RoxPelMu4\\Grenmolt\\Foto002.jpg")));
  ExpectGroupInstalled(install::kGroups[3]);
}

TEST_F(InstallationRun, FolderThatCannotBeCreatedIsReported) {
  MakeMedia();
  files.fail_create.insert(std::string(install::kListFolder));
  Run(1);
  const std::string text = OnlyBox().text;
  EXPECT_TRUE(
      text.starts_with("Installation incomplete. These files could not be written:\n"
                       "C:\\RoxPelMu4\\Sildorne\n"))
      << text;
  EXPECT_NE(text.find("C:\\RoxPelMu4\\Sildorne\\Seznam001.txt"), std::string::npos);
}

TEST_F(InstallationRun, RerunRewritesEveryTarget) {
  MakeMedia();
  Run(1);
  for (const install::Group& group : install::kGroups)
    for (const std::string_view source : group.sources)
      Write(Host(Target(group, source)), "changed by the user");
  // A second start finds the saved language and the installation; it is an upgrade.
  MarkInstalled();
  Run(std::nullopt);
  for (const install::Group& group : install::kGroups)
    if (group.when == install::When::Always) ExpectGroupInstalled(group);
}

}  // namespace
