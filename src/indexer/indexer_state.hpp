#pragma once
// What the indexer window shows besides its settings, as data: the log of the
// run, the activity indicator and whether the buttons are busy. The logic
// changes it and tells the view through the callbacks.
#include <cstddef>
#include <functional>

#include "indexer/crawl_log.hpp"

namespace quillon {

// The strip that shrinks while one queue entry is worked on.
class ActivityIndicator {
 public:
  static constexpr int kFullWidth = 425;
  // How much each timer tick takes off, while more than kMinimumWidth is left.
  static constexpr int kStep = 17;
  static constexpr int kMinimumWidth = 14;

  void start();
  void stop();
  // The timer's tick (its period is 1000 ms).
  void tick();

  int width() const { return width_; }
  bool visible() const { return visible_; }
  bool timerOn() const { return timerOn_; }

  // The strip or its timer changed.
  std::function<void()> onChange;

 private:
  int width_ = 0;
  bool visible_ = false;
  bool timerOn_ = false;
};

// How far a walk has come, reported after each queue entry.
struct CrawlProgress {
  std::size_t pagesRead = 0;
  std::size_t queued = 0;  // entries still to be worked on
};

class IndexerState {
 public:
  CrawlLog log;
  ActivityIndicator indicator;
  std::function<void(const CrawlProgress&)> onProgress;
  // Set by Abort and by a failed start page; the walk ends after the entry in progress.
  bool abortRequested = false;

  // Busy: start and exit disabled, Abort enabled; idle is the reverse.
  bool busy() const { return busy_; }
  void setBusy(bool busy);
  // A crawl or the local files mode is running; a second start is refused meanwhile.
  bool running() const { return running_; }
  void setRunning(bool running) { running_ = running; }

  // The buttons changed.
  std::function<void()> onBusyChange;

 private:
  bool busy_ = false;
  bool running_ = false;
};

}  // namespace quillon
