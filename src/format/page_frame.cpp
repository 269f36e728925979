#include "format/page_frame.hpp"

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

}  // namespace

std::vector<std::string> splitTextLines(const std::string& text) {
  std::vector<std::string> lines;
  forEachLine(text, [&](const Line& line) { lines.push_back(text.substr(line.begin, line.end - line.begin)); });
  return lines;
}

PageFrame capturePageFrame(const std::string& text, std::size_t appletStart, std::size_t appletEnd) {
  PageFrame frame;
  // The applet tag's own line goes last into the header, as the writer replaces it;
  // the lines from there through the closing tag's line are the applet block.
  const auto listOf = [&](const Line& line) -> std::vector<std::string>* {
    if (line.begin <= appletStart) return &frame.headerLines;
    if (line.begin >= appletEnd && appletEnd < text.size()) return &frame.footerLines;
    return nullptr;
  };
  // Counted first, so that the lists take no room to grow into: a page of short lines has many.
  std::size_t headerCount = 0;
  std::size_t footerCount = 0;
  forEachLine(text, [&](const Line& line) {
    const std::vector<std::string>* list = listOf(line);
    if (list == &frame.headerLines) ++headerCount;
    if (list == &frame.footerLines) ++footerCount;
  });
  frame.headerLines.reserve(headerCount);
  frame.footerLines.reserve(footerCount);
  forEachLine(text, [&](const Line& line) {
    if (std::vector<std::string>* list = listOf(line)) list->push_back(text.substr(line.begin, line.end - line.begin));
  });
  return frame;
}

}  // namespace quillon
