#pragma once
// Splits an address into its parts the way the HTTP client and its redirections read it.
#include <string>
#include <string_view>

namespace quillon::net {

struct ParsedURL {
  std::string scheme;
  std::string user;
  std::string password;
  std::string host;
  std::string port;
  std::string path;
};

// Parts that the address does not hold stay empty. "/x" and "http:x" are taken
// as a bare path; a scheme-less "host:port/path" gives host, port and path. An
// IPv6 host keeps its brackets ("[::1]"); a path may begin with "?" or "#" when
// the address has nothing between its host and those.
ParsedURL parseURL(std::string_view url);

}  // namespace quillon::net
