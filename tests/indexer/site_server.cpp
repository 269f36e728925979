#include "site_server.hpp"

#include <array>
#include <asio.hpp>
#include <atomic>
#include <random>
#include <asio/ssl.hpp>
#include <optional>
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
  Impl(Answering answer, const net::testing::TlsIdentity* tls)
      : answering(std::move(answer)), acceptor(context, tcp::endpoint(asio::ip::make_address("127.0.0.1"), 0)) {
    if (tls == nullptr) return;
    tlsContext.emplace(asio::ssl::context::tls_server);
    tlsContext->use_certificate_chain(asio::buffer(tls->certificatePem));
    tlsContext->use_private_key(asio::buffer(tls->privateKeyPem), asio::ssl::context::pem);
  }

  Answering answering;
  asio::io_context context;
  tcp::acceptor acceptor;
  std::optional<asio::ssl::context> tlsContext;
  std::thread thread;
  mutable std::mutex mutex;
  std::vector<std::string> requests;
  std::vector<std::chrono::steady_clock::time_point> times;
  std::chrono::milliseconds mostDelay{0};
  std::mt19937 random;
  std::atomic<int> open{0};

  void acceptNext() {
    acceptor.async_accept([this](const std::error_code& error, tcp::socket socket) {
      if (error) return;
      auto connection = std::make_shared<Connection>(*this, std::move(socket));
      if (!tlsContext) {
        connection->readRequest();
      } else {
        connection->tls.emplace(connection->socket, *tlsContext);
        connection->tls->async_handshake(asio::ssl::stream_base::server, [connection](const std::error_code& failed) {
          if (!failed) connection->readRequest();
        });
      }
      acceptNext();
    });
  }

  struct Connection : std::enable_shared_from_this<Connection> {
    Connection(Impl& server, tcp::socket socket) : server(server), socket(std::move(socket)), timer(server.context) {
      ++server.open;
    }
    ~Connection() { --server.open; }

    Impl& server;
    tcp::socket socket;
    std::optional<asio::ssl::stream<tcp::socket&>> tls;
    asio::steady_timer timer;
    std::string data;
    SiteAnswer answer;
    std::size_t sent = 0;
    std::array<char, 512> block;

    // The plain socket or the TLS stream over it.
    template <typename Operation>
    void onStream(Operation operation) {
      if (tls) {
        operation(*tls);
      } else {
        operation(socket);
      }
    }

    void readRequest() {
      onStream([this](auto& stream) {
        asio::async_read_until(stream, asio::dynamic_buffer(data), "\r\n\r\n",
                               [self = shared_from_this()](const std::error_code& error, std::size_t) {
                                 if (!error) self->respond();
                               });
      });
    }

    void respond() {
      const std::string line = data.substr(0, data.find("\r\n"));
      std::chrono::milliseconds delay{0};
      {
        const std::lock_guard lock(server.mutex);
        server.requests.push_back(line);
        server.times.push_back(std::chrono::steady_clock::now());
        if (server.mostDelay.count() > 0) {
          delay = std::chrono::milliseconds(
              std::uniform_int_distribution<long long>(0, server.mostDelay.count())(server.random));
        }
      }
      const std::size_t from = line.find(' ') + 1;
      answer = server.answering(line.substr(from, line.rfind(' ') - from));
      answer.bytes = withPort(answer.bytes, server.acceptor.local_endpoint().port());
      if (delay.count() == 0) return sendMore();
      timer.expires_after(delay);
      timer.async_wait([self = shared_from_this()](const std::error_code& error) {
        if (!error) self->sendMore();
      });
    }

    void sendMore() {
      if (sent == answer.bytes.size()) return finish();
      const std::size_t count = answer.drip.count() > 0 ? 1 : answer.bytes.size() - sent;
      onStream([this, count](auto& stream) {
        asio::async_write(stream, asio::buffer(answer.bytes.data() + sent, count),
                          [self = shared_from_this(), count](const std::error_code& error, std::size_t) {
                            if (error) return;
                            self->sent += count;
                            if (self->answer.drip.count() == 0) return self->sendMore();
                            self->timer.expires_after(self->answer.drip);
                            self->timer.async_wait([self](const std::error_code& waitError) {
                              if (!waitError) self->sendMore();
                            });
                          });
      });
    }

    void finish() {
      std::error_code ignored;
      if (!answer.hold && tls) {
        tls->async_shutdown([self = shared_from_this()](const std::error_code&) {
          std::error_code ignored;
          self->socket.close(ignored);
        });
        return;
      }
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

SiteServer::Answering byPath(std::map<std::string, SiteAnswer> pages) {
  return [pages = std::move(pages)](const std::string& target) {
    const auto found = pages.find(target);
    return found == pages.end() ? status("404 Not Found") : found->second;
  };
}

SiteServer::SiteServer(std::map<std::string, SiteAnswer> pages) : SiteServer(byPath(std::move(pages))) {}

SiteServer::SiteServer(Answering answering) : SiteServer(std::move(answering), nullptr) {}

SiteServer::SiteServer(Answering answering, const net::testing::TlsIdentity& tls)
    : SiteServer(std::move(answering), &tls) {}

SiteServer::SiteServer(Answering answering, const net::testing::TlsIdentity* tls)
    : impl_(std::make_unique<Impl>(std::move(answering), tls)) {
  impl_->acceptNext();
  impl_->thread = std::thread([impl = impl_.get()] { impl->context.run(); });
}

SiteServer::~SiteServer() {
  impl_->context.stop();
  if (impl_->thread.joinable()) impl_->thread.join();
}

std::string SiteServer::scheme() const { return impl_->tlsContext ? "https" : "http"; }

unsigned short SiteServer::port() const { return impl_->acceptor.local_endpoint().port(); }

std::vector<std::string> SiteServer::requests() const {
  const std::lock_guard lock(impl_->mutex);
  return impl_->requests;
}

std::vector<std::chrono::steady_clock::time_point> SiteServer::requestTimes() const {
  const std::lock_guard lock(impl_->mutex);
  return impl_->times;
}

void SiteServer::delayAnswers(std::chrono::milliseconds most, unsigned seed) {
  const std::lock_guard lock(impl_->mutex);
  impl_->mostDelay = most;
  impl_->random.seed(seed);
}

int SiteServer::openConnections() const { return impl_->open.load(); }

}  // namespace quillon::testing
