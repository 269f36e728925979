#pragma once
// Writes the pieces of a large file in a thread of its own while the caller
// makes the next ones, so making and writing the file overlap. At most one
// piece waits while another is written: the memory stays that of three pieces.
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace quillon {

class WriteBehind {
 public:
  explicit WriteBehind(int fd);
  WriteBehind(const WriteBehind&) = delete;
  WriteBehind& operator=(const WriteBehind&) = delete;
  ~WriteBehind();

  // Hands the text over to be written; text comes back empty, its room kept
  // for the next piece. Waits while the piece before is still waiting.
  void write(std::string& text);
  // Waits until every piece is written; returns 0 or the error number of the
  // first write that failed. Nothing is written after a failure.
  int finish();

 private:
  void run();

  int fd_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::string waiting_;
  bool hasWaiting_ = false;
  bool finishing_ = false;
  int error_ = 0;
  std::thread writer_;
};

}  // namespace quillon
