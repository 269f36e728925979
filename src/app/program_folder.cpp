#include "app/program_folder.hpp"

#include <cstdlib>
#include <filesystem>

namespace quillon {

namespace {

std::string withTrailingSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

std::string programFolder() {
  if (std::string home = environment("QUILLON_HOME"); !home.empty()) return withTrailingSlash(home);
  std::error_code error;
  auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return withTrailingSlash(executable.parent_path().string());
}

std::string programSettingsPath() { return programFolder() + "quillon.ini"; }

std::string userSettingsPath() {
  std::string base = environment("QUILLON_CONFIG_DIR");
  if (base.empty()) base = environment("XDG_CONFIG_HOME");
  if (base.empty()) base = environment("HOME") + "/.config";
  return withTrailingSlash(base) + "Morvane/QuillonV50.ini";
}

}  // namespace quillon
