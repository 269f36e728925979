#pragma once
// The distinct addresses of a menu in the order first met, kept in one
// buffer: a large menu has tens of thousands, most of them met once.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

class DistinctAddresses {
 public:
  explicit DistinctAddresses(std::size_t maxListedLength) : maxListedLength_(maxListedLength) {}

  // Where the next address is appended, then taken with take().
  std::string& next() { return bytes_; }
  // The address appended since the last call: kept when it is new, taken
  // back when it was met before.
  void take();

  // The addresses kept, in order, except those longer than the maximum.
  std::vector<std::string_view> listed() const;
  // How many distinct addresses were longer than the maximum.
  std::size_t tooLong() const { return tooLong_; }

 private:
  struct Address {
    std::size_t start;
    std::size_t end;
    std::uint64_t hash;
  };
  std::string_view text(const Address& address) const {
    return std::string_view(bytes_).substr(address.start, address.end - address.start);
  }
  void grow();

  std::size_t maxListedLength_;
  std::string bytes_;
  std::vector<Address> addresses_;
  // Open addressing: the index in addresses_ plus one, 0 for a free slot.
  // Comparing the hash first keeps most look-ups off the address bytes.
  std::vector<std::size_t> slots_;
  std::size_t tooLong_ = 0;
};

}  // namespace quillon
