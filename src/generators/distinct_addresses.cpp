#include "generators/distinct_addresses.hpp"

#include <functional>

namespace quillon {

void DistinctAddresses::take() {
  const std::size_t start = addresses_.empty() ? 0 : addresses_.back().end;
  const Address address{start, bytes_.size(), std::hash<std::string_view>{}(std::string_view(bytes_).substr(start))};
  // At most half the slots in use, so a free one is always near.
  if (2 * (addresses_.size() + 1) > slots_.size()) grow();
  const std::size_t mask = slots_.size() - 1;
  std::size_t at = address.hash & mask;
  for (; slots_[at] != 0; at = (at + 1) & mask) {
    const Address& met = addresses_[slots_[at] - 1];
    if (met.hash == address.hash && text(met) == text(address)) {
      bytes_.resize(start);
      return;
    }
  }
  slots_[at] = addresses_.size() + 1;
  addresses_.push_back(address);
  if (address.end - address.start > maxListedLength_) ++tooLong_;
}

void DistinctAddresses::grow() {
  slots_.assign(slots_.empty() ? 1024 : 2 * slots_.size(), 0);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t k = 0; k < addresses_.size(); ++k) {
    std::size_t at = addresses_[k].hash & mask;
    while (slots_[at] != 0) at = (at + 1) & mask;
    slots_[at] = k + 1;
  }
}

std::vector<std::string_view> DistinctAddresses::listed() const {
  std::vector<std::string_view> list;
  list.reserve(addresses_.size() - tooLong_);
  for (const Address& address : addresses_) {
    if (address.end - address.start <= maxListedLength_) list.push_back(text(address));
  }
  return list;
}

}  // namespace quillon
