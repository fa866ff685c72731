// The media clean-up after installation: what goes from the media and what never does.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "install/deployment_tables.h"
#include "tests/unit/test_support.h"

namespace {

namespace fs = std::filesystem;
using testing_support::Installation;

const char* const kFive[] = {"Orvalis.exe", "Halvexa.exe", "Marvesk.exe", "Zantriel.exe",
                             "Bravonel.exe"};

struct CleanupCase {
  const char* name;
  bool clear_set;
  const char* missing_on_media;  // absent from the media, so never installed by this run
  const char* copy_fails;        // its installed copy cannot be replaced
  bool five_deleted;
  bool scan_deleted;

  friend void PrintTo(const CleanupCase& c, std::ostream* os) { *os << c.name; }
};

const CleanupCase kCases[] = {
    {"AllFiveInstalled", true, nullptr, nullptr, true, true},
    {"NoClearSet", false, nullptr, nullptr, false, false},
    {"OneOfFiveMissing", true, "Marvesk.exe", nullptr, false, true},
    {"ScanProgramMissing", true, "Tobrenix.exe", nullptr, true, false},
    {"OneOfFiveCopyFailed", true, nullptr, "Halvexa.exe", true, true},
    {"ScanCopyFailed", true, nullptr, "Tobrenix.exe", true, false},
};

class MediaCleanup : public Installation, public ::testing::WithParamInterface<CleanupCase> {};

TEST_P(MediaCleanup, DeletesOnlyProgramsThisRunInstalled) {
  const CleanupCase& c = GetParam();
  MakeMedia({.clear_set = c.clear_set, .language = 1});
  if (c.missing_on_media) fs::remove(Host(std::string("DWin\\") + c.missing_on_media));
  if (c.copy_fails) {
    // An older installed copy that cannot be replaced (locked or read-only).
    Write(Host(std::string("C:\\Nolvarin\\") + c.copy_fails), "old version");
    files.fail_copy_to.insert(std::string("C:\\Nolvarin\\") + c.copy_fails);
  }
  const std::string payload_before = Read(Host("DWin\\Trenvadil.exe"));
  Run(std::nullopt);
  for (const char* program : kFive) {
    const bool expect_gone =
        c.five_deleted && !(c.copy_fails && std::string(c.copy_fails) == program);
    if (c.missing_on_media && std::string(c.missing_on_media) == program) continue;
    EXPECT_EQ(fs::exists(Host(std::string("DWin\\") + program)), !expect_gone) << program;
  }
  if (!c.missing_on_media || std::string(c.missing_on_media) != "Tobrenix.exe") {
    EXPECT_EQ(fs::exists(Host("DWin\\Tobrenix.exe")), !c.scan_deleted);
  }
  // Nothing else of the media is touched.
  EXPECT_EQ(Read(Host("DWin\\Trenvadil.exe")), payload_before);
  EXPECT_TRUE(fs::exists(Host("Orvalis.lnk")));
  EXPECT_EQ(fs::exists(Host("ClearSet.txt")), c.clear_set);
}

INSTANTIATE_TEST_SUITE_P(Cases, MediaCleanup, ::testing::ValuesIn(kCases),
                         testing_support::CaseName());

TEST_F(Installation, CleanupHappensAfterTheCompletionMessage) {
  MakeMedia({.clear_set = true, .language = 1});
  bool media_intact_while_shown = false;
  toolkit.on_box = [&](const auto&) {
    media_intact_while_shown = fs::exists(Host("DWin\\Orvalis.exe"));
  };
  Run(std::nullopt);
  EXPECT_TRUE(media_intact_while_shown);
  EXPECT_FALSE(fs::exists(Host("DWin\\Orvalis.exe")));
}

TEST_F(Installation, UndeletableMediaIsPassedOverSilently) {
  MakeMedia({.clear_set = true, .language = 1});
  for (const char* program : kFive) files.fail_delete.insert(std::string("DWin\\") + program);
  Run(std::nullopt);
  EXPECT_EQ(OnlyBox().text, "Installation completed.");
  EXPECT_TRUE(fs::exists(Host("DWin\\Orvalis.exe")));
  EXPECT_TRUE(toolkit.Terminated());
}

}  // namespace
