#include "net/http_target.hpp"

#include "net/ascii.hpp"

namespace quillon::net {
namespace {

constexpr const char* kDefaultPort = "80";

// A reference with neither a scheme nor a leading "/": "page.htm", "../x", "?q=1".
bool isRelativeReference(std::string_view location) {
  return !location.empty() && location.find("://") == std::string_view::npos && !location.starts_with('/') &&
         !startsWithNoCase(location, "http:") && !startsWithNoCase(location, "mailto:");
}

std::string resolveRelativePath(const std::string& currentPath, std::string_view reference) {
  const std::string_view withoutQuery = std::string_view(currentPath).substr(0, currentPath.find('?'));
  if (reference.starts_with('?')) return std::string(withoutQuery) + std::string(reference);
  const auto slash = withoutQuery.rfind('/');
  std::string resolved = std::string(slash == std::string_view::npos ? "/" : withoutQuery.substr(0, slash + 1));
  if (!resolved.starts_with('/')) resolved.insert(0, "/");
  return resolved + std::string(reference);
}

}  // namespace

std::string WebLocation::text() const { return scheme + "://" + host + (port.empty() ? "" : ":" + port) + path; }

WebLocation webLocationOf(const ParsedURL& url) {
  WebLocation location{url.scheme, url.host, url.port, url.path};
  if (location.scheme.empty()) location.scheme = "http";
  if (location.path.empty()) location.path = "/";
  return location;
}

ProxySetting proxySettingOf(const std::string& proxy, const std::string& proxyPort) {
  if (proxy.empty()) return {};
  const ParsedURL parts = parseURL(proxy);
  return {parts.host, parts.port.empty() ? proxyPort : parts.port};
}

RequestTarget requestTargetFor(const WebLocation& location, const ProxySetting& proxy) {
  RequestTarget target;
  target.hostName = location.host;
  if (proxy.host.empty()) {
    target.requestPath = location.path;
    target.connectHost = location.host;
    target.connectPort = location.port.empty() ? kDefaultPort : location.port;
  } else {
    // The port stays in the address: the proxy must reach the same server.
    target.requestPath = location.text();
    target.connectHost = proxy.host;
    target.connectPort = proxy.port;
  }
  return target;
}

std::variant<WebLocation, std::string> resolveRedirection(const WebLocation& current, std::string_view location,
                                                          bool viaProxy) {
  WebLocation next = current;
  if (isRelativeReference(location)) {
    next.path = resolveRelativePath(current.path, location);
    return next;
  }
  const ParsedURL parts = parseURL(location);
  if (parts.host.empty()) {
    next.path = parts.path.empty() ? "/" : parts.path;
    if (!next.path.starts_with('/')) next.path.insert(0, "/");
    return next;
  }
  next = webLocationOf(parts);
  if (!viaProxy && !equalsNoCase(next.scheme, "http")) {
    return "can't follow the redirection to " + std::string(location) + ": only http is supported";
  }
  return next;
}

}  // namespace quillon::net
