// POSIX backend of the file services.
#include "platform/host/host_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

#include "platform/errors.h"

namespace fs = std::filesystem;

namespace platform::host {

namespace {

// Closes a POSIX file descriptor when it goes out of scope.
class UniqueFd {
 public:
  explicit UniqueFd(int fd) : fd_(fd) {}
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  ~UniqueFd() { Reset(); }
  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }
  int Reset() {
    const int result = fd_ >= 0 ? ::close(fd_) : 0;
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

bool IsDriveLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

fs::path Join(fs::path base, std::string_view windows_path) {
  std::string rest(windows_path);
  for (char& c : rest)
    if (c == '\\') c = '/';
  while (!rest.empty() && rest.front() == '/') rest.erase(rest.begin());
  return rest.empty() ? base : base / rest;
}

[[noreturn]] void ThrowErrno() {
  throw EInOutError(InOutCodeFromErrno(errno));
}

}  // namespace

int InOutCodeFromErrno(int error) {
  switch (error) {
    case ENOENT:
      return kErrFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
      return kErrInvalidFilename;
    case EMFILE:
    case ENFILE:
      return kErrTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case ETXTBSY:
      return kErrAccessDenied;
    case ENOSPC:
    case EDQUOT:
      return kErrDiskFull;
    default:
      return error;
  }
}

HostFiles::HostFiles(fs::path drive_c, fs::path media)
    : drive_c_(std::move(drive_c)), media_(std::move(media)) {}

fs::path HostFiles::Resolve(std::string_view path) const {
  if (path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':') {
    if (path[0] != 'C' && path[0] != 'c') return {};
    return Join(drive_c_, path.substr(2));
  }
  if (path.starts_with('\\')) return Join(drive_c_, path);
  return Join(media_, path);
}

bool HostFiles::FileExists(std::string_view path) {
  std::error_code ec;
  const fs::path p = Resolve(path);
  return !p.empty() && fs::exists(p, ec) && !fs::is_directory(p, ec);
}

bool HostFiles::DirectoryExists(std::string_view path) {
  std::error_code ec;
  const fs::path p = Resolve(path);
  return !p.empty() && fs::is_directory(p, ec);
}

bool HostFiles::CreateDir(std::string_view path) {
  const fs::path p = Resolve(path);
  return !p.empty() && ::mkdir(p.c_str(), 0755) == 0;
}

bool HostFiles::DeleteFile(std::string_view path) {
  const fs::path p = Resolve(path);
  std::error_code ec;
  if (p.empty() || fs::is_directory(fs::symlink_status(p, ec))) return false;
  return ::unlink(p.c_str()) == 0;
}

bool HostFiles::CopyFile(std::string_view source, std::string_view target) {
  const fs::path from = Resolve(source);
  const fs::path to = Resolve(target);
  std::error_code ec;
  if (from.empty() || to.empty() || fs::is_directory(from, ec)) return false;
  return fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec) && !ec;
}

std::size_t HostFiles::ReadPrefix(std::string_view path, std::span<std::byte> buffer) {
  const fs::path p = Resolve(path);
  if (p.empty()) throw EInOutError(kErrInvalidFilename);
  const UniqueFd fd(::open(p.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd) ThrowErrno();
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) ThrowErrno();
  if (S_ISDIR(st.st_mode)) throw EInOutError(kErrAccessDenied);
  std::size_t got = 0;
  while (got < buffer.size()) {
    const ssize_t n = ::read(fd.get(), buffer.data() + got, buffer.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ThrowErrno();
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  return got;
}

void HostFiles::WriteReplacing(std::string_view path, std::span<const std::byte> data) {
  const fs::path target = Resolve(path);
  if (target.empty()) throw EInOutError(kErrInvalidFilename);
  fs::path temporary = target;
  temporary += ".tmp";
  const auto fail = [&](int error) {
    ::unlink(temporary.c_str());
    throw EInOutError(InOutCodeFromErrno(error));
  };
  UniqueFd fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (!fd) ThrowErrno();
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd.get(), data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) fail(n < 0 ? errno : ENOSPC);
    done += static_cast<std::size_t>(n);
  }
  if (::fsync(fd.get()) != 0) fail(errno);
  if (fd.Reset() != 0) fail(errno);
  if (::rename(temporary.c_str(), target.c_str()) != 0) fail(errno);
}

}  // namespace platform::host
