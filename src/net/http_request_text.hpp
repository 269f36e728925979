#pragma once
// The text of a request: the request line and the header lines, in the order
// servers have always been sent them.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillon::net {

struct RequestHeaderInput {
  std::string method;       // "GET", "POST" or "HEAD"
  std::string requestPath;  // the whole address when going through a proxy
  std::string hostName;
  std::string sender;
  std::string reference;
  std::string agent;
  std::string contentTypePost;
  std::optional<std::uint64_t> postLength;  // set for a POST only
  bool noCache = false;
  std::optional<std::chrono::sys_seconds> modifiedSince;
  std::string username;
  std::string password;
  std::string cookie;
  std::string acceptEncoding;  // the content codings the client can undo
};

// Every line of the request without its CR LF; the last one is the empty line
// that ends the request.
std::vector<std::string> requestLines(const RequestHeaderInput& input);

// "Sun, 06 Nov 1994 08:49:37", the time written as held, without any zone conversion.
std::string formatHttpDate(std::chrono::sys_seconds time);

}  // namespace quillon::net
