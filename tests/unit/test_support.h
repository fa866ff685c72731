// Fixtures for the native tests: a temporary folder, file services with injected faults, and
// an installation fixture with drive C, media, registry and a headless toolkit.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/host/host_files.h"
#include "platform/host/host_registry.h"
#include "platform/host/host_toolkit.h"
#include "tools/media_payload.h"

namespace testing_support {

namespace fs = std::filesystem;

// A fresh folder for one test, removed afterwards; the test fails if either cannot be done.
class TempDir {
 public:
  TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir();
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// Host file services whose chosen operations fail, as a locked, read-only or full disk would
// make them fail. Every operation is logged in order.
class FaultyFiles : public platform::host::HostFiles {
 public:
  using HostFiles::HostFiles;

  std::set<std::string> fail_copy_to;  // copies onto these targets fail
  std::set<std::string> fail_create;   // these folders cannot be created
  std::set<std::string> fail_delete;   // these files cannot be deleted
  std::optional<int> read_error;       // reading a language file raises this code
  std::vector<std::string> log;        // "copy S > T", "delete P", "mkdir P"

  bool CreateDir(std::string_view path) override;
  bool DeleteFile(std::string_view path) override;
  bool CopyFile(std::string_view source, std::string_view target) override;
  std::size_t ReadPrefix(std::string_view path, std::span<std::byte> buffer) override;
};

// Names a parameterised case by its name field.
struct CaseName {
  template <typename Case>
  std::string operator()(const ::testing::TestParamInfo<Case>& param_info) const {
    return param_info.param.name;
  }
};

inline constexpr std::string_view kDesktop = "C:\\Users\\Tester\\Desktop";

class Installation : public ::testing::Test {
 protected:
  Installation();

  // Writes the demo media for these options.
  void MakeMedia(const tools::MediaOptions& options = {});
  // Starts the installer as a new process would; click chooses a language in the chooser.
  void Run(std::optional<int> click = 1);

  // The host path of a Windows path on drive C or in the media folder.
  fs::path Host(std::string_view windows_path) const { return files.Resolve(windows_path); }
  fs::path DesktopItem(std::string_view item) const;
  // The names of the files on the desktop.
  std::set<std::string> DesktopItems() const;

  static std::string Read(const fs::path& path);
  static void Write(const fs::path& path, std::string_view contents);

  // The single box the run showed; fails the test if there is not exactly one.
  platform::host::HostToolkit::Box OnlyBox() const;

  TempDir temp;
  fs::path drive_c;
  fs::path media;
  FaultyFiles files;
  platform::host::HostRegistry registry;
  platform::host::HostToolkit toolkit;
};

}  // namespace testing_support
