#include "indexer/indexer_state.hpp"

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

void IndexerState::setBusy(bool busy) {
  busy_ = busy;
  if (onBusyChange) onBusyChange();
}

}  // namespace quillon
