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
  // Takes the address appended since the last call.
  void take();

  struct Found {
    std::vector<std::string_view> listed;  // each address once, in order, none longer than the maximum
    std::size_t tooLong = 0;               // how many distinct ones were longer
  };
  // Views of the addresses taken, which live as long as this.
  Found distinct() const;

 private:
  struct Address {
    std::size_t start;
    std::size_t end;
    std::uint64_t hash;
  };
  std::string_view text(const Address& address) const {
    return std::string_view(bytes_).substr(address.start, address.end - address.start);
  }

  std::size_t maxListedLength_;
  std::string bytes_;
  std::vector<Address> addresses_;
};

}  // namespace quillon
