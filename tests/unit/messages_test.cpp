// The message table and its lookup.
#include <gtest/gtest.h>

#include <string>

#include "language/language.h"
#include "language/messages.h"

namespace {

struct MessageCase {
  std::int32_t language;
  std::int32_t volba;
  const char* text;  // FATisk's result into an empty text

  friend void PrintTo(const MessageCase& c, std::ostream* os) {
    *os << "language " << c.language << ", message " << c.volba;
  }
};

const MessageCase kCases[] = {
    {0, 1, "Instalace dokončena"},
    {1, 1, "Installation completed."},
    {2, 1, "Installation ist fertig."},
    {3, 1, "Installation är klar."},
    {4, 1, "Установка завершено."},
    {0, 3, "Upgrade dokončeno."},
    {1, 3, "Upgrade ready."},
    {2, 3, "Upgrade ist fertig."},
    {3, 3, "Uppgradera är klar."},
    {4, 3, "Обновление завершено."},
    {1, 2, "Installation incomplete. These files could not be written:"},
    {2, 4, "Upgrade unvollständig. Diese Dateien konnten nicht geschrieben werden:"},
    {4, 2, "Установка не завершена. Не удалось записать эти файлы:"},
    {1, 0, ""},
    {1, 5, ""},
    {5, 1, ""},
    {-1, 3, ""},
};

class FATiskTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(FATiskTest, LooksUpLanguageAndNumber) {
  const MessageCase& c = GetParam();
  language::Languagem = c.language;
  std::string text;
  language::FATisk(c.volba, text);
  EXPECT_EQ(text, c.text);
}

INSTANTIATE_TEST_SUITE_P(Table, FATiskTest, ::testing::ValuesIn(kCases));

TEST(FATisk, LeavesTheTextAsPassedWithoutAnEntry) {
  language::Languagem = 7;
  std::string text = "unchanged";
  language::FATisk(1, text);
  EXPECT_EQ(text, "unchanged");
}

TEST(MessageText, FallsBackToEnglishOnlyForANonLanguage) {
  const struct {
    std::int32_t language;
    std::int32_t volba;
    const char* text;
  } cases[] = {{5, 1, "Installation completed."},
               {-1, 3, "Upgrade ready."},
               {0x7FFFFFFF, 4, "Upgrade incomplete. These files could not be written:"},
               {0, 1, "Instalace dokončena"},
               {5, 9, ""}};
  for (const auto& c : cases) {
    language::Languagem = c.language;
    EXPECT_EQ(language::MessageText(c.volba), c.text) << c.language << "/" << c.volba;
  }
}

}  // namespace
