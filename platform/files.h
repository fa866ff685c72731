// The file and folder services the installer uses, one backend per system.
//
// Paths are UTF-8 text with '\' separators. Absolute paths ("C:\Nolvarin\MultiG") name fixed
// places; relative paths ("DWin\Orvalis.exe") name files of the media folder, which is the folder
// of the running installer whatever the current directory.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace platform {

class Files {
 public:
  virtual ~Files() = default;

  // True only for an existing file (not a folder); a link counts when its target exists.
  virtual bool FileExists(std::string_view path) = 0;
  // True only for an existing folder.
  virtual bool DirectoryExists(std::string_view path) = 0;
  // Creates one folder level; the parent must exist.
  virtual bool CreateDir(std::string_view path) = 0;
  // Removes a file if present.
  virtual bool DeleteFile(std::string_view path) = 0;
  // Copies the whole file, replacing an existing target.
  virtual bool CopyFile(std::string_view source, std::string_view target) = 0;

  // Opens an existing file read-only and reads up to buffer.size() bytes from its start.
  // Returns the number of bytes read; throws EInOutError when it cannot be opened or read.
  virtual std::size_t ReadPrefix(std::string_view path, std::span<std::byte> buffer) = 0;
  // Replaces the file's contents with data through a temporary file beside it and a replacing
  // rename, so the file is either the old one or the whole new one. Throws EInOutError.
  virtual void WriteReplacing(std::string_view path, std::span<const std::byte> data) = 0;
};

}  // namespace platform
