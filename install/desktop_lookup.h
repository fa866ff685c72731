// Where the current user's desktop is.
#pragma once

#include <string>
#include <string_view>

#include "platform/registry.h"

namespace install {

inline constexpr std::string_view kShellFoldersKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr std::string_view kDesktopValue = "Desktop";
inline constexpr std::string_view kNoDesktopText =
    "Nemůžu v registrech najít cestu k pracovní ploše.";

// The desktop folder from the registry's "Desktop" value. An absent or empty value asks the
// shell instead. Raises a general error when the key cannot be opened or the shell cannot tell,
// and a registry read error when the value is not a string.
std::string GetDesktopDir(platform::Registry& registry);

}  // namespace install
