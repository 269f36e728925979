#pragma once
// Reads a start tag the way a browser does: its element name and its
// attributes by their whole names, quoted with " or ', or unquoted.
#include <optional>
#include <string>
#include <string_view>
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

// The same reading without copies: views into the tag, names as written.
// The element name ("PARAM", "/Applet"); empty for comments and text.
std::string_view tagElement(std::string_view tag);

class AttributeCursor {
 public:
  explicit AttributeCursor(std::string_view tag);
  // The next attribute in the tag's order; false after the last.
  bool next(std::string_view& name, std::string_view& value);

 private:
  std::string_view tag_;
  std::size_t at_;
};

}  // namespace quillon
