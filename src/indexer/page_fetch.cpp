#include "indexer/page_fetch.hpp"

#include <filesystem>

#include "format/text_helpers.hpp"
#include "net/net_exceptions.hpp"

namespace quillon {

namespace {

std::string secondsText(std::chrono::milliseconds duration) {
  return std::to_string(std::chrono::duration_cast<std::chrono::seconds>(duration).count()) + " s";
}

constexpr const char* kAborted = "Connection aborted on request";

}  // namespace

bool isHtmlContentType(const std::string& contentType) {
  const std::string type = trim(lowerAscii(contentType.substr(0, contentType.find(';'))));
  return type == "text/html" || type == "application/xhtml+xml";
}

PageFetch::PageFetch(std::string address, ReadKind kind, std::size_t number)
    : address_(std::move(address)), kind_(kind), number_(number) {}

PageFetch::~PageFetch() {
  detach();
  if (!downloadPath_.empty()) {
    std::error_code ignored;
    std::filesystem::remove(downloadPath_, ignored);
  }
}

void PageFetch::start(net::THttpCli& client, const FetchContext& context) {
  started_ = true;
  context_ = &context;
  client_ = &client;
  // One setting per bound: the page's deadline is the request's only time
  // limit (its message names the field), and the page size the document's.
  client.RequestTimeout = std::chrono::milliseconds::zero();
  client.MaxBodySize = static_cast<std::int64_t>(context.bounds.maxBytes);
  client.URL = address_;
  client.Proxy = context.proxy.host;
  client.ProxyPort = context.proxy.port;
  client.ReceiveStream = nullptr;
  client.OnDocBegin = [this](net::THttpCli&) { documentBegins(); };
  client.OnDocData = [this](net::THttpCli&, const char*, std::size_t length) { documentData(length); };
  client.OnDocEnd = [this](net::THttpCli&) { documentEnds(); };
  const std::chrono::milliseconds pageTime = context.bounds.pageTime;
  deadline_.emplace(context.loop);
  deadline_->start(pageTime,
                   [this, pageTime] { giveUp("No complete answer within " + secondsText(pageTime) + " (Page Seconds)"); });
  try {
    client.StartRequest(net::THttpRequest::Get);
  } catch (const net::EHttpException& error) {
    detach();
    failWithoutAnswer(error.what());
  }
}

void PageFetch::failWithoutAnswer(const std::string& message) {
  logLines_ = {"*** Error ***", "*** Code   = 404", "*** Message = " + message, " "};
  page_.finalAddress = address_;
  page_.fetchFailed = true;
  done_ = true;
}

void PageFetch::finish() {
  if (client_ == nullptr || done_) return;
  net::THttpCli& http = *client_;
  deadline_.reset();
  documentEnds();
  http.OnDocBegin = nullptr;
  http.OnDocData = nullptr;
  http.OnDocEnd = nullptr;
  client_ = nullptr;
  done_ = true;
  page_.finalAddress = http.Location().empty() ? address_ : http.Location();
  if (!storeProblem_.empty()) return;
  if (notHtml_) {
    page_.notHtml = true;
    logLines_.push_back("  > Content-Type = " + http.BodyType());
    return;
  }
  if (http.ResponseCode() >= 400 || !givenUpBecause_.empty()) {
    logLines_.push_back("*** Error ***");
    logLines_.push_back("*** Code   = " + std::to_string(http.ResponseCode()));
    logLines_.push_back("*** Message = " + (givenUpBecause_.empty() ? http.ResponseText() : givenUpBecause_));
    logLines_.push_back(" ");
    page_.fetchFailed = true;
    return;
  }
  logLines_.push_back(http.ResponseCode() == 200 ? std::string("  > RETRIEVED")
                                                 : "  > Code = " + std::to_string(http.ResponseCode()));
  page_.read = true;
}

void PageFetch::cancel() {
  if (done_) return;
  if (client_ == nullptr) {
    failWithoutAnswer(kAborted);
    return;
  }
  client_->CancelRequest();
}

void PageFetch::detach() {
  if (client_ == nullptr) return;
  net::THttpCli& http = *client_;
  http.OnDocBegin = nullptr;
  http.OnDocData = nullptr;
  http.OnDocEnd = nullptr;
  http.ReceiveStream = nullptr;
  client_ = nullptr;
  http.CancelRequest();
  deadline_.reset();
  documentEnds();
  if (!done_) failWithoutAnswer(kAborted);
}

PageRead PageFetch::take(CrawlLog& log) {
  for (const std::string& line : logLines_) log.add(line);
  if (!storeProblem_.empty()) throw StoreError(storeProblem_);
  PageRead page = std::move(page_);
  if (page.read && !downloadPath_.empty()) {
    page.read = readRegularFile(downloadPath_, page.bytes, context_->bounds.maxBytes);
  }
  return page;
}

void PageFetch::giveUp(std::string reason) {
  givenUpBecause_ = std::move(reason);
  if (client_ != nullptr) client_->CancelRequest();
}

void PageFetch::documentBegins() {
  net::THttpCli& http = *client_;
  if (kind_ == ReadKind::PageIfHtml && !isHtmlContentType(http.BodyType())) {
    // Only the answer's head was needed to know it is no page.
    notHtml_ = true;
    http.CancelRequest();
    return;
  }
  logLines_.push_back("  > GET " + http.DocumentName());
  download_ = context_->downloads.create(http.DocumentName(), storeProblem_, number_);
  if (!download_) {
    http.CancelRequest();
    return;
  }
  downloadPath_ = download_->path();
  http.ReceiveStream = &download_->stream();
}

void PageFetch::documentData(std::size_t length) {
  received_ += length;
  if (received_ > context_->bounds.maxBytes && givenUpBecause_.empty()) {
    giveUp("The page is larger than " + std::to_string(context_->bounds.maxBytes / (1024 * 1024)) + " MB");
  }
}

void PageFetch::documentEnds() {
  if (client_ != nullptr) client_->ReceiveStream = nullptr;
  if (download_ && !download_->close() && storeProblem_.empty()) {
    storeProblem_ = "The page cannot be stored in " + download_->path();
  }
  download_.reset();
}

}  // namespace quillon
