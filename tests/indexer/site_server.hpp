#pragma once
// A web site on 127.0.0.1 that answers by the request's path, as a real
// server does: the walk may ask in any order, and robots.txt first. It runs
// on its own thread and keeps the request line and time of every request.
// It may hold each answer back a random while, as a loaded server does.
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "scripted_http_server.hpp"

namespace quillon::testing {

struct SiteAnswer {
  std::string bytes;  // the whole response; "{port}" stands for the server's port
  // Above zero: the bytes go one at a time, this far apart.
  std::chrono::milliseconds drip{0};
  // After the bytes, nothing more until the client goes.
  bool hold = false;
};

// "HTTP/1.0 200 OK" with the type and the body.
SiteAnswer page(const std::string& body, const std::string& type = "text/html");
SiteAnswer status(const std::string& statusLine, const std::string& headers = "");

class SiteServer {
 public:
  // The request target ("/dir/a.htm?x=1") to its answer; 404 for a path not in `pages`.
  using Answering = std::function<SiteAnswer(const std::string& target)>;
  explicit SiteServer(std::map<std::string, SiteAnswer> pages);
  explicit SiteServer(Answering answering);
  // Serves over TLS with this certificate from the first byte: an https site.
  SiteServer(Answering answering, const net::testing::TlsIdentity& tls);
  ~SiteServer();
  SiteServer(const SiteServer&) = delete;
  SiteServer& operator=(const SiteServer&) = delete;

  unsigned short port() const;
  std::string site() const { return scheme() + "://127.0.0.1:" + std::to_string(port()); }
  std::string scheme() const;
  // The request lines so far ("GET /a.htm HTTP/1.0"), in the order they came.
  std::vector<std::string> requests() const;
  // When each of them came.
  std::vector<std::chrono::steady_clock::time_point> requestTimes() const;
  // Each answer from now on waits from 0 to `most`, drawn from a generator with the seed.
  void delayAnswers(std::chrono::milliseconds most, unsigned seed);
  // Connections accepted and not yet closed by either side.
  int openConnections() const;

 private:
  SiteServer(Answering answering, const net::testing::TlsIdentity* tls);
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Answers by path from `pages`; 404 for a path not in them.
SiteServer::Answering byPath(std::map<std::string, SiteAnswer> pages);

}  // namespace quillon::testing
