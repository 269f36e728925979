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

bool isBlank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

std::vector<std::string> splitTextLines(const std::string& text) {
  std::vector<std::string> lines;
  for (const Line& line : lineSpans(text)) lines.push_back(text.substr(line.begin, line.end - line.begin));
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
  for (const Line& line : lineSpans(text)) {
    if (line.end <= appletStart) {
      frame.headerLines.push_back(text.substr(line.begin, line.end - line.begin));
    } else if (line.begin <= appletStart) {
      // The applet tag's own line goes last into the header, as the writer
      // replaces it; what stands before the tag on that line is kept.
      const std::string before = text.substr(line.begin, appletStart - line.begin);
      if (!isBlank(before)) frame.headerLines.push_back(before);
      frame.headerLines.push_back(text.substr(appletStart, line.end - appletStart));
    }
    if (!closed || line.end < appletEnd) continue;
    if (line.begin < appletEnd) {
      const std::string after = text.substr(appletEnd, line.end - appletEnd);
      if (!isBlank(after)) frame.footerLines.push_back(after);
    } else {
      frame.footerLines.push_back(text.substr(line.begin, line.end - line.begin));
    }
  }
  // The writer adds its script line again on every save.
  if (!frame.footerLines.empty() && isMenuScriptLine(frame.footerLines.front())) {
    frame.footerLines.erase(frame.footerLines.begin());
  }
  return frame;
}

}  // namespace quillon
