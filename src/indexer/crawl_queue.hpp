#pragma once
// The breadth-first queue of one crawl. It is also the complete record of the
// run: entries are only appended and are processed in order. Hashed indexes
// answer the repeat test and the address lookups in constant time, so a crawl
// costs time in proportion to the links it finds. A site's links name the same
// few thousand addresses, parents, titles and texts over and over, so the
// queue keeps each text once and its entries point at it.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory_resource>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "indexer/url_rules.hpp"
#include "model/node_tree.hpp"

namespace quillon {

inline constexpr const char* kNoTitle = "NONE";

// A link found, as it joins the queue.
struct QueueLink {
  std::string rawLink;  // as written in the page (character references decoded)
  std::string address;  // absolute, without its bookmark
  std::string parentAddress;
  bool expanded = false;  // its links have been extracted, or are known to have been
  std::string title = kNoTitle;
  TreeNode* parentNode = nullptr;  // new nodes for this entry go under it
  std::size_t depth = 0;           // links followed from the start page
  std::string link;                // the node's link: where the link leads, as the saved menu opens it
};

// An entry of the queue: the texts of its link, kept by the queue.
struct QueueEntry {
  const std::string* rawLink;
  const std::string* address;
  const std::string* parentAddress;
  const std::string* title;
  const std::string* link;
  TreeNode* parentNode = nullptr;
  std::uint32_t depth = 0;
  bool expanded = false;
};

class CrawlQueue {
 public:
  explicit CrawlQueue(CrawlMode mode)
      : mode_(mode),
        texts_(&memory_),
        entries_(&memory_),
        links_(&memory_),
        repeats_(&memory_),
        firstWithAddress_(&memory_),
        unmarked_(&memory_) {}
  CrawlQueue(const CrawlQueue&) = delete;
  CrawlQueue& operator=(const CrawlQueue&) = delete;

  std::size_t size() const { return entries_.size(); }
  QueueEntry& operator[](std::size_t index) { return entries_[index]; }
  const QueueEntry& operator[](std::size_t index) const { return entries_[index]; }

  void append(const QueueLink& link);

  // The queue's one copy of the text, which lives as long as the queue.
  const std::string* pooled(std::string_view text);
  void setTitle(std::size_t index, std::string_view title) { entries_[index].title = pooled(title); }

  // True when an earlier entry has the same parent address and raw link.
  bool repeatsEarlierEntry(std::size_t index) const;

  // The first entry whose address equals `address`. Paths keep their case;
  // in the Internet mode the scheme and host of a web address ignore it.
  std::optional<std::size_t> find(const std::string& address) const;

  // Every entry whose address is exactly `address` becomes expanded with the
  // title. They all lie at or after the entry that find() gives for it.
  void markIndexed(const std::string& address, std::string_view title);

 private:
  struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const noexcept { return std::hash<std::string_view>{}(text); }
  };
  // Pooled texts are equal exactly when they are the same text.
  using TextPair = std::pair<const std::string*, const std::string*>;
  struct PairHash {
    std::size_t operator()(const TextPair& pair) const noexcept {
      const auto first = reinterpret_cast<std::uintptr_t>(pair.first);
      return first ^ (reinterpret_cast<std::uintptr_t>(pair.second) + 0x9e3779b97f4a7c15ULL + (first << 6) + (first >> 2));
    }
  };

  // The pooled text, or null when the queue holds no such text.
  const std::string* pooledIfAny(std::string_view text) const;
  std::string lookupKey(const std::string& address) const;

  CrawlMode mode_;
  // The queue's blocks come from chunks of their own rather than lying among
  // the tree's nodes, so that the memory goes back to the system when the
  // walk ends and saving the page does not add to it. Declared first: it
  // outlives the containers.
  std::pmr::unsynchronized_pool_resource memory_;
  // Nodes stay in place, so the entries can point at their texts.
  std::pmr::unordered_set<std::string, TextHash, std::equal_to<>> texts_;
  std::pmr::deque<QueueEntry> entries_;
  // Each entry's parent address and raw link.
  std::pmr::unordered_set<TextPair, PairHash> links_;
  // Whether each entry repeats the parent address and raw link of an earlier one.
  std::pmr::vector<bool> repeats_;
  std::pmr::unordered_map<const std::string*, std::size_t> firstWithAddress_;
  // Entries appended not expanded, by exact address, that no marking has reached yet.
  std::pmr::unordered_map<const std::string*, std::pmr::vector<std::size_t>> unmarked_;
};

// The form in which addresses are compared: a web address with its scheme and
// host in lower case, anything else unchanged.
std::string webAddressKey(const std::string& address);

}  // namespace quillon
