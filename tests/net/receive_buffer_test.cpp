#include "net/receive_buffer.hpp"

#include <gtest/gtest.h>

#include <cstring>

namespace quillon::net {
namespace {

std::size_t put(ReceiveBuffer& buffer, const std::string& bytes) {
  const std::span<char> space = buffer.freeSpace();
  const std::size_t count = std::min(space.size(), bytes.size());
  std::memcpy(space.data(), bytes.data(), count);
  buffer.commit(count);
  return count;
}

TEST(ReceiveBuffer, CutsLinesAtLineFeedsAcrossReads) {
  ReceiveBuffer buffer;
  put(buffer, "HTTP/1.0 200 OK\r\nContent-");
  EXPECT_EQ(buffer.takeLine(), "HTTP/1.0 200 OK");
  EXPECT_EQ(buffer.takeLine(), std::nullopt);
  put(buffer, "Type: a\nX: b\r\r\n\r\nbody");
  EXPECT_EQ(buffer.takeLine(), "Content-Type: a");
  EXPECT_EQ(buffer.takeLine(), "X: b\r");
  EXPECT_EQ(buffer.takeLine(), "");
  EXPECT_EQ(buffer.takeRest(), "body");
  EXPECT_EQ(buffer.takeLine(), std::nullopt);
}

TEST(ReceiveBuffer, IsFullOnlyWhenALineCanNoLongerEnd) {
  ReceiveBuffer buffer;
  put(buffer, "short\n");
  EXPECT_EQ(put(buffer, std::string(ReceiveBuffer::kSize, 'a')), ReceiveBuffer::kSize - 1 - 6);
  EXPECT_FALSE(buffer.full()) << "the taken line's room is not yet reclaimed";
  EXPECT_EQ(buffer.takeLine(), "short");
  EXPECT_FALSE(buffer.full());
  EXPECT_EQ(put(buffer, "aaaaaa"), 6u);
  EXPECT_TRUE(buffer.full());
  EXPECT_EQ(buffer.freeSpace().size(), 0u);
  EXPECT_THROW(buffer.commit(1), std::length_error);
}

}  // namespace
}  // namespace quillon::net
