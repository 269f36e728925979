#pragma once
// The template pages of the program's resource folder, read as lines, and the
// generated pages written from lines.
#include <optional>
#include <string>
#include <vector>

namespace quillon {

using PageLines = std::vector<std::string>;

// The path of a shipped resource file; programFolder ends with "/".
std::string resourcePath(const std::string& programFolder, const std::string& name);

// The lines of a file, without their line ends; nothing when it cannot be read.
std::optional<PageLines> readPageLines(const std::string& path);

// Writes each line followed by CR LF, replacing the file whole or not at all.
bool writePageLines(const std::string& path, const PageLines& lines);
// The lines from `from` up to `to`, each followed by CR LF, appended to out;
// with their length, for pages that put more text between lines.
void appendPageLines(std::string& out, const PageLines& lines, std::size_t from, std::size_t to);
std::size_t pageLinesSize(const PageLines& lines);

// Copies a file over the destination, whole or not at all; false when it could not.
bool copyOver(const std::string& from, const std::string& to);

// Index of the first line from index 1 on that contains the text, ignoring
// case; nothing when none does.
std::optional<std::size_t> findLine(const PageLines& lines, const std::string& text, std::size_t from = 1);

}  // namespace quillon
