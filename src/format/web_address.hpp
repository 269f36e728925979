#pragma once
// Web addresses as the standard reference rules read them: split into their
// parts, links resolved against a base with dot segments removed, and one
// normal form in which two spellings of the same address compare equal.
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

struct WebAddress {
  std::string scheme;     // lower case
  std::string authority;  // user info, host and port as written, host in lower case
  std::string path;
  std::optional<std::string> query;     // without its "?"
  std::optional<std::string> fragment;  // without its "#"

  // The whole address; `withFragment` false leaves the "#" part out.
  std::string text(bool withFragment = true) const;
};

// An absolute address: a scheme followed by ":". Nothing for a reference
// without a scheme.
std::optional<WebAddress> parseAbsoluteAddress(std::string_view text);

// True when the text begins with a scheme and ":" ("http:", "mailto:", "C:" too).
bool hasScheme(std::string_view text);

// The reference resolved against the base: relative paths, "/x" from the
// host's root, "//host/x" with the base's scheme, "?q" and "#f" alone.
WebAddress resolveReference(const WebAddress& base, std::string_view reference);

// Dot segments ("." and "..") removed from a path; ".." never climbs above the root.
std::string removeDotSegments(std::string_view path);

// The normal form for fetching and comparing: scheme and host in lower case,
// the scheme's default port (80 for http, 443 for https) dropped, an empty
// path "/", dot segments removed, and blanks, control and non-ASCII bytes
// percent-encoded.
WebAddress normalised(WebAddress address);

// "scheme://authority": robots.txt and the site test work per origin.
std::string originOf(const WebAddress& address);

}  // namespace quillon
