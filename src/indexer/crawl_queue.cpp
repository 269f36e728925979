#include "indexer/crawl_queue.hpp"

#include <functional>

#include "format/text_helpers.hpp"

namespace quillon {

CrawlQueue::LinkKey CrawlQueue::linkKey(const QueueEntry& entry) {
  const std::size_t parent = std::hash<std::string_view>{}(entry.parentAddress);
  const std::size_t link = std::hash<std::string_view>{}(entry.rawLink);
  return {parent ^ (link + 0x9e3779b97f4a7c15ULL + (parent << 6) + (parent >> 2)), entry.parentAddress, entry.rawLink};
}

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

void CrawlQueue::append(QueueEntry entry) {
  const std::size_t index = entries_.size();
  const QueueEntry& stored = entries_.emplace_back(std::move(entry));
  repeats_.push_back(!links_.insert(linkKey(stored)).second);
  firstWithAddress_.try_emplace(lookupKey(stored.address), index);
  if (!stored.expanded) unmarked_[stored.address].push_back(index);
}

bool CrawlQueue::repeatsEarlierEntry(std::size_t index) const {
  return repeats_[index];
}

std::optional<std::size_t> CrawlQueue::find(const std::string& address) const {
  const auto found = firstWithAddress_.find(lookupKey(address));
  if (found == firstWithAddress_.end()) return std::nullopt;
  return found->second;
}

void CrawlQueue::markIndexed(const std::string& address, const std::string& title) {
  // Entries appended expanded already carry the title of the first entry, and
  // that title never changes once the first entry is expanded: marking the
  // same address again would change nothing, so each entry is marked once.
  const auto found = unmarked_.find(address);
  if (found == unmarked_.end()) return;
  for (const std::size_t index : found->second) {
    entries_[index].expanded = true;
    entries_[index].title = title;
  }
  unmarked_.erase(found);
}

}  // namespace quillon
