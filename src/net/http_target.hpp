#pragma once
// Where a request goes: the address asked for, and the host and port connected
// to, directly or through a proxy; and where a redirection leads.
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "net/url_parser.hpp"

namespace quillon::net {

// An absolute address. The port is empty when the address names none; the
// path holds the query and never a "#" part, and is percent-encoded where a
// request line needs it.
struct WebLocation {
  std::string scheme;  // lower case
  std::string host;    // an IPv6 literal keeps its brackets
  std::string port;
  std::string path;

  // "http://host:port/path", the port only when named.
  std::string text() const;
  bool secure() const { return scheme == "https"; }
  // The port connected to: the named one, else the scheme's own.
  std::string portOrDefault() const;
};

// The address of a request URL: a missing scheme counts as "http", an empty path as "/".
WebLocation webLocationOf(const ParsedURL& url);

// Why the client cannot ask for this address itself, or nothing when it can:
// directly only http and https are spoken, and a host name must not carry
// characters that would change the request text.
std::optional<std::string> addressProblem(const WebLocation& location, bool viaProxy);

struct ProxySetting {
  std::string host;  // empty: a direct connection
  std::string port;
};

// A "Proxy" value (a host, possibly written as an address with a port) and the
// port used when it names none.
ProxySetting proxySettingOf(const std::string& proxy, const std::string& proxyPort);

struct RequestTarget {
  std::string requestPath;  // what the request line asks for
  std::string hostName;     // the "Host:" header: the port only when not the scheme's own
  std::string connectHost;  // without the brackets of an IPv6 literal
  std::string connectPort;
  bool secure = false;   // TLS, after the tunnel when there is one
  std::string tlsHost;   // the name the certificate must carry
  std::string tunnelTo;  // "host:port" asked of the proxy with CONNECT; empty when none
};

// Directly, the request asks for the path on the address's host (port 80 for
// http, 443 for https by default); through a proxy it asks the proxy for the
// whole address, or for a tunnel to the host when the address is https.
RequestTarget requestTargetFor(const WebLocation& location, const ProxySetting& proxy);

// The address a "location" value leads to from the current one, resolved as
// a reference relative to it (dot segments removed, the "#" part dropped).
// Only http and https can be followed; the text of the refusal comes back instead.
std::variant<WebLocation, std::string> resolveRedirection(const WebLocation& current, std::string_view location);

}  // namespace quillon::net
