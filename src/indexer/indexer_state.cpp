#include "indexer/indexer_state.hpp"

#include "format/atomic_file.hpp"

namespace quillon {

void ActivityIndicator::start() {
  width_ = kFullWidth;
  timerOn_ = true;
  visible_ = true;
  if (onChange) onChange();
}

void ActivityIndicator::stop() {
  timerOn_ = false;
  visible_ = false;
  if (onChange) onChange();
}

void ActivityIndicator::tick() {
  if (width_ > kMinimumWidth) width_ -= kStep;
  if (onChange) onChange();
}

void CrawlLog::add(std::string_view text, std::string_view more) {
  starts_.push_back(text_.size());
  text_.append(text).append(more).append("\r\n");
  if (onLine) onLine(line(starts_.size() - 1));
}

void CrawlLog::clear() {
  text_.clear();
  starts_.clear();
}

std::string_view CrawlLog::line(std::size_t index) const {
  const std::size_t end = index + 1 < starts_.size() ? starts_[index + 1] : text_.size();
  return std::string_view(text_).substr(starts_[index], end - starts_[index] - 2);
}

std::vector<std::string> CrawlLog::lines() const {
  std::vector<std::string> all;
  all.reserve(size());
  for (std::size_t i = 0; i < size(); ++i) all.emplace_back(line(i));
  return all;
}

bool CrawlLog::saveTo(const std::string& path) const { return writeFileAtomically(path, text_); }

void IndexerState::setBusy(bool busy) {
  busy_ = busy;
  if (onBusyChange) onBusyChange();
}

}  // namespace quillon
