#pragma once
// One page fetched on one HTTP client, then waiting until it is read: the body
// goes into a download file of this fetch alone, and the fetch's log lines are
// kept with it, so that they reach the log when the page is read, not when it
// arrived. A page that takes longer than its time or grows beyond its size is
// given up.
#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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

// What every fetch of one source shares.
struct FetchContext {
  net::EventLoop& loop;
  const DownloadFolder& downloads;
  ProxySettings proxy;
  FetchBounds bounds;
};

class PageFetch {
 public:
  // `number` tells its download file from those of the other fetches.
  PageFetch(std::string address, ReadKind kind, std::size_t number);
  ~PageFetch();
  PageFetch(const PageFetch&) = delete;
  PageFetch& operator=(const PageFetch&) = delete;

  const std::string& address() const { return address_; }
  ReadKind kind() const { return kind_; }
  bool started() const { return started_; }
  // Its answer is there (or its failure): it waits to be taken.
  bool done() const { return done_; }

  // Sends the request on the client, which must be ready; the client's
  // document events are this fetch's until finish() or detach().
  void start(net::THttpCli& client, const FetchContext& context);
  // The client's request is over: its answer is kept.
  void finish();
  // Ends the fetch as "Connection aborted on request": at once when it has
  // not started, when its client says so otherwise.
  void cancel();
  // The fetch is no longer wanted: its request ends and its client's events
  // no longer reach it.
  void detach();

  // Once done: adds its log lines and gives the page, read back from its
  // download file, which goes. Throws StoreError, after the lines, when the
  // page could not be stored.
  PageRead take(CrawlLog& log);

 private:
  void documentBegins();
  void documentData(std::size_t length);
  void documentEnds();
  // Ends the request in progress; the reason becomes its error message.
  void giveUp(std::string reason);
  void failWithoutAnswer(const std::string& message);

  std::string address_;
  ReadKind kind_;
  std::size_t number_;
  const FetchContext* context_ = nullptr;
  net::THttpCli* client_ = nullptr;
  // The page's own deadline. The client's idle time-out only ends a silent
  // server; this one also ends a server that drips its answer.
  std::optional<net::OneShotTimer> deadline_;
  bool started_ = false;
  bool done_ = false;
  std::unique_ptr<DownloadFile> download_;
  std::string downloadPath_;
  std::size_t received_ = 0;
  std::string storeProblem_;
  std::string givenUpBecause_;
  bool notHtml_ = false;
  std::vector<std::string> logLines_;
  PageRead page_;
};

// True for a Content-Type that names an HTML page ("text/html; charset=utf-8").
bool isHtmlContentType(const std::string& contentType);

}  // namespace quillon
