#pragma once
// Where the crawl reads its pages: from disk in the local mode, over HTTP in
// the Internet mode. Each source writes its own log lines.
#include <string>

#include "indexer/indexer_state.hpp"

namespace quillon {

struct PageRead {
  bool read = false;         // the page arrived (it may still be empty)
  bool fetchFailed = false;  // the server or the connection failed the request
  std::string bytes;
};

class PageSource {
 public:
  virtual ~PageSource() = default;
  virtual PageRead read(const std::string& address) = 0;
};

// Reads the file the address names (without its bookmark).
class LocalPageSource : public PageSource {
 public:
  explicit LocalPageSource(CrawlLog& log) : log_(log) {}
  PageRead read(const std::string& address) override;

 private:
  CrawlLog& log_;
};

// The bytes of a regular file; false when it cannot be read.
bool readRegularFile(const std::string& path, std::string& bytes);

}  // namespace quillon
