// Win32 only: the file services over the Win32 file functions.
#pragma once

#include <string>

#include "platform/files.h"

namespace platform::win32 {

class Win32Files final : public Files {
 public:
  // Relative paths resolve against media_folder (the folder of the running installer).
  explicit Win32Files(std::wstring media_folder) : media_(std::move(media_folder)) {}

  bool FileExists(std::string_view path) override;
  bool DirectoryExists(std::string_view path) override;
  bool CreateDir(std::string_view path) override;
  bool DeleteFile(std::string_view path) override;
  bool CopyFile(std::string_view source, std::string_view target) override;
  std::size_t ReadPrefix(std::string_view path, std::span<std::byte> buffer) override;
  void WriteReplacing(std::string_view path, std::span<const std::byte> data) override;

 private:
  std::wstring Resolve(std::string_view path) const;

  std::wstring media_;
};

// The folder that holds the running executable, without a trailing '\'.
std::wstring ExecutableFolder();
// The running executable's file name up to its first full stop: the application's title.
std::wstring ExecutableTitle();

}  // namespace platform::win32
