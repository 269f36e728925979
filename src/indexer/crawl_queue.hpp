#pragma once
// The breadth-first queue of one crawl. It is also the complete record of the
// run: entries are only appended and are processed in order. Hashed indexes
// answer the repeat test and the address lookups in constant time, so a crawl
// costs time in proportion to the links it finds. A site's links name the same
// few thousand addresses, parents, titles and texts over and over, so the
// queue keeps each text once and its entries name it by number.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory_resource>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "indexer/hash_slots.hpp"
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

// A text the queue keeps, by its number.
using TextId = std::uint32_t;

// What the walk learnt from reading an address.
struct ReadNote {
  TextId title;
  bool page = false;  // read as a page: its links can be extracted
};

// An entry of the queue: the texts of its link, kept by the queue.
struct QueueEntry {
  TextId rawLink;
  TextId address;
  TextId parentAddress;
  TextId title;
  TextId link;
  std::uint32_t depth : 31;
  std::uint32_t expanded : 1;
  TreeNode* parentNode;
};

class CrawlQueue {
 public:
  explicit CrawlQueue(CrawlMode mode)
      : mode_(mode),
        texts_(&memory_),
        textSlots_(&memory_),
        entries_(&memory_),
        linkSlots_(&memory_),
        repeats_(&memory_),
        nextUnmarked_(&memory_) {}
  CrawlQueue(const CrawlQueue&) = delete;
  CrawlQueue& operator=(const CrawlQueue&) = delete;

  std::size_t size() const { return entries_.size(); }
  QueueEntry& operator[](std::size_t index) { return entries_[index]; }
  const QueueEntry& operator[](std::size_t index) const { return entries_[index]; }

  void append(const QueueLink& link);

  // The number of the queue's one copy of the text, which lives as long as the queue.
  TextId pooled(std::string_view text);
  std::string_view text(TextId id) const { return texts_[id].view(); }
  void setTitle(std::size_t index, std::string_view title) { entries_[index].title = pooled(title); }

  // True when an earlier entry has the same parent address and raw link.
  bool repeatsEarlierEntry(std::size_t index) const { return repeats_[index]; }

  // The first entry whose address equals `address`. Paths keep their case;
  // in the Internet mode the scheme and host of a web address ignore it.
  std::optional<std::size_t> find(std::string_view address) const;

  // Every entry whose address is exactly `address` becomes expanded with the
  // title. They all lie at or after the entry that find() gives for it.
  void markIndexed(std::string_view address, std::string_view title);

  // Notes that the address was read (or is where a read ended up); an
  // address keeps its first note.
  void noteRead(TextId address, ReadNote note);
  std::optional<ReadNote> readOf(TextId address) const;

 private:
  struct Text {
    const char* data;
    std::uint32_t size : 31;
    std::uint32_t readAsPage : 1 = 0;
    // The first entry with this text as its address's lookup form.
    std::uint32_t firstWithKey = kNoNumber;
    // The last entry with this exact address appended not expanded that no
    // marking has reached yet; nextUnmarked_ leads to the others.
    std::uint32_t unmarked = kNoNumber;
    // The title of the page read at this address, kNoNumber while unread.
    TextId readTitle = kNoNumber;
    std::string_view view() const { return {data, size}; }
  };

  // The text's number, or kNoNumber when the queue holds no such text.
  TextId pooledIfAny(std::string_view text) const;
  TextId findText(std::size_t hash, std::string_view text) const;
  // A lasting copy of the text's bytes.
  const char* store(std::string_view text);

  CrawlMode mode_;
  // The queue's blocks come from chunks of their own rather than lying among
  // the tree's nodes, so that the memory goes back to the system when the
  // walk ends and saving the page does not add to it. Declared first: it
  // outlives the containers.
  std::pmr::unsynchronized_pool_resource memory_;
  // Numbers, not pointers, and the texts' bytes side by side in chunks: a
  // site's crawl keeps some hundred thousand of each.
  std::pmr::deque<Text> texts_;
  HashSlots textSlots_;  // the texts' numbers, by the hash of their bytes
  char* chunkFree_ = nullptr;
  std::size_t chunkLeft_ = 0;
  std::pmr::deque<QueueEntry> entries_;
  // The first entry of each parent address and raw link.
  HashSlots linkSlots_;
  // Whether each entry repeats the parent address and raw link of an earlier one.
  std::pmr::vector<bool> repeats_;
  std::pmr::vector<std::uint32_t> nextUnmarked_;  // by entry
};

// The form in which addresses are compared: a web address with its scheme and
// host in lower case, anything else unchanged.
std::string webAddressKey(const std::string& address);

}  // namespace quillon
