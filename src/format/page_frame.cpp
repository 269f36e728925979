#include "format/page_frame.hpp"

#include "format/applet_files.hpp"
#include "format/html_escape.hpp"
#include "format/text_helpers.hpp"

namespace quillon {

namespace {

struct Line {
  std::size_t begin;
  std::size_t end;  // before the line break
};

// Visits the lines one by one: a list of them would take several times a page of short lines.
template <class Visit>
void forEachLine(const std::string& text, Visit visit) {
  std::size_t begin = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '\r' || text[i] == '\n') {
      visit(Line{begin, i});
      i += (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
      begin = i;
    } else {
      ++i;
    }
  }
  if (begin < text.size()) visit(Line{begin, text.size()});
}

bool isBlank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

std::vector<std::string> splitTextLines(const std::string& text) {
  std::vector<std::string> lines;
  forEachLine(text, [&](const Line& line) { lines.push_back(text.substr(line.begin, line.end - line.begin)); });
  return lines;
}

std::string menuScriptLine(const std::string& codebase) {
  std::string folder = codebase == "." ? std::string() : codebase;
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return "<SCRIPT SRC=\"" + escapeHtmlAttribute(folder) + kMenuScript + "\"></SCRIPT>";
}

bool isMenuScriptLine(const std::string& line) {
  const std::string text = lowerAscii(trim(line));
  const std::string opening = "<script src=\"";
  const std::string closing = std::string(lowerAscii(kMenuScript)) + "\"></script>";
  if (text.size() < opening.size() + closing.size() || text.compare(0, opening.size(), opening) != 0) return false;
  if (text.compare(text.size() - closing.size(), closing.size(), closing) != 0) return false;
  // Only a folder may stand before the name: no quote that would end the address early.
  const std::string folder = text.substr(opening.size(), text.size() - opening.size() - closing.size());
  return folder.find('"') == std::string::npos && (folder.empty() || folder.back() == '/');
}

PageFrame capturePageFrame(const std::string& text, std::size_t appletStart, std::size_t appletEnd) {
  PageFrame frame;
  const bool closed = appletEnd < text.size();
  // Hands each piece of the frame to keep(inHeader, begin, end), in page order.
  const auto visitFrame = [&](auto keep) {
    forEachLine(text, [&](const Line& line) {
      if (line.end <= appletStart) {
        keep(true, line.begin, line.end);
      } else if (line.begin <= appletStart) {
        // The applet tag's own line goes last into the header, as the writer
        // replaces it; what stands before the tag on that line is kept.
        if (!isBlank(text.substr(line.begin, appletStart - line.begin))) keep(true, line.begin, appletStart);
        keep(true, appletStart, line.end);
      }
      if (!closed || line.end < appletEnd) return;
      if (line.begin < appletEnd) {
        if (!isBlank(text.substr(appletEnd, line.end - appletEnd))) keep(false, appletEnd, line.end);
      } else {
        keep(false, line.begin, line.end);
      }
    });
  };
  // Counted first, so that the lists take no room to grow into: a page of short lines has many.
  std::size_t headerCount = 0;
  std::size_t footerCount = 0;
  visitFrame([&](bool inHeader, std::size_t, std::size_t) { ++(inHeader ? headerCount : footerCount); });
  frame.headerLines.reserve(headerCount);
  frame.footerLines.reserve(footerCount);
  visitFrame([&](bool inHeader, std::size_t begin, std::size_t end) {
    (inHeader ? frame.headerLines : frame.footerLines).push_back(text.substr(begin, end - begin));
  });
  // The writer adds its script line again on every save.
  if (!frame.footerLines.empty() && isMenuScriptLine(frame.footerLines.front())) {
    frame.footerLines.erase(frame.footerLines.begin());
  }
  return frame;
}

}  // namespace quillon
