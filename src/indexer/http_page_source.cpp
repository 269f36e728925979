#include "indexer/http_page_source.hpp"

#include <algorithm>

namespace quillon {

namespace {

// Idle again however the read ends.
class BusyWhileFetching {
 public:
  explicit BusyWhileFetching(IndexerState& state) : state_(state) { state_.setBusy(true); }
  ~BusyWhileFetching() { state_.setBusy(false); }
  BusyWhileFetching(const BusyWhileFetching&) = delete;
  BusyWhileFetching& operator=(const BusyWhileFetching&) = delete;

 private:
  IndexerState& state_;
};

// Answers that have arrived, or are under way, ahead of the read: each holds a
// download file, so their number is bounded too.
constexpr std::size_t kWaitingPerConnection = 2;

}  // namespace

HttpPageSource::HttpPageSource(net::EventLoop& loop, net::MessagePump& pump, const DownloadFolder& downloads,
                               IndexerState& state, ProxySettings proxy, FetchBounds bounds, FetchPace pace)
    : loop_(loop),
      pump_(pump),
      state_(state),
      context_{loop, downloads, std::move(proxy), bounds},
      maxWaiting_(kWaitingPerConnection * std::max<std::size_t>(pace.connections, 1)),
      pacing_(pace.hostDelay),
      pacingTimer_(loop) {
  connections_.resize(std::max<std::size_t>(pace.connections, 1));
  for (std::size_t i = 0; i < connections_.size(); ++i) {
    connections_[i].client = std::make_unique<net::THttpCli>(loop);
    connections_[i].client->OnRequestDone = [this, i](net::THttpCli&, net::THttpRequest, std::uint16_t) {
      requestDone(i);
    };
  }
}

HttpPageSource::~HttpPageSource() {
  pacingTimer_.cancel();
  for (Connection& connection : connections_) {
    if (connection.fetch != nullptr) connection.fetch->detach();
    connection.fetch = nullptr;
    connection.client->OnRequestDone = nullptr;
  }
}

void HttpPageSource::expect(const std::string& address, ReadKind kind) {
  expected_.push_back(std::make_unique<PageFetch>(address, kind, ++fetchNumber_));
  startMore();
  // Whatever is ready goes on now, not only while a read waits.
  loop_.poll();
}

PageRead HttpPageSource::read(const std::string& address, ReadKind kind) {
  state_.log.add("  > FETCHING: ", address);
  const auto announced = std::find_if(expected_.begin(), expected_.end(), [&](const auto& fetch) {
    return fetch->address() == address && fetch->kind() == kind;
  });
  if (announced == expected_.end()) {
    current_ = std::make_unique<PageFetch>(address, kind, ++fetchNumber_);
  } else {
    // The reads announced before it will not be asked for.
    while (expected_.begin() != announced) {
      std::unique_ptr<PageFetch> skipped = std::move(expected_.front());
      expected_.pop_front();
      drop(std::move(skipped));
    }
    current_ = std::move(expected_.front());
    expected_.pop_front();
  }
  PageRead page;
  {
    BusyWhileFetching busy(state_);
    startMore();
    while (!current_->done()) pump_.pump();
    const std::unique_ptr<PageFetch> fetch = std::move(current_);
    page = fetch->take(state_.log);
  }
  state_.log.add("  > DONE: ", address);
  startMore();
  return page;
}

void HttpPageSource::requestDone(std::size_t index) {
  Connection& connection = connections_[index];
  PageFetch* const fetch = connection.fetch;
  connection.fetch = nullptr;
  connection.busy = false;
  if (fetch != nullptr) fetch->finish();
  startMore();
}

void HttpPageSource::startMore() {
  // A fetch that starts may end at once and come back here.
  if (starting_) return;
  starting_ = true;
  bool more = current_ == nullptr || current_->started() || tryStart(*current_);
  std::size_t waiting = 0;
  for (auto fetch = expected_.begin(); more && fetch != expected_.end(); ++fetch) {
    if ((*fetch)->started()) {
      ++waiting;
      continue;
    }
    more = waiting < maxWaiting_ && tryStart(**fetch);
    if (more) ++waiting;
  }
  starting_ = false;
}

bool HttpPageSource::tryStart(PageFetch& fetch) {
  const auto free = std::find_if(connections_.begin(), connections_.end(),
                                 [](const Connection& connection) { return !connection.busy; });
  if (free == connections_.end()) return false;
  const std::string host = hostOf(fetch.address());
  const HostPacing::Clock::time_point now = HostPacing::Clock::now();
  const HostPacing::Clock::duration wait = pacing_.wait(host, now);
  if (wait > HostPacing::Clock::duration::zero()) {
    pacingTimer_.start(std::chrono::ceil<std::chrono::milliseconds>(wait), [this] { startMore(); });
    return false;
  }
  pacing_.started(host, now);
  free->busy = true;
  free->fetch = &fetch;
  fetch.start(*free->client, context_);
  // Refused before it went out: the client has nothing to report.
  if (fetch.done()) {
    free->busy = false;
    free->fetch = nullptr;
  }
  return true;
}

void HttpPageSource::drop(std::unique_ptr<PageFetch> fetch) {
  for (Connection& connection : connections_) {
    if (connection.fetch == fetch.get()) connection.fetch = nullptr;
  }
  fetch->detach();
}

void HttpPageSource::cancelAll() {
  pacingTimer_.cancel();
  while (!expected_.empty()) {
    std::unique_ptr<PageFetch> fetch = std::move(expected_.front());
    expected_.pop_front();
    drop(std::move(fetch));
  }
  cancelCurrent();
}

void HttpPageSource::cancelCurrent() {
  if (current_) current_->cancel();
}

}  // namespace quillon
