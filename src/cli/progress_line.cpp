#include "cli/progress_line.hpp"

#include <cstdio>

namespace quillon::cli {

std::string progressText(const CrawlProgress& progress, std::chrono::steady_clock::duration elapsed) {
  const double seconds = std::chrono::duration<double>(elapsed).count();
  const double rate = seconds > 0 ? static_cast<double>(progress.pagesRead) / seconds : 0.0;
  char perSecond[32];
  std::snprintf(perSecond, sizeof perSecond, "%.1f", rate);
  return std::to_string(progress.pagesRead) + " pages read, " + std::to_string(progress.queued) + " queued, " +
         perSecond + " pages/s";
}

ProgressLine::ProgressLine(std::ostream& out, bool terminal, Clock::time_point started)
    : out_(out), terminal_(terminal), started_(started) {}

void ProgressLine::update(const CrawlProgress& progress, Clock::time_point now) {
  progress_ = progress;
  known_ = true;
  if (terminal_ && (!shown_ || now - lastDrawn_ >= kRedrawGap)) draw(now);
}

void ProgressLine::beforeLogLine() {
  if (shown_) erase();
}

void ProgressLine::afterLogLine(Clock::time_point now) {
  // A flood of log lines brings the line back a few times a second only.
  if (terminal_ && known_ && now - lastDrawn_ >= kRedrawGap) draw(now);
}

void ProgressLine::finish() {
  if (shown_) erase();
  known_ = false;
}

void ProgressLine::draw(Clock::time_point now) {
  // Carriage return and erase-to-end-of-line: the line is written over in place.
  out_ << "\r\x1b[K" << progressText(progress_, now - started_) << std::flush;
  lastDrawn_ = now;
  shown_ = true;
}

void ProgressLine::erase() {
  out_ << "\r\x1b[K" << std::flush;
  shown_ = false;
}

}  // namespace quillon::cli
