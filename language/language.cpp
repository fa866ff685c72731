#include "language/language.h"

#include <array>

#include "platform/errors.h"

namespace language {

namespace {
constexpr std::size_t kRecordSize = 4;
}

void ReadLanguage(platform::Files& files, std::string_view path) {
  std::array<std::byte, kRecordSize> record{};
  const std::size_t got = files.ReadPrefix(path, record);
  // The record is little-endian; a short read has already filled the low-order bytes.
  auto value = static_cast<std::uint32_t>(Languagem);
  for (std::size_t i = 0; i < got && i < kRecordSize; ++i) {
    const unsigned shift = 8 * static_cast<unsigned>(i);
    value = (value & ~(0xFFu << shift)) | (std::to_integer<std::uint32_t>(record[i]) << shift);
  }
  Languagem = static_cast<std::int32_t>(value);
  if (got < kRecordSize) throw platform::EInOutError(platform::kErrReadBeyondEnd);
}

void WriteLanguage(platform::Files& files) {
  const auto value = static_cast<std::uint32_t>(Languagem);
  const std::array<std::byte, kRecordSize> record{
      std::byte(value & 0xFF), std::byte((value >> 8) & 0xFF), std::byte((value >> 16) & 0xFF),
      std::byte((value >> 24) & 0xFF)};
  files.WriteReplacing(kInstalledLanguageFile, record);
}

}  // namespace language
