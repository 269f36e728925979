#include "net/url_parser.hpp"

#include "net/ascii.hpp"

namespace quillon::net {
namespace {

void splitAuthority(std::string_view authority, ParsedURL& parts) {
  std::string_view hostAndPort = authority;
  if (const auto at = authority.rfind('@'); at != std::string_view::npos) {
    const std::string_view userInfo = authority.substr(0, at);
    hostAndPort = authority.substr(at + 1);
    if (const auto colon = userInfo.find(':'); colon != std::string_view::npos) {
      parts.user = userInfo.substr(0, colon);
      parts.password = userInfo.substr(colon + 1);
    } else {
      parts.user = userInfo;
    }
  }
  // An IPv6 literal keeps its brackets: its own colons are not the port's.
  if (hostAndPort.starts_with('[')) {
    if (const auto close = hostAndPort.find(']'); close != std::string_view::npos) {
      parts.host = hostAndPort.substr(0, close + 1);
      const std::string_view rest = hostAndPort.substr(close + 1);
      if (const auto colon = rest.rfind(':'); colon != std::string_view::npos) parts.port = rest.substr(colon + 1);
      return;
    }
  }
  if (const auto colon = hostAndPort.rfind(':'); colon != std::string_view::npos) {
    parts.host = hostAndPort.substr(0, colon);
    parts.port = hostAndPort.substr(colon + 1);
  } else {
    parts.host = hostAndPort;
  }
}

}  // namespace

ParsedURL parseURL(std::string_view url) {
  ParsedURL parts;
  std::string_view rest = url;
  if (const auto separator = url.find("://"); separator != std::string_view::npos) {
    parts.scheme = url.substr(0, separator);
    rest = url.substr(separator + 3);
  } else if (url.starts_with('/')) {
    parts.scheme = "http";
    if (url.size() < 2 || url[1] != '/') {
      parts.path = url;
      return parts;
    }
    rest = url.substr(2);
  } else if (startsWithNoCase(url, "http:")) {
    parts.scheme = "http";
    if (url.size() < 7 || url[6] != '/') {
      parts.path = url.substr(5);
      return parts;
    }
  } else if (startsWithNoCase(url, "mailto:")) {
    parts.scheme = "mailto";
    rest = url.substr(7);
  }

  // The authority ends where the path, the query or the fragment begins.
  const auto end = rest.find_first_of("/?#");
  if (end != std::string_view::npos) parts.path = rest.substr(end);
  splitAuthority(rest.substr(0, end), parts);
  return parts;
}

}  // namespace quillon::net
