// The deployment step: desktop links and manuals by edition and language, older versions,
// the order of its deletions and copies.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "app/unit1.h"
#include "install/deployment_tables.h"
#include "install/run_record.h"
#include "tests/unit/test_support.h"

namespace {

namespace fs = std::filesystem;
using testing_support::Installation;

struct DesktopCase {
  bool celvano;
  std::int32_t language;
  bool german_manuals;
  std::set<std::string> items;

  friend void PrintTo(const DesktopCase& c, std::ostream* os) {
    *os << (c.celvano ? "Celvano" : "Orvalis") << " language " << c.language
        << (c.german_manuals ? " with" : " without") << " German manuals";
  }
};

// The links of each edition; the manuals follow the language.
const std::set<std::string> kOrvalisLinks{"Tobrenix.lnk", "Orvalis.lnk", "Orvalis DATA.lnk",
                                          "Tobrenix DATA.lnk"};
const std::set<std::string> kCelvanoLinks{"Tobrenix.lnk", "Celvano.lnk", "Celvano DATA.lnk",
                                          "Tobrenix DATA.lnk"};

std::set<std::string> With(std::set<std::string> links, std::initializer_list<const char*> more) {
  links.insert(more.begin(), more.end());
  return links;
}

std::vector<DesktopCase> DesktopCases() {
  std::vector<DesktopCase> cases;
  for (const bool celvano : {false, true}) {
    const auto& links = celvano ? kCelvanoLinks : kOrvalisLinks;
    const std::string edition = celvano ? "Celvano" : "Orvalis";
    for (const bool german : {true, false}) {
      const auto english = [&](std::int32_t language) {
        return DesktopCase{celvano, language, german,
                           With(links, {"Tobrenix EN.pdf", "Bravonel EN.pdf"})};
      };
      DesktopCase czech{celvano, 0, german, With(links, {"Tobrenix.pdf", "Bravonel.pdf"})};
      czech.items.insert(edition + ".pdf");
      cases.push_back(czech);
      for (const std::int32_t language : {1, 3, 4, 5}) {
        DesktopCase c = english(language);
        c.items.insert(edition + " EN.pdf");
        cases.push_back(c);
      }
      DesktopCase deutsch{celvano, 2, german, With(links, {"Bravonel EN.pdf"})};
      deutsch.items.insert(german ? edition + " DE.pdf" : edition + " EN.pdf");
      deutsch.items.insert(german ? "Tobrenix DE.pdf" : "Tobrenix EN.pdf");
      cases.push_back(deutsch);
      // No language: neither the edition nor the scan manual, the English generator manual.
      cases.push_back({celvano, -1, german, With(links, {"Bravonel EN.pdf"})});
    }
  }
  return cases;
}

class DesktopPlacement : public Installation, public ::testing::WithParamInterface<DesktopCase> {};

TEST_P(DesktopPlacement, AreTheEditionsLinksAndTheLanguagesManuals) {
  const DesktopCase& c = GetParam();
  MakeMedia({.celvano = c.celvano, .german_manuals = c.german_manuals, .language = c.language});
  Run(std::nullopt);
  EXPECT_EQ(DesktopItems(), c.items);
  // Every desktop item is its media file, byte for byte.
  for (const std::string& item : c.items) {
    const std::string source = item == "Tobrenix DATA.lnk" ? "Orvalis DATA.lnk" : item;
    const fs::path media_file =
        item.starts_with("Bravonel") ? Host("C:\\RoxPelMu4\\" + item) : Host(source);
    EXPECT_EQ(Read(DesktopItem("\\" + item)), Read(media_file)) << item;
  }
  // The program folder gets both editions' icons and links whatever the edition.
  for (const install::FolderCopy& copy : install::kProgramFolderLinks)
    EXPECT_TRUE(fs::exists(Host(install::JoinPath(copy.target_folder, copy.source))))
        << copy.source;
}

INSTANTIATE_TEST_SUITE_P(EditionLanguageManuals, DesktopPlacement,
                         ::testing::ValuesIn(DesktopCases()),
                         [](const ::testing::TestParamInfo<DesktopCase>& param_info) {
                           const DesktopCase& c = param_info.param;
                           return std::string(c.celvano ? "Celvano" : "Orvalis") + "_Language" +
                                  (c.language < 0 ? "Minus" + std::to_string(-c.language)
                                                  : std::to_string(c.language)) +
                                  (c.german_manuals ? "_WithGerman" : "_WithoutGerman");
                         });

TEST_F(Installation, DataLinksNeedTheirProgramsOnTheMedia) {
  MakeMedia({.language = 1});
  fs::remove(Host("DWin\\Orvalis.exe"));
  fs::remove(Host("DWin\\Tobrenix.exe"));
  Run(std::nullopt);
  EXPECT_EQ(DesktopItems(), (std::set<std::string>{"Tobrenix.lnk", "Orvalis.lnk", "Orvalis EN.pdf",
                                                   "Tobrenix EN.pdf", "Bravonel EN.pdf"}));
}

TEST_F(Installation, OlderVersionsGoAndNothingElse) {
  MakeMedia({.language = 1});
  for (const install::OldVersion& old : install::kOldVersions) {
    Write(DesktopItem(old.desktop_program), "old");
    if (!old.desktop_link.empty()) Write(DesktopItem(old.desktop_link), "old");
    if (!old.program_file.empty()) Write(Host(old.program_file), "old");
  }
  Write(DesktopItem("\\Orvalis 3_50.exe"), "kept");
  Write(DesktopItem("\\Letter.txt"), "kept");
  Write(Host("C:\\Nolvarin\\Orvalis 3_50.exe"), "kept");
  Write(Host("C:\\Nolvarin\\Orvalis.exe"), "installed before");
  fs::remove(Host("DWin\\Orvalis.exe"));
  Run(std::nullopt);
  for (const install::OldVersion& old : install::kOldVersions) {
    EXPECT_FALSE(fs::exists(DesktopItem(old.desktop_program))) << old.desktop_program;
    if (!old.desktop_link.empty()) {
      EXPECT_FALSE(fs::exists(DesktopItem(old.desktop_link))) << old.desktop_link;
    }
    if (!old.program_file.empty()) {
      EXPECT_FALSE(fs::exists(Host(old.program_file)));
    }
  }
  EXPECT_EQ(Read(DesktopItem("\\Orvalis 3_50.exe")), "kept");
  EXPECT_EQ(Read(DesktopItem("\\Letter.txt")), "kept");
  EXPECT_EQ(Read(Host("C:\\Nolvarin\\Orvalis 3_50.exe")), "kept");
  EXPECT_EQ(Read(Host("C:\\Nolvarin\\Orvalis.exe")), "installed before");
}

TEST_F(Installation, StepsRunInTheirOrder) {
  MakeMedia({.language = 1});
  Run(std::nullopt);
  const auto& log = files.log;
  const auto at = [&](std::string_view entry) {
    const auto it = std::find(log.begin(), log.end(), entry);
    EXPECT_NE(it, log.end()) << entry;
    return it - log.begin();
  };
  const std::string desktop(testing_support::kDesktop);
  const auto first_old = at("delete " + desktop + "\\Orvalis 3_12 CZ.exe");
  const auto last_old = at("delete C:\\Nolvarin\\Orvalis 3_411.exe");
  const auto table_b = at("copy Celvano.ico > C:\\Nolvarin\\Celvano.ico");
  const auto scan_link = at("copy Tobrenix.lnk > " + desktop + "\\Tobrenix.lnk");
  const auto edition_link = at("copy Orvalis.lnk > " + desktop + "\\Orvalis.lnk");
  const auto edition_manual = at("copy Orvalis EN.pdf > " + desktop + "\\Orvalis EN.pdf");
  const auto documents = at("copy Fenlodir.dll > C:\\RoxPelMu4\\Fenlodir.dll");
  const auto generator =
      at("copy C:\\RoxPelMu4\\Bravonel EN.pdf > " + desktop + "\\Bravonel EN.pdf");
  const auto retired = at("delete C:\\Nolvarin\\Dolmanit.exe");
  const auto programs = at("copy DWin\\Orvalis.exe > C:\\Nolvarin\\Orvalis.exe");
  const auto driver_folder = at("mkdir C:\\RoxPelMu4\\CH341SER\\DRVSETUP64");
  const auto driver = at("copy CH341SER\\SETUP.EXE > C:\\RoxPelMu4\\CH341SER\\SETUP.EXE");
  const auto further = at("copy DataFr\\Tulvex0.txt > C:\\RoxPelMu4\\Tulvex0.txt");
  const std::vector<std::ptrdiff_t> order{
      first_old, last_old, table_b,  scan_link,     edition_link, edition_manual, documents,
      generator, retired,  programs, driver_folder, driver,       further};
  EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
  // The driver package is copied, never started: its setup program stays a file.
  EXPECT_EQ(Read(Host("C:\\RoxPelMu4\\CH341SER\\DRVSETUP64\\DRVSETUP64.exe")),
            Read(Host("CH341SER\\DRVSETUP64\\DRVSETUP64.exe")));
}

TEST_F(Installation, RetiredProgramIsDeletedBeforeTheProgramsAreCopied) {
  MakeMedia({.language = 1});
  Write(Host("C:\\Nolvarin\\Dolmanit.exe"), "retired");
  Write(Host("C:\\Nolvarin\\Dolmanit.lnk"), "retired");
  Run(std::nullopt);
  EXPECT_FALSE(fs::exists(Host("C:\\Nolvarin\\Dolmanit.exe")));
  EXPECT_FALSE(fs::exists(Host("C:\\Nolvarin\\Dolmanit.lnk")));
  for (const install::FolderCopy& copy : install::kPrograms)
    EXPECT_EQ(Read(Host(install::JoinPath(copy.target_folder, install::FileName(copy.source)))),
              Read(Host(copy.source)));
}

}  // namespace
