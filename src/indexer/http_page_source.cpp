#include "indexer/http_page_source.hpp"

#include <stdexcept>

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

}  // namespace

HttpPageSource::HttpPageSource(net::THttpCli& http, const DownloadFolder& downloads, IndexerState& state,
                               ProxySettings proxy)
    : http_(http), downloads_(downloads), state_(state), proxy_(std::move(proxy)) {
  http_.OnCommand = nullptr;
  http_.OnDocBegin = [this](net::THttpCli&) { documentBegins(); };
  http_.OnDocEnd = [this](net::THttpCli&) { documentEnds(); };
  http_.OnRequestDone = [this](net::THttpCli&, net::THttpRequest, std::uint16_t) { state_.setBusy(false); };
}

HttpPageSource::~HttpPageSource() {
  http_.OnDocBegin = nullptr;
  http_.OnDocEnd = nullptr;
  http_.OnRequestDone = nullptr;
  http_.ReceiveStream = nullptr;
}

PageRead HttpPageSource::read(const std::string& address) {
  state_.log.add("  > FETCHING: ", address);
  PageRead page = fetch(address);
  state_.log.add("  > DONE: ", address);
  return page;
}

PageRead HttpPageSource::fetch(const std::string& address) {
  BusyWhileFetching busy(state_);
  http_.URL = address;
  http_.Proxy = proxy_.host;
  http_.ProxyPort = proxy_.port;
  http_.ReceiveStream = nullptr;
  // Only what this request writes is this page: a body that never comes
  // leaves no file, not the one of an earlier page.
  download_.reset();
  downloadPath_.clear();
  storeFailed_ = false;
  bool failed = false;
  try {
    http_.RequestGet();
  } catch (const net::EHttpException&) {
    failed = true;
  }
  documentEnds();
  if (storeFailed_) throw std::runtime_error("the page cannot be stored in " + downloads_.path());
  PageRead page;
  if (failed) {
    state_.log.add("*** Error ***");
    state_.log.add("*** Code   = " + std::to_string(http_.ResponseCode()));
    state_.log.add("*** Message = ", http_.ResponseText());
    state_.log.add(" ");
    page.fetchFailed = true;
    return page;
  }
  state_.log.add(http_.ResponseCode() == 200 ? std::string("  > RETRIEVED")
                                             : "  > Code = " + std::to_string(http_.ResponseCode()));
  page.read = downloadPath_.empty() || readRegularFile(downloadPath_, page.bytes);
  return page;
}

void HttpPageSource::documentBegins() {
  state_.log.add("  > GET ", http_.DocumentName());
  download_ = downloads_.create(http_.DocumentName());
  if (!download_) {
    storeFailed_ = true;
    http_.CancelRequest();
    return;
  }
  downloadPath_ = download_->path();
  http_.ReceiveStream = &download_->stream();
}

void HttpPageSource::documentEnds() {
  http_.ReceiveStream = nullptr;
  if (download_ && !download_->close()) storeFailed_ = true;
  download_.reset();
}

}  // namespace quillon
