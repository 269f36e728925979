#include "indexer/crawl_limits.hpp"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "indexer/page_text.hpp"

namespace quillon {

namespace {

// One field: a whole number from `least` to `most`, or the message naming it.
bool readField(const std::string& text, const char* name, long long least, long long most, std::size_t& value,
               std::string& problem) {
  const std::optional<long long> number = parseWholeNumber(text);
  if (!number || *number < least || *number > most) {
    problem = std::string(name) + " must be a whole number from " + std::to_string(least) + " to " +
              std::to_string(most);
    return false;
  }
  value = static_cast<std::size_t>(*number);
  return true;
}

}  // namespace

std::optional<CrawlLimits> crawlLimitsOf(const CrawlLimitFields& fields, std::string& problem) {
  CrawlLimits limits;
  std::size_t minutes = 0;
  std::size_t seconds = 0;
  std::size_t delay = 0;
  const bool valid = readField(fields.MaxPages, "Max Pages", 1, 10'000'000, limits.maxPages, problem) &&
                     readField(fields.MaxDepth, "Max Depth", 0, 10'000, limits.maxDepth, problem) &&
                     readField(fields.MaxAddressLength, "Max URL Length", 10, 100'000, limits.maxAddressLength,
                               problem) &&
                     readField(fields.MaxQueryRepeats, "Max Query Repeats", 1, 1'000, limits.maxQueryRepeats,
                               problem) &&
                     readField(fields.MaxMinutes, "Max Minutes", 1, 10'000, minutes, problem) &&
                     readField(fields.PageSeconds, "Page Seconds", 1, 3'600, seconds, problem) &&
                     readField(fields.Connections, "Connections", 1, static_cast<long long>(kMaxConnections), limits.connections, problem) &&
                     readField(fields.DelayMs, "Delay (ms)", 0, 60'000, delay, problem);
  if (!valid) return std::nullopt;
  limits.maxTime = std::chrono::minutes(minutes);
  limits.pageTime = std::chrono::seconds(seconds);
  limits.hostDelay = std::chrono::milliseconds(delay);
  return limits;
}

std::size_t queryRepeats(const std::string& address) {
  const std::size_t question = address.find('?');
  if (question == std::string::npos) return 0;
  const std::string_view query = std::string_view(address).substr(question + 1, address.find('#') - question - 1);
  std::unordered_map<std::string_view, std::size_t> counts;
  std::size_t most = 0;
  std::size_t begin = 0;
  while (begin <= query.size()) {
    const std::size_t end = std::min(query.find_first_of("?&;", begin), query.size());
    const std::string_view part = query.substr(begin, end - begin);
    if (!part.empty()) most = std::max(most, ++counts[part]);
    begin = end + 1;
  }
  return most;
}

}  // namespace quillon
