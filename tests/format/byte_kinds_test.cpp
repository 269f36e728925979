#include "format/byte_kinds.hpp"

#include <gtest/gtest.h>

#include <string>

namespace quillon {
namespace {

// Texts are looked at in blocks with a last block that overlaps: every byte
// that asks for care is found at every place in texts of every length around
// the block size, and none is found in plain text.
TEST(ByteKinds, FoundAtEveryPlaceOfEveryLength) {
  const struct {
    char byte;
    unsigned kind;
  } cases[] = {{'\r', kLineBreakByte}, {'\n', kLineBreakByte}, {'&', kMarkupByte},    {'"', kMarkupByte},
               {'<', kMarkupByte},     {'>', kMarkupByte},     {';', kSeparatorByte}};
  for (std::size_t length = 0; length <= 50; ++length) {
    std::string text(length, 'a');
    for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<char>("Az09 /.:'#?\x7f\xc3\xa9\t="[i % 15]);
    ASSERT_EQ(byteKindsIn(text), 0u) << "plain text of " << length;
    for (const auto& c : cases) {
      for (std::size_t at = 0; at < length; ++at) {
        std::string marked = text;
        marked[at] = c.byte;
        EXPECT_EQ(byteKindsIn(marked), c.kind) << int(c.byte) << " at " << at << " of " << length;
      }
    }
  }
  EXPECT_EQ(byteKindsIn(std::string(40, 'x') + "&;\n" + std::string(20, 'y')),
            kLineBreakByte | kMarkupByte | kSeparatorByte);
}

}  // namespace
}  // namespace quillon
