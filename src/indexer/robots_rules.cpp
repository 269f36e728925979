#include "indexer/robots_rules.hpp"

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

bool namesAgent(std::string_view value, std::string_view agent) {
  const std::string lower = lowerAscii(std::string(value));
  return lower.starts_with(lowerAscii(std::string(agent)));
}

}  // namespace

RobotsRules::RobotsRules(std::string_view text, std::string_view agent) {
  text = text.substr(0, kMaxRobotsBytes);
  std::vector<Rule> ours;
  std::vector<Rule> anyone;
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
    if (key != "allow" && key != "disallow") continue;
    inAgentLines = false;
    // An empty Disallow forbids nothing.
    if (value.empty()) continue;
    const Rule rule{std::string(value), key == "allow"};
    if (groupIsOurs) ours.push_back(rule);
    if (groupIsAnyone) anyone.push_back(rule);
  }
  rules_ = oursFound ? std::move(ours) : std::move(anyone);
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
