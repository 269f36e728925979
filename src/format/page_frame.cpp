#include "format/page_frame.hpp"

#include <algorithm>

#include "format/applet_files.hpp"
#include "format/html_escape.hpp"
#include "format/text_helpers.hpp"

namespace quillon {

namespace {

struct Line {
  std::size_t begin;
  std::size_t end;  // before the line break
};

// Visits the lines one by one from from, a line's start, until visit returns
// false: a list of them would take several times a page of short lines. The
// next CR and LF are each looked for once, with memchr, not byte by byte.
template <class Visit>
void forEachLine(std::string_view text, std::size_t from, Visit visit) {
  constexpr std::size_t npos = std::string_view::npos;
  std::size_t nextCR = npos, nextLF = npos;
  bool crKnown = false, lfKnown = false;
  std::size_t begin = from;
  while (begin < text.size()) {
    if (!crKnown || (nextCR != npos && nextCR < begin)) nextCR = text.find('\r', begin), crKnown = true;
    if (!lfKnown || (nextLF != npos && nextLF < begin)) nextLF = text.find('\n', begin), lfKnown = true;
    const std::size_t end = std::min({nextCR, nextLF, text.size()});
    if (!visit(Line{begin, end})) return;
    if (end == text.size()) return;
    begin = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
  }
}

bool isBlank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

// Where the line that holds pos begins.
std::size_t lineBegin(std::string_view text, std::size_t pos) {
  const std::size_t lastBreak = pos == 0 ? std::string_view::npos : text.find_last_of("\r\n", pos - 1);
  return lastBreak == std::string_view::npos ? 0 : lastBreak + 1;
}

}  // namespace

std::vector<std::string_view> textLineViews(std::string_view text) {
  std::vector<std::string_view> lines;
  forEachLine(text, 0, [&](const Line& line) {
    lines.push_back(text.substr(line.begin, line.end - line.begin));
    return true;
  });
  return lines;
}

std::vector<std::string> splitTextLines(const std::string& text) {
  const std::vector<std::string_view> views = textLineViews(text);
  return std::vector<std::string>(views.begin(), views.end());
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

PageFrame capturePageFrame(std::string_view text, std::size_t appletStart, std::size_t appletEnd) {
  PageFrame frame;
  const bool closed = appletEnd < text.size();
  // Hands each piece of the frame to keep(inHeader, begin, end), in page order.
  // Only the lines before and after the applet block are visited: the block is most of a big page.
  const auto visitFrame = [&](auto keep) {
    forEachLine(text, 0, [&](const Line& line) {
      if (line.begin > appletStart) return false;
      if (line.end <= appletStart) {
        keep(true, line.begin, line.end);
      } else {
        // The applet tag's own line goes last into the header, as the writer
        // replaces it; what stands before the tag on that line is kept.
        if (!isBlank(text.substr(line.begin, appletStart - line.begin))) keep(true, line.begin, appletStart);
        keep(true, appletStart, line.end);
      }
      return true;
    });
    if (!closed) return;
    forEachLine(text, lineBegin(text, appletEnd), [&](const Line& line) {
      if (line.end < appletEnd) return true;
      if (line.begin < appletEnd) {
        if (!isBlank(text.substr(appletEnd, line.end - appletEnd))) keep(false, appletEnd, line.end);
      } else {
        keep(false, line.begin, line.end);
      }
      return true;
    });
  };
  // Counted first, so that the lists take no room to grow into: a page of short lines has many.
  std::size_t headerCount = 0;
  std::size_t footerCount = 0;
  visitFrame([&](bool inHeader, std::size_t, std::size_t) { ++(inHeader ? headerCount : footerCount); });
  frame.headerLines.reserve(headerCount);
  frame.footerLines.reserve(footerCount);
  visitFrame([&](bool inHeader, std::size_t begin, std::size_t end) {
    (inHeader ? frame.headerLines : frame.footerLines).emplace_back(text.substr(begin, end - begin));
  });
  // The writer adds its script line again on every save.
  if (!frame.footerLines.empty() && isMenuScriptLine(frame.footerLines.front())) {
    frame.footerLines.erase(frame.footerLines.begin());
  }
  return frame;
}

}  // namespace quillon
