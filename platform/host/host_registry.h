// An in-memory registry of the current user for native runs and tests.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/registry.h"

namespace platform::host {

class HostRegistry final : public Registry {
 public:
  // Creates the key if needed and stores the value under it.
  void SetValue(std::string_view key, std::string_view name, RegistryValue value);
  void AddKey(std::string_view key);
  void RemoveKey(std::string_view key);
  void SetKnownDesktopFolder(std::optional<std::string> folder) {
    known_desktop_ = std::move(folder);
  }
  // How many keys are open now; every opened key must be closed again.
  int open_keys() const { return *open_keys_; }

  std::unique_ptr<RegistryKey> OpenCurrentUserKey(std::string_view path) override;
  std::optional<std::string> KnownDesktopFolder() override { return known_desktop_; }

 private:
  using Values = std::map<std::string, RegistryValue, std::less<>>;
  // Key paths are compared case-insensitively, as the registry does.
  std::map<std::string, Values, std::less<>> keys_;
  std::optional<std::string> known_desktop_;
  std::shared_ptr<int> open_keys_ = std::make_shared<int>(0);
};

}  // namespace platform::host
