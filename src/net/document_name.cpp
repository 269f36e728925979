#include "net/document_name.hpp"

#include "net/ascii.hpp"

namespace quillon::net {
namespace {

constexpr std::string_view kDefaultName = "document.htm";
constexpr std::size_t kMaxNameLength = 255;

}  // namespace

std::string documentName(std::string_view path) {
  if (path.empty() || path == "/") return std::string(kDefaultName);
  if (path.ends_with('/')) path.remove_suffix(1);
  if (const auto slash = path.rfind('/'); slash != std::string_view::npos) path.remove_prefix(slash + 1);
  path = path.substr(0, kMaxNameLength);
  path = path.substr(0, path.find('?'));
  // A name is needed to store the document at all.
  return path.empty() ? std::string(kDefaultName) : std::string(path);
}

std::string documentNameForType(const std::string& name, std::string_view bodyType) {
  const std::string_view mediaType = bodyType.substr(0, bodyType.find(';'));
  const auto dot = name.rfind('.');
  if (dot == std::string::npos || lowerAscii(std::string_view(name).substr(dot)) != ".exe") return name;
  if (!equalsNoCase(mediaType, "text/html")) return name;
  return name.substr(0, dot) + ".htm";
}

}  // namespace quillon::net
