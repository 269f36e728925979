#include "indexer/indexer_state.hpp"

#include "format/atomic_file.hpp"
#include "format/page_composer.hpp"

namespace quillon {

void ActivityIndicator::start() {
  width_ = kFullWidth;
  timerOn_ = true;
  visible_ = true;
}

void ActivityIndicator::stop() {
  timerOn_ = false;
  visible_ = false;
}

void ActivityIndicator::tick() {
  if (width_ > kMinimumWidth) width_ -= kStep;
}

void CrawlLog::add(std::string line) {
  lines_.push_back(std::move(line));
  if (onLine) onLine(lines_.back());
}

bool CrawlLog::saveTo(const std::string& path) const { return writeFileAtomically(path, joinLines(lines_)); }

void IndexerState::setBusy(bool busy) {
  busy_ = busy;
  if (onBusyChange) onBusyChange();
}

}  // namespace quillon
