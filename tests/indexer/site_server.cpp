#include "site_server.hpp"

#include <array>
#include <asio.hpp>
#include <mutex>
#include <thread>

namespace quillon::testing {

namespace {

using asio::ip::tcp;

std::string withPort(std::string bytes, unsigned short port) {
  for (auto at = bytes.find("{port}"); at != std::string::npos; at = bytes.find("{port}", at)) {
    bytes.replace(at, 6, std::to_string(port));
  }
  return bytes;
}

}  // namespace

SiteAnswer page(const std::string& body, const std::string& type) {
  return {"HTTP/1.0 200 OK\r\nContent-Type: " + type + "\r\n\r\n" + body};
}

SiteAnswer status(const std::string& statusLine, const std::string& headers) {
  return {"HTTP/1.0 " + statusLine + "\r\n" + headers + "\r\n"};
}

struct SiteServer::Impl {
  explicit Impl(Answering answer)
      : answering(std::move(answer)), acceptor(context, tcp::endpoint(asio::ip::make_address("127.0.0.1"), 0)) {}

  Answering answering;
  asio::io_context context;
  tcp::acceptor acceptor;
  std::thread thread;
  mutable std::mutex mutex;
  std::vector<std::string> requests;

  void acceptNext() {
    acceptor.async_accept([this](const std::error_code& error, tcp::socket socket) {
      if (error) return;
      std::make_shared<Connection>(*this, std::move(socket))->readRequest();
      acceptNext();
    });
  }

  struct Connection : std::enable_shared_from_this<Connection> {
    Connection(Impl& server, tcp::socket socket) : server(server), socket(std::move(socket)), timer(server.context) {}

    Impl& server;
    tcp::socket socket;
    asio::steady_timer timer;
    std::string data;
    SiteAnswer answer;
    std::size_t sent = 0;
    std::array<char, 512> block;

    void readRequest() {
      asio::async_read_until(socket, asio::dynamic_buffer(data), "\r\n\r\n",
                             [self = shared_from_this()](const std::error_code& error, std::size_t) {
                               if (!error) self->respond();
                             });
    }

    void respond() {
      const std::string line = data.substr(0, data.find("\r\n"));
      {
        const std::lock_guard lock(server.mutex);
        server.requests.push_back(line);
      }
      const std::size_t from = line.find(' ') + 1;
      answer = server.answering(line.substr(from, line.rfind(' ') - from));
      answer.bytes = withPort(answer.bytes, server.acceptor.local_endpoint().port());
      sendMore();
    }

    void sendMore() {
      if (sent == answer.bytes.size()) return finish();
      const std::size_t count = answer.drip.count() > 0 ? 1 : answer.bytes.size() - sent;
      asio::async_write(socket, asio::buffer(answer.bytes.data() + sent, count),
                        [self = shared_from_this(), count](const std::error_code& error, std::size_t) {
                          if (error) return;
                          self->sent += count;
                          if (self->answer.drip.count() == 0) return self->sendMore();
                          self->timer.expires_after(self->answer.drip);
                          self->timer.async_wait([self](const std::error_code& waitError) {
                            if (!waitError) self->sendMore();
                          });
                        });
    }

    void finish() {
      std::error_code ignored;
      if (!answer.hold) {
        socket.shutdown(tcp::socket::shutdown_send, ignored);
        socket.close(ignored);
        return;
      }
      socket.async_read_some(asio::buffer(block), [self = shared_from_this()](const std::error_code& error, std::size_t) {
        if (!error) self->finish();
      });
    }
  };
};

SiteServer::SiteServer(std::map<std::string, SiteAnswer> pages)
    : SiteServer([pages = std::move(pages)](const std::string& target) {
        const auto found = pages.find(target);
        return found == pages.end() ? status("404 Not Found") : found->second;
      }) {}

SiteServer::SiteServer(Answering answering) : impl_(std::make_unique<Impl>(std::move(answering))) {
  impl_->acceptNext();
  impl_->thread = std::thread([impl = impl_.get()] { impl->context.run(); });
}

SiteServer::~SiteServer() {
  impl_->context.stop();
  if (impl_->thread.joinable()) impl_->thread.join();
}

unsigned short SiteServer::port() const { return impl_->acceptor.local_endpoint().port(); }

std::vector<std::string> SiteServer::requests() const {
  const std::lock_guard lock(impl_->mutex);
  return impl_->requests;
}

}  // namespace quillon::testing
