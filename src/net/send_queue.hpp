#pragma once
// The bytes a socket still has to send, kept in fixed-size blocks: data is
// appended to the last block and sent from the first.
#include <array>
#include <cstddef>
#include <deque>
#include <string_view>

namespace quillon::net {

class SendQueue {
 public:
  static constexpr std::size_t kBlockSize = 1514;

  void append(const char* data, std::size_t length);
  bool empty() const { return blocks_.empty() || blocks_.front().readCount == blocks_.front().writeCount; }
  // The unsent bytes of the first block.
  std::string_view front() const;
  // Marks count bytes of the first block sent.
  void consume(std::size_t count);
  void clear() { blocks_.clear(); }

 private:
  struct TBuffer {
    std::array<char, kBlockSize> data;
    std::size_t writeCount = 0;
    std::size_t readCount = 0;
  };
  std::deque<TBuffer> blocks_;
};

}  // namespace quillon::net
