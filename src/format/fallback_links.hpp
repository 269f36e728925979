#pragma once
// The menu's entries as nested lists of plain links: the alternate content of
// the applet element, for browsers with neither Java nor scripting. It stands
// in a NOSCRIPT element: a browser that runs the menu script then reads it as
// plain text instead of laying out thousands of links while the page loads.
// The reader skips it with the rest of the applet block.
#include <cstddef>
#include <string>
#include <string_view>

namespace quillon {

// Gathered while the entries are written, so the menu is walked once, and
// appended after them.
class FallbackLinks {
 public:
  // codebase is the applet tag's CODEBASE ("." or a folder with "/"
  // separators); links are written relative to it, as the applets open them.
  explicit FallbackLinks(const std::string& codebase);

  void reserve(std::size_t bytes) { lists_.reserve(bytes); }
  // The room an item of these texts takes, for reserve.
  std::size_t itemBytes(std::size_t textBytes) const { return textBytes + folder_.size() + 40; }

  // Levels come in page order and deepen one at a time (0 for a tab, or for a
  // top-level node of a menu without tabs). Texts go on one line, as in the
  // entries they stand beside.
  void item(int level, std::string_view caption, std::string_view url, std::string_view target);

  // Appends the closed lists as lines with CR LF ends; nothing for a menu
  // without entries.
  void appendTo(std::string& out);

 private:
  std::string lists_;
  std::string folder_;  // escaped, ending in "/" unless empty
  int depth_ = 0;
};

}  // namespace quillon
