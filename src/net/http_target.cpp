#include "net/http_target.hpp"

#include <vector>

#include "net/ascii.hpp"

namespace quillon::net {
namespace {

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

bool isSupportedScheme(std::string_view scheme) { return scheme == "http" || scheme == "https"; }

// Bytes a request line must not carry as they are: blanks, controls, non-ASCII
// bytes and the characters that are never allowed in a path or a query. An
// escape already written ("%20") stays; a lone "%" is escaped itself.
std::string percentEncoded(std::string_view path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  encoded.reserve(path.size());
  for (std::size_t i = 0; i < path.size(); ++i) {
    const auto byte = static_cast<unsigned char>(path[i]);
    const bool escape = byte == '%' && i + 2 < path.size() && isHexDigit(path[i + 1]) && isHexDigit(path[i + 2]);
    const bool forbidden = std::string_view("\"<>\\^`{|}%").find(path[i]) != std::string_view::npos;
    if (!escape && (byte <= 0x20 || byte >= 0x7f || forbidden)) {
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 0xf];
    } else {
      encoded += path[i];
    }
  }
  return encoded;
}

// "/a/./b/../c" is "/a/c"; ".." never climbs above the root.
std::string removeDotSegments(std::string_view path) {
  std::vector<std::string_view> segments;
  bool trailingSlash = false;
  std::size_t position = path.starts_with('/') ? 1 : 0;
  while (true) {
    const auto next = path.find('/', position);
    const std::string_view segment = path.substr(position, next - position);
    const bool last = next == std::string_view::npos;
    if (segment == "." || segment == "..") {
      if (segment == ".." && !segments.empty()) segments.pop_back();
      trailingSlash = last;
    } else {
      segments.push_back(segment);
      trailingSlash = false;
    }
    if (last) break;
    position = next + 1;
  }
  std::string result;
  for (const std::string_view segment : segments) {
    result += '/';
    result += segment;
  }
  if (result.empty() || trailingSlash) result += '/';
  return result;
}

// A path with its query: dot segments go from the path part only.
std::string normalisedPath(std::string_view pathAndQuery) {
  const auto query = pathAndQuery.find('?');
  return percentEncoded(removeDotSegments(pathAndQuery.substr(0, query)) +
                        std::string(query == std::string_view::npos ? "" : pathAndQuery.substr(query)));
}

// The length of a reference's scheme ("http" in "http:x"), 0 when it has none.
std::size_t schemeLength(std::string_view reference) {
  const auto colon = reference.find(':');
  if (colon == std::string_view::npos || colon == 0) return 0;
  for (std::size_t i = 0; i < colon; ++i) {
    const char c = toLowerAscii(reference[i]);
    const bool letter = c >= 'a' && c <= 'z';
    if (!letter && (i == 0 || !((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'))) return 0;
  }
  return colon;
}

std::string defaultPortOf(std::string_view scheme) { return scheme == "https" ? "443" : "80"; }

std::string withoutBrackets(const std::string& host) {
  return host.size() > 2 && host.front() == '[' && host.back() == ']' ? host.substr(1, host.size() - 2) : host;
}

}  // namespace

std::string WebLocation::text() const { return scheme + "://" + host + (port.empty() ? "" : ":" + port) + path; }

std::string WebLocation::portOrDefault() const { return port.empty() ? defaultPortOf(scheme) : port; }

WebLocation webLocationOf(const ParsedURL& url) {
  WebLocation location{lowerAscii(url.scheme), url.host, url.port, ""};
  if (location.scheme.empty()) location.scheme = "http";
  location.path = normalisedPath(std::string_view(url.path).substr(0, url.path.find('#')));
  return location;
}

std::optional<std::string> addressProblem(const WebLocation& location, bool viaProxy) {
  if (!viaProxy && !isSupportedScheme(location.scheme)) {
    return "can't fetch " + location.text() + ": only http and https are supported";
  }
  for (const char c : location.host + location.port) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= 0x20 || byte >= 0x7f || std::string_view("/\\?#@<>\"{}|^`").find(c) != std::string_view::npos) {
      return "can't fetch " + location.text() + ": the host name is not valid";
    }
  }
  return std::nullopt;
}

ProxySetting proxySettingOf(const std::string& proxy, const std::string& proxyPort) {
  if (proxy.empty()) return {};
  const ParsedURL parts = parseURL(proxy);
  return {withoutBrackets(parts.host), parts.port.empty() ? proxyPort : parts.port};
}

RequestTarget requestTargetFor(const WebLocation& location, const ProxySetting& proxy) {
  RequestTarget target;
  const bool defaultPort = location.port.empty() || location.port == defaultPortOf(location.scheme);
  target.hostName = location.host + (defaultPort ? "" : ":" + location.port);
  target.secure = location.secure();
  if (target.secure) target.tlsHost = withoutBrackets(location.host);
  if (proxy.host.empty()) {
    target.requestPath = location.path;
    target.connectHost = withoutBrackets(location.host);
    target.connectPort = location.portOrDefault();
    return target;
  }
  target.connectHost = proxy.host;
  target.connectPort = proxy.port;
  if (target.secure) {
    // The proxy only carries the bytes: the request itself is the server's.
    target.tunnelTo = location.host + ":" + location.portOrDefault();
    target.requestPath = location.path;
  } else {
    // The port stays in the address: the proxy must reach the same server.
    target.requestPath = location.text();
  }
  return target;
}

std::variant<WebLocation, std::string> resolveRedirection(const WebLocation& current, std::string_view location) {
  std::string_view reference = location.substr(0, location.find('#'));
  WebLocation next = current;
  if (const std::size_t length = schemeLength(reference); length > 0) {
    next.scheme = lowerAscii(reference.substr(0, length));
    reference.remove_prefix(length + 1);
    if (next.scheme != current.scheme) next.port.clear();
  }
  // A relative reference keeps the current scheme, which a proxy may have let be another.
  if (!isSupportedScheme(next.scheme)) {
    return "can't follow the redirection to " + std::string(location) + ": only http and https are supported";
  }
  if (reference.starts_with("//")) {
    const ParsedURL parts = parseURL(next.scheme + ":" + std::string(reference));
    next.host = parts.host;
    next.port = parts.port;
    next.path = normalisedPath(parts.path.empty() ? "/" : parts.path);
  } else if (reference.starts_with('/')) {
    next.path = normalisedPath(reference);
  } else if (reference.starts_with('?')) {
    next.path = current.path.substr(0, current.path.find('?')) + percentEncoded(reference);
  } else if (!reference.empty()) {
    const std::string folder = current.path.substr(0, current.path.substr(0, current.path.find('?')).rfind('/') + 1);
    next.path = normalisedPath(folder + std::string(reference));
  }
  if (next.host.empty()) return "can't follow the redirection to " + std::string(location) + ": it names no host";
  return next;
}

}  // namespace quillon::net
