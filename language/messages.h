// The installer's message texts in its five languages.
#pragma once

#include <cstdint>
#include <string>

namespace language {

// Message numbers.
inline constexpr std::int32_t kInstallFinished = 1;
inline constexpr std::int32_t kInstallIncomplete = 2;
inline constexpr std::int32_t kUpgradeFinished = 3;
inline constexpr std::int32_t kUpgradeIncomplete = 4;

// Looks up message volba in language Languagem into text; leaves text as passed when the pair
// has no entry.
void FATisk(std::int32_t volba, std::string& text);

// The text to show for message volba: FATisk's, or English when Languagem is no language.
std::string MessageText(std::int32_t volba);

}  // namespace language
