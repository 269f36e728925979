#include "scripted_http_server.hpp"

#include <array>
#include <asio.hpp>
#include <asio/ssl.hpp>
#include <memory>
#include <mutex>
#include <thread>

namespace quillon::net::testing {
namespace {

using asio::ip::tcp;

const tcp::endpoint kLoopback(asio::ip::make_address("127.0.0.1"), 0);

std::unique_ptr<asio::ssl::context> serverContext(const std::optional<TlsIdentity>& identity) {
  if (!identity) return nullptr;
  auto context = std::make_unique<asio::ssl::context>(asio::ssl::context::tls_server);
  context->use_certificate_chain(asio::buffer(identity->certificatePem));
  context->use_private_key(asio::buffer(identity->privateKeyPem), asio::ssl::context::pem);
  return context;
}

std::size_t contentLength(const std::string& head) {
  std::string lower = head;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const auto field = lower.find("\r\ncontent-length:");
  return field == std::string::npos ? 0 : std::stoul(head.substr(field + 17));
}

}  // namespace

struct ScriptedHttpServer::Impl {
  explicit Impl(ServerScript serverScript)
      : script(std::move(serverScript)),
        acceptor(context, tcp::endpoint(asio::ip::make_address(script.address), 0)),
        tlsContext(serverContext(script.tls)) {}

  ServerScript script;
  asio::io_context context;
  tcp::acceptor acceptor;
  std::unique_ptr<asio::ssl::context> tlsContext;
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

  void acceptNext(std::size_t index) {
    acceptor.async_accept([this, index](const std::error_code& error, tcp::socket socket) {
      if (error) return;
      record(index, "");
      const ConnectionScript* steps = index < script.connections.size() ? &script.connections[index]
                                      : script.everyFurtherConnection   ? &*script.everyFurtherConnection
                                                                        : nullptr;
      if (steps != nullptr) std::make_shared<Connection>(*this, std::move(socket), *steps, index)->next();
      acceptNext(index + 1);
    });
  }

  // One accepted connection working through its steps, each started when the one before is done.
  struct Connection : std::enable_shared_from_this<Connection> {
    Connection(Impl& server, tcp::socket socket, const ConnectionScript& steps, std::size_t index)
        : server(server), socket(std::move(socket)), steps(steps), index(index), timer(server.context) {}

    Impl& server;
    tcp::socket socket;
    std::optional<asio::ssl::stream<tcp::socket&>> tls;
    const ConnectionScript& steps;
    std::size_t index;
    std::size_t step = 0;
    std::string data;
    std::array<char, 4096> block;
    asio::steady_timer timer;

    // Runs an operation on the connection as it stands: plain, or TLS once started.
    template <class Operation>
    void onStream(Operation operation) {
      if (tls) {
        operation(*tls);
      } else {
        operation(socket);
      }
    }

    // The end of the script or a close: TLS says so first.
    void finish(bool closeToo) {
      std::error_code ignored;
      if (!tls) {
        socket.shutdown(tcp::socket::shutdown_send, ignored);
        if (closeToo) socket.close(ignored);
        return;
      }
      tls->async_shutdown([self = shared_from_this()](const std::error_code&) {
        std::error_code ignoredToo;
        self->socket.close(ignoredToo);
      });
    }

    // Runs the next step once the previous one succeeded; the client going away ends the connection.
    auto then(void (Connection::*continuation)()) {
      return [self = shared_from_this(), continuation](const std::error_code& error, auto&&...) {
        if (!error) ((*self).*continuation)();
      };
    }

    void next() {
      std::error_code ignored;
      if (step == steps.size()) return finish(false);
      const ServerStep& current = steps[step++];
      switch (current.kind) {
        case ServerStep::Kind::ReadRequest:
          onStream([&](auto& stream) {
            asio::async_read_until(stream, asio::dynamic_buffer(data), "\r\n\r\n", then(&Connection::readBody));
          });
          break;
        case ServerStep::Kind::ReadAll:
        case ServerStep::Kind::Hold: readUntilClosed(current.kind == ServerStep::Kind::ReadAll); break;
        case ServerStep::Kind::Send: {
          auto bytes = std::make_shared<std::string>(server.withOwnPort(current.bytes));
          onStream([&](auto& stream) {
            asio::async_write(stream, asio::buffer(*bytes),
                              [self = shared_from_this(), bytes](const std::error_code& error, std::size_t) {
                                if (!error) self->next();
                              });
          });
          break;
        }
        case ServerStep::Kind::Pause:
          timer.expires_after(current.pause);
          timer.async_wait(then(&Connection::next));
          break;
        case ServerStep::Kind::Reset:
          socket.set_option(asio::socket_base::linger(true, 0), ignored);
          socket.close(ignored);
          break;
        case ServerStep::Kind::Close: finish(true); break;
        case ServerStep::Kind::StartTls:
          tls.emplace(socket, *server.tlsContext);
          tls->async_handshake(asio::ssl::stream_base::server, then(&Connection::next));
          break;
      }
    }

    // The request head is in; a body as long as its Content-Length follows it.
    void readBody() {
      const std::size_t headLength = data.find("\r\n\r\n") + 4;
      const std::size_t total = headLength + contentLength(data.substr(0, headLength));
      if (data.size() >= total) return requestRead();
      onStream([&](auto& stream) {
        asio::async_read(stream, asio::dynamic_buffer(data), asio::transfer_exactly(total - data.size()),
                         then(&Connection::requestRead));
      });
    }

    void requestRead() {
      server.record(index, data);
      data.clear();
      next();
    }

    void readUntilClosed(bool keep) {
      onStream([&](auto& stream) {
        stream.async_read_some(asio::buffer(block),
                               [self = shared_from_this(), keep](const std::error_code& error, std::size_t count) {
                                 if (error) return;
                                 if (keep) self->server.record(self->index, std::string(self->block.data(), count));
                                 self->readUntilClosed(keep);
                               });
      });
    }
  };
};

ScriptedHttpServer::ScriptedHttpServer(ServerScript script) : impl_(std::make_unique<Impl>(std::move(script))) {
  impl_->acceptNext(0);
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
