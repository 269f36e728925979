#pragma once
// Where a request goes: the address asked for, and the host and port connected
// to, directly or through a proxy; and where a redirection leads.
#include <string>
#include <string_view>
#include <variant>

#include "net/url_parser.hpp"

namespace quillon::net {

// An absolute address. The port is empty when the address names none.
struct WebLocation {
  std::string scheme;
  std::string host;
  std::string port;
  std::string path;

  // "http://host:port/path", the port only when named.
  std::string text() const;
};

// The address of a request URL: a missing scheme counts as "http", an empty path as "/".
WebLocation webLocationOf(const ParsedURL& url);

struct ProxySetting {
  std::string host;  // empty: a direct connection
  std::string port;
};

// A "Proxy" value (a host, possibly written as an address with a port) and the
// port used when it names none.
ProxySetting proxySettingOf(const std::string& proxy, const std::string& proxyPort);

struct RequestTarget {
  std::string requestPath;  // what the request line asks for
  std::string hostName;     // the "Host:" header
  std::string connectHost;
  std::string connectPort;
};

// Directly, the request asks for the path on the address's host (port 80 by
// default); through a proxy it asks the proxy for the whole address.
RequestTarget requestTargetFor(const WebLocation& location, const ProxySetting& proxy);

// The address a "location" value leads to from the current one: a path
// beginning with "/" stays on the current host, a relative one is taken from the
// current path's folder, an absolute one names its own host. Without a proxy
// only "http" can be followed; the text of the refusal comes back instead.
std::variant<WebLocation, std::string> resolveRedirection(const WebLocation& current, std::string_view location,
                                                          bool viaProxy);

}  // namespace quillon::net
