#include "indexer/host_pacing.hpp"

#include <algorithm>

#include "format/web_address.hpp"

namespace quillon {

void HostPacing::askedFor(const std::string& host, std::chrono::milliseconds gap) {
  if (gap > gap_) asked_[host] = gap;
}

std::chrono::milliseconds HostPacing::gapOf(const std::string& host) const {
  const auto found = asked_.find(host);
  return found == asked_.end() ? gap_ : found->second;
}

HostPacing::Clock::duration HostPacing::wait(const std::string& host, Clock::time_point now) const {
  const auto last = lastStart_.find(host);
  if (last == lastStart_.end()) return Clock::duration::zero();
  return std::max(Clock::duration::zero(), last->second + gapOf(host) - now);
}

void HostPacing::started(const std::string& host, Clock::time_point now) {
  // Kept without a gap too: a host may ask for one later (in its robots.txt).
  lastStart_[host] = now;
}

std::string hostOf(const std::string& address) {
  const std::optional<WebAddress> web = parseAbsoluteAddress(address);
  if (!web) return {};
  const std::size_t at = web->authority.rfind('@');
  return at == std::string::npos ? web->authority : web->authority.substr(at + 1);
}

}  // namespace quillon
