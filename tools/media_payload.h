// The installation media's payload as the manifest tables name it, and a writer of demo media
// whose every file has distinct contents.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tools {

struct MediaOptions {
  bool celvano = false;                  // put the edition marker on the media
  bool german_manuals = true;            // ship the "... DE.pdf" manuals
  bool clear_set = false;                // ask for the media clean-up
  std::optional<std::int32_t> language;  // a saved language file
  bool realistic_sizes = false;          // program files of megabytes, manuals of 1 to 3 MB, ...
};

// Every media file the installer reads (relative paths with '\'), without marker files.
std::vector<std::string> PayloadFiles(const MediaOptions& options);

// The contents of a payload file: its own name, then bytes that depend on the name.
std::string ContentsOf(std::string_view path, bool realistic_sizes);

struct MediaTotals {
  std::size_t files = 0;
  std::uintmax_t bytes = 0;
};

// Writes the media into folder (created as needed) and returns what it wrote.
MediaTotals WriteMedia(const std::filesystem::path& folder, const MediaOptions& options);

// A copy of the installer's fixed tables: the manifest groups and the deployment step's copies
// into the suite's folders (desktop items depend on edition and language and are not listed).
struct FixedCopy {
  std::string table;  // "M1" to "M6", or the deployment table's letter
  bool fresh_only;
  std::string source;
  std::string target;
};
std::vector<FixedCopy> FixedCopies();

// The host path of a media-relative path.
std::filesystem::path HostPath(const std::filesystem::path& folder, std::string_view path);

}  // namespace tools
