#include "format/byte_scan.hpp"

#include <gtest/gtest.h>

#include <string>

namespace quillon {
namespace {

// Texts are looked at in blocks with a last block that overlaps: each byte
// sought is found at every place in texts of every length around the block
// size, and none is found where there is none.
TEST(ByteScan, FindsEachByteAtEveryPlaceOfEveryLength) {
  auto holds = [](const std::string& text) { return holdsAnyOf<'&', '\'', '\n'>(text); };
  for (std::size_t length = 0; length <= 50; ++length) {
    std::string text(length, 'a');
    for (std::size_t i = 0; i < length; ++i) text[i] = "Az09 /.:\"#?\x7f\xc3\xa9\t="[i % 16];
    ASSERT_FALSE(holds(text)) << "plain text of " << length;
    for (const char sought : {'&', '\'', '\n'}) {
      for (std::size_t at = 0; at < length; ++at) {
        std::string marked = text;
        marked[at] = sought;
        EXPECT_TRUE(holds(marked)) << int(sought) << " at " << at << " of " << length;
      }
    }
  }
}

}  // namespace
}  // namespace quillon
