#include "app/ini_settings_store.hpp"

#include <filesystem>
#include <fstream>

#include "app/ini_text.hpp"
#include "format/atomic_file.hpp"

namespace quillon {

namespace {

// A settings file holds a few lines; anything beyond this is not one of ours.
constexpr std::streamsize kLargestSettingsFile = 1 << 20;

std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string text(static_cast<std::size_t>(kLargestSettingsFile), '\0');
  in.read(text.data(), kLargestSettingsFile);
  text.resize(static_cast<std::size_t>(in.gcount()));
  return text;
}

}  // namespace

IniSettingsStore IniSettingsStore::takingOver(std::string path, const std::string& formerPath) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (!fs::exists(fs::symlink_status(path, error)) && !formerPath.empty() && fs::is_regular_file(formerPath, error)) {
    fs::create_directories(fs::path(path).parent_path(), error);
    writeFileAtomically(path, fileText(formerPath));
  }
  return IniSettingsStore(std::move(path));
}

std::optional<std::string> IniSettingsStore::read(const std::string& section, const std::string& key) const {
  return iniValue(fileText(path_), section, key);
}

void IniSettingsStore::write(const std::string& section, const std::string& key, const std::string& value) {
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), ignored);
  writeFileAtomically(path_, withIniValue(fileText(path_), section, key, value));
}

}  // namespace quillon
