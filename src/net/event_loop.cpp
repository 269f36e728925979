#include "net/event_loop.hpp"

#include <asio/executor_work_guard.hpp>
#include <asio/io_context.hpp>
#include <asio/post.hpp>

namespace quillon::net {

struct EventLoop::Impl {
  asio::io_context context{1};
  // Keeps the loop waiting for events instead of stopping when nothing is pending.
  asio::executor_work_guard<asio::io_context::executor_type> work = asio::make_work_guard(context);
};

EventLoop::EventLoop() : impl_(std::make_unique<Impl>()) {}

EventLoop::~EventLoop() = default;

std::size_t EventLoop::runFor(std::chrono::milliseconds maxWait) {
  const std::size_t first = impl_->context.run_one_for(maxWait);
  return first == 0 ? 0 : first + impl_->context.poll();
}

std::size_t EventLoop::poll() { return impl_->context.poll(); }

void EventLoop::post(std::function<void()> handler) { asio::post(impl_->context, std::move(handler)); }

asio::io_context& EventLoop::context() { return impl_->context; }

}  // namespace quillon::net
