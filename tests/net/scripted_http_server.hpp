#pragma once
// A web server on 127.0.0.1 (or ::1) that answers each connection from a
// script: it can read the request, send any bytes, pause, close, reset, stay
// silent, or turn the connection into a TLS one (from its start, or after
// answering a proxy's CONNECT) and go on in TLS. It runs
// on its own thread, so the client under test keeps its own event loop.
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillon::net::testing {

struct ServerStep {
  enum class Kind {
    ReadRequest,  // the request head, and a body as long as its Content-Length
    ReadAll,      // everything until the client closes
    Send,
    Pause,
    Close,  // orderly close
    Reset,  // close with a reset
    Hold,   // say nothing until the client closes
    StartTls,  // the server's side of a TLS handshake, with the script's identity
  };
  Kind kind;
  std::string bytes;
  std::chrono::milliseconds pause{0};
};

using ConnectionScript = std::vector<ServerStep>;

// A server certificate and its key, both PEM (see test_certificates.hpp).
struct TlsIdentity {
  std::string certificatePem;
  std::string privateKeyPem;
};

struct ServerScript {
  // One script per accepted connection, in order.
  std::vector<ConnectionScript> connections;
  // Serves every connection beyond those, when set.
  std::optional<ConnectionScript> everyFurtherConnection;
  // What StartTls steps present.
  std::optional<TlsIdentity> tls;
  std::string address = "127.0.0.1";
};

class ScriptedHttpServer {
 public:
  explicit ScriptedHttpServer(ServerScript script);
  ~ScriptedHttpServer();
  ScriptedHttpServer(const ScriptedHttpServer&) = delete;
  ScriptedHttpServer& operator=(const ScriptedHttpServer&) = delete;

  unsigned short port() const;
  // Ends every connection and the thread; what was received can then be read.
  void stop();
  // What each connection read, in the order of acceptance.
  std::vector<std::string> received() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// A port on 127.0.0.1 on which nothing listens: connecting to it is refused.
unsigned short refusingPort();

// A listener whose queue of waiting connections is full: a connection to it
// stays unanswered until its owner goes.
class UnansweredListener {
 public:
  UnansweredListener();
  ~UnansweredListener();
  unsigned short port() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace quillon::net::testing
