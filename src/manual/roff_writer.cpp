#include <algorithm>
#include <cctype>

#include "manual/manual_page.hpp"

namespace quillon::manual {

namespace {

// Backslashes and hyphens are escaped so that options read and search as typed;
// a line may not start with a control character.
std::string escaped(const std::string& text) {
  std::string out;
  bool lineStart = true;
  for (const char c : text) {
    if (lineStart && (c == '.' || c == '\'')) out += "\\&";
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-') {
      out += "\\-";
    } else {
      out += c;
    }
    lineStart = c == '\n';
  }
  return out;
}

// A macro argument in double quotes, which roff has no escape for but \(dq.
std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : escaped(text)) out += c == '"' ? std::string("\\(dq") : std::string(1, c);
  return out + '"';
}

std::string upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

void writeParagraphs(const std::string& text, std::ostream& out) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    if (end > start) out << ".PP\n" << escaped(text.substr(start, end - start)) << '\n';
    start = end + 1;
  }
}

void writeEntry(const Entry& entry, std::ostream& out) {
  out << ".TP\n\\fB" << escaped(entry.term) << "\\fR";
  if (!entry.argument.empty()) out << " \\fI" << escaped(entry.argument) << "\\fR";
  out << '\n';
  if (!entry.text.empty()) out << escaped(entry.text) << '\n';
}

}  // namespace

void writeRoff(const ManualPage& page, std::ostream& out) {
  // No date: the page is the same for every build of one version.
  out << ".TH " << quoted(upper(page.name)) << " 1 \"\" " << quoted("Quillon " + page.version)
      << " \"User Commands\"\n";
  out << ".SH NAME\n" << escaped(page.name) << " \\- " << escaped(page.summary) << '\n';
  out << ".SH SYNOPSIS\n";
  for (std::size_t i = 0; i < page.synopsis.size(); ++i) {
    if (i > 0) out << ".br\n";
    out << "\\fB" << escaped(page.name) << "\\fR " << escaped(page.synopsis[i]) << '\n';
  }
  for (const Section& section : page.sections) {
    out << (section.subsection ? ".SS " : ".SH ") << quoted(section.title) << '\n';
    writeParagraphs(section.text, out);
    for (const Entry& entry : section.entries) writeEntry(entry, out);
  }
}

}  // namespace quillon::manual
