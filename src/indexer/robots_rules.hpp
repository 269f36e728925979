#pragma once
// What a site's robots.txt allows our crawler to read: the group for our
// agent name ("Quillon"), else the group for "*"; Allow and Disallow rules
// with "*" and a final "$", the longest matching rule deciding and Allow
// winning a tie. No rules (a missing or failing file) allow every page.
// The group may also ask for a Crawl-delay between requests.
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

inline constexpr const char* kRobotsAgent = "Quillon";
// More of a robots.txt than this is not read; the standard asks crawlers for at least 500 KiB.
inline constexpr std::size_t kMaxRobotsBytes = 512 * 1024;
// The longest Crawl-delay a server may ask of us; a longer one is cut to it.
inline constexpr std::chrono::seconds kMaxCrawlDelay{60};

class RobotsRules {
 public:
  // Allows everything.
  RobotsRules() = default;
  // The rules of the text that apply to `agent`.
  RobotsRules(std::string_view text, std::string_view agent);

  // The path with its query, as sent ("/dir/page?x=1").
  bool allows(std::string_view pathAndQuery) const;
  std::size_t size() const { return rules_.size(); }
  // The group's Crawl-delay, at most kMaxCrawlDelay; none when it asks for none.
  std::optional<std::chrono::milliseconds> crawlDelay() const { return crawlDelay_; }

 private:
  struct Rule {
    std::string pattern;
    bool allow;
  };
  std::vector<Rule> rules_;
  std::optional<std::chrono::milliseconds> crawlDelay_;
};

}  // namespace quillon
