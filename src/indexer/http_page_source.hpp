#pragma once
// Fetches pages with HTTP clients on the one event loop: the read asked for
// and, when reads are announced, the next ones in their order, up to a number
// of requests at once. Each answer waits in a download file of its own in the
// crawl's scratch folder; its log lines are written when it is read, so the
// log is the same however many requests ran at once. The buttons are busy
// while a read waits for its page.
#include <chrono>
#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "indexer/download_folder.hpp"
#include "indexer/host_pacing.hpp"
#include "indexer/indexer_state.hpp"
#include "indexer/page_fetch.hpp"
#include "indexer/page_source.hpp"
#include "net/event_loop.hpp"
#include "net/http_client.hpp"
#include "net/message_pump.hpp"
#include "net/one_shot_timer.hpp"

namespace quillon {

// How hard a site is pressed.
struct FetchPace {
  std::size_t connections = 1;  // requests under way at once
  // Between the starts of two requests to one host.
  std::chrono::milliseconds hostDelay{0};
};

class HttpPageSource : public PageSource {
 public:
  // `pump` runs while a read waits: the network events, and the window's.
  HttpPageSource(net::EventLoop& loop, net::MessagePump& pump, const DownloadFolder& downloads, IndexerState& state,
                 ProxySettings proxy, FetchBounds bounds, FetchPace pace);
  ~HttpPageSource() override;
  HttpPageSource(const HttpPageSource&) = delete;
  HttpPageSource& operator=(const HttpPageSource&) = delete;

  // Logs "  > FETCHING: ", the fetch's own lines, then "  > DONE: ". Throws
  // StoreError, saying what failed, when the page cannot be stored. Reads
  // announced before this one and not asked for are given up.
  PageRead read(const std::string& address, ReadKind kind) override;
  void expect(const std::string& address, ReadKind kind) override;

  // Abort: every request ends at once, and the announced reads are forgotten.
  void cancelAll();
  // Ends the request the read in progress waits for.
  void cancelCurrent();
  // A host's own gap between requests (robots.txt Crawl-delay), when longer than the common one.
  void spaceRequests(const std::string& host, std::chrono::milliseconds gap) { pacing_.askedFor(host, gap); }

 private:
  struct Connection {
    std::unique_ptr<net::THttpCli> client;
    PageFetch* fetch = nullptr;
    bool busy = false;  // until the client says its request is done
  };

  void requestDone(std::size_t connection);
  // Starts what may start now: the page a read waits for first, then the
  // announced ones in order.
  void startMore();
  // False when it must wait: no free connection, or its host's gap.
  bool tryStart(PageFetch& fetch);
  void drop(std::unique_ptr<PageFetch> fetch);

  net::EventLoop& loop_;
  net::MessagePump& pump_;
  IndexerState& state_;
  FetchContext context_;
  std::size_t maxWaiting_;
  std::vector<Connection> connections_;
  // Announced reads in their order, started or not.
  std::deque<std::unique_ptr<PageFetch>> expected_;
  // The fetch the read in progress waits for.
  std::unique_ptr<PageFetch> current_;
  HostPacing pacing_;
  net::OneShotTimer pacingTimer_;
  std::size_t fetchNumber_ = 0;
  bool starting_ = false;
};

}  // namespace quillon
