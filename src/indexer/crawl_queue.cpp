#include "indexer/crawl_queue.hpp"

#include <algorithm>
#include <functional>
#include <stdexcept>

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

namespace {

// Texts' bytes go in chunks of this size; a longer text gets a block of its own.
constexpr std::size_t kChunkBytes = 64 * 1024;
// Sizes take 31 bits.
constexpr std::size_t kLongestText = std::size_t{1} << 31;

std::size_t hashOfText(std::string_view text) { return std::hash<std::string_view>{}(text); }

// Numbers are 32 bits: no crawl comes near, its memory would run out first.
std::uint32_t nextNumber(std::size_t count) {
  if (count >= kNoNumber) throw std::length_error("The crawl queue is full");
  return static_cast<std::uint32_t>(count);
}

}  // namespace

const char* CrawlQueue::store(std::string_view text) {
  if (text.size() > chunkLeft_) {
    if (text.size() > kChunkBytes / 4) {
      auto* own = static_cast<char*>(memory_.allocate(text.size(), 1));
      std::copy(text.begin(), text.end(), own);
      return own;
    }
    chunkFree_ = static_cast<char*>(memory_.allocate(kChunkBytes, 1));
    chunkLeft_ = kChunkBytes;
  }
  char* at = chunkFree_;
  std::copy(text.begin(), text.end(), at);
  chunkFree_ += text.size();
  chunkLeft_ -= text.size();
  return at;
}

TextId CrawlQueue::findText(std::size_t hash, std::string_view text) const {
  return textSlots_.find(hash, [&](TextId id) { return texts_[id].view() == text; });
}

TextId CrawlQueue::pooledIfAny(std::string_view text) const { return findText(hashOfText(text), text); }

TextId CrawlQueue::pooled(std::string_view text) {
  const std::size_t hash = hashOfText(text);
  if (const TextId found = findText(hash, text); found != kNoNumber) return found;
  const TextId id = nextNumber(texts_.size());
  if (text.size() >= kLongestText) throw std::length_error("A text too long for the crawl queue");
  texts_.push_back({store(text), static_cast<std::uint32_t>(text.size())});
  textSlots_.insert(hash, id, [this](TextId other) { return hashOfText(texts_[other].view()); });
  return id;
}

void CrawlQueue::append(const QueueLink& link) {
  const std::uint32_t index = nextNumber(entries_.size());
  QueueEntry entry{pooled(link.rawLink), pooled(link.address), pooled(link.parentAddress), pooled(link.title),
                   pooled(link.link), static_cast<std::uint32_t>(link.depth), link.expanded, link.parentNode};
  const TextId key = mode_ == CrawlMode::Internet ? pooled(webAddressKey(link.address)) : entry.address;
  const QueueEntry& stored = entries_.emplace_back(entry);

  const std::size_t linkHash = hashOfPair(stored.parentAddress, stored.rawLink);
  const std::uint32_t first = linkSlots_.find(linkHash, [&](std::uint32_t earlier) {
    return entries_[earlier].parentAddress == stored.parentAddress && entries_[earlier].rawLink == stored.rawLink;
  });
  repeats_.push_back(first != kNoNumber);
  if (first == kNoNumber) {
    linkSlots_.insert(linkHash, index, [this](std::uint32_t earlier) {
      return hashOfPair(entries_[earlier].parentAddress, entries_[earlier].rawLink);
    });
  }

  if (texts_[key].firstWithKey == kNoNumber) texts_[key].firstWithKey = index;
  Text& address = texts_[stored.address];
  nextUnmarked_.push_back(stored.expanded ? kNoNumber : address.unmarked);
  if (!stored.expanded) address.unmarked = index;
}

std::optional<std::size_t> CrawlQueue::find(std::string_view address) const {
  const TextId key =
      mode_ == CrawlMode::Internet ? pooledIfAny(webAddressKey(std::string(address))) : pooledIfAny(address);
  if (key == kNoNumber || texts_[key].firstWithKey == kNoNumber) return std::nullopt;
  return texts_[key].firstWithKey;
}

void CrawlQueue::markIndexed(std::string_view address, std::string_view title) {
  // Entries appended expanded already carry the title of the first entry, and
  // that title never changes once the first entry is expanded: marking the
  // same address again would change nothing, so each entry is marked once.
  const TextId exact = pooledIfAny(address);
  if (exact == kNoNumber || texts_[exact].unmarked == kNoNumber) return;
  const TextId pooledTitle = pooled(title);
  for (std::uint32_t index = texts_[exact].unmarked; index != kNoNumber; index = nextUnmarked_[index]) {
    entries_[index].expanded = true;
    entries_[index].title = pooledTitle;
  }
  texts_[exact].unmarked = kNoNumber;
}

void CrawlQueue::noteRead(TextId address, ReadNote note) {
  Text& text = texts_[address];
  if (text.readTitle != kNoNumber) return;
  text.readTitle = note.title;
  text.readAsPage = note.page;
}

std::optional<ReadNote> CrawlQueue::readOf(TextId address) const {
  const Text& text = texts_[address];
  if (text.readTitle == kNoNumber) return std::nullopt;
  return ReadNote{text.readTitle, text.readAsPage == 1};
}

}  // namespace quillon
