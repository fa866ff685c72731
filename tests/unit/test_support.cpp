#include "tests/unit/test_support.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/unit1.h"
#include "install/desktop_lookup.h"
#include "install/install_mode.h"
#include "install/run_record.h"
#include "language/language.h"
#include "platform/errors.h"

namespace testing_support {

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "setup-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    ADD_FAILURE() << "cannot create a temporary folder";
    return;
  }
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  if (!path_.empty()) fs::remove_all(path_, ec);
  if (ec) ADD_FAILURE() << "cannot remove " << path_ << ": " << ec.message();
}

bool FaultyFiles::CreateDir(std::string_view path) {
  log.push_back("mkdir " + std::string(path));
  if (fail_create.contains(std::string(path))) return false;
  return HostFiles::CreateDir(path);
}

bool FaultyFiles::DeleteFile(std::string_view path) {
  log.push_back("delete " + std::string(path));
  if (fail_delete.contains(std::string(path))) return false;
  return HostFiles::DeleteFile(path);
}

bool FaultyFiles::CopyFile(std::string_view source, std::string_view target) {
  log.push_back("copy " + std::string(source) + " > " + std::string(target));
  if (fail_copy_to.contains(std::string(target))) return false;
  return HostFiles::CopyFile(source, target);
}

std::size_t FaultyFiles::ReadPrefix(std::string_view path, std::span<std::byte> buffer) {
  if (read_error) throw platform::EInOutError(*read_error);
  return HostFiles::ReadPrefix(path, buffer);
}

Installation::Installation()
    : drive_c(temp.path() / "drive_c"), media(temp.path() / "media"), files(drive_c, media) {
  fs::create_directories(drive_c);
  fs::create_directories(media);
  registry.SetValue(install::kShellFoldersKey, install::kDesktopValue,
                    {platform::RegistryValue::Kind::String, std::string(kDesktop)});
  fs::create_directories(Host(kDesktop));
}

void Installation::MakeMedia(const tools::MediaOptions& options) {
  tools::WriteMedia(media, options);
}

void Installation::Run(std::optional<int> click) {
  // The state a new process starts with.
  language::Languagem = 0;
  app::dokoncit = false;
  install::instal = false;
  install::upgrade = false;
  install::Record = {};
  if (click) toolkit.QueueSelect(app::kLanguage, *click);
  app::Setup(toolkit, files, registry);
}

fs::path Installation::DesktopItem(std::string_view item) const {
  return Host(std::string(kDesktop) + std::string(item));
}

std::set<std::string> Installation::DesktopItems() const {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(Host(kDesktop)))
    names.insert(entry.path().filename().string());
  return names;
}

std::string Installation::Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream contents;
  contents << in.rdbuf();
  return contents.str();
}

void Installation::Write(const fs::path& path, std::string_view contents) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
}

platform::host::HostToolkit::Box Installation::OnlyBox() const {
  EXPECT_EQ(toolkit.boxes().size(), 1u);
  return toolkit.boxes().empty() ? platform::host::HostToolkit::Box{} : toolkit.boxes().back();
}

}  // namespace testing_support
