// Read-only access to the current user's registry and the shell's folders.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct RegistryValue {
  enum class Kind { Absent, String, OtherType };
  Kind kind = Kind::Absent;
  std::string text;  // UTF-8, for Kind::String
};

// An open key; closed when destroyed.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  virtual RegistryValue ReadValue(std::string_view name) = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // Opens a key under HKEY_CURRENT_USER for reading, without creating it; null when it cannot.
  virtual std::unique_ptr<RegistryKey> OpenCurrentUserKey(std::string_view path) = 0;
  // The current user's desktop folder as the shell knows it, if it can tell.
  virtual std::optional<std::string> KnownDesktopFolder() = 0;
};

}  // namespace platform
