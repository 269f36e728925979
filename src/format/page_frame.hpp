#pragma once
// The lines of a page around its applet block, kept so that a save writes
// them back unchanged.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

struct PageFrame {
  // The lines before the applet tag, then the line where it starts (the
  // writer replaces that last line by its own applet tag line).
  std::vector<std::string> headerLines;
  // After the closing applet tag, without the writer's own script line.
  std::vector<std::string> footerLines;
};

// Splits the text into lines at CR LF, LF or CR.
std::vector<std::string> splitTextLines(const std::string& text);
// The same lines as views into the text.
std::vector<std::string_view> textLineViews(std::string_view text);

// The line the writer puts right after the closing applet tag: it loads the
// script that draws the menu in browsers, from the code base ("." or a folder).
std::string menuScriptLine(const std::string& codebase);

// True for a line the writer made with menuScriptLine, whatever its code base.
bool isMenuScriptLine(const std::string& line);

// appletStart is where the applet tag begins in the text, appletEnd where the
// closing tag ends (text.size() when there is none). Text that shares a line
// with either tag outside the applet block gets a line of its own.
PageFrame capturePageFrame(std::string_view text, std::size_t appletStart, std::size_t appletEnd);

}  // namespace quillon
