#pragma once
// The client's fixed receive buffer, cut into header lines at each LF.
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace quillon::net {

class ReceiveBuffer {
 public:
  static constexpr std::size_t kSize = 8192;

  // Where the next read may write; one byte of the buffer stays free.
  std::span<char> freeSpace();
  void commit(std::size_t count);

  // The next complete line without its LF (and a CR just before it), or nothing
  // while the line is still incomplete.
  std::optional<std::string> takeLine();
  // True when no complete line is held and no byte more fits: the line cannot end.
  bool full() const;
  // The bytes after the last line taken, which leaves the buffer empty.
  std::string takeRest();
  void clear() { begin_ = end_ = scanned_ = 0; }

 private:
  std::size_t spaceAtEnd() const { return kSize - 1 - end_; }

  std::array<char, kSize> data_{};
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  // How many bytes from begin_ on are known to hold no LF: a line that arrives
  // byte by byte is searched once, not once per byte.
  std::size_t scanned_ = 0;
};

}  // namespace quillon::net
