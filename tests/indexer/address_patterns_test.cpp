#include "indexer/address_patterns.hpp"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(AddressPatterns, MatchTheWholeAddress) {
  const struct {
    const char* pattern;
    const char* address;
    bool matches;
  } rows[] = {
      {"*", "", true},
      {"*", "http://h/a/b.htm", true},
      {"http://h/*", "http://h/a/b.htm", true},  // "*" takes "/" too
      {"*.pdf", "http://h/a.pdf", true},
      {"*.pdf", "http://h/a.pdf?x", false},       // the whole address, not a part of it
      {"*/docs/*", "http://h/docs/", true},
      {"*/docs/*", "http://h/docs", false},
      {"*p?.htm", "http://h/p1.htm", true},
      {"*p?.htm", "http://h/p.htm", false},       // "?" is exactly one character
      {"*p?.htm", "http://h/p12.htm", false},
      {"*a*b*c*", "xxaxxbxxcxx", true},
      {"*a*b*c*", "xxcxxbxxaxx", false},          // the pieces in their order
      {"a*a", "a", false},                        // the two ends may not overlap
      {"*/Docs/*", "http://h/docs/a", false},     // letter case counts
      {"[::1]*", "[::1]/a", true},                // brackets are themselves
      {"", "", true},
      {"", "a", false},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(matchesPattern(row.pattern, row.address), row.matches) << row.pattern << " on " << row.address;
  }
}

TEST(AddressPatterns, AHostilePatternOnAHostileAddressEndsAtOnce) {
  // A matcher that tries every way of dividing the stars takes ages here.
  const std::string pattern = "*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*b";
  const std::string address(100'000, 'a');
  EXPECT_FALSE(matchesPattern(pattern, address));
  EXPECT_TRUE(matchesPattern(pattern, address + "b"));
}

TEST(AddressPatterns, ExcludeWinsAndTheLogLineNamesThePattern) {
  const AddressPatterns patterns{{"*/docs/*", "*/blog/*"}, {"*.pdf"}};
  EXPECT_EQ(patterns.refusal("http://h/docs/a.htm"), std::nullopt);
  EXPECT_EQ(patterns.refusal("http://h/docs/a.pdf"),
            "  > LEFT OUT BY EXCLUDE PATTERN (*.pdf): http://h/docs/a.pdf");
  EXPECT_EQ(patterns.refusal("http://h/shop/a.htm"), "  > LEFT OUT, NO INCLUDE PATTERN MATCHES: http://h/shop/a.htm");
  EXPECT_EQ(AddressPatterns{}.refusal("http://h/anything"), std::nullopt);
  EXPECT_EQ(patternsOfField("  *.pdf\t*/old/*  "), (std::vector<std::string>{"*.pdf", "*/old/*"}));
}

}  // namespace
}  // namespace quillon
