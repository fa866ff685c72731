// The language index and the four-byte language file "dLangv.dat".
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/files.h"

namespace language {

// 0 Czech, 1 English, 2 German, 3 Swedish, 4 Russian. Set by window creation and the chooser.
inline std::int32_t Languagem = 0;

inline constexpr std::string_view kInstalledLanguageFile = "C:\\RoxPelMu4\\dLangv.dat";
inline constexpr std::string_view kMediaLanguageFile = "dLangv.dat";

// Reads the first record of a language file into Languagem. A file shorter than one record
// stores the bytes it holds into Languagem's low-order bytes, then raises "Read beyond end of
// file". Opening or reading errors raise EInOutError.
void ReadLanguage(platform::Files& files, std::string_view path);

// Writes Languagem as the single record of the installed language file. Raises EInOutError.
void WriteLanguage(platform::Files& files);

}  // namespace language
