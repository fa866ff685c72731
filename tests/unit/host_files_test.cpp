// What the installer relies on of the file services, on the host backend.
#include <gtest/gtest.h>

#include "tests/unit/test_support.h"

namespace {

namespace fs = std::filesystem;
using testing_support::Installation;

TEST_F(Installation, CopyReplacesAChangedTargetAndFailsQuietlyWithoutASource) {
  Write(Host("a.txt"), "new");
  fs::create_directories(Host("C:\\T"));
  Write(Host("C:\\T\\a.txt"), "changed by the user");
  EXPECT_TRUE(files.CopyFile("a.txt", "C:\\T\\a.txt"));
  EXPECT_EQ(Read(Host("C:\\T\\a.txt")), "new");
  EXPECT_FALSE(files.CopyFile("missing.txt", "C:\\T\\a.txt"));
  EXPECT_EQ(Read(Host("C:\\T\\a.txt")), "new");
  EXPECT_FALSE(files.CopyFile("a.txt", "C:\\NoFolder\\a.txt"));
  EXPECT_FALSE(files.CopyFile("a.txt", "D:\\a.txt"));
}

TEST_F(Installation, ExistenceTellsFilesFromFolders) {
  Write(Host("C:\\F\\file"), "x");
  EXPECT_TRUE(files.FileExists("C:\\F\\file"));
  EXPECT_FALSE(files.FileExists("C:\\F"));
  EXPECT_TRUE(files.DirectoryExists("C:\\F"));
  EXPECT_FALSE(files.DirectoryExists("C:\\F\\file"));
  fs::create_symlink(Host("C:\\F\\file"), Host("C:\\F\\link"));
  fs::create_symlink(Host("C:\\F\\none"), Host("C:\\F\\dangling"));
  EXPECT_TRUE(files.FileExists("C:\\F\\link"));
  EXPECT_FALSE(files.FileExists("C:\\F\\dangling"));
}

TEST_F(Installation, CreateDirMakesOneLevelAndKeepsAnExistingFolder) {
  EXPECT_FALSE(files.CreateDir("C:\\A\\B"));
  EXPECT_TRUE(files.CreateDir("C:\\A"));
  Write(Host("C:\\A\\keep"), "kept");
  EXPECT_FALSE(files.CreateDir("C:\\A"));
  EXPECT_EQ(Read(Host("C:\\A\\keep")), "kept");
  EXPECT_TRUE(files.DeleteFile("C:\\A\\keep"));
  EXPECT_FALSE(files.DeleteFile("C:\\A\\keep"));
  EXPECT_FALSE(files.DeleteFile("C:\\A"));
  EXPECT_TRUE(fs::is_directory(Host("C:\\A")));
}

}  // namespace
