#include "language/messages.h"

#include <array>
#include <string_view>

#include "language/language.h"

namespace language {

namespace {

constexpr std::int32_t kLanguageCount = 5;
constexpr std::int32_t kEnglish = 1;

// Rows by message number 1 to 4, columns by language index 0 to 4.
constexpr std::array<std::array<std::string_view, kLanguageCount>, 4> kMessages{{
    {"Instalace dokončena", "Installation completed.", "Installation ist fertig.",
     "Installation är klar.", "Установка завершено."},
    {"Instalace nebyla dokončena. Tyto soubory se nepodařilo zapsat:",
     "Installation incomplete. These files could not be written:",
     "Installation unvollständig. Diese Dateien konnten nicht geschrieben werden:",
     "Installationen är ofullständig. Dessa filer kunde inte skrivas:",
     "Установка не завершена. Не удалось записать эти файлы:"},
    {"Upgrade dokončeno.", "Upgrade ready.", "Upgrade ist fertig.", "Uppgradera är klar.",
     "Обновление завершено."},
    {"Upgrade nebyl dokončen. Tyto soubory se nepodařilo zapsat:",
     "Upgrade incomplete. These files could not be written:",
     "Upgrade unvollständig. Diese Dateien konnten nicht geschrieben werden:",
     "Uppgraderingen är ofullständig. Dessa filer kunde inte skrivas:",
     "Обновление не завершено. Не удалось записать эти файлы:"},
}};

bool IsMessage(std::int32_t volba) {
  return volba >= 1 && volba <= 4;
}
bool IsLanguage(std::int32_t index) {
  return index >= 0 && index < kLanguageCount;
}

}  // namespace

void FATisk(std::int32_t volba, std::string& text) {
  if (IsLanguage(Languagem) && IsMessage(volba))
    text = kMessages[static_cast<std::size_t>(volba - 1)][static_cast<std::size_t>(Languagem)];
}

std::string MessageText(std::int32_t volba) {
  std::string text;
  FATisk(volba, text);
  if (text.empty() && !IsLanguage(Languagem) && IsMessage(volba))
    text = kMessages[static_cast<std::size_t>(volba - 1)][kEnglish];
  return text;
}

}  // namespace language
