#pragma once
// Fetches a page with the HTTP client: the body goes into a download file of
// this fetch alone in the crawl's scratch folder and is read back from there.
// The buttons are busy while the page is fetched. A page that takes longer
// than its time or grows beyond kMaxPageBytes is given up, and the walk goes on.
#include <chrono>
#include <memory>
#include <string>

#include "indexer/download_folder.hpp"
#include "indexer/indexer_state.hpp"
#include "indexer/page_source.hpp"
#include "net/event_loop.hpp"
#include "net/http_client.hpp"
#include "net/one_shot_timer.hpp"

namespace quillon {

struct ProxySettings {
  std::string host;  // empty: a direct connection
  std::string port = "80";
};

// What a page may cost.
struct FetchBounds {
  std::chrono::milliseconds pageTime{std::chrono::seconds(30)};
  std::size_t maxBytes = kMaxPageBytes;
};

class HttpPageSource : public PageSource {
 public:
  // Takes over the client's document and request-done events for its lifetime.
  HttpPageSource(net::THttpCli& http, net::EventLoop& loop, const DownloadFolder& downloads, IndexerState& state,
                 ProxySettings proxy, FetchBounds bounds);
  ~HttpPageSource() override;
  HttpPageSource(const HttpPageSource&) = delete;
  HttpPageSource& operator=(const HttpPageSource&) = delete;

  // Logs "  > FETCHING: ", the fetch's own lines, then "  > DONE: ". Throws
  // StoreError, saying what failed, when the page cannot be stored.
  PageRead read(const std::string& address, ReadKind kind) override;

 private:
  PageRead fetch(const std::string& address, ReadKind kind);
  void documentBegins();
  void documentData(std::size_t length);
  void documentEnds();
  // Ends the request in progress; the reason becomes its error message.
  void giveUp(std::string reason);

  net::THttpCli& http_;
  const DownloadFolder& downloads_;
  IndexerState& state_;
  ProxySettings proxy_;
  FetchBounds bounds_;
  // The page's own deadline. The client's idle time-out only ends a silent
  // server; this one also ends a server that drips its answer.
  net::OneShotTimer deadline_;
  ReadKind kind_ = ReadKind::Page;
  std::unique_ptr<DownloadFile> download_;
  std::string downloadPath_;
  std::size_t received_ = 0;
  std::string storeProblem_;
  std::string givenUpBecause_;
  bool notHtml_ = false;
};

// True for a Content-Type that names an HTML page ("text/html; charset=utf-8").
bool isHtmlContentType(const std::string& contentType);

}  // namespace quillon
