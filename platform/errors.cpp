#include "platform/errors.h"

namespace platform {

std::string InOutErrorText(int code) {
  switch (code) {
    case kErrFileNotFound:
      return "File not found";
    case kErrInvalidFilename:
      return "Invalid filename";
    case kErrTooManyOpenFiles:
      return "Too many open files";
    case kErrAccessDenied:
      return "File access denied";
    case kErrReadBeyondEnd:
      return "Read beyond end of file";
    case kErrDiskFull:
      return "Disk full";
    default:
      return "I/O error " + std::to_string(code);
  }
}

}  // namespace platform
