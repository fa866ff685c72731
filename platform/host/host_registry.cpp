#include "platform/host/host_registry.h"

#include <cctype>

namespace platform::host {

namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

class HostKey final : public RegistryKey {
 public:
  HostKey(std::map<std::string, RegistryValue, std::less<>> values, std::shared_ptr<int> open)
      : values_(std::move(values)), open_(std::move(open)) {
    ++*open_;
  }
  HostKey(const HostKey&) = delete;
  HostKey& operator=(const HostKey&) = delete;
  ~HostKey() override { --*open_; }

  RegistryValue ReadValue(std::string_view name) override {
    const auto it = values_.find(Lower(name));
    return it == values_.end() ? RegistryValue{} : it->second;
  }

 private:
  std::map<std::string, RegistryValue, std::less<>> values_;
  std::shared_ptr<int> open_;
};

}  // namespace

void HostRegistry::SetValue(std::string_view key, std::string_view name, RegistryValue value) {
  keys_[Lower(key)][Lower(name)] = std::move(value);
}

void HostRegistry::AddKey(std::string_view key) {
  keys_[Lower(key)];
}

void HostRegistry::RemoveKey(std::string_view key) {
  keys_.erase(Lower(key));
}

std::unique_ptr<RegistryKey> HostRegistry::OpenCurrentUserKey(std::string_view path) {
  const auto it = keys_.find(Lower(path));
  if (it == keys_.end()) return nullptr;
  return std::make_unique<HostKey>(it->second, open_keys_);
}

}  // namespace platform::host
