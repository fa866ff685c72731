// Win32 only: file services over CopyFileW, CreateDirectoryW, DeleteFileW and friends.
#include <windows.h>
// The Win32 headers define these names as macros; the interface uses them as method names.
#undef CopyFile
#undef DeleteFile

#include "platform/errors.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_files.h"

namespace platform::win32 {

namespace {

bool IsAbsolute(std::wstring_view path) {
  return (path.size() >= 2 && path[1] == L':') || path.starts_with(L'\\');
}

// The run-time code for a Win32 error; the low codes already agree.
int InOutCode(DWORD error) {
  switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return kErrDiskFull;
    default:
      return static_cast<int>(error);
  }
}

[[noreturn]] void ThrowLastError() {
  throw EInOutError(InOutCode(::GetLastError()));
}

DWORD Attributes(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
    return attributes;
  // A link counts as what its target is, and not at all when the target is missing.
  const UniqueFile target(
      ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION info{};
  if (!target || !::GetFileInformationByHandle(target.get(), &info)) return INVALID_FILE_ATTRIBUTES;
  return info.dwFileAttributes;
}

}  // namespace

namespace {

// The running executable's full path, however long.
std::wstring ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

std::wstring ExecutableFolder() {
  const std::wstring path = ExecutablePath();
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

std::wstring ExecutableTitle() {
  const std::wstring path = ExecutablePath();
  const auto slash = path.find_last_of(L"\\/");
  const std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  return name.substr(0, name.find(L'.'));
}

std::wstring Win32Files::Resolve(std::string_view path) const {
  std::wstring wide = Widen(path);
  if (IsAbsolute(wide)) return wide;
  return media_ + L"\\" + wide;
}

bool Win32Files::FileExists(std::string_view path) {
  const DWORD attributes = Attributes(Resolve(path));
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Files::DirectoryExists(std::string_view path) {
  const DWORD attributes = Attributes(Resolve(path));
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Files::CreateDir(std::string_view path) {
  return ::CreateDirectoryW(Resolve(path).c_str(), nullptr) != FALSE;
}

bool Win32Files::DeleteFile(std::string_view path) {
  return ::DeleteFileW(Resolve(path).c_str()) != FALSE;
}

bool Win32Files::CopyFile(std::string_view source, std::string_view target) {
  return ::CopyFileW(Resolve(source).c_str(), Resolve(target).c_str(), FALSE) != FALSE;
}

std::size_t Win32Files::ReadPrefix(std::string_view path, std::span<std::byte> buffer) {
  // Read-only, so that a language file on read-only media is honoured.
  const UniqueFile file(::CreateFileW(Resolve(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) ThrowLastError();
  std::size_t got = 0;
  while (got < buffer.size()) {
    DWORD n = 0;
    if (!::ReadFile(file.get(), buffer.data() + got, static_cast<DWORD>(buffer.size() - got), &n,
                    nullptr))
      ThrowLastError();
    if (n == 0) break;
    got += n;
  }
  return got;
}

void Win32Files::WriteReplacing(std::string_view path, std::span<const std::byte> data) {
  const std::wstring target = Resolve(path);
  const std::wstring temporary = target + L".tmp";
  const auto fail = [&](DWORD error) {
    ::DeleteFileW(temporary.c_str());
    throw EInOutError(InOutCode(error));
  };
  UniqueFile file(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) ThrowLastError();
  DWORD written = 0;
  if (!::WriteFile(file.get(), data.data(), static_cast<DWORD>(data.size()), &written, nullptr))
    fail(::GetLastError());
  if (written != data.size()) fail(ERROR_DISK_FULL);
  if (!::FlushFileBuffers(file.get())) fail(::GetLastError());
  file.reset();
  if (!::MoveFileExW(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    fail(::GetLastError());
}

}  // namespace platform::win32
