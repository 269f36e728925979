#pragma once
// Fetches a page with the HTTP client: the body goes into a download file of
// this fetch alone in the "temp" folder and is read back from there. The
// buttons are busy while the page is fetched.
#include <memory>
#include <string>

#include "indexer/download_folder.hpp"
#include "indexer/indexer_state.hpp"
#include "indexer/page_source.hpp"
#include "net/http_client.hpp"

namespace quillon {

struct ProxySettings {
  std::string host;  // empty: a direct connection
  std::string port = "80";
};

class HttpPageSource : public PageSource {
 public:
  // Takes over the client's document and request-done events for its lifetime.
  HttpPageSource(net::THttpCli& http, const DownloadFolder& downloads, IndexerState& state, ProxySettings proxy);
  ~HttpPageSource() override;
  HttpPageSource(const HttpPageSource&) = delete;
  HttpPageSource& operator=(const HttpPageSource&) = delete;

  // Logs "  > FETCHING: ", the fetch's own lines, then "  > DONE: ". Throws
  // std::runtime_error when the page cannot be stored in the folder.
  PageRead read(const std::string& address) override;

 private:
  PageRead fetch(const std::string& address);
  void documentBegins();
  void documentEnds();

  net::THttpCli& http_;
  const DownloadFolder& downloads_;
  IndexerState& state_;
  ProxySettings proxy_;
  std::unique_ptr<DownloadFile> download_;
  std::string downloadPath_;
  bool storeFailed_ = false;
};

}  // namespace quillon
