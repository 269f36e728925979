#include "indexer/http_page_source.hpp"

#include "format/text_helpers.hpp"
#include "net/net_exceptions.hpp"

namespace quillon {

namespace {

// Idle again however the fetch ends.
class BusyWhileFetching {
 public:
  explicit BusyWhileFetching(IndexerState& state) : state_(state) { state_.setBusy(true); }
  ~BusyWhileFetching() { state_.setBusy(false); }
  BusyWhileFetching(const BusyWhileFetching&) = delete;
  BusyWhileFetching& operator=(const BusyWhileFetching&) = delete;

 private:
  IndexerState& state_;
};

std::string secondsText(std::chrono::milliseconds duration) {
  return std::to_string(std::chrono::duration_cast<std::chrono::seconds>(duration).count()) + " s";
}

}  // namespace

bool isHtmlContentType(const std::string& contentType) {
  const std::string type = trim(lowerAscii(contentType.substr(0, contentType.find(';'))));
  return type == "text/html" || type == "application/xhtml+xml";
}

HttpPageSource::HttpPageSource(net::THttpCli& http, net::EventLoop& loop, const DownloadFolder& downloads,
                               IndexerState& state, ProxySettings proxy, FetchBounds bounds)
    : http_(http), downloads_(downloads), state_(state), proxy_(std::move(proxy)), bounds_(bounds), deadline_(loop) {
  // One setting per bound: the page's deadline is the request's only time
  // limit (its message names the field), and the page size the document's.
  http_.RequestTimeout = std::chrono::milliseconds::zero();
  http_.MaxBodySize = static_cast<std::int64_t>(bounds_.maxBytes);
  http_.OnCommand = nullptr;
  http_.OnDocBegin = [this](net::THttpCli&) { documentBegins(); };
  http_.OnDocData = [this](net::THttpCli&, const char*, std::size_t length) { documentData(length); };
  http_.OnDocEnd = [this](net::THttpCli&) { documentEnds(); };
  http_.OnRequestDone = [this](net::THttpCli&, net::THttpRequest, std::uint16_t) { state_.setBusy(false); };
}

HttpPageSource::~HttpPageSource() {
  http_.OnDocBegin = nullptr;
  http_.OnDocData = nullptr;
  http_.OnDocEnd = nullptr;
  http_.OnRequestDone = nullptr;
  http_.ReceiveStream = nullptr;
}

PageRead HttpPageSource::read(const std::string& address, ReadKind kind) {
  state_.log.add("  > FETCHING: ", address);
  PageRead page = fetch(address, kind);
  state_.log.add("  > DONE: ", address);
  return page;
}

PageRead HttpPageSource::fetch(const std::string& address, ReadKind kind) {
  BusyWhileFetching busy(state_);
  http_.URL = address;
  http_.Proxy = proxy_.host;
  http_.ProxyPort = proxy_.port;
  http_.ReceiveStream = nullptr;
  // Only what this request writes is this page: a body that never comes
  // leaves no file, not the one of an earlier page.
  kind_ = kind;
  download_.reset();
  downloadPath_.clear();
  received_ = 0;
  storeProblem_.clear();
  givenUpBecause_.clear();
  notHtml_ = false;
  deadline_.start(bounds_.pageTime,
                  [this] { giveUp("No complete answer within " + secondsText(bounds_.pageTime) + " (Page Seconds)"); });
  bool failed = false;
  try {
    http_.RequestGet();
  } catch (const net::EHttpException&) {
    failed = true;
  }
  deadline_.cancel();
  documentEnds();
  if (!storeProblem_.empty()) throw StoreError(storeProblem_);
  PageRead page;
  page.finalAddress = http_.Location().empty() ? address : http_.Location();
  if (notHtml_) {
    page.notHtml = true;
    state_.log.add("  > Content-Type = ", http_.BodyType());
    return page;
  }
  if (failed || !givenUpBecause_.empty()) {
    state_.log.add("*** Error ***");
    state_.log.add("*** Code   = " + std::to_string(http_.ResponseCode()));
    state_.log.add("*** Message = ", givenUpBecause_.empty() ? http_.ResponseText() : givenUpBecause_);
    state_.log.add(" ");
    page.fetchFailed = true;
    return page;
  }
  state_.log.add(http_.ResponseCode() == 200 ? std::string("  > RETRIEVED")
                                             : "  > Code = " + std::to_string(http_.ResponseCode()));
  page.read = downloadPath_.empty() || readRegularFile(downloadPath_, page.bytes, bounds_.maxBytes);
  return page;
}

void HttpPageSource::giveUp(std::string reason) {
  givenUpBecause_ = std::move(reason);
  http_.CancelRequest();
}

void HttpPageSource::documentBegins() {
  if (kind_ == ReadKind::PageIfHtml && !isHtmlContentType(http_.BodyType())) {
    // Only the answer's head was needed to know it is no page.
    notHtml_ = true;
    http_.CancelRequest();
    return;
  }
  state_.log.add("  > GET ", http_.DocumentName());
  download_ = downloads_.create(http_.DocumentName(), storeProblem_);
  if (!download_) {
    http_.CancelRequest();
    return;
  }
  downloadPath_ = download_->path();
  http_.ReceiveStream = &download_->stream();
}

void HttpPageSource::documentData(std::size_t length) {
  received_ += length;
  if (received_ > bounds_.maxBytes && givenUpBecause_.empty()) {
    giveUp("The page is larger than " + std::to_string(bounds_.maxBytes / (1024 * 1024)) + " MB");
  }
}

void HttpPageSource::documentEnds() {
  http_.ReceiveStream = nullptr;
  if (download_ && !download_->close() && storeProblem_.empty()) {
    storeProblem_ = "The page cannot be stored in " + download_->path();
  }
  download_.reset();
}

}  // namespace quillon
