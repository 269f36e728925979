#include "format/write_behind.hpp"

#include <system_error>

#include "format/atomic_file.hpp"

namespace quillon {

WriteBehind::WriteBehind(int fd) : fd_(fd) {
  try {
    writer_ = std::thread([this] { run(); });
  } catch (const std::system_error&) {
    // Without a thread of its own the pieces are written as they come.
  }
}

WriteBehind::~WriteBehind() { finish(); }

void WriteBehind::write(std::string& text) {
  if (!writer_.joinable()) {
    if (!error_) error_ = writeAheadOfSync(fd_, text);
    text.clear();
    return;
  }
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !hasWaiting_; });
  waiting_.swap(text);
  hasWaiting_ = true;
  text.clear();
  changed_.notify_all();
}

int WriteBehind::finish() {
  if (writer_.joinable()) {
    {
      std::lock_guard lock(mutex_);
      finishing_ = true;
    }
    changed_.notify_all();
    writer_.join();
  }
  return error_;
}

void WriteBehind::run() {
  std::string piece;
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return hasWaiting_ || finishing_; });
    if (!hasWaiting_) return;
    piece.swap(waiting_);
    hasWaiting_ = false;
    changed_.notify_all();
    const bool failed = error_ != 0;
    lock.unlock();
    const int error = failed ? 0 : writeAheadOfSync(fd_, piece);
    piece.clear();
    lock.lock();
    if (error && !error_) error_ = error;
  }
}

}  // namespace quillon
