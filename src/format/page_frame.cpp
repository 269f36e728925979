#include "format/page_frame.hpp"

namespace quillon {

namespace {

struct Line {
  std::size_t begin;
  std::size_t end;  // before the line break
};

std::vector<Line> lineSpans(const std::string& text) {
  std::vector<Line> lines;
  std::size_t begin = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.push_back({begin, i});
      i += (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
      begin = i;
    } else {
      ++i;
    }
  }
  if (begin < text.size()) lines.push_back({begin, text.size()});
  return lines;
}

}  // namespace

std::vector<std::string> splitTextLines(const std::string& text) {
  std::vector<std::string> lines;
  for (const Line& line : lineSpans(text)) lines.push_back(text.substr(line.begin, line.end - line.begin));
  return lines;
}

PageFrame capturePageFrame(const std::string& text, std::size_t appletStart, std::size_t appletEnd) {
  PageFrame frame;
  // The applet tag's own line goes last into the header, as the writer replaces it;
  // the lines from there through the closing tag's line are the applet block.
  for (const Line& line : lineSpans(text)) {
    std::string content = text.substr(line.begin, line.end - line.begin);
    if (line.begin <= appletStart) {
      frame.headerLines.push_back(std::move(content));
    } else if (line.begin >= appletEnd && appletEnd < text.size()) {
      frame.footerLines.push_back(std::move(content));
    }
  }
  return frame;
}

}  // namespace quillon
