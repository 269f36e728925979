#pragma once
// Where the crawl reads its pages: from disk in the local mode, over HTTP in
// the Internet mode. Each source writes its own log lines.
#include <cstddef>
#include <string>

#include "indexer/indexer_state.hpp"

namespace quillon {

// Only the first bytes of a page are read for its title and links; a bigger
// page (or a body that never ends) is given up, so memory stays bounded.
inline constexpr std::size_t kMaxPageBytes = 16 * 1024 * 1024;

enum class ReadKind {
  Page,        // a page, whatever the server calls it
  PageIfHtml,  // a page only if the answer is HTML; anything else is not read
  File,        // a file the crawl needs itself (robots.txt)
};

struct PageRead {
  bool read = false;         // the page arrived (it may still be empty)
  bool fetchFailed = false;  // the server or the connection failed the request
  bool notHtml = false;      // PageIfHtml, and the answer was something else
  std::string bytes;
  // Where the page was found, redirections followed; the address asked for otherwise.
  std::string finalAddress;
};

class PageSource {
 public:
  virtual ~PageSource() = default;
  virtual PageRead read(const std::string& address, ReadKind kind) = 0;
  // Announces a read to come. Announced reads are then asked for in the order
  // they were announced, so a source may start them early; one that cannot,
  // ignores the announcement and reads when asked.
  virtual void expect(const std::string& address, ReadKind kind) {
    (void)address;
    (void)kind;
  }
};

// Reads the file the address names (without its bookmark).
class LocalPageSource : public PageSource {
 public:
  explicit LocalPageSource(CrawlLog& log) : log_(log) {}
  PageRead read(const std::string& address, ReadKind kind) override;

 private:
  CrawlLog& log_;
};

// The bytes of a regular file, at most `limit` of them; false when it cannot be read.
bool readRegularFile(const std::string& path, std::string& bytes, std::size_t limit = kMaxPageBytes);

}  // namespace quillon
