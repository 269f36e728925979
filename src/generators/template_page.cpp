#include "generators/template_page.hpp"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "format/atomic_file.hpp"
#include "format/text_helpers.hpp"

namespace quillon {

std::string resourcePath(const std::string& programFolder, const std::string& name) {
  return programFolder + "resource/" + name;
}

std::optional<PageLines> readPageLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return std::nullopt;
  const std::string text = bytes.str();
  PageLines lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::size_t lineEnd = end;
    if (lineEnd > start && text[lineEnd - 1] == '\r') --lineEnd;
    lines.push_back(text.substr(start, lineEnd - start));
    start = end + 1;
  }
  return lines;
}

std::size_t pageLinesSize(const PageLines& lines) {
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  return size;
}

void appendPageLines(std::string& out, const PageLines& lines, std::size_t from, std::size_t to) {
  for (std::size_t k = from; k < to && k < lines.size(); ++k) {
    out += lines[k];
    out += "\r\n";
  }
}

bool writePageLines(const std::string& path, const PageLines& lines) {
  std::string text;
  text.reserve(pageLinesSize(lines));
  appendPageLines(text, lines, 0, lines.size());
  return writeFileAtomically(path, text);
}

bool copyOver(const std::string& from, const std::string& to) {
  std::error_code error;
  if (std::filesystem::equivalent(from, to, error)) return true;
  std::ifstream in(from, std::ios::binary);
  if (!in) return false;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return !in.bad() && writeFileAtomically(to, bytes.str());
}

std::optional<std::size_t> findLine(const PageLines& lines, const std::string& text, std::size_t from) {
  for (std::size_t i = from; i < lines.size(); ++i) {
    if (posNoCase(text, lines[i]) > 0) return i;
  }
  return std::nullopt;
}

}  // namespace quillon
