#pragma once
// Reads a start tag the way a browser does: its element name and its
// attributes by their whole names, quoted with " or ', or unquoted.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quillon {

struct ParsedTag {
  std::string element;  // lower-cased: "param", "applet", "/applet"; empty for comments and text
  std::vector<std::pair<std::string, std::string>> attributes;  // names lower-cased, values raw

  // The first attribute of that name (any case), or nothing.
  std::optional<std::string> attribute(const std::string& name) const;
};

ParsedTag parseTag(const std::string& tag);

}  // namespace quillon
