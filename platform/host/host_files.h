// POSIX file services for native runs and tests: drive C is a folder, the media folder another.
#pragma once

#include <filesystem>
#include <string_view>

#include "platform/files.h"

namespace platform::host {

class HostFiles : public Files {
 public:
  HostFiles(std::filesystem::path drive_c, std::filesystem::path media);

  bool FileExists(std::string_view path) override;
  bool DirectoryExists(std::string_view path) override;
  bool CreateDir(std::string_view path) override;
  bool DeleteFile(std::string_view path) override;
  bool CopyFile(std::string_view source, std::string_view target) override;
  std::size_t ReadPrefix(std::string_view path, std::span<std::byte> buffer) override;
  void WriteReplacing(std::string_view path, std::span<const std::byte> data) override;

  // The host path a Windows path names: "C:\a\b" and "\a\b" on drive C, relative paths in the
  // media folder. Paths on other drives map to nothing (an empty path).
  std::filesystem::path Resolve(std::string_view path) const;

 private:
  std::filesystem::path drive_c_;
  std::filesystem::path media_;
};

// The run-time error code for a POSIX errno value.
int InOutCodeFromErrno(int error);

}  // namespace platform::host
