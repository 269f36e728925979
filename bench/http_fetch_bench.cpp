// Fetches 2,000 small pages in a row from a loopback server with the HTTP
// client, one synchronous GET each, as the site indexer does: over http, and
// over https with a new TLS connection for every page (a test authority made
// at start, trusted through SSL_CERT_FILE).
//   http_fetch_bench [benchmark flags]        serves the pages itself
//   http_fetch_bench --serve                  only serves them: prints the port, runs until killed
//   http_fetch_bench --serve-https=CA_FILE    the same over https, the authority to trust written to CA_FILE
//   http_fetch_bench --port=N [flags]         fetches from a server already running on port N
// bench/http_vs_wget.sh runs wget on the same pages from the same server.
#include <benchmark/benchmark.h>

#include <asio.hpp>
#include <asio/ssl.hpp>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "net/http_client.hpp"
#include "test_certificates.hpp"

namespace {

using asio::ip::tcp;

constexpr int kPages = 2000;

std::string pageName(int number) {
  char name[32];
  std::snprintf(name, sizeof name, "/page%04d.htm", number);
  return name;
}

// Every page is a small HTML page of about 1 KB naming itself; the connection
// closes after each answer, as an HTTP/1.0 server does.
std::string answerTo(const std::string& request) {
  const auto start = request.find(' ') + 1;
  const std::string path = request.substr(start, request.find(' ', start) - start);
  std::string body = "<html><head><title>" + path + "</title></head><body>\n";
  while (body.size() < 1000) body += "<a href=\"page0001.htm\">A link to the first page of the site</a><br>\n";
  body += "</body></html>\n";
  return "HTTP/1.0 200 OK\r\nConnection: close\r\nContent-Type: text/html\r\nContent-Length: " +
         std::to_string(body.size()) + "\r\n\r\n" + body;
}

std::unique_ptr<asio::ssl::context> serverTls(bool secure) {
  if (!secure) return nullptr;
  const auto& identity = quillon::net::testing::testCertificates().trusted;
  auto context = std::make_unique<asio::ssl::context>(asio::ssl::context::tls_server);
  context->use_certificate_chain(asio::buffer(identity.certificatePem));
  context->use_private_key(asio::buffer(identity.privateKeyPem), asio::ssl::context::pem);
  return context;
}

class PageServer {
 public:
  explicit PageServer(bool secure = false)
      : acceptor_(context_, tcp::endpoint(asio::ip::make_address("127.0.0.1"), 0)), tls_(serverTls(secure)) {
    acceptNext();
    thread_ = std::thread([this] { context_.run(); });
  }
  ~PageServer() {
    context_.stop();
    thread_.join();
  }
  unsigned short port() const { return acceptor_.local_endpoint().port(); }
  void wait() { thread_.join(); }

 private:
  void acceptNext() {
    acceptor_.async_accept([this](const std::error_code& error, tcp::socket socket) {
      if (error) return;
      // The answer and the end of a TLS connection go out at once, not held back for an acknowledgement.
      std::error_code ignored;
      socket.set_option(tcp::no_delay(true), ignored);
      std::make_shared<Exchange>(std::move(socket), tls_.get())->start();
      acceptNext();
    });
  }

  // One request and its answer, over TCP or TLS.
  struct Exchange : std::enable_shared_from_this<Exchange> {
    Exchange(tcp::socket socket, asio::ssl::context* tls) : socket(std::move(socket)) {
      if (tls != nullptr) secure.emplace(this->socket, *tls);
    }
    tcp::socket socket;
    std::optional<asio::ssl::stream<tcp::socket&>> secure;
    std::string request;
    std::string answer;
    char drain[256];

    template <class Operation>
    void onStream(Operation operation) {
      if (secure) {
        operation(*secure);
      } else {
        operation(socket);
      }
    }

    void start() {
      if (!secure) return readRequest();
      secure->async_handshake(asio::ssl::stream_base::server, [self = shared_from_this()](const std::error_code& error) {
        if (!error) self->readRequest();
      });
    }
    void readRequest() {
      onStream([&](auto& stream) {
        asio::async_read_until(stream, asio::dynamic_buffer(request), "\r\n\r\n",
                               [self = shared_from_this()](const std::error_code& error, std::size_t) {
                                 if (!error) self->answerRequest();
                               });
      });
    }
    void answerRequest() {
      answer = answerTo(request);
      onStream([&](auto& stream) {
        asio::async_write(stream, asio::buffer(answer),
                          [self = shared_from_this()](const std::error_code& error, std::size_t) {
                            if (!error) self->endConnection();
                          });
      });
    }
    // The server says it is done, then waits for the client to close, so that
    // the answer is never cut by a reset.
    void endConnection() {
      if (secure) {
        secure->async_shutdown([self = shared_from_this()](const std::error_code&) {});
        return;
      }
      std::error_code ignored;
      socket.shutdown(tcp::socket::shutdown_send, ignored);
      waitForClose();
    }
    void waitForClose() {
      socket.async_read_some(asio::buffer(drain), [self = shared_from_this()](const std::error_code& error, std::size_t) {
        if (!error) self->waitForClose();
      });
    }
  };

  asio::io_context context_{1};
  tcp::acceptor acceptor_;
  std::unique_ptr<asio::ssl::context> tls_;
  std::thread thread_;
};

std::optional<unsigned short> externalPort;

void fetchPagesInARow(benchmark::State& state, bool secure) {
  std::optional<PageServer> ownServer;
  if (secure || !externalPort) ownServer.emplace(secure);
  if (secure) quillon::net::testing::trustTestAuthority();
  const std::string base = (secure ? "https://localhost:" : "http://127.0.0.1:") +
                           std::to_string(ownServer ? ownServer->port() : *externalPort);
  quillon::net::EventLoop loop;
  quillon::net::THttpCli http(loop);
  std::ostringstream document;
  http.ReceiveStream = &document;
  std::int64_t bytes = 0;
  for (auto _ : state) {
    for (int page = 1; page <= kPages; ++page) {
      document.str("");
      http.URL = base + pageName(page);
      http.RequestGet();
      if (http.ResponseCode() != 200 || document.str().find(pageName(page)) == std::string::npos) {
        std::cerr << http.ResponseText() << '\n';
        state.SkipWithError("a page did not arrive whole");
        return;
      }
      bytes += http.ReceivedBytes();
    }
  }
  state.SetItemsProcessed(state.iterations() * kPages);
  state.SetBytesProcessed(bytes);
  state.counters["pages_per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations() * kPages), benchmark::Counter::kIsRate);
}
void BM_FetchPagesInARow(benchmark::State& state) { fetchPagesInARow(state, false); }
void BM_FetchPagesInARowOverHttps(benchmark::State& state) { fetchPagesInARow(state, true); }
BENCHMARK(BM_FetchPagesInARow)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_FetchPagesInARowOverHttps)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  std::vector<char*> arguments;
  for (int i = 0; i < argc; ++i) {
    const bool serveHttps = std::strncmp(argv[i], "--serve-https=", 14) == 0;
    if (serveHttps || std::strcmp(argv[i], "--serve") == 0) {
      if (serveHttps) std::ofstream(argv[i] + 14) << quillon::net::testing::testCertificates().authorityPem;
      PageServer server(serveHttps);
      std::cout << server.port() << std::endl;
      server.wait();
      return 0;
    }
    if (std::strncmp(argv[i], "--port=", 7) == 0) {
      externalPort = static_cast<unsigned short>(std::stoi(argv[i] + 7));
      continue;
    }
    arguments.push_back(argv[i]);
  }
  int count = static_cast<int>(arguments.size());
  benchmark::Initialize(&count, arguments.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
