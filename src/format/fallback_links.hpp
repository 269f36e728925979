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

// Appends the lists to out as lines with CR LF ends, an item at a time.
class FallbackLinks {
 public:
  // codebase is the applet tag's CODEBASE ("." or a folder with "/"
  // separators); links are written relative to it, as the applets open them.
  FallbackLinks(std::string& out, const std::string& codebase);

  // The room an item of these texts takes, for sizing out.
  std::size_t itemBytes(std::size_t textBytes) const { return textBytes + folder_.size() + 40; }

  // Levels come in page order and deepen one at a time (0 for a tab, or for a
  // top-level node of a menu without tabs). Texts go on one line, as in the
  // entries they stand beside.
  void item(int level, std::string_view caption, std::string_view url, std::string_view target);

  // Closes the lists; a menu without entries has none.
  void finish();

 private:
  std::string& out_;
  std::string folder_;  // escaped, ending in "/" unless empty
  int depth_ = 0;
  bool empty_ = true;
};

}  // namespace quillon
