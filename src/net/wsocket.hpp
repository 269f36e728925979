#pragma once
// A TCP socket that never blocks. Name lookup, connect, send and receive
// report back as events that run on the thread of the component's event loop,
// in the order the operating system saw them happen.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "net/event_loop.hpp"
#include "net/socket_errors.hpp"

namespace quillon::net {

enum class TSocketState {
  wsInvalidState,
  wsOpened,
  wsBound,
  wsConnecting,
  wsConnected,
  wsAccepting,
  wsListening,
  wsClosed
};

// The error of a failed TLS handshake or TLS connection: not a Windows
// Sockets number, its text is the socket's TlsFailure().
inline constexpr SocketError kSecureConnectionFailed = 20001;

class TCustomWSocket {
 public:
  using TSocketEvent = std::function<void(TCustomWSocket& sender, SocketError error)>;
  using TChangeStateEvent = std::function<void(TCustomWSocket& sender, TSocketState oldState, TSocketState newState)>;
  using TNotifyEvent = std::function<void(TCustomWSocket& sender)>;

  // The loop must outlive the socket.
  explicit TCustomWSocket(EventLoop& loop);
  virtual ~TCustomWSocket();
  TCustomWSocket(const TCustomWSocket&) = delete;
  TCustomWSocket& operator=(const TCustomWSocket&) = delete;

  // Host name or dotted address, port number or service name, and protocol;
  // they can change only while the socket is closed.
  const std::string& Addr() const;
  void SetAddr(const std::string& addr);
  const std::string& Port() const;
  void SetPort(const std::string& port);
  const std::string& Proto() const;
  void SetProto(const std::string& proto);

  // The first address and all addresses of the last lookup, in dotted form.
  const std::string& DnsResult() const;
  const std::vector<std::string>& DnsResultList() const;
  TSocketState State() const;
  SocketError LastError() const;
  // Bytes received and waiting to be read.
  std::size_t RcvdCount() const;

  // Answers through OnDnsLookupDone: at once for a dotted address, later for a name.
  void DnsLookup(const std::string& hostName);
  void CancelDnsLookup();
  // Starts connecting to Addr and Port; OnSessionConnected tells how it went.
  void Connect();
  // Queues the bytes and sends what the system takes now; OnDataSent follows
  // once everything queued has gone.
  void SendBuffer(const void* data, std::size_t length);
  void SendText(std::string_view text);
  // Reads what is waiting, at most length bytes. Returns the count, 0 at the end
  // of the stream, or -1 on an error (LastError tells which; 10035 when nothing waits).
  std::ptrdiff_t ReceiveInto(void* buffer, std::size_t length);
  // Drops the connection at once, unsent data included; OnSessionClosed fires
  // once per connection, here if it has not fired yet.
  void Close();
  // Turns the connected socket into a TLS one whose certificate must be
  // trusted and name hostName; OnTlsDone tells how it went, and sending and
  // receiving then carry plain text as before.
  void StartTls(const std::string& hostName);
  // Why the last TLS handshake or TLS connection failed.
  const std::string& TlsFailure() const;

  TSocketEvent OnDataAvailable;
  TSocketEvent OnDataSent;
  TSocketEvent OnSessionClosed;
  TSocketEvent OnSessionConnected;
  TSocketEvent OnDnsLookupDone;
  TSocketEvent OnTlsDone;  // 0, or kSecureConnectionFailed (TlsFailure tells why)
  TChangeStateEvent OnChangeState;
  // Takes a failed operation's error (read LastError) instead of an ESocketException.
  TNotifyEvent OnError;

 private:
  struct Impl;
  std::shared_ptr<Impl> impl_;
};

// The component as programs place it.
class TWSocket final : public TCustomWSocket {
 public:
  using TCustomWSocket::TCustomWSocket;
};

}  // namespace quillon::net
