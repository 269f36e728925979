#include "indexer/crawl_queue.hpp"

#include <functional>

#include "format/text_helpers.hpp"

namespace quillon {

std::string webAddressKey(const std::string& address) {
  const std::size_t colon = address.find(':');
  if (colon == std::string::npos || colon == 0) return address;
  for (std::size_t i = 0; i < colon; ++i) {
    const char c = address[i];
    const bool schemeChar = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '+' ||
                            c == '-' || c == '.';
    if (!schemeChar) return address;
  }
  std::size_t end = colon + 1;
  if (address.compare(end, 2, "//") == 0) end = std::min(address.find_first_of("/?#", end + 2), address.size());
  return lowerAscii(address.substr(0, end)) + address.substr(end);
}

std::string CrawlQueue::lookupKey(const std::string& address) const {
  return mode_ == CrawlMode::Internet ? webAddressKey(address) : address;
}

const std::string* CrawlQueue::pooled(std::string_view text) {
  auto found = texts_.find(text);
  if (found == texts_.end()) found = texts_.emplace(text).first;
  return &*found;
}

const std::string* CrawlQueue::pooledIfAny(std::string_view text) const {
  const auto found = texts_.find(text);
  return found == texts_.end() ? nullptr : &*found;
}

void CrawlQueue::append(const QueueLink& link) {
  const std::size_t index = entries_.size();
  const QueueEntry& stored = entries_.emplace_back(QueueEntry{
      pooled(link.rawLink), pooled(link.address), pooled(link.parentAddress), pooled(link.title), pooled(link.link),
      link.parentNode, static_cast<std::uint32_t>(link.depth), link.expanded});
  repeats_.push_back(!links_.emplace(stored.parentAddress, stored.rawLink).second);
  firstWithAddress_.try_emplace(pooled(lookupKey(link.address)), index);
  if (!stored.expanded) unmarked_[stored.address].push_back(index);
}

bool CrawlQueue::repeatsEarlierEntry(std::size_t index) const {
  return repeats_[index];
}

std::optional<std::size_t> CrawlQueue::find(const std::string& address) const {
  const std::string* key = pooledIfAny(lookupKey(address));
  const auto found = key == nullptr ? firstWithAddress_.end() : firstWithAddress_.find(key);
  if (found == firstWithAddress_.end()) return std::nullopt;
  return found->second;
}

void CrawlQueue::markIndexed(const std::string& address, std::string_view title) {
  // Entries appended expanded already carry the title of the first entry, and
  // that title never changes once the first entry is expanded: marking the
  // same address again would change nothing, so each entry is marked once.
  const std::string* exact = pooledIfAny(address);
  const auto found = exact == nullptr ? unmarked_.end() : unmarked_.find(exact);
  if (found == unmarked_.end()) return;
  const std::string* pooledTitle = pooled(title);
  for (const std::size_t index : found->second) {
    entries_[index].expanded = true;
    entries_[index].title = pooledTitle;
  }
  unmarked_.erase(found);
}

}  // namespace quillon
