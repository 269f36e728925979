// The hashed queue against the plain linear searches it replaces.
#include "indexer/crawl_queue.hpp"

#include <gtest/gtest.h>

#include <random>

namespace quillon {
namespace {

// The queue as a list searched from the front for every question.
class LinearQueue {
 public:
  explicit LinearQueue(CrawlMode mode) : mode_(mode) {}
  std::vector<QueueLink> entries;

  bool repeatsEarlierEntry(std::size_t index) const {
    for (std::size_t i = 0; i < index; ++i) {
      if (entries[i].parentAddress == entries[index].parentAddress && entries[i].rawLink == entries[index].rawLink) {
        return true;
      }
    }
    return false;
  }
  std::optional<std::size_t> find(const std::string& address) const {
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (key(entries[i].address) == key(address)) return i;
    }
    return std::nullopt;
  }
  void markIndexed(std::size_t from, const std::string& address, const std::string& title) {
    for (std::size_t i = from; i < entries.size(); ++i) {
      if (entries[i].address == address) {
        entries[i].expanded = true;
        entries[i].title = title;
      }
    }
  }

 private:
  std::string key(const std::string& address) const {
    return mode_ == CrawlMode::Internet ? webAddressKey(address) : address;
  }
  CrawlMode mode_;
};

TEST(CrawlQueue, OnlySchemeAndHostIgnoreCase) {
  const std::pair<const char*, const char*> rows[] = {
      {"HTTP://Host.Example:80/Dir/Page.HTM", "http://host.example:80/Dir/Page.HTM"},
      {"http://HOST", "http://host"},
      {"http://HOST?Q=A", "http://host?Q=A"},
      {"MailTo:Someone@Example.org", "mailto:Someone@Example.org"},
      {"/Site/Page.htm", "/Site/Page.htm"},
      {"C:\\Site\\Page.htm", "c:\\Site\\Page.htm"},
      {"Page.htm", "Page.htm"},
  };
  for (const auto& [address, key] : rows) EXPECT_EQ(webAddressKey(address), key) << address;
}

struct QueueRun {
  std::vector<std::string> addresses;
  std::vector<std::string> links;
  unsigned seeds;
  std::size_t entries;  // processed, at most
  int linksPerPage;     // at most
};

// Runs the queue as the walk does, on random links among the addresses, and
// compares every answer and every entry with the linear queue.
void compareWithLinearQueue(const QueueRun& run) {
  const std::vector<std::string>& addresses = run.addresses;
  const std::vector<std::string>& links = run.links;
  for (unsigned seed = 1; seed <= run.seeds; ++seed) {
    std::mt19937 random(seed);
    const auto pick = [&random](const std::vector<std::string>& from) {
      return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    };
    CrawlQueue hashed(CrawlMode::Internet);
    LinearQueue linear(CrawlMode::Internet);
    const auto append = [&](const QueueLink& entry) {
      hashed.append(entry);
      linear.entries.push_back(entry);
    };
    append({"start", "http://h/a.htm", "http://h/a.htm"});
    for (std::size_t i = 0; i < hashed.size() && i < run.entries; ++i) {
      ASSERT_EQ(hashed.repeatsEarlierEntry(i), linear.repeatsEarlierEntry(i)) << "seed " << seed << " entry " << i;
      if (hashed.repeatsEarlierEntry(i) || hashed[i].expanded) continue;
      // Each entry read gets a title of its own, so a wrong marking shows.
      linear.entries[i].title = "title " + std::to_string(i);
      hashed.setTitle(i, linear.entries[i].title);
      const std::string parent(hashed.text(hashed[i].address));
      for (int n = std::uniform_int_distribution<int>(0, run.linksPerPage)(random); n > 0; --n) {
        const std::string address = pick(addresses);
        QueueLink entry{pick(links), address, parent};
        const std::optional<std::size_t> found = hashed.find(address);
        ASSERT_EQ(found, linear.find(address)) << "seed " << seed << " entry " << i;
        if (found && hashed[*found].expanded) {
          entry.expanded = true;
          entry.title = hashed.text(hashed[*found].title);
          hashed.markIndexed(address, entry.title);
          linear.markIndexed(*found, address, entry.title);
        }
        append(entry);
      }
      hashed[i].expanded = linear.entries[i].expanded = true;
    }
    ASSERT_EQ(hashed.size(), linear.entries.size());
    for (std::size_t i = 0; i < hashed.size(); ++i) {
      EXPECT_EQ(bool(hashed[i].expanded), linear.entries[i].expanded) << "seed " << seed << " entry " << i;
      EXPECT_EQ(hashed.text(hashed[i].title), linear.entries[i].title) << "seed " << seed << " entry " << i;
    }
  }
}

// A few addresses written in varying case; then thousands, as the queue's tables grow.
TEST(CrawlQueue, AnswersAsTheLinearSearchesDo) {
  compareWithLinearQueue({{"http://h/a.htm", "http://H/a.htm", "http://h/A.htm", "http://h/b.htm", "http://h/c.htm",
                           "mailto:x@h"},
                          {"a.htm", "A.htm", "b.htm", "./b.htm", "c.htm"},
                          200,
                          300,
                          3});
  QueueRun many{{}, {}, 2, 1500, 8};
  for (int i = 0; i < 2500; ++i) {
    many.addresses.push_back("http://" + std::string(i % 3 ? "h" : "H") + "/p" + std::to_string(i / 2) + ".htm");
  }
  for (int i = 0; i < 1500; ++i) many.links.push_back("p" + std::to_string(i) + ".htm");
  compareWithLinearQueue(many);
}

}  // namespace
}  // namespace quillon
