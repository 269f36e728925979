#include "format/web_address.hpp"

#include "format/text_helpers.hpp"

namespace quillon {

namespace {

constexpr std::size_t npos = std::string_view::npos;

bool isSchemeCharacter(char c, bool first) {
  const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  if (first) return letter;
  return letter || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

// The length of the scheme at the front of the text, 0 when there is none.
std::size_t schemeLength(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == npos || colon == 0) return 0;
  for (std::size_t i = 0; i < colon; ++i) {
    if (!isSchemeCharacter(text[i], i == 0)) return 0;
  }
  return colon;
}

struct Reference {
  std::optional<std::string> authority;
  std::string path;
  std::optional<std::string> query;
  std::optional<std::string> fragment;
};

// Authority, path, query and fragment of what follows a scheme (or of a reference without one).
Reference splitReference(std::string_view rest) {
  Reference parts;
  if (const std::size_t hash = rest.find('#'); hash != npos) {
    parts.fragment = std::string(rest.substr(hash + 1));
    rest = rest.substr(0, hash);
  }
  if (const std::size_t question = rest.find('?'); question != npos) {
    parts.query = std::string(rest.substr(question + 1));
    rest = rest.substr(0, question);
  }
  if (rest.starts_with("//")) {
    const std::size_t end = rest.find('/', 2);
    parts.authority = std::string(rest.substr(2, end == npos ? npos : end - 2));
    rest = end == npos ? std::string_view() : rest.substr(end);
  }
  parts.path = std::string(rest);
  return parts;
}

// Where the host of an authority lies: after the user info, before the port.
std::pair<std::size_t, std::size_t> hostSpan(const std::string& authority) {
  const std::size_t at = authority.rfind('@');
  const std::size_t begin = at == std::string::npos ? 0 : at + 1;
  std::size_t end = authority.size();
  const std::size_t bracket = authority.find(']', begin);
  const std::size_t colon = authority.rfind(':');
  if (colon != std::string::npos && colon >= begin && (bracket == std::string::npos || colon > bracket)) end = colon;
  return {begin, end};
}

std::string portOf(const std::string& authority) {
  const auto [begin, end] = hostSpan(authority);
  return end < authority.size() ? authority.substr(end + 1) : std::string();
}

std::string defaultPort(const std::string& scheme) {
  if (scheme == "http") return "80";
  if (scheme == "https") return "443";
  return {};
}

// The base path's folder with the reference's path after it.
std::string merge(const WebAddress& base, const std::string& path) {
  if (!base.authority.empty() && base.path.empty()) return "/" + path;
  const std::size_t slash = base.path.rfind('/');
  return slash == std::string::npos ? path : base.path.substr(0, slash + 1) + path;
}

// Bytes that may not stand raw in an address; "%" stays, it already encodes.
std::string percentEncoded(const std::string& text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    const bool raw = byte > 0x20 && byte < 0x7F && c != '"' && c != '<' && c != '>' && c != '\\' && c != '^' &&
                     c != '`' && c != '{' && c != '|' && c != '}';
    if (raw) {
      out += c;
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    }
  }
  return out;
}

}  // namespace

std::string WebAddress::text(bool withFragment) const {
  std::string out = scheme + ":";
  if (!authority.empty() || scheme == "http" || scheme == "https") out += "//" + authority;
  out += path;
  if (query) out += "?" + *query;
  if (withFragment && fragment) out += "#" + *fragment;
  return out;
}

bool hasScheme(std::string_view text) { return schemeLength(text) > 0; }

std::optional<WebAddress> parseAbsoluteAddress(std::string_view text) {
  const std::size_t length = schemeLength(text);
  if (length == 0) return std::nullopt;
  Reference parts = splitReference(text.substr(length + 1));
  WebAddress address;
  address.scheme = lowerAscii(std::string(text.substr(0, length)));
  address.authority = parts.authority.value_or(std::string());
  address.path = std::move(parts.path);
  address.query = std::move(parts.query);
  address.fragment = std::move(parts.fragment);
  return address;
}

std::string removeDotSegments(std::string_view path) {
  std::string output;
  while (!path.empty()) {
    if (path.starts_with("../")) {
      path.remove_prefix(3);
    } else if (path.starts_with("./")) {
      path.remove_prefix(2);
    } else if (path.starts_with("/./")) {
      path.remove_prefix(2);
    } else if (path == "/.") {
      path = "/";
    } else if (path.starts_with("/../") || path == "/..") {
      path = path.size() == 3 ? std::string_view("/") : path.substr(3);
      const std::size_t slash = output.rfind('/');
      output.erase(slash == std::string::npos ? 0 : slash);
    } else if (path == "." || path == "..") {
      path = {};
    } else {
      const std::size_t next = path.find('/', path.front() == '/' ? 1 : 0);
      const std::size_t length = next == npos ? path.size() : next;
      output.append(path.substr(0, length));
      path.remove_prefix(length);
    }
  }
  return output;
}

WebAddress resolveReference(const WebAddress& base, std::string_view reference) {
  if (const std::optional<WebAddress> absolute = parseAbsoluteAddress(reference)) {
    WebAddress target = *absolute;
    target.path = removeDotSegments(target.path);
    return target;
  }
  const Reference parts = splitReference(reference);
  WebAddress target;
  target.scheme = base.scheme;
  target.fragment = parts.fragment;
  if (parts.authority) {
    target.authority = *parts.authority;
    target.path = removeDotSegments(parts.path);
    target.query = parts.query;
    return target;
  }
  target.authority = base.authority;
  if (parts.path.empty()) {
    target.path = base.path;
    target.query = parts.query ? parts.query : base.query;
    return target;
  }
  target.path = removeDotSegments(parts.path.starts_with('/') ? parts.path : merge(base, parts.path));
  target.query = parts.query;
  return target;
}

WebAddress normalised(WebAddress address) {
  address.scheme = lowerAscii(address.scheme);
  const auto [begin, end] = hostSpan(address.authority);
  address.authority = address.authority.substr(0, begin) + lowerAscii(address.authority.substr(begin, end - begin)) +
                      address.authority.substr(end);
  const std::string port = portOf(address.authority);
  if (!port.empty() && port == defaultPort(address.scheme)) address.authority.erase(hostSpan(address.authority).second);
  // "http://host:" names no port either.
  if (address.authority.ends_with(':')) address.authority.pop_back();
  if (address.path.empty() && !address.authority.empty()) address.path = "/";
  address.path = percentEncoded(removeDotSegments(address.path));
  if (address.query) address.query = percentEncoded(*address.query);
  return address;
}

std::string originOf(const WebAddress& address) { return address.scheme + "://" + address.authority; }

}  // namespace quillon
