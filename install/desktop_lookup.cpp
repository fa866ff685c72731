#include "install/desktop_lookup.h"

#include "platform/errors.h"

namespace install {

std::string GetDesktopDir(platform::Registry& registry) {
  const auto key = registry.OpenCurrentUserKey(kShellFoldersKey);
  if (!key) throw platform::Exception(std::string(kNoDesktopText));
  platform::RegistryValue value = key->ReadValue(kDesktopValue);
  if (value.kind == platform::RegistryValue::Kind::OtherType)
    throw platform::ERegistryException("Invalid data type for '" + std::string(kDesktopValue) +
                                       "'");
  if (!value.text.empty()) return std::move(value.text);
  // Without a value every desktop path would name the root of the current drive.
  if (auto known = registry.KnownDesktopFolder(); known && !known->empty()) return *known;
  throw platform::Exception(std::string(kNoDesktopText));
}

}  // namespace install
