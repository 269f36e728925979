#include "indexer/robots_rules.hpp"

#include <algorithm>

#include "format/text_helpers.hpp"

namespace quillon {

namespace {

constexpr std::size_t npos = std::string_view::npos;

std::string_view trimmed(std::string_view text) {
  const std::size_t begin = text.find_first_not_of(" \t");
  if (begin == npos) return {};
  return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

// "*" stands for any text, a final "$" for the end of the path.
bool matches(std::string_view pattern, std::string_view path) {
  const bool anchored = pattern.ends_with('$');
  if (anchored) pattern.remove_suffix(1);
  // The classic two-pointer match: each "*" remembers where to try again.
  std::size_t p = 0;
  std::size_t t = 0;
  std::size_t starAt = npos;
  std::size_t retryAt = 0;
  while (t < path.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starAt = p++;
      retryAt = t;
    } else if (p < pattern.size() && pattern[p] == path[t]) {
      ++p;
      ++t;
    } else if (p == pattern.size() && !anchored) {
      return true;
    } else if (starAt != npos) {
      p = starAt + 1;
      t = ++retryAt;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

// Seconds, whole or with a fraction ("2", "0.5"); none for anything else.
std::optional<std::chrono::milliseconds> delayOf(std::string_view value) {
  const std::size_t dot = value.find('.');
  const std::string_view whole = value.substr(0, dot);
  const std::string_view fraction = dot == npos ? std::string_view() : value.substr(dot + 1);
  const auto digits = [](std::string_view text) { return text.find_first_not_of("0123456789") == npos; };
  if ((whole.empty() && fraction.empty()) || !digits(whole) || !digits(fraction)) return std::nullopt;
  // More digits than these would only overflow; the delay is cut to its bound anyway.
  const long long limit = std::chrono::milliseconds(kMaxCrawlDelay).count();
  if (whole.size() > 6) return std::chrono::milliseconds(limit);
  long long milliseconds = 0;
  for (const char c : whole) milliseconds = milliseconds * 10 + (c - '0');
  milliseconds *= 1000;
  long long scale = 100;
  for (std::size_t i = 0; i < fraction.size() && i < 3; ++i, scale /= 10) milliseconds += (fraction[i] - '0') * scale;
  return std::chrono::milliseconds(std::min(milliseconds, limit));
}

bool namesAgent(std::string_view value, std::string_view agent) {
  const std::string lower = lowerAscii(std::string(value));
  return lower.starts_with(lowerAscii(std::string(agent)));
}

}  // namespace

RobotsRules::RobotsRules(std::string_view text, std::string_view agent) {
  text = text.substr(0, kMaxRobotsBytes);
  std::vector<Rule> ours;
  std::vector<Rule> anyone;
  std::optional<std::chrono::milliseconds> ourDelay;
  std::optional<std::chrono::milliseconds> anyoneDelay;
  bool groupIsOurs = false;
  bool groupIsAnyone = false;
  bool oursFound = false;
  bool inAgentLines = false;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    std::string_view line = text.substr(0, end);
    text = end == npos ? std::string_view() : text.substr(end + 1);
    line = trimmed(line.substr(0, line.find('#')));
    const std::size_t colon = line.find(':');
    if (colon == npos) continue;
    const std::string key = lowerAscii(std::string(trimmed(line.substr(0, colon))));
    const std::string_view value = trimmed(line.substr(colon + 1));
    if (key == "user-agent") {
      // Agent lines in a row make one group; the first after a rule starts the next.
      if (!inAgentLines) groupIsOurs = groupIsAnyone = false;
      inAgentLines = true;
      if (value == "*") groupIsAnyone = true;
      if (namesAgent(value, agent)) groupIsOurs = oursFound = true;
      continue;
    }
    if (key == "crawl-delay") {
      inAgentLines = false;
      const std::optional<std::chrono::milliseconds> delay = delayOf(value);
      if (groupIsOurs && delay) ourDelay = delay;
      if (groupIsAnyone && delay) anyoneDelay = delay;
      continue;
    }
    if (key != "allow" && key != "disallow") continue;
    inAgentLines = false;
    // An empty Disallow forbids nothing.
    if (value.empty()) continue;
    const Rule rule{std::string(value), key == "allow"};
    if (groupIsOurs) ours.push_back(rule);
    if (groupIsAnyone) anyone.push_back(rule);
  }
  rules_ = oursFound ? std::move(ours) : std::move(anyone);
  crawlDelay_ = oursFound ? ourDelay : anyoneDelay;
}

bool RobotsRules::allows(std::string_view pathAndQuery) const {
  if (pathAndQuery == "/robots.txt") return true;
  const Rule* best = nullptr;
  for (const Rule& rule : rules_) {
    if (!matches(rule.pattern, pathAndQuery)) continue;
    const bool longer = best == nullptr || rule.pattern.size() > best->pattern.size();
    const bool tieAllowed = best != nullptr && rule.pattern.size() == best->pattern.size() && rule.allow;
    if (longer || tieAllowed) best = &rule;
  }
  return best == nullptr || best->allow;
}

}  // namespace quillon
