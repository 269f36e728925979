#pragma once
// The event loop of one thread: the network components post their socket
// events, lookup answers and own messages here, and the thread runs them.
#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>

namespace asio {
class io_context;
}

namespace quillon::net {

class EventLoop {
 public:
  EventLoop();
  ~EventLoop();
  EventLoop(const EventLoop&) = delete;
  EventLoop& operator=(const EventLoop&) = delete;

  // Runs every handler that is ready, waiting at most maxWait for the first one.
  // Returns how many ran.
  std::size_t runFor(std::chrono::milliseconds maxWait);
  // Runs the handlers that are ready without waiting.
  std::size_t poll();
  // Queues a handler to run on the loop's thread, after the ones queued before it.
  void post(std::function<void()> handler);

  asio::io_context& context();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace quillon::net
