#include "net/send_queue.hpp"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace quillon::net {

void SendQueue::append(const char* data, std::size_t length) {
  while (length > 0) {
    if (blocks_.empty() || blocks_.back().writeCount == kBlockSize) blocks_.emplace_back();
    TBuffer& last = blocks_.back();
    const std::size_t count = std::min(length, kBlockSize - last.writeCount);
    std::memcpy(last.data.data() + last.writeCount, data, count);
    last.writeCount += count;
    data += count;
    length -= count;
  }
}

std::string_view SendQueue::front() const {
  if (blocks_.empty()) return {};
  const TBuffer& first = blocks_.front();
  return {first.data.data() + first.readCount, first.writeCount - first.readCount};
}

void SendQueue::consume(std::size_t count) {
  if (count > front().size()) throw std::length_error("SendQueue::consume beyond the first block");
  TBuffer& first = blocks_.front();
  first.readCount += count;
  if (first.readCount < first.writeCount) return;
  // An emptied first block goes when another follows it; a lone one is reused.
  if (blocks_.size() > 1) {
    blocks_.pop_front();
  } else {
    first.readCount = first.writeCount = 0;
  }
}

}  // namespace quillon::net
