#include "net/http_client.hpp"

#include <istream>
#include <ostream>
#include <variant>

#include "net/ascii.hpp"
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

// "64 KB", "16 MB", or the number of bytes when neither fits.
std::string sizeText(std::uint64_t bytes) {
  constexpr std::uint64_t kKilo = 1024;
  if (bytes >= kKilo * kKilo && bytes % (kKilo * kKilo) == 0) return std::to_string(bytes / (kKilo * kKilo)) + " MB";
  if (bytes >= kKilo && bytes % kKilo == 0) return std::to_string(bytes / kKilo) + " KB";
  return std::to_string(bytes) + " bytes";
}

// A value from the server quoted in a message, cut short when it is long.
std::string quoted(std::string_view value) {
  constexpr std::size_t kLongest = 40;
  return "\"" + std::string(value.substr(0, kLongest)) + (value.size() > kLongest ? "...\"" : "\"");
}

// The answers that send the client on to their Location.
bool isRedirection(int code) {
  return code == 300 || code == 301 || code == 302 || code == 303 || code == 307 || code == 308;
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
      deadlineTimer_(loop),
      networkPump_(loop),
      self_(std::make_shared<THttpCli*>(this)) {
  socket_.OnDnsLookupDone = [this](TCustomWSocket&, SocketError error) { dnsLookupDone(error); };
  socket_.OnSessionConnected = [this](TCustomWSocket&, SocketError error) { sessionConnected(error); };
  socket_.OnDataAvailable = [this](TCustomWSocket&, SocketError) { dataAvailable(); };
  socket_.OnSessionClosed = [this](TCustomWSocket&, SocketError error) { sessionClosed(error); };
  socket_.OnTlsDone = [this](TCustomWSocket&, SocketError error) { tlsDone(error); };
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
  failed_ = endPosted_ = docBegun_ = sendingPost_ = postAsGet_ = false;
  if (request == THttpRequest::Post) postStart_ = PostStream->tellg();
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
  if (state_ != THttpState::Connecting) return;
  if (const auto problem = addressProblem(location_, !proxy_.host.empty())) {
    fail(404, *problem, kHttpErrUnsupportedAddress);
    connectionEnded();
    return;
  }
  if (RequestTimeout.count() > 0) deadlineTimer_.start(RequestTimeout, [this] { deadlinePassed(); });
  startConnection();
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
    fail(404, "can't connect: " + connectionFailure(connectError), connectError);
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

void THttpCli::deadlinePassed() {
  if (state_ == THttpState::Ready || state_ == THttpState::Aborting || endPosted_) return;
  const std::string text = "Request timed out: no complete answer within " + durationText(RequestTimeout) +
                           " (Error #" + std::to_string(kWsaTimedOut) + ")";
  redirectTo_.reset();
  if (lookupRunning_) {
    socket_.CancelDnsLookup();
    lookupRunning_ = false;
    fail(404, text, kWsaTimedOut);
    connectionEnded();
    return;
  }
  failAndClose(text, kWsaTimedOut);
}

void THttpCli::sessionConnected(SocketError error) {
  if (state_ != THttpState::Connecting) return;
  if (error) {
    connectTimer_.cancel();
    fail(404, connectionFailure(error), error);
    connectionEnded();
    return;
  }
  // The connect limit also covers the tunnel and the TLS handshake.
  if (!target_.tunnelTo.empty()) return sendTunnelRequest();
  if (target_.secure) return socket_.StartTls(target_.tlsHost);
  connectTimer_.cancel();
  beginExchange();
}

void THttpCli::tlsDone(SocketError error) {
  if (state_ != THttpState::Connecting) return;
  if (error) {
    fail(404, "can't connect securely to " + location_.host + ": " + socket_.TlsFailure(), error);
    return;  // the socket closes, which ends the request
  }
  connectTimer_.cancel();
  beginExchange();
}

void THttpCli::beginExchange() {
  setState(THttpState::WaitingHeader);
  if (state_ != THttpState::WaitingHeader) return;
  buffer_.clear();
  headerBytes_ = 0;
  headerLines_ = 0;
  firstResponseLine_ = true;
  statusLineSeen_ = false;
  pendingLocation_.reset();
  bodyLength_ = -1;
  bodyType_.clear();
  transferEncoding_.clear();
  contentEncoding_.clear();
  chunks_.reset();
  decoder_.reset();
  bodyBytesSent_ = 0;
  restartIdleTimer();
  sendRequest();
}

// --- the tunnel through a proxy ---

void THttpCli::sendTunnelRequest() {
  tunnelling_ = true;
  buffer_.clear();
  headerBytes_ = 0;
  headerLines_ = 0;
  statusLineSeen_ = false;
  std::string text = "CONNECT " + target_.tunnelTo + " HTTP/1.0\r\nHost: " + target_.tunnelTo + "\r\n";
  if (!Agent.empty()) text += "User-Agent: " + Agent + "\r\n";
  socket_.SendText(text + "\r\n");
}

void THttpCli::tunnelData() {
  if (state_ != THttpState::Connecting || socket_.State() != TSocketState::wsConnected) return;
  const std::span<char> space = buffer_.freeSpace();
  const auto count = socket_.ReceiveInto(space.data(), space.size());
  if (count <= 0) return;
  buffer_.commit(static_cast<std::size_t>(count));
  while (tunnelling_ && socket_.State() == TSocketState::wsConnected) {
    const std::optional<std::string> line = nextHeaderLine();
    if (!line) return;
    if (!statusLineSeen_) {
      statusLineSeen_ = true;
      const auto status = parseStatusLine(*line);
      if (!status || status->code != 200) {
        failAndClose("the proxy refused the tunnel to " + target_.tunnelTo + ": " + quoted(*line),
                     kHttpErrTunnelRefused);
        return;
      }
    } else if (line->empty()) {
      tunnelling_ = false;
      // The server speaks first only once the handshake has begun.
      if (!buffer_.takeRest().empty()) {
        failAndClose("Bad response from the proxy: data after its answer to CONNECT", kHttpErrBadResponse);
        return;
      }
      socket_.StartTls(target_.tlsHost);
    }
  }
}

std::optional<std::string> THttpCli::nextHeaderLine() {
  std::optional<std::string> line = buffer_.takeLine();
  if (!line) {
    // A line that fills the whole buffer can never be completed.
    if (buffer_.full()) {
      failAndClose("Response header line longer than " + std::to_string(ReceiveBuffer::kSize - 1) + " bytes",
                   kHttpErrHeaderLineTooLong);
    }
    return std::nullopt;
  }
  headerBytes_ += line->size() + 2;
  if (MaxHeaderSize > 0 && headerBytes_ > MaxHeaderSize) {
    failAndClose("Response header larger than " + sizeText(MaxHeaderSize), kHttpErrHeaderTooLarge);
    return std::nullopt;
  }
  if (MaxHeaderLines > 0 && ++headerLines_ > MaxHeaderLines) {
    failAndClose("Response header longer than " + std::to_string(MaxHeaderLines) + " lines", kHttpErrHeaderTooLarge);
    return std::nullopt;
  }
  return line;
}

// --- sending ---

void THttpCli::sendRequest() {
  RequestHeaderInput input;
  // After a 301, 302 or 303 a POST asks for the new address with a GET; after
  // a 307 or 308 it posts the same content again.
  const THttpRequest method = postAsGet_ ? THttpRequest::Get : requestType_;
  input.method = methodName(method);
  input.requestPath = target_.requestPath;
  input.hostName = target_.hostName;
  input.sender = Sender;
  input.reference = Reference;
  input.agent = Agent;
  input.acceptEncoding = kAcceptedEncodings;
  input.contentTypePost = ContentTypePost;
  if (method == THttpRequest::Post) {
    PostStream->clear();
    PostStream->seekg(postStart_);
    input.postLength = remainingSize(*PostStream).value_or(0);
  }
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
  sendingPost_ = method == THttpRequest::Post;
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
  if (tunnelling_) return tunnelData();
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
    const std::optional<std::string> line = nextHeaderLine();
    if (!line) break;
    headerLine(*line);
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
      const auto length = parseContentLength(field->value);
      if (!length || (bodyLength_ >= 0 && *length != bodyLength_)) {
        failAndClose("Bad response from the server: the Content-Length " + quoted(field->value) +
                         " is not a valid length",
                     kHttpErrBadResponse);
        return;
      }
      bodyLength_ = *length;
    } else if (field->name == "transfer-encoding") {
      transferEncoding_ = lowerAscii(field->value);
    } else if (field->name == "content-encoding") {
      contentEncoding_ = field->value;
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
  if (pendingLocation_ && isRedirection(responseCode_)) {
    if (redirections_ >= kMaxRedirections) {
      failAndClose("Too many redirections (more than " + std::to_string(kMaxRedirections) + ")",
                   kHttpErrTooManyRedirections);
      return;
    }
    auto next = resolveRedirection(location_, *pendingLocation_);
    if (const auto* refusal = std::get_if<std::string>(&next)) {
      failAndClose(*refusal, kHttpErrCannotFollow);
      return;
    }
    ++redirections_;
    const bool seeOther = responseCode_ == 301 || responseCode_ == 302 || responseCode_ == 303;
    if (requestType_ == THttpRequest::Post && seeOther) postAsGet_ = true;
    redirectTo_ = std::get<WebLocation>(std::move(next));
    socket_.Close();
    return;
  }
  if (!startBody()) return;
  documentName_ = documentNameForType(documentName_, bodyType_);
  setState(THttpState::WaitingBody);
  if (state_ != THttpState::WaitingBody) return;
  if (OnHeaderEnd) OnHeaderEnd(*this);
  if (!receiving()) return;
  // Nothing follows the header: the answer is complete without waiting for the server to close.
  if (!bodyExpected() || (!chunks_ && bodyLength_ == 0)) {
    socket_.Close();
    return;
  }
  const std::string rest = buffer_.takeRest();
  if (!rest.empty()) bodyBlock(rest.data(), rest.size());
}

// How the body comes is known from the header; false when it cannot be read.
bool THttpCli::startBody() {
  if (!transferEncoding_.empty() && transferEncoding_ != "identity") {
    if (transferEncoding_ != "chunked") {
      failAndClose("can't read the document: Transfer-Encoding " + quoted(transferEncoding_) + " is not supported",
                   kHttpErrCannotDecode);
      return false;
    }
    chunks_.emplace();
  }
  const std::optional<ContentCoding> coding = contentCodingOf(contentEncoding_);
  if (!coding) {
    failAndClose("can't decode the document: Content-Encoding " + quoted(contentEncoding_) + " is not supported",
                 kHttpErrCannotDecode);
    return false;
  }
  decoder_.emplace(*coding);
  if (MaxBodySize > 0 && bodyExpected() && !chunks_ && *coding == ContentCoding::Identity &&
      bodyLength_ > MaxBodySize) {
    failAndClose(documentTooLarge(), kHttpErrDocumentTooLarge);
    return false;
  }
  return true;
}

// Bytes of the body as sent: the body ends at its Content-Length or its last
// chunk, whatever the server does with the connection afterwards.
void THttpCli::bodyBlock(const char* data, std::size_t length) {
  std::string_view block(data, length);
  if (chunks_) {
    std::string payload;
    bodyBytesSent_ += static_cast<std::int64_t>(chunks_->feed(block, payload));
    if (!chunks_->fault().empty()) return failAndClose(chunks_->fault(), kHttpErrBadResponse);
    if (!decodeBody(payload)) return;
    if (chunks_->done()) socket_.Close();
    return;
  }
  if (bodyLength_ >= 0) block = block.substr(0, static_cast<std::size_t>(bodyLength_ - bodyBytesSent_));
  bodyBytesSent_ += static_cast<std::int64_t>(block.size());
  if (!decodeBody(block)) return;
  if (bodyLength_ >= 0 && bodyBytesSent_ == bodyLength_) socket_.Close();
}

bool THttpCli::decodeBody(std::string_view payload) {
  if (payload.empty()) return true;
  const bool decoded =
      decoder_->decode(payload, [this](const char* data, std::size_t length) { return deliverDocument(data, length); });
  if (!decoder_->fault().empty()) failAndClose(decoder_->fault(), kHttpErrCannotDecode);
  return decoded && receiving();
}

bool THttpCli::deliverDocument(const char* data, std::size_t length) {
  if (MaxBodySize > 0 && receivedBytes_ + static_cast<std::int64_t>(length) > MaxBodySize) {
    failAndClose(documentTooLarge(), kHttpErrDocumentTooLarge);
    return false;
  }
  if (!docBegun_) {
    docBegun_ = true;
    if (OnDocBegin) OnDocBegin(*this);
    if (!receiving()) return false;
  }
  receivedBytes_ += static_cast<std::int64_t>(length);
  if (OnDocData) OnDocData(*this, data, length);
  if (!receiving()) return false;
  if (ReceiveStream == nullptr) return true;
  ReceiveStream->write(data, static_cast<std::streamsize>(length));
  if (!*ReceiveStream) failAndClose("can't write the document: its stream failed", kHttpErrStreamFailed);
  return receiving();
}

std::string THttpCli::documentTooLarge() const {
  return "Document larger than the limit of " + sizeText(static_cast<std::uint64_t>(MaxBodySize));
}

bool THttpCli::bodyExpected() const {
  return requestType_ != THttpRequest::Head && responseCode_ >= 200 && responseCode_ != 204 && responseCode_ != 304;
}

// --- ending ---

void THttpCli::socketError(SocketError error) {
  socketErrorRaised_ = true;
  if (receiving()) failAndClose(connectionFailure(error), error);
}

std::string THttpCli::connectionFailure(SocketError error) const {
  return error == kSecureConnectionFailed ? socket_.TlsFailure() : withErrorNumber(error);
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
    const bool bodyRead = state_ == THttpState::WaitingBody && bodyExpected();
    if (error) {
      fail(404, connectionFailure(error), error);
    } else if ((state_ == THttpState::WaitingHeader || state_ == THttpState::Connecting) && responseCode_ < 400) {
      fail(404, "Connection closed by the server before the end of the response header", kHttpErrBadResponse);
    } else if (bodyRead && chunks_ && !chunks_->done()) {
      fail(404, "Connection closed before the last chunk of the document", kHttpErrIncompleteDocument);
    } else if (bodyRead && !chunks_ && bodyLength_ >= 0 && bodyBytesSent_ < bodyLength_) {
      fail(404,
           "Connection closed after " + std::to_string(bodyBytesSent_) + " of " + std::to_string(bodyLength_) +
               " bytes of the document",
           kHttpErrIncompleteDocument);
    } else if (bodyRead && decoder_ && decoder_->compressed() && bodyBytesSent_ > 0 && !decoder_->finished()) {
      fail(404, "Connection closed before the end of the compressed document", kHttpErrIncompleteDocument);
    }
  }
  connectionEnded();
}

void THttpCli::connectionEnded() {
  if (endPosted_) return;
  endPosted_ = true;
  tunnelling_ = false;
  connectTimer_.cancel();
  idleTimer_.cancel();
  deadlineTimer_.cancel();
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
  if (state_ == THttpState::WaitingHeader && !endPosted_) startConnection();
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
