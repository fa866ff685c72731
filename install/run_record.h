// What one installation run wrote and failed to write, and the copy and folder operations that
// keep that account.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace install {

struct RunRecord {
  std::vector<std::string> written;  // targets this run copied successfully
  std::vector<std::string> failed;   // targets whose source exists but could not be written

  bool Wrote(std::string_view target) const;
};

// The record of the current run; reset when a run starts.
inline RunRecord Record;

// Joins a folder and a name with one '\'.
std::string JoinPath(std::string_view folder, std::string_view name);

// Copies source over target. A failure counts only when the source exists: editions and
// languages ship different payloads, and a missing source is no fault.
void CopyRecorded(platform::Files& files, std::string_view source, const std::string& target);

// Copies a media file into a folder under its own file name.
void CopyInto(platform::Files& files, std::string_view source, std::string_view folder);

// Creates the folder when it is absent; a folder still absent afterwards counts as a failure.
void EnsureFolder(platform::Files& files, std::string_view folder);

}  // namespace install
