#include "app/desktop_handler.hpp"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/browser_command.hpp"
#include "app/detached_process.hpp"
#include "format/text_helpers.hpp"

namespace quillon {

namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

bool isFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

std::string readText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace

std::vector<std::string> applicationFolders() {
  std::string home = environment("XDG_DATA_HOME");
  if (home.empty()) home = environment("HOME") + "/.local/share";
  std::string dirs = environment("XDG_DATA_DIRS");
  if (dirs.empty()) dirs = "/usr/local/share:/usr/share";
  std::vector<std::string> folders{joinPath(home, "applications")};
  StringList items;
  splitString(dirs, ":", items);
  for (const std::string& dir : items) {
    if (!dir.empty()) folders.push_back(joinPath(dir, "applications"));
  }
  return folders;
}

std::string findDesktopFile(const std::string& desktopId) {
  if (desktopId.empty() || desktopId.find('/') != std::string::npos) return {};
  std::vector<std::string> names{desktopId};
  for (std::string name = desktopId; name.find('-') != std::string::npos;) {
    name[name.find('-')] = '/';
    names.push_back(name);
  }
  for (const std::string& folder : applicationFolders()) {
    for (const std::string& name : names) {
      const std::string path = joinPath(folder, name);
      if (isFile(path)) return path;
    }
  }
  return {};
}

std::string defaultHtmlHandler() {
  const auto answer = runForOutput({"xdg-mime", "query", "default", "text/html"});
  if (!answer) return {};
  // Some versions list several ids; the first is the default.
  return trim(answer->substr(0, answer->find_first_of(";\n")));
}

std::string browserCommandTemplate() {
  const std::string desktopFile = findDesktopFile(defaultHtmlHandler());
  if (!desktopFile.empty()) {
    if (auto exec = desktopEntryExec(readText(desktopFile)); exec && !trim(*exec).empty()) return *exec;
  }
  return "xdg-open";
}

}  // namespace quillon
