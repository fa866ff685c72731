#include "install/run_record.h"

#include <algorithm>

#include "install/manifest.h"

namespace install {

bool RunRecord::Wrote(std::string_view target) const {
  return std::find(written.begin(), written.end(), target) != written.end();
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path;
  path.reserve(folder.size() + 1 + name.size());
  path.append(folder);
  if (!name.starts_with('\\')) path.push_back('\\');
  path.append(name);
  return path;
}

void CopyRecorded(platform::Files& files, std::string_view source, const std::string& target) {
  if (files.CopyFile(source, target))
    Record.written.push_back(target);
  else if (files.FileExists(source))
    Record.failed.push_back(target);
}

void CopyInto(platform::Files& files, std::string_view source, std::string_view folder) {
  CopyRecorded(files, source, JoinPath(folder, FileName(source)));
}

void EnsureFolder(platform::Files& files, std::string_view folder) {
  if (files.DirectoryExists(folder)) return;
  files.CreateDir(folder);
  if (!files.DirectoryExists(folder)) Record.failed.emplace_back(folder);
}

}  // namespace install
