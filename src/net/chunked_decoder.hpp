#pragma once
// Reads a body sent with "Transfer-Encoding: chunked": hex size lines, the
// chunks' data, and the trailer that ends it. It takes the bytes in whatever
// pieces the network gives them and keeps no more than one line of its own.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillon::net {

class ChunkedDecoder {
 public:
  // Longest size or trailer line, and most trailer lines, that are read.
  static constexpr std::size_t kMaxLineLength = 4096;
  static constexpr int kMaxTrailerLines = 64;

  // Appends the chunk data in input to data and returns how many bytes of
  // input belong to the body; it stops at the end of the body or at a fault.
  std::size_t feed(std::string_view input, std::string& data);
  bool done() const { return state_ == State::Done; }
  // What is wrong with the body; empty while nothing is.
  const std::string& fault() const { return fault_; }

 private:
  enum class State { SizeLine, Data, DataEnd, Trailer, Done, Failed };
  void sizeLineEnded();
  void trailerLineEnded();
  void fail(std::string text);

  State state_ = State::SizeLine;
  std::string line_;
  std::uint64_t chunkLeft_ = 0;
  int trailerLines_ = 0;
  std::string fault_;
};

}  // namespace quillon::net
