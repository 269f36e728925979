#include "net/one_shot_timer.hpp"

#include <asio/io_context.hpp>
#include <asio/steady_timer.hpp>
#include <cstdint>

namespace quillon::net {

struct OneShotTimer::Impl {
  explicit Impl(asio::io_context& context) : timer(context) {}
  asio::steady_timer timer;
  // A countdown that was cancelled may still deliver its expiry; only the latest counts.
  std::uint64_t generation = 0;
};

OneShotTimer::OneShotTimer(EventLoop& loop) : impl_(std::make_shared<Impl>(loop.context())) {}

OneShotTimer::~OneShotTimer() { impl_->timer.cancel(); }

void OneShotTimer::start(std::chrono::milliseconds delay, std::function<void()> handler) {
  const std::uint64_t generation = ++impl_->generation;
  impl_->timer.expires_after(delay);
  impl_->timer.async_wait(
      [weak = std::weak_ptr<Impl>(impl_), generation, handler = std::move(handler)](const std::error_code& error) {
        const auto impl = weak.lock();
        if (error || !impl || impl->generation != generation) return;
        handler();
      });
}

void OneShotTimer::cancel() {
  ++impl_->generation;
  impl_->timer.cancel();
}

}  // namespace quillon::net
