// Writes a demo installation media folder from the manifest tables.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string_view>

#include "tools/media_payload.h"

namespace {

int Usage() {
  std::fputs(
      "usage: make_media FOLDER [--celvano] [--no-german-manuals] [--clearset]\n"
      "                  [--language N] [--realistic]\n"
      "       make_media --list-copies   (table, fresh-only, source, target; tab-separated)\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  if (std::string_view(argv[1]) == "--list-copies") {
    for (const tools::FixedCopy& copy : tools::FixedCopies())
      std::printf("%s\t%d\t%s\t%s\n", copy.table.c_str(), copy.fresh_only ? 1 : 0,
                  copy.source.c_str(), copy.target.c_str());
    return 0;
  }
  tools::MediaOptions options;
  for (int i = 2; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--celvano") {
      options.celvano = true;
    } else if (arg == "--no-german-manuals") {
      options.german_manuals = false;
    } else if (arg == "--clearset") {
      options.clear_set = true;
    } else if (arg == "--realistic") {
      options.realistic_sizes = true;
    } else if (arg == "--language" && i + 1 < argc) {
      options.language = static_cast<std::int32_t>(std::strtol(argv[++i], nullptr, 10));
    } else {
      return Usage();
    }
  }
  try {
    const tools::MediaTotals totals = tools::WriteMedia(argv[1], options);
    std::printf("%zu files, %ju bytes\n", totals.files, totals.bytes);
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_media: %s\n", error.what());
    return 1;
  }
}
