#include "net/receive_buffer.hpp"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace quillon::net {

std::span<char> ReceiveBuffer::freeSpace() {
  if (begin_ > 0) {
    std::memmove(data_.data(), data_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  return {data_.data() + end_, spaceAtEnd()};
}

void ReceiveBuffer::commit(std::size_t count) {
  if (count > spaceAtEnd()) throw std::length_error("ReceiveBuffer::commit beyond the free space");
  end_ += count;
}

std::optional<std::string> ReceiveBuffer::takeLine() {
  const char* first = data_.data() + begin_;
  const char* last = data_.data() + end_;
  const char* lf = std::find(first + scanned_, last, '\n');
  if (lf == last) {
    scanned_ = end_ - begin_;
    return std::nullopt;
  }
  const char* lineEnd = (lf > first && lf[-1] == '\r') ? lf - 1 : lf;
  std::string line(first, lineEnd);
  begin_ += static_cast<std::size_t>(lf - first) + 1;
  scanned_ = 0;
  return line;
}

bool ReceiveBuffer::full() const {
  if (begin_ > 0 || spaceAtEnd() > 0) return false;
  const char* last = data_.data() + end_;
  return std::find(data_.data() + scanned_, last, '\n') == last;
}

std::string ReceiveBuffer::takeRest() {
  std::string rest(data_.data() + begin_, data_.data() + end_);
  clear();
  return rest;
}

}  // namespace quillon::net
