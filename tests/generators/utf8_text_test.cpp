// Menu texts changed by characters: valid UTF-8 stays valid, other bytes stay as they are.
#include <gtest/gtest.h>

#include "generators/utf8_text.hpp"

namespace quillon {
namespace {

TEST(Utf8Text, UpperCaseChangesEveryLetterAndNoOtherByte) {
  struct Case {
    const char* text;
    const char* upper;
  };
  const Case cases[] = {
      {"news", "NEWS"},
      {"\xC3\xA9t\xC3\xA9 \xC3\xBF", "\xC3\x89T\xC3\x89 \xC5\xB8"},  // été ÿ: Latin-1 letters, one of them beyond it
      {"\xCF\x89 \xD1\x8F", "\xCE\xA9 \xD0\xAF"},                    // Greek and Cyrillic
      {"\xE2\x82\xAC 1 & <", "\xE2\x82\xAC 1 & <"},                  // no letters
      {"\xF0\x90\x90\xA8", "\xF0\x90\x90\x80"},                      // beyond the first plane
      // A page in another encoding: its bytes are no UTF-8 and pass unchanged.
      {"caf\xE9", "CAF\xE9"},
      {"\xC3", "\xC3"},
      {"\xED\xA0\x80x", "\xED\xA0\x80X"},  // an encoded surrogate
      {"\xC0\xAF", "\xC0\xAF"},            // an overlong "/"
  };
  for (const Case& c : cases) EXPECT_EQ(upperCase(c.text), c.upper) << c.text;
}

TEST(Utf8Text, RepeatsAndCountsByCharacters) {
  EXPECT_EQ(characterCount("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x99\x82"), 4u);
  EXPECT_EQ(characterCount("\xE9\xE9"), 2u) << "a byte that is no UTF-8 is a character";
  EXPECT_EQ(repeatedCharacters("\xC3\xA9-", 3), "\xC3\xA9-\xC3\xA9");
  EXPECT_EQ(repeatedCharacters("\xF0\x9F\x99\x82", 2), "\xF0\x9F\x99\x82\xF0\x9F\x99\x82");
  EXPECT_EQ(repeatedCharacters("ab", 0), "");
  EXPECT_EQ(repeatedCharacters("", 5), "");
}

}  // namespace
}  // namespace quillon
