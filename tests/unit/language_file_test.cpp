// The language file: reading records of every length, its errors, and the replacing write.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "app/unit1.h"
#include "language/language.h"
#include "platform/errors.h"
#include "tests/unit/test_support.h"

namespace {

using testing_support::Installation;

struct ReadCase {
  const char* name;
  std::string bytes;
  std::int32_t expected;  // Languagem afterwards, starting from 0x7A7A7A7A
  const char* error;      // nullptr: no error

  friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
};

const ReadCase kReadCases[] = {
    {"Empty", "", 0x7A7A7A7A, "Read beyond end of file"},
    {"OneByte", "\x03", 0x7A7A7A03, "Read beyond end of file"},
    {"TwoBytes", std::string("\x02\x00", 2), 0x7A7A0002, "Read beyond end of file"},
    {"ThreeBytes", std::string("\x01\x02\x03", 3), 0x7A030201, "Read beyond end of file"},
    {"English", std::string("\x01\x00\x00\x00", 4), 1, nullptr},
    {"EightBytesFirstRecordCounts", std::string("\x04\x00\x00\x00\x01\x00\x00\x00", 8), 4, nullptr},
    {"MinusOne", "\xFF\xFF\xFF\xFF", -1, nullptr},
    {"Five", std::string("\x05\x00\x00\x00", 4), 5, nullptr},
    {"MaxInt", std::string("\xFF\xFF\xFF\x7F", 4), 0x7FFFFFFF, nullptr},
};

class ReadLanguageTest : public Installation, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadLanguageTest, StoresRecordAndRaisesOnShortFile) {
  const ReadCase& c = GetParam();
  Write(Host("dLangv.dat"), c.bytes);
  language::Languagem = 0x7A7A7A7A;
  if (c.error) {
    try {
      language::ReadLanguage(files, "dLangv.dat");
      ADD_FAILURE() << "no error raised";
    } catch (const platform::EInOutError& error) {
      EXPECT_STREQ(error.what(), c.error);
    }
  } else {
    EXPECT_NO_THROW(language::ReadLanguage(files, "dLangv.dat"));
  }
  EXPECT_EQ(language::Languagem, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ReadLanguageTest, ::testing::ValuesIn(kReadCases),
                         testing_support::CaseName());

TEST_F(Installation, ReadErrorsCarryTheRunTimeTexts) {
  const struct {
    int code;
    const char* text;
  } cases[] = {
      {2, "File not found"},     {3, "Invalid filename"},          {4, "Too many open files"},
      {5, "File access denied"}, {100, "Read beyond end of file"}, {101, "Disk full"},
      {32, "I/O error 32"}};
  Write(Host("dLangv.dat"), "\x01\x00\x00\x00");
  for (const auto& c : cases) {
    files.read_error = c.code;
    try {
      language::ReadLanguage(files, "dLangv.dat");
      ADD_FAILURE() << "no error for " << c.code;
    } catch (const platform::EInOutError& error) {
      EXPECT_STREQ(error.what(), c.text);
      EXPECT_EQ(error.ErrorCode, c.code);
    }
  }
}

TEST_F(Installation, ReadingAFolderOrAMissingFileRaises) {
  std::filesystem::create_directories(Host("dLangv.dat"));
  EXPECT_THROW(
      {
        try {
          language::ReadLanguage(files, "dLangv.dat");
        } catch (const platform::EInOutError& error) {
          EXPECT_STREQ(error.what(), "File access denied");
          throw;
        }
      },
      platform::EInOutError);
  EXPECT_THROW(language::ReadLanguage(files, "C:\\RoxPelMu4\\dLangv.dat"), platform::EInOutError);
}

TEST_F(Installation, ReadOpensTheFileReadOnly) {
  // A saved language on write-protected media is honoured. An immutable file refuses every
  // write access, even to root, as read-only media refuse it to everybody.
  const std::filesystem::path file = Host("dLangv.dat");
  Write(file, std::string("\x03\x00\x00\x00", 4));
  const std::string lock = "chattr +i '" + file.string() + "' 2>/dev/null";
  if (std::system(lock.c_str()) != 0) GTEST_SKIP() << "cannot make a file immutable here";
  language::Languagem = 0;
  EXPECT_NO_THROW(language::ReadLanguage(files, "dLangv.dat"));
  EXPECT_EQ(language::Languagem, 3);
  const std::string unlock = "chattr -i '" + file.string() + "'";
  EXPECT_EQ(std::system(unlock.c_str()), 0);
}

TEST_F(Installation, WriteStoresOneLittleEndianRecord) {
  std::filesystem::create_directories(Host("C:\\RoxPelMu4"));
  for (const std::int32_t value : {1, 4, -1, 0x01020304}) {
    language::Languagem = value;
    language::WriteLanguage(files);
    const auto u = static_cast<std::uint32_t>(value);
    const std::string expected{static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
                               static_cast<char>((u >> 16) & 0xFF),
                               static_cast<char>((u >> 24) & 0xFF)};
    EXPECT_EQ(Read(Host("C:\\RoxPelMu4\\dLangv.dat")), expected);
  }
  EXPECT_FALSE(std::filesystem::exists(Host("C:\\RoxPelMu4\\dLangv.dat.tmp")));
}

TEST_F(Installation, FailedWriteRaisesAndKeepsTheOldFileWhole) {
  language::Languagem = 2;
  // Without the data folder the write fails.
  EXPECT_THROW(language::WriteLanguage(files), platform::EInOutError);

  // A write that cannot complete leaves the previous file as it was.
  Write(Host("C:\\RoxPelMu4\\dLangv.dat"), std::string("\x03\x00\x00\x00", 4));
  std::filesystem::create_directories(Host("C:\\RoxPelMu4\\dLangv.dat.tmp"));
  EXPECT_THROW(language::WriteLanguage(files), platform::EInOutError);
  EXPECT_EQ(Read(Host("C:\\RoxPelMu4\\dLangv.dat")), std::string("\x03\x00\x00\x00", 4));
}

}  // namespace
