// Win32 only: the current user's registry and the shell's desktop folder.
#pragma once

#include "platform/registry.h"

namespace platform::win32 {

class Win32Registry final : public Registry {
 public:
  std::unique_ptr<RegistryKey> OpenCurrentUserKey(std::string_view path) override;
  std::optional<std::string> KnownDesktopFolder() override;
};

}  // namespace platform::win32
