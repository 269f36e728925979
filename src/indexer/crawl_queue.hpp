#pragma once
// The breadth-first queue of one crawl. It is also the complete record of the
// run: entries are only appended and are processed in order. Hashed indexes
// answer the repeat test and the address lookups in constant time, so a crawl
// costs time in proportion to the links it finds.
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "indexer/url_rules.hpp"
#include "model/node_tree.hpp"

namespace quillon {

inline constexpr const char* kNoTitle = "NONE";

struct QueueEntry {
  std::string rawLink;  // as written in the page (character references decoded)
  std::string address;  // absolute, without its bookmark
  std::string parentAddress;
  bool expanded = false;  // its links have been extracted, or are known to have been
  std::string title = kNoTitle;
  TreeNode* node = nullptr;
  TreeNode* parentNode = nullptr;  // new nodes for this entry go under it
  std::size_t depth = 0;           // links followed from the start page
  std::string link;                // the node's link: where the link leads, as the saved menu opens it
};

class CrawlQueue {
 public:
  explicit CrawlQueue(CrawlMode mode) : mode_(mode) {}
  CrawlQueue(const CrawlQueue&) = delete;
  CrawlQueue& operator=(const CrawlQueue&) = delete;

  std::size_t size() const { return entries_.size(); }
  QueueEntry& operator[](std::size_t index) { return entries_[index]; }
  const QueueEntry& operator[](std::size_t index) const { return entries_[index]; }

  void append(QueueEntry entry);

  // True when an earlier entry has the same parent address and raw link.
  bool repeatsEarlierEntry(std::size_t index) const;

  // The first entry whose address equals `address`. Paths keep their case;
  // in the Internet mode the scheme and host of a web address ignore it.
  std::optional<std::size_t> find(const std::string& address) const;

  // Every entry whose address is exactly `address` becomes expanded with the
  // title. They all lie at or after the entry that find() gives for it.
  void markIndexed(const std::string& address, const std::string& title);

 private:
  // A parent address and raw link, viewed in the entry, with their hash
  // worked out once: the table then never hashes the texts again.
  struct LinkKey {
    std::size_t hash;
    std::string_view parentAddress;
    std::string_view rawLink;
    bool operator==(const LinkKey& other) const {
      return hash == other.hash && parentAddress == other.parentAddress && rawLink == other.rawLink;
    }
  };
  struct LinkKeyHash {
    std::size_t operator()(const LinkKey& key) const noexcept { return key.hash; }
  };
  static LinkKey linkKey(const QueueEntry& entry);

  std::string lookupKey(const std::string& address) const;

  CrawlMode mode_;
  // A deque keeps the entries in place, so the indexes can view their texts.
  std::deque<QueueEntry> entries_;
  std::unordered_set<LinkKey, LinkKeyHash> links_;
  // Whether each entry repeats the parent address and raw link of an earlier one.
  std::vector<bool> repeats_;
  std::unordered_map<std::string, std::size_t> firstWithAddress_;
  // Entries appended not expanded, by exact address, that no marking has reached yet.
  std::unordered_map<std::string_view, std::vector<std::size_t>> unmarked_;
};

// The form in which addresses are compared: a web address with its scheme and
// host in lower case, anything else unchanged.
std::string webAddressKey(const std::string& address);

}  // namespace quillon
