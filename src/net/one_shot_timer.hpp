#pragma once
// A timer on the event loop that calls its handler once, unless cancelled or
// restarted first.
#include <chrono>
#include <functional>
#include <memory>

#include "net/event_loop.hpp"

namespace quillon::net {

class OneShotTimer {
 public:
  explicit OneShotTimer(EventLoop& loop);
  ~OneShotTimer();
  OneShotTimer(const OneShotTimer&) = delete;
  OneShotTimer& operator=(const OneShotTimer&) = delete;

  // Replaces any running countdown.
  void start(std::chrono::milliseconds delay, std::function<void()> handler);
  void cancel();

 private:
  struct Impl;
  std::shared_ptr<Impl> impl_;
};

}  // namespace quillon::net
