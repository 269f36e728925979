#pragma once
// The one line of a long crawl's progress on a terminal: pages read, entries
// queued, pages per second. It is redrawn a few times a second at most, taken
// away while a log line is printed, and cleared at the end; where the stream
// is no terminal it prints nothing, so scripts see only the log.
#include <chrono>
#include <cstddef>
#include <ostream>
#include <string>

#include "indexer/indexer_state.hpp"

namespace quillon::cli {

// "120 pages read, 35 queued, 48.0 pages/s"
std::string progressText(const CrawlProgress& progress, std::chrono::steady_clock::duration elapsed);

class ProgressLine {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::milliseconds kRedrawGap{250};

  ProgressLine(std::ostream& out, bool terminal, Clock::time_point started = Clock::now());

  void update(const CrawlProgress& progress, Clock::time_point now = Clock::now());
  // Around each log line printed to the same stream.
  void beforeLogLine();
  void afterLogLine(Clock::time_point now = Clock::now());
  void finish();

 private:
  void draw(Clock::time_point now);
  void erase();

  std::ostream& out_;
  bool terminal_;
  Clock::time_point started_;
  Clock::time_point lastDrawn_{};
  CrawlProgress progress_;
  bool known_ = false;
  bool shown_ = false;
};

}  // namespace quillon::cli
