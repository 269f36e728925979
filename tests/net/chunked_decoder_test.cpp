#include "net/chunked_decoder.hpp"

#include <gtest/gtest.h>

namespace quillon::net {
namespace {

struct Decoded {
  std::string data;
  std::size_t used = 0;
  bool done = false;
  std::string fault;
};

// The body as the network may split it: in pieces of `piece` bytes.
Decoded decode(const std::string& body, std::size_t piece) {
  ChunkedDecoder decoder;
  Decoded result;
  for (std::size_t at = 0; at < body.size(); at += piece) {
    const std::size_t used = decoder.feed(std::string_view(body).substr(at, piece), result.data);
    result.used += used;
    if (used < std::min(piece, body.size() - at)) break;
  }
  result.done = decoder.done();
  result.fault = decoder.fault();
  return result;
}

TEST(ChunkedDecoder, JoinsTheChunksHoweverTheyArrive) {
  const struct {
    const char* body;
    const char* data;
    bool done;
  } rows[] = {
      {"5\r\nhello\r\n6\r\n world\r\n0\r\n\r\n", "hello world", true},
      {"5;name=value\r\nhello\r\n0\r\nTrailer: x\r\n\r\n", "hello", true},
      {"A\nabcdefghij\n0\n\n", "abcdefghij", true},
      {"1a \r\nabcdefghijklmnopqrstuvwxyz\r\n0\r\n\r\n", "abcdefghijklmnopqrstuvwxyz", true},
      {"5\r\nhel", "hel", false},
      {"5\r\nhello\r\n0\r\n", "hello", false},
  };
  for (const auto& row : rows) {
    for (const std::size_t piece : {1, 3, 1000}) {
      const Decoded result = decode(row.body, piece);
      EXPECT_EQ(result.data, row.data) << row.body << " in pieces of " << piece;
      EXPECT_EQ(result.done, row.done) << row.body;
      EXPECT_EQ(result.fault, "") << row.body;
    }
  }
}

TEST(ChunkedDecoder, StopsAtTheEndOfTheBody) {
  const std::string body = "3\r\nabc\r\n0\r\n\r\n";
  const Decoded result = decode(body + "HTTP/1.1 200 OK\r\n", 1000);
  EXPECT_TRUE(result.done);
  EXPECT_EQ(result.used, body.size()) << "what follows is not the body's";
}

TEST(ChunkedDecoder, RefusesWhatIsNotAChunkedBody) {
  std::string manyTrailers = "0\r\n";
  for (int i = 0; i < 65; ++i) manyTrailers += "X: y\r\n";
  const struct {
    std::string body;
    const char* fault;
  } rows[] = {
      {"zz\r\n", "a chunk size line is not a hex number"},
      {"\r\n", "a chunk size line is not a hex number"},
      {"-5\r\n", "a chunk size line is not a hex number"},
      {"1000000000000000\r\n", "a chunk size is too large"},
      {"3\r\nabcd\r\n", "a chunk is longer than its size line says"},
      {std::string(5000, '1'), "a line of the chunked body is longer than 4096 bytes"},
      {manyTrailers, "the chunked body has more than 64 trailer lines"},
  };
  for (const auto& row : rows) {
    const Decoded result = decode(row.body, 7);
    EXPECT_EQ(result.fault, std::string("Bad response from the server: ") + row.fault) << row.body.substr(0, 40);
    EXPECT_FALSE(result.done);
  }
}

}  // namespace
}  // namespace quillon::net
