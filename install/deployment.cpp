// The deployment step: the Register button's handler.
#include <string>

#include "app/unit1.h"
#include "install/deployment_tables.h"
#include "install/desktop_lookup.h"
#include "install/manifest.h"
#include "install/run_record.h"
#include "language/language.h"

namespace app {

namespace {

template <typename Table>
void CopyTable(platform::Files& files, const Table& table) {
  for (const install::FolderCopy& copy : table)
    install::CopyInto(files, copy.source, copy.target_folder);
}

// The desktop item of a file name: the name after a '\'.
std::string AsDesktopItem(std::string_view name) {
  std::string item;
  item.reserve(name.size() + 1);
  item += '\\';
  item += name;
  return item;
}

}  // namespace

std::string TForm1::DesktopPath(std::string_view item) {
  // Looked up afresh for every item.
  std::string path = install::GetDesktopDir(registry_);
  path += item;
  return path;
}

void TForm1::CopyToDesktop(std::string_view source, std::string_view item) {
  install::CopyRecorded(files_, source, DesktopPath(item));
}

void TForm1::RegisterClick() {
  for (const install::OldVersion& old : install::kOldVersions) {
    files_.DeleteFile(DesktopPath(old.desktop_program));
    if (!old.desktop_link.empty()) files_.DeleteFile(DesktopPath(old.desktop_link));
    if (!old.program_file.empty()) files_.DeleteFile(old.program_file);
  }
  CopyTable(files_, install::kProgramFolderLinks);
  CopyToDesktop(install::kScanLink.source, install::kScanLink.item);
  PlaceDesktopLinks();
  PlaceManual(files_.FileExists(install::kEditionMarker) ? install::kCelvanoManual
                                                         : install::kOrvalisManual);
  PlaceManual(install::kScanManual);
  CopyTable(files_, install::kDocuments);
  const std::string_view generator_manual =
      language::Languagem == 0 ? install::kGeneratorManualCzech : install::kGeneratorManualEnglish;
  CopyToDesktop(generator_manual, AsDesktopItem(install::FileName(generator_manual)));
  for (const std::string_view retired : install::kRetiredFiles) files_.DeleteFile(retired);
  CopyTable(files_, install::kPrograms);
  install::EnsureFolder(files_, install::kDriverFolder);
  install::EnsureFolder(files_, install::kDriverSetupFolder);
  CopyTable(files_, install::kDriverPackage);
  CopyTable(files_, install::kFurtherDocuments);
}

void TForm1::PlaceDesktopLinks() {
  if (!files_.FileExists(install::kEditionMarker)) {
    for (const install::DesktopCopy& link : install::kOrvalisLinks)
      CopyToDesktop(link.source, link.item);
    if (files_.FileExists(install::kMainProgramOnMedia))
      CopyToDesktop(install::kMainDataLink.source, install::kMainDataLink.item);
  } else {
    for (const install::DesktopCopy& link : install::kCelvanoLinks)
      CopyToDesktop(link.source, link.item);
  }
  if (files_.FileExists(install::kScanProgramOnMedia))
    CopyToDesktop(install::kScanDataLink.source, install::kScanDataLink.item);
}

void TForm1::PlaceManual(const install::Manual& manual) {
  const auto place = [this](std::string_view variant) {
    CopyToDesktop(variant, AsDesktopItem(variant));
  };
  const std::int32_t lang = language::Languagem;
  if (lang == 0) place(manual.czech);
  if (lang == 2) place(files_.FileExists(manual.german) ? manual.german : manual.english);
  if (lang == 1 || lang > 2) place(manual.english);
}

}  // namespace app
