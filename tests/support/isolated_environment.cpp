#include "isolated_environment.hpp"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace quillon::testing {

namespace {

std::filesystem::path& isolatedRoot() {
  static std::filesystem::path root;
  return root;
}

void removeIsolatedRoot() {
  std::error_code ignored;
  std::filesystem::remove_all(isolatedRoot(), ignored);
}

}  // namespace

void isolateFromUserFolders() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quillon-env-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) std::abort();
  isolatedRoot() = pattern;
  std::atexit(removeIsolatedRoot);
  const auto folder = [](const char* name) {
    const auto path = isolatedRoot() / name;
    std::filesystem::create_directories(path);
    return path.string();
  };
  // A test may name its own program folder; everything else is always private.
  ::setenv("QUILLON_HOME", folder("program").c_str(), 0);
  ::setenv("QUILLON_CONFIG_DIR", folder("config").c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", folder("xdg-config").c_str(), 1);
  ::setenv("XDG_DATA_HOME", folder("xdg-data").c_str(), 1);
  ::setenv("XDG_CACHE_HOME", folder("xdg-cache").c_str(), 1);
  ::setenv("HOME", folder("home").c_str(), 1);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
}

EnvOverride::EnvOverride(const char* name, const std::string& value) : name_(name) {
  if (const char* old = std::getenv(name)) old_ = old;
  ::setenv(name, value.c_str(), 1);
}

EnvOverride::~EnvOverride() {
  if (old_) ::setenv(name_, old_->c_str(), 1);
  else ::unsetenv(name_);
}

}  // namespace quillon::testing
