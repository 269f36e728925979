#include "indexer/crawl_log.hpp"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <limits>

#include "format/atomic_file.hpp"
#include "indexer/page_source.hpp"

namespace quillon {

namespace {

// Lines are held until this much has come, then written in one call.
constexpr std::size_t kWriteBatch = 64 * 1024;

constexpr std::string_view kLineEnd = "\r\n";

// A log file is read back whole, whatever its size.
constexpr std::size_t kWholeFile = std::numeric_limits<std::ptrdiff_t>::max();

}  // namespace

CrawlLog::~CrawlLog() { dropTempFile(); }

void CrawlLog::add(std::string_view text, std::string_view more) {
  const std::size_t start = held_.size();
  held_.append(text).append(more).append(kLineEnd);
  if (onLine) onLine(std::string_view(held_).substr(start, held_.size() - start - kLineEnd.size()));
  if (fd_ >= 0 && held_.size() >= kWriteBatch) writeHeld();
}

void CrawlLog::clear() {
  dropTempFile();
  held_.clear();
  file_.clear();
  target_.clear();
}

bool CrawlLog::streamTo(const std::string& path) {
  // Lines already in a file (an earlier run's, not cleared) come along.
  std::string earlier;
  if (!file_.empty() && !readRegularFile(file_, earlier, kWholeFile)) return false;
  std::string temp;
  std::string cause;
  const int fd = openTempFileFor(path, temp, cause);
  if (fd < 0) return false;
  dropTempFile();
  held_.insert(0, earlier);
  fd_ = fd;
  file_ = std::move(temp);
  target_ = path;
  writeHeld();
  return true;
}

bool CrawlLog::writeHeld() {
  std::size_t written = 0;
  while (written < held_.size()) {
    const ssize_t n = ::write(fd_, held_.data() + written, held_.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    written += static_cast<std::size_t>(n);
  }
  held_.erase(0, written);
  return held_.empty();
}

bool CrawlLog::save() {
  if (fd_ < 0 || !writeHeld() || ::fsync(fd_) != 0) return false;
  if (std::rename(file_.c_str(), target_.c_str()) != 0) return false;
  ::close(fd_);
  fd_ = -1;
  file_ = target_;
  return true;
}

std::vector<std::string> CrawlLog::lines() const {
  std::string text;
  if (!file_.empty()) readRegularFile(file_, text, kWholeFile);
  text += held_;
  std::vector<std::string> all;
  for (std::size_t start = 0; start < text.size();) {
    // A saved file may have been edited since: its last line may lack the line end.
    const std::size_t end = std::min(text.find(kLineEnd, start), text.size());
    all.push_back(text.substr(start, end - start));
    start = end + kLineEnd.size();
  }
  return all;
}

void CrawlLog::dropTempFile() {
  if (fd_ < 0) return;
  ::close(fd_);
  ::unlink(file_.c_str());
  fd_ = -1;
  file_.clear();
}

}  // namespace quillon
