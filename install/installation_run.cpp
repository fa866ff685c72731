// The installation run: the Setup button's handler.
#include <string>

#include "app/unit1.h"
#include "install/deployment_tables.h"
#include "install/install_mode.h"
#include "install/manifest.h"
#include "install/run_record.h"
#include "language/language.h"
#include "language/messages.h"

namespace app {

namespace {

// The completion message lists at most this many failed targets.
constexpr std::size_t kListedFailures = 10;

std::string CompletionText() {
  const auto& failed = install::Record.failed;
  const bool complete = failed.empty();
  const std::int32_t volba =
      install::instal ? (complete ? language::kInstallFinished : language::kInstallIncomplete)
                      : (complete ? language::kUpgradeFinished : language::kUpgradeIncomplete);
  std::string text = language::MessageText(volba);
  for (std::size_t i = 0; i < failed.size() && i < kListedFailures; ++i) text += "\n" + failed[i];
  if (failed.size() > kListedFailures)
    text += "\n(+" + std::to_string(failed.size() - kListedFailures) + ")";
  return text;
}

}  // namespace

void TForm1::SetupClick() {
  install::Record = {};
  install::DecideMode(files_);
  for (const std::string_view folder : install::kInstalledFolders)
    install::EnsureFolder(files_, folder);
  for (const install::Group& group : install::kGroups) {
    if (group.when == install::When::FreshInstall && !install::instal) continue;
    for (const std::string_view source : group.sources)
      install::CopyInto(files_, source, group.target_folder);
    // The language file belongs to the fresh installation, right after its data set.
    if (group.when == install::When::FreshInstall) StoreLanguageFile();
  }
  OnClick(kRegister);
  ShowCompletion();
  CleanMedia();
  application_.Terminate();
}

void TForm1::StoreLanguageFile() {
  if (files_.FileExists(language::kMediaLanguageFile))
    install::CopyRecorded(files_, language::kMediaLanguageFile,
                          std::string(language::kInstalledLanguageFile));
  else
    language::WriteLanguage(files_);
}

void TForm1::ShowCompletion() {
  application_.ShowMessagePos(CompletionText(), -1, -1);
}

void TForm1::CleanMedia() {
  using install::JoinPath;
  const auto installed = [](std::string_view name) {
    return JoinPath(install::kProgramFolder, name);
  };
  const auto media = [](std::string_view name) {
    return JoinPath(install::kMediaProgramFolder, name);
  };
  // A media program goes only when this run wrote its installed copy: an older installed file
  // that could not be replaced must not cost the only new copy.
  const auto remove_if_installed_now = [&](std::string_view name) {
    if (install::Record.Wrote(installed(name))) files_.DeleteFile(media(name));
  };

  if (files_.FileExists(install::kClearSetMarker)) {
    bool all_installed = true;
    for (const std::string_view name : install::kClearedPrograms) {
      if (!files_.FileExists(installed(name))) {
        all_installed = false;
        break;
      }
    }
    if (all_installed)
      for (const std::string_view name : install::kClearedPrograms) remove_if_installed_now(name);
  }
  if (files_.FileExists(install::kClearSetMarker) &&
      files_.FileExists(installed(install::kClearedScanProgram)))
    remove_if_installed_now(install::kClearedScanProgram);
}

}  // namespace app
