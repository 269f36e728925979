#pragma once
// Spacing of the requests to each host: a polite crawl leaves at least a gap
// between the starts of two requests to one host, however many connections
// it has. A host may ask for a longer gap of its own (robots.txt Crawl-delay).
#include <chrono>
#include <string>
#include <unordered_map>

namespace quillon {

class HostPacing {
 public:
  using Clock = std::chrono::steady_clock;

  explicit HostPacing(std::chrono::milliseconds gap) : gap_(gap) {}

  // The host's own gap, when longer than the common one.
  void askedFor(const std::string& host, std::chrono::milliseconds gap);
  // How long a request to the host must still wait at `now`; zero: it may start.
  Clock::duration wait(const std::string& host, Clock::time_point now) const;
  void started(const std::string& host, Clock::time_point now);

 private:
  std::chrono::milliseconds gapOf(const std::string& host) const;

  std::chrono::milliseconds gap_;
  std::unordered_map<std::string, std::chrono::milliseconds> asked_;
  std::unordered_map<std::string, Clock::time_point> lastStart_;
};

// The host of a web address, lower case, with its port ("example.org:8080");
// empty for anything else.
std::string hostOf(const std::string& address);

}  // namespace quillon
