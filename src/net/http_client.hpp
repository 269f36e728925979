#pragma once
// An HTTP/1.0 client that performs one request at a time over the non-blocking
// socket, plain or TLS: it sends the request, reads the response header,
// follows redirections and hands the body to its owner, its chunks joined and
// its compression undone, through events and an optional stream. Every part of
// a response it reads has a limit, and passing one fails the request.
// Everything runs on the thread of its event loop; the synchronous GET runs
// the loop until the request is over.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "net/chunked_decoder.hpp"
#include "net/content_decoder.hpp"
#include "net/event_loop.hpp"
#include "net/http_target.hpp"
#include "net/message_pump.hpp"
#include "net/one_shot_timer.hpp"
#include "net/receive_buffer.hpp"
#include "net/wsocket.hpp"

namespace quillon::net {

enum class THttpRequest { None, Get, Post, Head };
enum class THttpState { Ready, Connecting, ResolvingName, WaitingHeader, WaitingBody, Aborting };

// The client's own error numbers, passed to OnRequestDone and kept in
// LastErrorCode beside the socket error numbers.
inline constexpr std::uint16_t kHttpErrBusy = 1;
inline constexpr std::uint16_t kHttpErrNothingToPost = 2;
inline constexpr std::uint16_t kHttpErrAborted = 3;
inline constexpr std::uint16_t kHttpErrHeaderLineTooLong = 4;
inline constexpr std::uint16_t kHttpErrTooManyRedirections = 5;
inline constexpr std::uint16_t kHttpErrBadResponse = 6;
inline constexpr std::uint16_t kHttpErrIncompleteDocument = 7;
inline constexpr std::uint16_t kHttpErrCannotFollow = 8;
inline constexpr std::uint16_t kHttpErrStreamFailed = 9;
inline constexpr std::uint16_t kHttpErrHeaderTooLarge = 10;
inline constexpr std::uint16_t kHttpErrDocumentTooLarge = 11;
inline constexpr std::uint16_t kHttpErrCannotDecode = 12;
inline constexpr std::uint16_t kHttpErrTunnelRefused = 13;
inline constexpr std::uint16_t kHttpErrUnsupportedAddress = 14;
// A failed TLS handshake or TLS connection: kSecureConnectionFailed (20001).

// Who is asking, without any way to contact its user.
inline constexpr const char* kDefaultAgent = "Quillon/5.3 (site-navigation menu authoring tool)";

inline constexpr int kMaxRedirections = 20;

class THttpCli {
 public:
  using TNotifyEvent = std::function<void(THttpCli& sender)>;
  using TOnCommand = std::function<void(THttpCli& sender, const std::string& text)>;
  using TDocDataEvent = std::function<void(THttpCli& sender, const char* buffer, std::size_t length)>;
  using THttpRequestDone = std::function<void(THttpCli& sender, THttpRequest request, std::uint16_t error)>;

  // The loop must outlive the client.
  explicit THttpCli(EventLoop& loop);
  ~THttpCli();
  THttpCli(const THttpCli&) = delete;
  THttpCli& operator=(const THttpCli&) = delete;

  // --- settings, read when a request starts ---
  std::string URL;
  std::string Proxy;  // empty: a direct connection; may be written as host:port
  std::string ProxyPort = "80";
  std::string Sender;
  std::string Agent = kDefaultAgent;
  std::string Reference;
  std::string Username;
  std::string Password;
  bool NoCache = false;
  std::optional<std::chrono::sys_seconds> ModifiedSince;
  std::string Cookie;
  std::string ContentTypePost = "application/x-www-form-urlencoded";
  // Makes the synchronous call serve only the network events, whatever Pump is.
  bool MultiThreaded = false;
  // What the synchronous call runs while it waits; none: the network events only.
  MessagePump* Pump = nullptr;
  // Limits on waiting for a connection (lookup included) and for the server to
  // say something; zero waits without limit.
  std::chrono::milliseconds ConnectTimeout{std::chrono::seconds(30)};
  std::chrono::milliseconds IdleTimeout{std::chrono::seconds(30)};
  // Limit on the whole request, redirections included: a server that sends a
  // little now and then still ends by then. Zero waits without limit.
  std::chrono::milliseconds RequestTimeout{std::chrono::seconds(120)};
  // Limits on a response header: its bytes and its lines.
  std::size_t MaxHeaderSize = 64 * 1024;
  int MaxHeaderLines = 256;
  // Limit on a document as it reaches the events, after decoding; zero: none.
  std::int64_t MaxBodySize = 16 * 1024 * 1024;
  // Every body block is also written here when set (it may be set in OnDocBegin).
  std::ostream* ReceiveStream = nullptr;
  // The content of a POST, sent from its current position to its end.
  std::istream* PostStream = nullptr;

  // --- events ---
  TNotifyEvent OnStateChange;
  TOnCommand OnCommand;  // each line of the request, the final empty one included
  TNotifyEvent OnHeaderBegin;
  TNotifyEvent OnHeaderData;  // after each received header line (the last of ResponseHeaders)
  TNotifyEvent OnHeaderEnd;
  TNotifyEvent OnDocBegin;
  TDocDataEvent OnDocData;
  TNotifyEvent OnDocEnd;
  TNotifyEvent OnSendBegin;
  TDocDataEvent OnSendData;
  TNotifyEvent OnSendEnd;
  TNotifyEvent OnLocationChange;  // Location tells the new address
  THttpRequestDone OnRequestDone;

  // Synchronous GET: runs the pump until the request is over, then raises
  // EHttpException (ResponseText, ResponseCode) when ResponseCode is 400 or more.
  void RequestGet();
  // Starts a GET, POST or HEAD and returns at once. Raises EHttpException
  // "HTTP component is busy" (1) unless Ready, "HTTP component has nothing to
  // post" (2) for a POST without PostStream.
  void StartRequest(THttpRequest request);
  // Ends the request in progress with "Connection aborted on request".
  void CancelRequest();

  // --- state of the last request ---
  THttpState State() const { return state_; }
  // The status code, or 404 for every local failure; 0 until a response says otherwise.
  int ResponseCode() const { return responseCode_; }
  const std::string& ResponseText() const { return responseText_; }
  const std::string& DocumentName() const { return documentName_; }
  // The address of the current request, redirections followed, as sent:
  // percent-encoded where needed and without a "#" part.
  std::string Location() const { return location_.text(); }
  // The "content-length" value of the response (the bytes sent, before any
  // decoding); -1 when it gave none.
  std::int64_t BodyLength() const { return bodyLength_; }
  const std::string& BodyType() const { return bodyType_; }
  const std::vector<std::string>& ResponseHeaders() const { return responseHeaders_; }
  const std::vector<std::string>& AuthenticateList() const { return authenticateList_; }
  // Bytes of the document handed to the events, after decoding.
  std::int64_t ReceivedBytes() const { return receivedBytes_; }
  std::uint16_t LastErrorCode() const { return lastErrorCode_; }

 private:
  void setState(THttpState state);
  void post(void (THttpCli::*message)());
  void startConnection();
  void dnsLookupDone(SocketError error);
  void sessionConnected(SocketError error);
  void tlsDone(SocketError error);
  void beginExchange();
  void sendTunnelRequest();
  void tunnelData();
  std::optional<std::string> nextHeaderLine();
  void sendRequest();
  void sendNextPostBlock();
  void dataAvailable();
  void headerLine(const std::string& line);
  void headerEnded();
  bool startBody();
  void bodyBlock(const char* data, std::size_t length);
  bool decodeBody(std::string_view payload);
  bool deliverDocument(const char* data, std::size_t length);
  std::string documentTooLarge() const;
  std::string connectionFailure(SocketError error) const;
  void deadlinePassed();
  void sessionClosed(SocketError error);
  void connectionEnded();
  void fail(int code, const std::string& text, std::uint16_t error);
  void failAndClose(const std::string& text, std::uint16_t error);
  void connectTimedOut();
  void restartIdleTimer();
  void socketError(SocketError error);
  bool receiving() const;
  bool bodyExpected() const;
  // Posted messages.
  void readyMessage();
  void restartMessage();

  EventLoop& loop_;
  TWSocket socket_;
  OneShotTimer connectTimer_;
  OneShotTimer idleTimer_;
  OneShotTimer deadlineTimer_;
  NetworkPump networkPump_;
  // Posted messages hold this weakly, so a message for a gone client does nothing.
  std::shared_ptr<THttpCli*> self_;

  THttpState state_ = THttpState::Ready;
  THttpRequest requestType_ = THttpRequest::None;
  // Messages of an earlier request are ignored.
  std::uint64_t requestSerial_ = 0;
  // The last request whose OnRequestDone has fired.
  std::uint64_t doneSerial_ = 0;
  WebLocation location_;
  ProxySetting proxy_;
  RequestTarget target_;
  std::string username_;
  std::string password_;

  int responseCode_ = 0;
  std::string responseText_;
  std::string documentName_;
  std::int64_t bodyLength_ = -1;
  std::string bodyType_;
  std::vector<std::string> responseHeaders_;
  std::vector<std::string> authenticateList_;
  std::int64_t receivedBytes_ = 0;
  std::uint16_t lastErrorCode_ = 0;

  ReceiveBuffer buffer_;
  std::size_t headerBytes_ = 0;
  int headerLines_ = 0;
  bool tunnelling_ = false;
  std::string transferEncoding_;
  std::string contentEncoding_;
  std::optional<ChunkedDecoder> chunks_;
  std::optional<ContentDecoder> decoder_;
  // Body bytes as sent, before the chunks are joined or anything decoded.
  std::int64_t bodyBytesSent_ = 0;
  bool lookupRunning_ = false;
  bool statusLineSeen_ = false;
  bool firstResponseLine_ = true;
  bool docBegun_ = false;
  bool failed_ = false;
  bool endPosted_ = false;
  bool sendingPost_ = false;
  bool postAsGet_ = false;
  std::istream::pos_type postStart_ = 0;
  bool socketErrorRaised_ = false;
  std::optional<std::string> pendingLocation_;
  std::optional<WebLocation> redirectTo_;
  int redirections_ = 0;
};

}  // namespace quillon::net
