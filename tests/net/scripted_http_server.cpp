#include "scripted_http_server.hpp"

#include <asio.hpp>
#include <mutex>
#include <thread>

namespace quillon::net::testing {
namespace {

using asio::awaitable;
using asio::use_awaitable;
using asio::ip::tcp;

const tcp::endpoint kLoopback(asio::ip::make_address("127.0.0.1"), 0);

std::size_t contentLength(const std::string& head) {
  std::string lower = head;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const auto field = lower.find("\r\ncontent-length:");
  return field == std::string::npos ? 0 : std::stoul(head.substr(field + 17));
}

}  // namespace

struct ScriptedHttpServer::Impl {
  explicit Impl(ServerScript serverScript) : script(std::move(serverScript)), acceptor(context, kLoopback) {}

  ServerScript script;
  asio::io_context context;
  tcp::acceptor acceptor;
  std::thread thread;
  mutable std::mutex mutex;
  std::vector<std::string> received;

  void record(std::size_t connection, const std::string& bytes) {
    const std::lock_guard lock(mutex);
    if (received.size() <= connection) received.resize(connection + 1);
    received[connection] += bytes;
  }

  // Answers may point back at this server: "{port}" stands for its port.
  std::string withOwnPort(std::string bytes) const {
    const std::string port = std::to_string(acceptor.local_endpoint().port());
    for (auto at = bytes.find("{port}"); at != std::string::npos; at = bytes.find("{port}", at)) {
      bytes.replace(at, 6, port);
    }
    return bytes;
  }

  awaitable<void> acceptLoop() {
    for (std::size_t index = 0;; ++index) {
      tcp::socket socket = co_await acceptor.async_accept(use_awaitable);
      const ConnectionScript* steps = index < script.connections.size() ? &script.connections[index]
                                      : script.everyFurtherConnection   ? &*script.everyFurtherConnection
                                                                        : nullptr;
      record(index, "");
      if (steps == nullptr) continue;
      asio::co_spawn(context, serve(std::move(socket), *steps, index), asio::detached);
    }
  }

  awaitable<void> serve(tcp::socket socket, const ConnectionScript& steps, std::size_t index) {
    try {
      for (const ServerStep& step : steps) {
        switch (step.kind) {
          case ServerStep::Kind::ReadRequest: {
            std::string data;
            const std::size_t headLength =
                co_await asio::async_read_until(socket, asio::dynamic_buffer(data), "\r\n\r\n", use_awaitable);
            const std::size_t total = headLength + contentLength(data.substr(0, headLength));
            if (data.size() < total) {
              co_await asio::async_read(socket, asio::dynamic_buffer(data), asio::transfer_exactly(total - data.size()),
                                        use_awaitable);
            }
            record(index, data);
            break;
          }
          case ServerStep::Kind::ReadAll:
          case ServerStep::Kind::Hold: {
            std::array<char, 4096> block;
            for (;;) {
              const std::size_t count = co_await socket.async_read_some(asio::buffer(block), use_awaitable);
              if (step.kind == ServerStep::Kind::ReadAll) record(index, std::string(block.data(), count));
            }
          }
          case ServerStep::Kind::Send: {
            const std::string bytes = withOwnPort(step.bytes);
            co_await asio::async_write(socket, asio::buffer(bytes), use_awaitable);
            break;
          }
          case ServerStep::Kind::Pause: {
            asio::steady_timer timer(context, step.pause);
            co_await timer.async_wait(use_awaitable);
            break;
          }
          case ServerStep::Kind::Reset:
            socket.set_option(asio::socket_base::linger(true, 0));
            socket.close();
            co_return;
          case ServerStep::Kind::Close:
            socket.shutdown(tcp::socket::shutdown_send);
            socket.close();
            co_return;
        }
      }
      socket.shutdown(tcp::socket::shutdown_send);
    } catch (const std::system_error&) {
      // The client went away: this connection is over.
    }
  }
};

ScriptedHttpServer::ScriptedHttpServer(ServerScript script) : impl_(std::make_unique<Impl>(std::move(script))) {
  asio::co_spawn(impl_->context, impl_->acceptLoop(), asio::detached);
  impl_->thread = std::thread([impl = impl_.get()] { impl->context.run(); });
}

ScriptedHttpServer::~ScriptedHttpServer() { stop(); }

unsigned short ScriptedHttpServer::port() const { return impl_->acceptor.local_endpoint().port(); }

void ScriptedHttpServer::stop() {
  impl_->context.stop();
  if (impl_->thread.joinable()) impl_->thread.join();
}

std::vector<std::string> ScriptedHttpServer::received() const {
  const std::lock_guard lock(impl_->mutex);
  return impl_->received;
}

unsigned short refusingPort() {
  asio::io_context context;
  tcp::acceptor acceptor(context, kLoopback);
  return acceptor.local_endpoint().port();
}

struct UnansweredListener::Impl {
  asio::io_context context;
  tcp::acceptor acceptor{context};
  tcp::socket filler{context};
};

UnansweredListener::UnansweredListener() : impl_(std::make_unique<Impl>()) {
  impl_->acceptor.open(tcp::v4());
  impl_->acceptor.bind(kLoopback);
  // A queue of one, taken by a connection that is never accepted.
  impl_->acceptor.listen(0);
  impl_->filler.connect(impl_->acceptor.local_endpoint());
}

UnansweredListener::~UnansweredListener() = default;

unsigned short UnansweredListener::port() const { return impl_->acceptor.local_endpoint().port(); }

}  // namespace quillon::net::testing
