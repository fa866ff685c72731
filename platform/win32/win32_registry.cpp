// Win32 only: registry reads with RegOpenKeyExW and RegQueryValueExW, and the shell's known
// desktop folder through shell32, loaded from the system folder when it is needed.
#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <string>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {

namespace {

class Win32Key final : public RegistryKey {
 public:
  explicit Win32Key(UniqueKey key) : key_(std::move(key)) {}

  RegistryValue ReadValue(std::string_view name) override {
    const std::wstring wide_name = Widen(name);
    DWORD type = 0;
    DWORD size = 0;
    LSTATUS status =
        ::RegQueryValueExW(key_.get(), wide_name.c_str(), nullptr, &type, nullptr, &size);
    if (status == ERROR_FILE_NOT_FOUND) return {};
    if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA)
      return {RegistryValue::Kind::OtherType, {}};
    if (type != REG_SZ && type != REG_EXPAND_SZ) return {RegistryValue::Kind::OtherType, {}};
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    status = ::RegQueryValueExW(key_.get(), wide_name.c_str(), nullptr, &type,
                                reinterpret_cast<BYTE*>(text.data()), &size);
    if (status != ERROR_SUCCESS) return {RegistryValue::Kind::OtherType, {}};
    text.resize(size / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return {RegistryValue::Kind::String, Narrow(text)};
  }

 private:
  UniqueKey key_;
};

// The desktop's known-folder id.
constexpr GUID kFolderIdDesktop = {
    0xB4BFCC3A, 0xDB2C, 0x424C, {0xB0, 0x29, 0x7F, 0xE9, 0x9A, 0x87, 0xC6, 0x41}};

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::OpenCurrentUserKey(std::string_view path) {
  UniqueKey key;
  // Read access only: the installer writes nothing to the registry.
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, Widen(path).c_str(), 0, KEY_READ, key.put()) !=
      ERROR_SUCCESS)
    return nullptr;
  return std::make_unique<Win32Key>(std::move(key));
}

std::optional<std::string> Win32Registry::KnownDesktopFolder() {
  using GetKnownFolderPath = HRESULT(WINAPI*)(REFGUID, DWORD, HANDLE, PWSTR*);
  using TaskMemFree = void(WINAPI*)(LPVOID);
  const UniqueModule shell32 = LoadSystemLibrary(L"shell32.dll");
  const UniqueModule ole32 = LoadSystemLibrary(L"ole32.dll");
  const auto get = ProcAddress<GetKnownFolderPath>(shell32.get(), "SHGetKnownFolderPath");
  const auto free = ProcAddress<TaskMemFree>(ole32.get(), "CoTaskMemFree");
  if (!get || !free) return std::nullopt;
  PWSTR path = nullptr;
  const HRESULT result = get(kFolderIdDesktop, 0, nullptr, &path);
  std::optional<std::string> folder;
  if (SUCCEEDED(result) && path) folder = Narrow(path);
  free(path);
  return folder;
}

}  // namespace platform::win32
