#pragma once
// Which addresses a crawl may read past its start page: shell-style patterns
// on the whole address ("*" any run of characters, "/" too; "?" one
// character; everything else itself, letter case counting).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// True when the pattern matches the whole text. Time grows with the product
// of the two lengths at worst, never faster, whatever either holds.
bool matchesPattern(std::string_view pattern, std::string_view text);

struct AddressPatterns {
  std::vector<std::string> include;  // empty: every address
  std::vector<std::string> exclude;

  // The log line that says why the address is left out; nothing when it passes.
  std::optional<std::string> refusal(const std::string& address) const;
};

// The patterns of a field: separated by blanks (a pattern itself takes "?" for a blank).
std::vector<std::string> patternsOfField(const std::string& field);

}  // namespace quillon
