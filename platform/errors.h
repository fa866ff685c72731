// Error classes raised by the installer's run-time services.
#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// A general error with a text of its own; the window's error report shows that text.
class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Run-time input/output error codes that have a text of their own.
inline constexpr int kErrFileNotFound = 2;
inline constexpr int kErrInvalidFilename = 3;
inline constexpr int kErrTooManyOpenFiles = 4;
inline constexpr int kErrAccessDenied = 5;
inline constexpr int kErrReadBeyondEnd = 100;
inline constexpr int kErrDiskFull = 101;

// The text the run-time gives an input/output error code ("I/O error %d" when it has none).
std::string InOutErrorText(int code);

// An input/output error of the language file, carrying the run-time's error code.
class EInOutError : public Exception {
 public:
  explicit EInOutError(int code) : Exception(InOutErrorText(code)), ErrorCode(code) {}
  int ErrorCode;
};

// A registry value that could not be read as the type asked for.
class ERegistryException : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace platform
