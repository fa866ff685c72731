// The manifest tables: counts, kinds, folders and the uniqueness of every target.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "install/deployment_tables.h"
#include "install/manifest.h"
#include "install/run_record.h"
#include "language/language.h"

namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

std::string Extension(std::string_view path) {
  return Lower(path.substr(path.rfind('.')));
}

std::size_t CopiesIn(bool fresh) {
  std::size_t count = 0;
  for (const install::Group& group : install::kGroups)
    if (fresh || group.when == install::When::Always) count += group.sources.size();
  return count;
}

TEST(Manifest, FreshInstallCopies283AndUpgrade264) {
  EXPECT_EQ(CopiesIn(true), 283u);
  EXPECT_EQ(CopiesIn(false), 264u);
}

TEST(Manifest, GroupsHaveTheirKindsFoldersAndConditions) {
  const struct {
    std::string_view name;
    install::When when;
    std::string_view folder;
    std::string_view source_folder;  // of every entry but M3's first
    std::map<std::string, int> kinds;
  } expected[] = {
      {"M1", install::When::Always, install::kDataFolder, "", {{".dll", 2}}},
      {"M2", install::When::Always, install::kGeneratorLinkFolder, "DWin\\MultiG\\", {{".lnk", 4}}},
      {"M3",
       install::When::FreshInstall,
       install::kDataFolder,
       "Data\\",
       {{".dll", 7}, {".dat", 10}, {".txt", 2}}},
      {"M4",
       install::When::Always,
       install::kPictureFolder,
       "Data\\",
       {{".txt", 10}, {".jpg", 59}, {".pdf", 17}, {".png", 40}}},
      {"M5", install::When::Always, install::kListFolder, "DataFr\\", {{".txt", 96}}},
      {"M6", install::When::Always, install::kPictureFolder, "Data\\", {{".jpg", 36}}},
  };
  ASSERT_EQ(install::kGroups.size(), std::size(expected));
  for (std::size_t i = 0; i < install::kGroups.size(); ++i) {
    const install::Group& group = install::kGroups[i];
    SCOPED_TRACE(std::string(group.name));
    EXPECT_EQ(group.name, expected[i].name);
    EXPECT_EQ(group.when, expected[i].when);
    EXPECT_EQ(group.target_folder, expected[i].folder);
    std::map<std::string, int> kinds;
    for (std::size_t e = 0; e < group.sources.size(); ++e) {
      const std::string_view source = group.sources[e];
      ++kinds[Extension(source)];
      const bool from_root = group.name == "M1" || (group.name == "M3" && e == 0);
      if (from_root)
        EXPECT_EQ(source.find('\\'), std::string_view::npos) << source;
      else
        EXPECT_TRUE(source.starts_with(expected[i].source_folder)) << source;
    }
    EXPECT_EQ(kinds, expected[i].kinds);
  }
  EXPECT_EQ(install::kGroups[2].sources[0].find('\\'), std::string_view::npos);
  EXPECT_TRUE(install::kGroups[2].sources[0].ends_with(".dll"));
}

TEST(Manifest, NumberedPicturesAreOneSeriesFrom0To35) {
  std::set<std::string> names;
  for (const std::string_view source : install::sources::kM6)
    names.emplace(install::FileName(source));
  for (int i = 0; i < 36; ++i)
    EXPECT_TRUE(names.contains("Snimek" + std::to_string(i) + ".jpg")) << i;
}

TEST(Manifest, FoldersAreEnsuredParentBeforeChild) {
  const auto& folders = install::kInstalledFolders;
  for (std::size_t i = 0; i < folders.size(); ++i) {
    const std::string_view parent = folders[i].substr(0, folders[i].rfind('\\'));
    if (parent.size() <= 2) continue;  // on the drive's root
    const auto at = std::find(folders.begin(), folders.end(), parent);
    ASSERT_NE(at, folders.end()) << folders[i];
    EXPECT_LT(at - folders.begin(), static_cast<std::ptrdiff_t>(i)) << folders[i];
  }
}

TEST(Manifest, EveryTargetOfTheInstallerIsUnique) {
  std::multiset<std::string> targets;
  for (const install::Group& group : install::kGroups)
    for (const std::string_view source : group.sources)
      targets.insert(Lower(install::JoinPath(group.target_folder, install::FileName(source))));
  const auto add_table = [&](const auto& table) {
    for (const install::FolderCopy& copy : table)
      targets.insert(Lower(install::JoinPath(copy.target_folder, install::FileName(copy.source))));
  };
  add_table(install::kProgramFolderLinks);
  add_table(install::kDocuments);
  add_table(install::kPrograms);
  add_table(install::kDriverPackage);
  add_table(install::kFurtherDocuments);
  targets.insert(Lower(language::kInstalledLanguageFile));
  for (const std::string& target : targets) EXPECT_EQ(targets.count(target), 1u) << target;
  EXPECT_EQ(targets.size(), 283u + 7 + 13 + 11 + 10 + 4 + 1);
}

TEST(Manifest, DriverPackageKeepsItsRelativeLayout) {
  for (const install::FolderCopy& copy : install::kDriverPackage)
    EXPECT_EQ(install::JoinPath(copy.target_folder, install::FileName(copy.source)),
              install::JoinPath(install::kDataFolder, copy.source));
}

}  // namespace
