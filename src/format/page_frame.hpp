#pragma once
// The lines of a page around its applet block, kept so that a save writes
// them back unchanged.
#include <cstddef>
#include <string>
#include <vector>

namespace quillon {

struct PageFrame {
  // Up to and including the line where the applet tag starts.
  std::vector<std::string> headerLines;
  // After the line that holds the closing applet tag.
  std::vector<std::string> footerLines;
};

// Splits the text into lines at CR LF, LF or CR.
std::vector<std::string> splitTextLines(const std::string& text);

// appletStart is where the applet tag begins in the text, appletEnd where the
// closing tag ends (text.size() when there is none).
PageFrame capturePageFrame(const std::string& text, std::size_t appletStart, std::size_t appletEnd);

}  // namespace quillon
