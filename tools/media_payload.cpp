#include "tools/media_payload.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "install/deployment_tables.h"
#include "install/manifest.h"
#include "install/run_record.h"

namespace tools {

namespace {

bool IsGermanManual(std::string_view path) {
  return path.ends_with(" DE.pdf");
}

std::uint64_t Fnv1a(std::string_view text) {
  std::uint64_t hash = 1469598103934665603ull;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

// Sizes like the real payload's: programs of megabytes, manuals of 1 to 3 MB, pictures of
// 100 to 500 KB, small texts.
std::size_t RealisticSize(std::string_view path, std::uint64_t hash) {
  const std::string name = Lower(path);
  const auto between = [hash](std::size_t low, std::size_t high) {
    return low + static_cast<std::size_t>(hash % (high - low + 1));
  };
  if (name.ends_with(".exe")) return between(2'000'000, 6'000'000);
  if (name.ends_with(".pdf")) return between(1'000'000, 3'000'000);
  if (name.ends_with(".jpg") || name.ends_with(".png")) return between(100'000, 500'000);
  if (name.ends_with(".dll") || name.ends_with(".sys")) return between(50'000, 400'000);
  return between(500, 20'000);
}

}  // namespace

std::vector<std::string> PayloadFiles(const MediaOptions& options) {
  std::vector<std::string> files;
  const auto add = [&](std::string_view path) {
    if (path.empty() || (!options.german_manuals && IsGermanManual(path))) return;
    if (path == install::kEditionMarker && !options.celvano) return;
    if (std::find(files.begin(), files.end(), path) == files.end()) files.emplace_back(path);
  };
  for (const install::Group& group : install::kGroups)
    for (const std::string_view source : group.sources) add(source);
  const auto add_table = [&](const auto& table) {
    for (const install::FolderCopy& copy : table) add(copy.source);
  };
  add_table(install::kProgramFolderLinks);
  add(install::kScanLink.source);
  for (const install::Manual& manual :
       {install::kOrvalisManual, install::kCelvanoManual, install::kScanManual}) {
    add(manual.czech);
    add(manual.german);
    add(manual.english);
  }
  add_table(install::kDocuments);
  add_table(install::kPrograms);
  add_table(install::kDriverPackage);
  add_table(install::kFurtherDocuments);
  return files;
}

std::string ContentsOf(std::string_view path, bool realistic_sizes) {
  std::uint64_t state = Fnv1a(path) | 1;
  const std::size_t size =
      realistic_sizes ? RealisticSize(path, state) : 64 + static_cast<std::size_t>(state % 1024);
  std::string contents(path);
  contents += '\n';
  contents.reserve(size);
  while (contents.size() < size) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    contents += static_cast<char>(state & 0xFF);
  }
  return contents;
}

std::vector<FixedCopy> FixedCopies() {
  std::vector<FixedCopy> copies;
  for (const install::Group& group : install::kGroups)
    for (const std::string_view source : group.sources)
      copies.push_back({std::string(group.name), group.when == install::When::FreshInstall,
                        std::string(source),
                        install::JoinPath(group.target_folder, install::FileName(source))});
  const auto add_table = [&](std::string_view name, const auto& table) {
    for (const install::FolderCopy& copy : table)
      copies.push_back({std::string(name), false, std::string(copy.source),
                        install::JoinPath(copy.target_folder, install::FileName(copy.source))});
  };
  add_table("B", install::kProgramFolderLinks);
  add_table("E", install::kDocuments);
  add_table("F", install::kPrograms);
  add_table("G", install::kDriverPackage);
  add_table("H", install::kFurtherDocuments);
  return copies;
}

std::filesystem::path HostPath(const std::filesystem::path& folder, std::string_view path) {
  std::string relative(path);
  std::replace(relative.begin(), relative.end(), '\\', '/');
  return folder / relative;
}

MediaTotals WriteMedia(const std::filesystem::path& folder, const MediaOptions& options) {
  MediaTotals totals;
  const auto write = [&](std::string_view path, const std::string& contents) {
    const std::filesystem::path target = HostPath(folder, path);
    std::filesystem::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    if (!out) throw std::runtime_error("cannot write " + target.string());
    ++totals.files;
    totals.bytes += contents.size();
  };
  for (const std::string& path : PayloadFiles(options))
    write(path, ContentsOf(path, options.realistic_sizes));
  if (options.clear_set) write(install::kClearSetMarker, "clear the media after installation\n");
  if (options.language) {
    const auto value = static_cast<std::uint32_t>(*options.language);
    write("dLangv.dat",
          std::string{static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                      static_cast<char>((value >> 16) & 0xFF),
                      static_cast<char>((value >> 24) & 0xFF)});
  }
  return totals;
}

}  // namespace tools
