// Runs the whole installation on the host backend, headless: drive C and the media are folders,
// the language is chosen by a scripted click unless the media or drive C holds a saved one.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "app/unit1.h"
#include "install/desktop_lookup.h"
#include "platform/host/host_files.h"
#include "platform/host/host_registry.h"
#include "platform/host/host_toolkit.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: setup_host_run DRIVE_C_FOLDER MEDIA_FOLDER [LANGUAGE]\n", stderr);
    return 2;
  }
  platform::host::HostFiles files(argv[1], argv[2]);
  platform::host::HostRegistry registry;
  registry.SetValue(install::kShellFoldersKey, install::kDesktopValue,
                    {platform::RegistryValue::Kind::String, "C:\\users\\Setup\\Desktop"});
  platform::host::HostToolkit toolkit;
  toolkit.QueueSelect(app::kLanguage, argc > 3 ? std::atoi(argv[3]) : 1);
  try {
    app::Setup(toolkit, files, registry);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "setup_host_run: %s\n", error.what());
    return 1;
  }
  for (const auto& box : toolkit.boxes())
    std::printf("%s: %s\n", box.error ? "error" : "message", box.text.c_str());
  return 0;
}
