#include "app/program_folder.hpp"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace quillon {

namespace fs = std::filesystem;

namespace {

std::string withTrailingSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// An XDG folder variable counts only when it names an absolute path.
std::string absoluteEnvironment(const char* name) {
  std::string value = environment(name);
  return value.starts_with('/') ? value : std::string();
}

std::string homeFolder() {
  if (std::string home = environment("HOME"); !home.empty()) return home;
  const passwd* user = ::getpwuid(::getuid());
  return user != nullptr && user->pw_dir != nullptr ? std::string(user->pw_dir) : std::string();
}

std::string userConfigFolder() {
  std::string base = environment("QUILLON_CONFIG_DIR");
  if (base.empty()) base = absoluteEnvironment("XDG_CONFIG_HOME");
  if (base.empty()) base = homeFolder() + "/.config";
  return withTrailingSlash(base);
}

// XDG_DOCUMENTS_DIR as the desktop's user-dirs.dirs sets it ("$HOME/Documents"
// or an absolute path); empty when it is not set there.
std::string documentsFolderSetting(const std::string& home) {
  std::string config = absoluteEnvironment("XDG_CONFIG_HOME");
  if (config.empty()) config = home + "/.config";
  std::ifstream in(config + "/user-dirs.dirs");
  std::string line;
  // The file holds a handful of lines; a longer one is not the desktop's.
  for (int count = 0; count < 200 && std::getline(in, line); ++count) {
    const std::string key = "XDG_DOCUMENTS_DIR=\"";
    if (!line.starts_with(key) || line.size() < key.size() + 1 || line.back() != '"') continue;
    std::string value = line.substr(key.size(), line.size() - key.size() - 1);
    if (value.starts_with("$HOME")) value = home + value.substr(5);
    return value.starts_with('/') ? value : std::string();
  }
  return {};
}

}  // namespace

std::string shippedFolderFor(const fs::path& executable) {
  const fs::path folder = executable.parent_path();
  const fs::path installed = (folder / ".." / "share" / "quillon").lexically_normal();
  std::error_code error;
  if (fs::is_directory(installed / "resource", error)) return withTrailingSlash(installed.string());
  return withTrailingSlash(folder.string());
}

std::string programFolder() {
  if (std::string home = environment("QUILLON_HOME"); !home.empty()) return withTrailingSlash(home);
  std::error_code error;
  const fs::path executable = fs::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return shippedFolderFor(executable);
}

std::string programSettingsPath() { return userConfigFolder() + "Morvane/quillon.ini"; }

std::string formerProgramSettingsPath() {
  const std::string folder = programFolder();
  return folder.empty() ? std::string() : folder + "quillon.ini";
}

std::string userSettingsPath() { return userConfigFolder() + "Morvane/QuillonV50.ini"; }

std::string userProjectsFolder() {
  const std::string home = homeFolder();
  std::string documents = documentsFolderSetting(home);
  // A documents folder set to the home folder itself means the desktop keeps none.
  const auto same = [](const std::string& a, const std::string& b) {
    return fs::path(a).lexically_normal().lexically_relative(fs::path(b).lexically_normal()) == ".";
  };
  if (documents.empty() || same(documents, home)) {
    documents = home + "/Documents";
  }
  return withTrailingSlash(documents) + "Quillon/";
}

}  // namespace quillon
