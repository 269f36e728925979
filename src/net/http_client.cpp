#include "net/http_client.hpp"

#include <istream>
#include <ostream>
#include <variant>

#include "net/document_name.hpp"
#include "net/http_header_parser.hpp"
#include "net/http_request_text.hpp"
#include "net/net_exceptions.hpp"
#include "net/url_parser.hpp"

namespace quillon::net {
namespace {

std::string withErrorNumber(SocketError error) {
  return socketErrorDesc(error) + " (Error #" + std::to_string(error) + ")";
}

std::string durationText(std::chrono::milliseconds duration) {
  const auto count = duration.count();
  return count % 1000 == 0 ? std::to_string(count / 1000) + " s" : std::to_string(count) + " ms";
}

const char* methodName(THttpRequest request) {
  switch (request) {
    case THttpRequest::Post: return "POST";
    case THttpRequest::Head: return "HEAD";
    default: return "GET";
  }
}

// What remains of a stream from its current position; nothing when it cannot seek.
std::optional<std::uint64_t> remainingSize(std::istream& stream) {
  const auto start = stream.tellg();
  if (start < 0 || !stream.seekg(0, std::ios::end)) return std::nullopt;
  const auto end = stream.tellg();
  stream.seekg(start);
  if (end < start) return std::nullopt;
  return static_cast<std::uint64_t>(end - start);
}

}  // namespace

THttpCli::THttpCli(EventLoop& loop)
    : loop_(loop),
      socket_(loop),
      connectTimer_(loop),
      idleTimer_(loop),
      networkPump_(loop),
      self_(std::make_shared<THttpCli*>(this)) {
  socket_.OnDnsLookupDone = [this](TCustomWSocket&, SocketError error) { dnsLookupDone(error); };
  socket_.OnSessionConnected = [this](TCustomWSocket&, SocketError error) { sessionConnected(error); };
  socket_.OnDataAvailable = [this](TCustomWSocket&, SocketError) { dataAvailable(); };
  socket_.OnSessionClosed = [this](TCustomWSocket&, SocketError error) { sessionClosed(error); };
  socket_.OnDataSent = [this](TCustomWSocket&, SocketError) {
    restartIdleTimer();
    if (sendingPost_) sendNextPostBlock();
  };
  socket_.OnError = [this](TCustomWSocket& socket) { socketError(socket.LastError()); };
}

THttpCli::~THttpCli() = default;

// --- starting ---

void THttpCli::RequestGet() {
  StartRequest(THttpRequest::Get);
  const std::uint64_t serial = requestSerial_;
  MessagePump& pump = (MultiThreaded || Pump == nullptr) ? static_cast<MessagePump&>(networkPump_) : *Pump;
  while (doneSerial_ != serial) pump.pump();
  if (responseCode_ >= 400) throw EHttpException(responseText_, responseCode_);
}

void THttpCli::StartRequest(THttpRequest request) {
  if (state_ != THttpState::Ready) throw EHttpException("HTTP component is busy", kHttpErrBusy);
  if (request == THttpRequest::Post && PostStream == nullptr) {
    throw EHttpException("HTTP component has nothing to post", kHttpErrNothingToPost);
  }
  ++requestSerial_;
  requestType_ = request;
  responseHeaders_.clear();
  authenticateList_.clear();
  lastErrorCode_ = 0;
  responseCode_ = 0;
  responseText_.clear();
  receivedBytes_ = 0;
  bodyLength_ = -1;
  bodyType_.clear();
  failed_ = endPosted_ = docBegun_ = sendingPost_ = false;
  redirections_ = 0;
  pendingLocation_.reset();
  redirectTo_.reset();

  const ParsedURL url = parseURL(URL);
  location_ = webLocationOf(url);
  proxy_ = proxySettingOf(Proxy, ProxyPort);
  target_ = requestTargetFor(location_, proxy_);
  const bool credentialsInURL = !url.user.empty() || !url.password.empty();
  username_ = credentialsInURL ? url.user : Username;
  password_ = credentialsInURL ? url.password : Password;
  documentName_ = documentName(url.path);

  setState(THttpState::Connecting);
  if (state_ == THttpState::Connecting) startConnection();
}

void THttpCli::startConnection() {
  setState(THttpState::ResolvingName);
  if (state_ != THttpState::ResolvingName) return;
  if (ConnectTimeout.count() > 0) connectTimer_.start(ConnectTimeout, [this] { connectTimedOut(); });
  lookupRunning_ = true;
  socket_.DnsLookup(target_.connectHost);
}

void THttpCli::dnsLookupDone(SocketError error) {
  const bool wasRunning = lookupRunning_;
  lookupRunning_ = false;
  if (!wasRunning || state_ != THttpState::ResolvingName) return;
  if (error) {
    fail(404, "can't resolve hostname to IP address", error);
    connectionEnded();
    return;
  }
  setState(THttpState::Connecting);
  if (state_ != THttpState::Connecting) return;
  socketErrorRaised_ = false;
  socket_.SetAddr(socket_.DnsResult());
  socket_.SetPort(target_.connectPort);
  socket_.SetProto("tcp");
  socket_.Connect();
  if (socketErrorRaised_) {
    const SocketError connectError = socket_.LastError();
    fail(404, "can't connect: " + withErrorNumber(connectError), connectError);
    socket_.Close();
    connectionEnded();
  }
}

void THttpCli::connectTimedOut() {
  if (state_ != THttpState::ResolvingName && state_ != THttpState::Connecting) return;
  if (lookupRunning_) {
    socket_.CancelDnsLookup();
    lookupRunning_ = false;
    fail(404, "can't resolve hostname to IP address: no answer after " + durationText(ConnectTimeout), kWsaTimedOut);
    connectionEnded();
    return;
  }
  fail(404, "can't connect: Connection timed out after " + durationText(ConnectTimeout) + " (Error #10060)",
       kWsaTimedOut);
  if (socket_.State() == TSocketState::wsClosed) {
    connectionEnded();
  } else {
    socket_.Close();
  }
}

void THttpCli::sessionConnected(SocketError error) {
  if (state_ != THttpState::Connecting) return;
  connectTimer_.cancel();
  if (error) {
    fail(404, withErrorNumber(error), error);
    connectionEnded();
    return;
  }
  setState(THttpState::WaitingHeader);
  if (state_ != THttpState::WaitingHeader) return;
  buffer_.clear();
  firstResponseLine_ = true;
  statusLineSeen_ = false;
  pendingLocation_.reset();
  bodyLength_ = -1;
  bodyType_.clear();
  restartIdleTimer();
  sendRequest();
}

// --- sending ---

void THttpCli::sendRequest() {
  RequestHeaderInput input;
  input.method = methodName(requestType_);
  input.requestPath = target_.requestPath;
  input.hostName = target_.hostName;
  input.sender = Sender;
  input.reference = Reference;
  input.agent = Agent;
  input.contentTypePost = ContentTypePost;
  if (requestType_ == THttpRequest::Post) input.postLength = remainingSize(*PostStream).value_or(0);
  input.noCache = NoCache;
  input.modifiedSince = ModifiedSince;
  input.username = username_;
  input.password = password_;
  input.cookie = Cookie;
  const std::vector<std::string> lines = requestLines(input);

  if (OnHeaderBegin) OnHeaderBegin(*this);
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i + 1 == lines.size() && OnHeaderEnd) OnHeaderEnd(*this);
    if (OnCommand) OnCommand(*this, lines[i]);
    text += lines[i];
    text += "\r\n";
  }
  if (!receiving()) return;
  sendingPost_ = requestType_ == THttpRequest::Post;
  socket_.SendText(text);
  if (sendingPost_ && OnSendBegin) OnSendBegin(*this);
}

void THttpCli::sendNextPostBlock() {
  if (!receiving()) return;
  char block[ReceiveBuffer::kSize];
  PostStream->read(block, sizeof block);
  const auto count = static_cast<std::size_t>(PostStream->gcount());
  if (count == 0) {
    sendingPost_ = false;
    if (OnSendEnd) OnSendEnd(*this);
    return;
  }
  if (OnSendData) OnSendData(*this, block, count);
  if (receiving()) socket_.SendBuffer(block, count);
}

// --- receiving ---

bool THttpCli::receiving() const {
  return (state_ == THttpState::WaitingHeader || state_ == THttpState::WaitingBody) &&
         socket_.State() == TSocketState::wsConnected;
}

void THttpCli::restartIdleTimer() {
  if (IdleTimeout.count() <= 0) return;
  idleTimer_.start(IdleTimeout, [this] {
    if (!receiving()) return;
    failAndClose("Connection timed out: the server sent nothing for " + durationText(IdleTimeout) + " (Error #10060)",
                 kWsaTimedOut);
  });
}

void THttpCli::dataAvailable() {
  if (!receiving()) return;
  if (state_ == THttpState::WaitingBody) {
    char block[ReceiveBuffer::kSize];
    const auto count = socket_.ReceiveInto(block, sizeof block - 1);
    if (count <= 0) return;
    restartIdleTimer();
    bodyBlock(block, static_cast<std::size_t>(count));
    return;
  }
  const std::span<char> space = buffer_.freeSpace();
  const auto count = socket_.ReceiveInto(space.data(), space.size());
  if (count <= 0) return;
  buffer_.commit(static_cast<std::size_t>(count));
  restartIdleTimer();
  while (state_ == THttpState::WaitingHeader && receiving()) {
    const std::optional<std::string> line = buffer_.takeLine();
    if (!line) break;
    headerLine(*line);
  }
  // A line that fills the whole buffer can never be completed.
  if (state_ == THttpState::WaitingHeader && receiving() && buffer_.full()) {
    failAndClose("Response header line longer than " + std::to_string(ReceiveBuffer::kSize - 1) + " bytes",
                 kHttpErrHeaderLineTooLong);
  }
}

void THttpCli::headerLine(const std::string& line) {
  if (firstResponseLine_) {
    firstResponseLine_ = false;
    if (OnHeaderBegin) OnHeaderBegin(*this);
    if (!receiving()) return;
  }
  if (line.empty()) {
    headerEnded();
    return;
  }
  responseHeaders_.push_back(line);
  if (!statusLineSeen_) {
    statusLineSeen_ = true;
    if (const auto status = parseStatusLine(line)) {
      responseCode_ = status->code;
      responseText_ = status->text;
    } else {
      fail(404, "Bad response from the server: no HTTP status line", kHttpErrBadResponse);
    }
  } else if (const auto field = parseHeaderField(line)) {
    if (field->name == "location") {
      if (!field->value.empty()) pendingLocation_ = field->value;
    } else if (field->name == "content-length") {
      bodyLength_ = parseContentLength(field->value).value_or(-1);
    } else if (field->name == "content-type") {
      bodyType_ = field->value;
    } else if (field->name == "www-authenticate") {
      authenticateList_.push_back(field->value);
    }
  }
  if (OnHeaderData) OnHeaderData(*this);
  // The rest of an error answer is not read.
  if (receiving() && responseCode_ >= 400) socket_.Close();
}

void THttpCli::headerEnded() {
  if (!statusLineSeen_) {
    failAndClose("Bad response from the server: no HTTP status line", kHttpErrBadResponse);
    return;
  }
  if (pendingLocation_) {
    if (redirections_ >= kMaxRedirections) {
      failAndClose("Too many redirections (more than " + std::to_string(kMaxRedirections) + ")",
                   kHttpErrTooManyRedirections);
      return;
    }
    auto next = resolveRedirection(location_, *pendingLocation_, !proxy_.host.empty());
    if (const auto* refusal = std::get_if<std::string>(&next)) {
      failAndClose(*refusal, kHttpErrCannotFollow);
      return;
    }
    ++redirections_;
    redirectTo_ = std::get<WebLocation>(std::move(next));
    socket_.Close();
    return;
  }
  documentName_ = documentNameForType(documentName_, bodyType_);
  setState(THttpState::WaitingBody);
  if (state_ != THttpState::WaitingBody) return;
  if (OnHeaderEnd) OnHeaderEnd(*this);
  if (!receiving()) return;
  const std::string rest = buffer_.takeRest();
  if (!rest.empty()) bodyBlock(rest.data(), rest.size());
}

void THttpCli::bodyBlock(const char* data, std::size_t length) {
  if (!docBegun_) {
    docBegun_ = true;
    if (OnDocBegin) OnDocBegin(*this);
    if (!receiving()) return;
  }
  receivedBytes_ += static_cast<std::int64_t>(length);
  if (OnDocData) OnDocData(*this, data, length);
  if (!receiving() || ReceiveStream == nullptr) return;
  ReceiveStream->write(data, static_cast<std::streamsize>(length));
  if (!*ReceiveStream) failAndClose("can't write the document: its stream failed", kHttpErrStreamFailed);
}

bool THttpCli::bodyExpected() const {
  return requestType_ != THttpRequest::Head && responseCode_ >= 200 && responseCode_ != 204 && responseCode_ != 304;
}

// --- ending ---

void THttpCli::socketError(SocketError error) {
  socketErrorRaised_ = true;
  if (receiving()) failAndClose(withErrorNumber(error), error);
}

void THttpCli::fail(int code, const std::string& text, std::uint16_t error) {
  if (failed_) return;
  failed_ = true;
  responseCode_ = code;
  responseText_ = text;
  lastErrorCode_ = error;
}

void THttpCli::failAndClose(const std::string& text, std::uint16_t error) {
  fail(404, text, error);
  if (socket_.State() == TSocketState::wsClosed) {
    connectionEnded();
  } else {
    socket_.Close();
  }
}

void THttpCli::sessionClosed(SocketError error) {
  idleTimer_.cancel();
  if (redirectTo_) {
    location_ = *redirectTo_;
    redirectTo_.reset();
    target_ = requestTargetFor(location_, proxy_);
    if (OnLocationChange) OnLocationChange(*this);
    post(&THttpCli::restartMessage);
    return;
  }
  if (state_ != THttpState::Aborting && !endPosted_) {
    if (error) {
      fail(404, withErrorNumber(error), error);
    } else if (state_ == THttpState::WaitingHeader && responseCode_ < 400) {
      fail(404, "Connection closed by the server before the end of the response header", kHttpErrBadResponse);
    } else if (state_ == THttpState::WaitingBody && bodyExpected() && bodyLength_ >= 0 &&
               receivedBytes_ < bodyLength_) {
      fail(404,
           "Connection closed after " + std::to_string(receivedBytes_) + " of " + std::to_string(bodyLength_) +
               " bytes of the document",
           kHttpErrIncompleteDocument);
    }
  }
  connectionEnded();
}

void THttpCli::connectionEnded() {
  if (endPosted_) return;
  endPosted_ = true;
  connectTimer_.cancel();
  idleTimer_.cancel();
  sendingPost_ = false;
  if (docBegun_ && OnDocEnd) OnDocEnd(*this);
  post(&THttpCli::readyMessage);
}

void THttpCli::CancelRequest() {
  if (state_ == THttpState::Ready) {
    if (socket_.State() != TSocketState::wsClosed) socket_.Close();
    return;
  }
  if (state_ == THttpState::Aborting) return;
  const bool wasLookingUp = lookupRunning_;
  setState(THttpState::Aborting);
  if (wasLookingUp) {
    socket_.CancelDnsLookup();
    lookupRunning_ = false;
  }
  responseCode_ = 404;
  responseText_ = "Connection aborted on request";
  lastErrorCode_ = kHttpErrAborted;
  failed_ = true;
  redirectTo_.reset();
  if (wasLookingUp || socket_.State() == TSocketState::wsClosed) {
    connectionEnded();
  } else {
    socket_.Close();
  }
}

// --- messages ---

void THttpCli::setState(THttpState state) {
  state_ = state;
  if (OnStateChange) OnStateChange(*this);
}

void THttpCli::post(void (THttpCli::*message)()) {
  loop_.post([weak = std::weak_ptr<THttpCli*>(self_), serial = requestSerial_, message] {
    const auto self = weak.lock();
    if (self && (*self)->requestSerial_ == serial) ((*self)->*message)();
  });
}

void THttpCli::restartMessage() {
  if (state_ == THttpState::WaitingHeader) startConnection();
}

void THttpCli::readyMessage() {
  // The done message is posted before the state change is announced, so that a
  // request started from OnStateChange does not swallow it.
  loop_.post([weak = std::weak_ptr<THttpCli*>(self_), serial = requestSerial_, request = requestType_,
              error = lastErrorCode_] {
    const auto self = weak.lock();
    if (!self) return;
    THttpCli& client = **self;
    client.doneSerial_ = serial;
    if (client.OnRequestDone) client.OnRequestDone(client, request, error);
  });
  setState(THttpState::Ready);
}

}  // namespace quillon::net
