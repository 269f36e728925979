#include "generators/distinct_addresses.hpp"

#include <functional>

namespace quillon {

void DistinctAddresses::take() {
  const std::size_t start = addresses_.empty() ? 0 : addresses_.back().end;
  // Hashed now, while the bytes are at hand.
  addresses_.push_back({start, bytes_.size(), std::hash<std::string_view>{}(std::string_view(bytes_).substr(start))});
}

DistinctAddresses::Found DistinctAddresses::distinct() const {
  // Open addressing, at most half the slots in use. A slot holds an index
  // into addresses_ plus one (0 when free) and, above it, the hash's top
  // bits, so that most look-ups stay off the addresses themselves.
  constexpr unsigned kIndexBits = 40;
  constexpr std::uint64_t kIndexMask = (std::uint64_t{1} << kIndexBits) - 1;
  std::size_t size = 1024;
  while (size < 2 * addresses_.size()) size *= 2;
  std::vector<std::uint64_t> slots(size, 0);
  const std::size_t mask = size - 1;
  // The slots are met at random; asking for one some addresses ahead hides
  // most of the wait for memory.
  constexpr std::size_t kAhead = 8;

  Found found;
  found.listed.reserve(addresses_.size());
  for (std::size_t k = 0; k < addresses_.size() && k < kIndexMask; ++k) {
    if (k + kAhead < addresses_.size()) __builtin_prefetch(&slots[addresses_[k + kAhead].hash & mask]);
    const Address& address = addresses_[k];
    const std::uint64_t tag = address.hash >> kIndexBits << kIndexBits;
    std::size_t at = address.hash & mask;
    bool met = false;
    for (; slots[at] != 0 && !met; at = (at + 1) & mask) {
      met = (slots[at] & ~kIndexMask) == tag && text(addresses_[(slots[at] & kIndexMask) - 1]) == text(address);
    }
    if (met) continue;
    slots[at] = tag | (k + 1);
    if (address.end - address.start > maxListedLength_) {
      ++found.tooLong;
    } else {
      found.listed.push_back(text(address));
    }
  }
  return found;
}

}  // namespace quillon
