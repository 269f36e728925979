#include "net/wsocket.hpp"

#include <algorithm>
#include <array>
#include <asio/io_context.hpp>
#include <asio/ip/address.hpp>
#include <asio/ip/tcp.hpp>
#include <asio/post.hpp>
#include <asio/ssl/error.hpp>
#include <asio/ssl/stream.hpp>
#include <asio/write.hpp>
#include <cstdint>
#include <cstring>
#include <optional>

#include "net/ascii.hpp"
#include "net/net_exceptions.hpp"
#include "net/send_queue.hpp"
#include "net/tls_checks.hpp"

namespace quillon::net {
namespace {

using asio::ip::tcp;

bool wouldBlock(const std::error_code& error) {
  return error == asio::error::would_block || error == asio::error::try_again;
}

std::string functionErrorText(const std::string& function, SocketError error) {
  return "Error " + std::to_string(error) + " in function " + function + "\r\n" + socketErrorDesc(error);
}

}  // namespace

struct TCustomWSocket::Impl : std::enable_shared_from_this<Impl> {
  Impl(TCustomWSocket& owner, asio::io_context& context)
      : owner(&owner), context(context), socket(context), resolver(context) {}

  TCustomWSocket* owner;  // cleared when the component goes, while a handler may still run
  asio::io_context& context;
  tcp::socket socket;
  tcp::resolver resolver;

  std::string addr;
  std::string port;
  std::string proto = "tcp";
  std::string dnsResult;
  std::vector<std::string> dnsResultList;
  TSocketState state = TSocketState::wsClosed;
  SocketError lastError = 0;

  // Completions of a cancelled lookup or of an earlier connection are ignored.
  std::uint64_t lookupId = 0;
  bool lookupPending = false;
  std::uint64_t connectionId = 0;

  bool readArmed = false;
  bool writeArmed = false;
  // The last data notification was not read from: the next is due after a ReceiveInto.
  bool readWaitsForReceive = false;
  bool closeInvoked = false;
  std::uint64_t receivedBytes = 0;
  SendQueue sendQueue;

  // A TLS connection: its stream lives as long as an operation on it is
  // pending, and what it decrypted waits in the inbox to be received.
  struct TlsLink {
    TlsLink(tcp::socket& socket, asio::ssl::context& context) : stream(socket, context) {}
    asio::ssl::stream<tcp::socket&> stream;
    std::array<char, 16384> block;
  };
  std::shared_ptr<asio::ssl::context> tlsContext;
  std::shared_ptr<TlsLink> tls;
  bool tlsReady = false;
  std::string tlsFailure;
  std::string inbox;
  std::size_t inboxRead = 0;

  // Runs an event handler; false when the component did not survive it.
  template <class Handler, class... Args>
  bool fire(Handler TCustomWSocket::*event, Args... args) {
    if (!owner) return false;
    Handler handler = owner->*event;
    if (handler) handler(*owner, args...);
    return owner != nullptr;
  }

  void fail(const std::string& text, SocketError error) {
    lastError = error;
    if (error == kWsaConnectionReset || error == kWsaNotConnected) closeConnection(error);
    if (!owner) return;
    if (!owner->OnError) throw ESocketException(text);
    fire(&TCustomWSocket::OnError);
  }

  void setState(TSocketState newState) {
    const TSocketState oldState = state;
    state = newState;
    if (oldState != newState) fire(&TCustomWSocket::OnChangeState, oldState, newState);
  }

  void requireClosed(const char* what) {
    if (state != TSocketState::wsClosed)
      throw ESocketException(std::string("Cannot change ") + what + " if not closed");
  }

  // Completion handlers hold the socket weakly and know which connection they belong to.
  template <class Body>
  auto guarded(Body body) {
    return [weak = weak_from_this(), id = connectionId, body](auto&&... args) {
      const auto self = weak.lock();
      if (!self || !self->owner || self->connectionId != id) return;
      body(*self, args...);
    };
  }

  // TLS completions keep the socket and their stream alive, since the stream
  // is still touched when an operation ends.
  template <class Body>
  auto tlsGuarded(Body body) {
    return [self = shared_from_this(), link = tls, id = connectionId, body](auto&&... args) {
      if (!self->owner || self->connectionId != id || self->tls != link) return;
      body(*self, args...);
    };
  }

  std::size_t waiting() {
    if (tls) return inbox.size() - inboxRead;
    std::error_code error;
    const std::size_t count = socket.available(error);
    return error ? 0 : count;
  }

  // --- name lookup ---

  void dnsLookup(const std::string& hostName) {
    if (hostName.empty()) {
      fail("DNS lookup: invalid host name.", kWsaInvalidArgument);
      fire(&TCustomWSocket::OnDnsLookupDone, kWsaInvalidArgument);
      return;
    }
    cancelDnsLookup();
    dnsResult.clear();
    dnsResultList.clear();
    std::error_code error;
    asio::ip::make_address(hostName, error);
    if (!error) {
      dnsResult = hostName;
      dnsResultList = {hostName};
      fire(&TCustomWSocket::OnDnsLookupDone, SocketError{0});
      return;
    }
    lookupPending = true;
    const std::uint64_t id = ++lookupId;
    resolver.async_resolve(
        hostName, "",
        [weak = weak_from_this(), id](const std::error_code& failure, const tcp::resolver::results_type& results) {
          const auto self = weak.lock();
          if (!self || !self->owner || !self->lookupPending || self->lookupId != id) return;
          self->lookupDone(failure, results);
        });
  }

  void lookupDone(const std::error_code& failure, const tcp::resolver::results_type& results) {
    lookupPending = false;
    SocketError error = toSocketError(failure);
    if (!error) {
      // IPv4 first: the first address is the one connected to.
      for (const bool wantV4 : {true, false}) {
        for (const auto& entry : results) {
          const asio::ip::address address = entry.endpoint().address();
          if (address.is_v4() != wantV4) continue;
          const std::string text = address.to_string();
          if (std::find(dnsResultList.begin(), dnsResultList.end(), text) == dnsResultList.end()) {
            dnsResultList.push_back(text);
          }
        }
      }
      if (dnsResultList.empty()) error = 11004;
    }
    if (!dnsResultList.empty()) dnsResult = dnsResultList.front();
    lastError = error;
    fire(&TCustomWSocket::OnDnsLookupDone, error);
  }

  void cancelDnsLookup() {
    if (!lookupPending) return;
    lookupPending = false;
    ++lookupId;
    resolver.cancel();
  }

  // --- connecting ---

  std::optional<asio::ip::address> hostAddress() {
    std::error_code error;
    const asio::ip::address address = asio::ip::make_address(addr, error);
    if (!error) return address;
    tcp::resolver blockingResolver(context);
    const auto results = blockingResolver.resolve(addr, "", error);
    if (error || results.empty()) return std::nullopt;
    return results.begin()->endpoint().address();
  }

  std::optional<unsigned short> portNumber() {
    if (std::all_of(port.begin(), port.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      // The system's lookup would wrap a number too large for a port.
      if (port.size() > 5 || std::stoul(port) > 65535) return std::nullopt;
      return static_cast<unsigned short>(std::stoul(port));
    }
    std::error_code error;
    tcp::resolver serviceResolver(context);
    const auto results = serviceResolver.resolve(tcp::v4(), "127.0.0.1", port,
                                                 tcp::resolver::numeric_host | tcp::resolver::passive, error);
    if (error || results.empty()) return std::nullopt;
    return results.begin()->endpoint().port();
  }

  void connect() {
    if (socket.is_open() && state != TSocketState::wsClosed) {
      fail("Connect: Socket already in use", kWsaInvalidArgument);
      return;
    }
    if (port.empty()) return fail("Connect: No Port Specified", kWsaInvalidArgument);
    if (addr.empty()) return fail("Connect: No IP Address Specified", kWsaInvalidArgument);
    if (proto.empty()) return fail("Connect: No Protocol Specified", kWsaInvalidArgument);
    if (!equalsNoCase(proto, "tcp"))
      return fail("SetProto: Cannot convert protocol '" + proto + "'", kWsaInvalidArgument);
    const auto portValue = portNumber();
    if (!portValue) return fail("SetPort: Cannot convert port '" + port + "'", kWsaInvalidArgument);
    const auto address = hostAddress();
    if (!address) return fail("SetAddr: Cannot convert host address '" + addr + "'", kWsaInvalidArgument);

    ++connectionId;
    closeInvoked = false;
    readArmed = writeArmed = readWaitsForReceive = false;
    sendQueue.clear();
    endTls();
    std::error_code error;
    socket.open(address->is_v4() ? tcp::v4() : tcp::v6(), error);
    if (error) return fail(functionErrorText("socket", toSocketError(error)), toSocketError(error));
    setState(TSocketState::wsOpened);
    if (!owner) return;
    // Closing drops unsent data at once; dead peers are noticed; ports are reused at once.
    socket.set_option(asio::socket_base::linger(true, 0), error);
    socket.set_option(asio::socket_base::keep_alive(true), error);
    socket.set_option(asio::socket_base::reuse_address(true), error);
    socket.non_blocking(true, error);
    setState(TSocketState::wsConnecting);
    if (!owner || state != TSocketState::wsConnecting) return;
    socket.async_connect(tcp::endpoint(*address, *portValue),
                         guarded([](Impl& self, const std::error_code& failure) { self.connected(failure); }));
  }

  void connected(const std::error_code& failure) {
    if (state != TSocketState::wsConnecting) return;
    const SocketError error = toSocketError(failure);
    if (error) {
      lastError = error;
    } else {
      setState(TSocketState::wsConnected);
      if (!owner) return;
    }
    if (!fire(&TCustomWSocket::OnSessionConnected, error)) return;
    if (error) {
      closeConnection(error);
    } else {
      armRead();
    }
  }

  // --- receiving ---

  void armRead() {
    if (readArmed || state != TSocketState::wsConnected) return;
    if (tls) return armTlsRead();
    readArmed = true;
    socket.async_wait(tcp::socket::wait_read,
                      guarded([](Impl& self, const std::error_code& failure) { self.readable(failure); }));
  }

  void readable(const std::error_code& failure) {
    readArmed = false;
    if (state != TSocketState::wsConnected) return;
    if (failure) return closeConnection(toSocketError(failure));
    std::error_code error;
    if (socket.available(error) == 0 && !error) {
      // Readable with nothing to read: the peer has closed, or the connection failed.
      char probe;
      const std::size_t peeked = socket.receive(asio::buffer(&probe, 1), tcp::socket::message_peek, error);
      if (wouldBlock(error)) return armRead();
      if (peeked == 0 || error) return closeConnection(toSocketError(error));
    }
    if (error) return closeConnection(toSocketError(error));
    deliverData();
  }

  void deliverData() {
    while (state == TSocketState::wsConnected) {
      if (waiting() == 0) break;
      if (!owner->OnDataAvailable) {
        readWaitsForReceive = true;
        return;
      }
      const std::uint64_t before = receivedBytes;
      if (!fire(&TCustomWSocket::OnDataAvailable, SocketError{0})) return;
      if (receivedBytes == before) {
        readWaitsForReceive = true;
        return;
      }
    }
    armRead();
  }

  std::ptrdiff_t receiveInto(void* buffer, std::size_t length) {
    if (state != TSocketState::wsConnected) {
      lastError = kWsaNotConnected;
      return -1;
    }
    if (tls) return receiveDecrypted(buffer, length);
    std::error_code error;
    const std::size_t count = socket.receive(asio::buffer(buffer, length), 0, error);
    if (readWaitsForReceive) {
      readWaitsForReceive = false;
      armRead();
    }
    if (error == asio::error::eof) return 0;
    if (error) {
      lastError = wouldBlock(error) ? 10035 : toSocketError(error);
      return -1;
    }
    receivedBytes += count;
    return static_cast<std::ptrdiff_t>(count);
  }

  // --- sending ---

  void send(const char* data, std::size_t length) {
    if (state != TSocketState::wsConnected) return fail(functionErrorText("Send", kWsaNotConnected), kWsaNotConnected);
    const bool wasEmpty = sendQueue.empty();
    sendQueue.append(data, length);
    if (!wasEmpty || writeArmed) return;
    trySend();
    if (owner && state == TSocketState::wsConnected && sendQueue.empty()) {
      // Everything went at once: OnDataSent still comes, from the loop as always.
      asio::post(context, guarded([](Impl& self) {
                   if (self.sendQueue.empty()) self.fire(&TCustomWSocket::OnDataSent, SocketError{0});
                 }));
    }
  }

  void trySend() {
    if (tls) return sendEncrypted();
    while (!sendQueue.empty() && state == TSocketState::wsConnected) {
      const std::string_view pending = sendQueue.front();
      std::error_code error;
      const std::size_t count = socket.send(asio::buffer(pending.data(), pending.size()), 0, error);
      if (wouldBlock(error)) return armWrite();
      if (error) {
        const SocketError code = toSocketError(error);
        lastError = code;
        if (code == kWsaInvalidArgument || code == kWsaNotSocket || code == kWsaConnectionReset ||
            code == kWsaNotConnected) {
          return closeConnection(code);
        }
        return fail(functionErrorText("TryToSend failed", code), code);
      }
      sendQueue.consume(count);
    }
  }

  void armWrite() {
    if (writeArmed) return;
    writeArmed = true;
    socket.async_wait(tcp::socket::wait_write, guarded([](Impl& self, const std::error_code& failure) {
                        self.writeArmed = false;
                        if (failure) return self.closeConnection(toSocketError(failure));
                        self.trySend();
                        if (self.owner && self.state == TSocketState::wsConnected && self.sendQueue.empty()) {
                          self.fire(&TCustomWSocket::OnDataSent, SocketError{0});
                        }
                      }));
  }

  // --- TLS ---

  void startTls(const std::string& hostName) {
    if (state != TSocketState::wsConnected) {
      return fail(functionErrorText("StartTls", kWsaNotConnected), kWsaNotConnected);
    }
    try {
      if (!tlsContext) tlsContext = trustingClientContext();
    } catch (const std::system_error& error) {
      tlsFailure = std::string("the TLS library could not start: ") + error.what();
      lastError = kSecureConnectionFailed;
      if (fire(&TCustomWSocket::OnTlsDone, kSecureConnectionFailed)) closeConnection(kSecureConnectionFailed);
      return;
    }
    // The plain-text waits of this connection are over.
    ++connectionId;
    std::error_code ignored;
    socket.cancel(ignored);
    readArmed = writeArmed = readWaitsForReceive = false;
    endTls();
    tlsFailure.clear();
    tls = std::make_shared<TlsLink>(socket, *tlsContext);
    expectHost(tls->stream.native_handle(), hostName);
    tls->stream.async_handshake(asio::ssl::stream_base::client, tlsGuarded([](Impl& self, const std::error_code& failure) {
                                  self.handshakeDone(failure);
                                }));
  }

  void handshakeDone(const std::error_code& failure) {
    if (failure) {
      tlsFailure = handshakeFailureText(tls->stream.native_handle(), failure);
      lastError = kSecureConnectionFailed;
      if (fire(&TCustomWSocket::OnTlsDone, kSecureConnectionFailed)) closeConnection(kSecureConnectionFailed);
      return;
    }
    tlsReady = true;
    if (!fire(&TCustomWSocket::OnTlsDone, SocketError{0})) return;
    armRead();
    trySend();
  }

  void armTlsRead() {
    if (!tlsReady || waiting() > 0) return;
    readArmed = true;
    tls->stream.async_read_some(asio::buffer(tls->block), tlsGuarded([](Impl& self, const std::error_code& failure,
                                                                          std::size_t count) {
                                  self.readArmed = false;
                                  if (failure) return self.closeConnection(self.tlsErrorOf(failure));
                                  self.inbox.assign(self.tls->block.data(), count);
                                  self.inboxRead = 0;
                                  self.deliverData();
                                }));
  }

  // The end of a TLS connection: a server that just closes (as many do) ends
  // it as well as one that says so first.
  SocketError tlsErrorOf(const std::error_code& error) {
    if (error == asio::error::eof || error == asio::ssl::error::stream_truncated) return 0;
    if (error.category() == asio::error::get_ssl_category()) {
      tlsFailure = "the TLS connection failed: " + error.message();
      return kSecureConnectionFailed;
    }
    return toSocketError(error);
  }

  std::ptrdiff_t receiveDecrypted(void* buffer, std::size_t length) {
    const std::size_t count = std::min(length, waiting());
    if (count == 0) {
      lastError = 10035;
      return -1;
    }
    std::memcpy(buffer, inbox.data() + inboxRead, count);
    inboxRead += count;
    receivedBytes += count;
    if (waiting() == 0) {
      readWaitsForReceive = false;
      armRead();
    } else if (readWaitsForReceive) {
      // The rest is not announced by the network again.
      readWaitsForReceive = false;
      asio::post(context, tlsGuarded([](Impl& self) { self.deliverData(); }));
    }
    return static_cast<std::ptrdiff_t>(count);
  }

  void sendEncrypted() {
    if (!tlsReady || writeArmed || sendQueue.empty()) return;
    writeArmed = true;
    const std::string_view pending = sendQueue.front();
    asio::async_write(tls->stream, asio::buffer(pending.data(), pending.size()),
                      tlsGuarded([](Impl& self, const std::error_code& failure, std::size_t count) {
                        self.writeArmed = false;
                        if (failure) return self.closeConnection(self.tlsErrorOf(failure));
                        self.sendQueue.consume(count);
                        if (!self.sendQueue.empty()) return self.sendEncrypted();
                        self.fire(&TCustomWSocket::OnDataSent, SocketError{0});
                      }));
  }

  void endTls() {
    tls.reset();
    tlsReady = false;
    inbox.clear();
    inboxRead = 0;
  }

  // --- closing ---

  void closeConnection(SocketError error) {
    if (!socket.is_open()) {
      if (state != TSocketState::wsClosed) setState(TSocketState::wsClosed);
      return;
    }
    ++connectionId;
    std::error_code ignored;
    socket.close(ignored);
    sendQueue.clear();
    readArmed = writeArmed = readWaitsForReceive = false;
    endTls();
    setState(TSocketState::wsClosed);
    if (!closeInvoked) {
      closeInvoked = true;
      fire(&TCustomWSocket::OnSessionClosed, error);
    }
  }
};

TCustomWSocket::TCustomWSocket(EventLoop& loop) : impl_(std::make_shared<Impl>(*this, loop.context())) {}

TCustomWSocket::~TCustomWSocket() {
  impl_->owner = nullptr;
  impl_->cancelDnsLookup();
  std::error_code ignored;
  impl_->socket.close(ignored);
}

const std::string& TCustomWSocket::Addr() const { return impl_->addr; }

void TCustomWSocket::SetAddr(const std::string& addr) {
  impl_->requireClosed("Addr");
  impl_->addr = addr;
}

const std::string& TCustomWSocket::Port() const { return impl_->port; }

void TCustomWSocket::SetPort(const std::string& port) {
  impl_->requireClosed("Port");
  impl_->port = port;
}

const std::string& TCustomWSocket::Proto() const { return impl_->proto; }

void TCustomWSocket::SetProto(const std::string& proto) {
  impl_->requireClosed("Proto");
  impl_->proto = proto;
}

const std::string& TCustomWSocket::DnsResult() const { return impl_->dnsResult; }
const std::vector<std::string>& TCustomWSocket::DnsResultList() const { return impl_->dnsResultList; }
TSocketState TCustomWSocket::State() const { return impl_->state; }
SocketError TCustomWSocket::LastError() const { return impl_->lastError; }

std::size_t TCustomWSocket::RcvdCount() const {
  return impl_->socket.is_open() ? impl_->waiting() : 0;
}

void TCustomWSocket::DnsLookup(const std::string& hostName) {
  const auto keepAlive = impl_;  // an event handler may destroy the component
  keepAlive->dnsLookup(hostName);
}
void TCustomWSocket::CancelDnsLookup() { impl_->cancelDnsLookup(); }
void TCustomWSocket::Connect() {
  const auto keepAlive = impl_;  // an event handler may destroy the component
  keepAlive->connect();
}

void TCustomWSocket::SendBuffer(const void* data, std::size_t length) {
  const auto keepAlive = impl_;
  keepAlive->send(static_cast<const char*>(data), length);
}

void TCustomWSocket::SendText(std::string_view text) { SendBuffer(text.data(), text.size()); }

std::ptrdiff_t TCustomWSocket::ReceiveInto(void* buffer, std::size_t length) {
  return impl_->receiveInto(buffer, length);
}

void TCustomWSocket::StartTls(const std::string& hostName) {
  const auto keepAlive = impl_;  // an event handler may destroy the component
  keepAlive->startTls(hostName);
}

const std::string& TCustomWSocket::TlsFailure() const { return impl_->tlsFailure; }

void TCustomWSocket::Close() {
  const auto keepAlive = impl_;  // an event handler may destroy the component
  keepAlive->closeConnection(0);
}

}  // namespace quillon::net
