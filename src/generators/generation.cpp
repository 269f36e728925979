#include "generators/generation.hpp"

#include <filesystem>

#include "format/atomic_file.hpp"
#include "format/text_helpers.hpp"

namespace quillon {

namespace fs = std::filesystem;

std::string projectFolder(const MenuModel& menu) { return extractFilePath(menu.Document.PagePath); }

std::string outputName(const std::string& name, bool preview) { return preview ? "~" + name : name; }

std::optional<PageLines> GeneratedFiles::readTemplate(const std::string& programFolder, const std::string& name) {
  const std::string path = resourcePath(programFolder, name);
  std::optional<PageLines> lines = readPageLines(path);
  if (!lines && result_.failure.empty()) result_.failure = "The template " + path + " could not be read.";
  return lines;
}

bool GeneratedFiles::isMenuPage(const std::string& path) const {
  if (menuPage_.empty()) return false;
  const fs::path page = fs::path(menuPage_).lexically_normal();
  if (fs::path(path).lexically_normal() == page) return true;
  std::error_code error;
  return fs::equivalent(path, page, error);
}

void GeneratedFiles::templateUnfit(const std::string& programFolder, const std::string& name) {
  if (result_.failure.empty()) {
    result_.failure = "The template " + resourcePath(programFolder, name) + " lacks the lines it needs.";
  }
}

bool GeneratedFiles::writePage(const std::string& name, const PageLines& lines) {
  return write(name, [&lines](const std::string& path) { return writePageLines(path, lines); });
}

bool GeneratedFiles::writeFile(const std::string& name, const std::string& text) {
  return write(name, [&text](const std::string& path) { return writeFileAtomically(path, text); });
}

bool GeneratedFiles::writeFileFrom(const std::string& name, const FileFiller& fill) {
  return write(name, [&fill](const std::string& path) { return fillFileAtomically(path, fill); });
}

bool GeneratedFiles::write(const std::string& name, const std::function<bool(const std::string& path)>& writeAt) {
  if (folder_.empty()) {
    // A menu never saved has no folder to write beside.
    if (result_.failure.empty()) result_.failure = "The menu page has not been saved yet.";
    return false;
  }
  const std::string path = folder_ + name;
  if (isMenuPage(path)) {
    if (result_.failure.empty()) {
      result_.failure = "The page " + path + " is the menu page itself and is not replaced. Please choose another name.";
    }
    return false;
  }
  if (!writeAt(path)) {
    if (result_.failure.empty()) result_.failure = "The page " + path + " could not be written.";
    return false;
  }
  if (result_.pagePath.empty()) result_.pagePath = path;
  result_.files.push_back(path);
  return true;
}

void GeneratedFiles::copyResource(const std::string& programFolder, const std::string& name,
                                  const std::string& asName) {
  const std::string path = folder_ + asName;
  std::error_code error;
  if (fs::symlink_status(path, error).type() != fs::file_type::not_found) return;
  if (copyOver(resourcePath(programFolder, name), path)) result_.files.push_back(path);
}

}  // namespace quillon
