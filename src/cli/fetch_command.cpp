#include "cli/fetch_command.hpp"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

#include "net/http_client.hpp"
#include "net/net_exceptions.hpp"

namespace quillon::cli {

namespace {

struct FetchOptions {
  std::string url;
  std::string proxy;
  std::string outFile;
  int timeoutSeconds = 120;
  std::int64_t maxSize = 16 * 1024 * 1024;
};

// The document goes to a file beside FILE and replaces FILE only once complete,
// so a failed fetch leaves an earlier FILE as it was.
class DocumentOutput {
 public:
  explicit DocumentOutput(const std::string& outFile) : outFile_(outFile) {
    if (outFile_.empty()) return;
    partFile_ = outFile_ + ".part";
    file_.open(partFile_, std::ios::binary | std::ios::trunc);
  }
  ~DocumentOutput() {
    if (!partFile_.empty() && !kept_) {
      file_.close();
      std::error_code ignored;
      std::filesystem::remove(partFile_, ignored);
    }
  }

  bool ready() const { return outFile_.empty() || file_.is_open(); }
  std::ostream& stream() { return outFile_.empty() ? std::cout : file_; }

  // Puts the document in place; false when it could not be written.
  bool keep() {
    if (outFile_.empty()) return static_cast<bool>(std::cout.flush());
    file_.close();
    if (file_.fail()) return false;
    std::error_code error;
    std::filesystem::rename(partFile_, outFile_, error);
    kept_ = !error;
    return kept_;
  }

 private:
  std::string outFile_;
  std::string partFile_;
  std::ofstream file_;
  bool kept_ = false;
};

int runFetch(const FetchOptions& options) {
  DocumentOutput output(options.outFile);
  if (!output.ready()) {
    std::cerr << "error: cannot write " << options.outFile << '\n';
    return kFailed;
  }
  net::EventLoop loop;
  net::THttpCli http(loop);
  http.URL = options.url;
  http.Proxy = options.proxy;
  http.ReceiveStream = &output.stream();
  http.RequestTimeout = std::chrono::seconds(options.timeoutSeconds);
  http.MaxBodySize = options.maxSize;
  bool failed = false;
  try {
    http.RequestGet();
  } catch (const net::EHttpException&) {
    failed = true;
  }
  for (const std::string& line : http.ResponseHeaders()) std::cerr << line << '\n';
  if (failed) {
    std::cerr << "error: " << http.ResponseText() << '\n';
    return kFailed;
  }
  if (!output.keep()) {
    std::cerr << "error: cannot write " << (options.outFile.empty() ? "the document" : options.outFile) << '\n';
    return kFailed;
  }
  return kSuccess;
}

}  // namespace

void addFetchCommand(CLI::App& app, CliRun& run) {
  auto options = std::make_shared<FetchOptions>();
  CLI::App* command = app.add_subcommand("fetch", "Fetch one page over HTTP or HTTPS as the site indexer does");
  command->add_option("URL", options->url, "The address of the page")->required()->type_name("URL");
  command->add_option("--proxy", options->proxy, "Go through this proxy (port 80 unless given)")
      ->type_name("HOST[:PORT]");
  command->add_option("--out", options->outFile, "Write the page into FILE instead of stdout")->type_name("FILE");
  command->add_option("--timeout", options->timeoutSeconds, "Give up when the whole request takes longer (0: never)")
      ->type_name("SECONDS")
      ->check(CLI::NonNegativeNumber)
      ->capture_default_str();
  command->add_option("--max-size", options->maxSize, "Refuse a page larger than this once decoded (0: no limit)")
      ->type_name("BYTES")
      ->check(CLI::NonNegativeNumber)
      ->capture_default_str();
  command->callback([options, &run] { run.exitCode = runFetch(*options); });
}

}  // namespace quillon::cli
