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

void SettingsWriteNotice::writeFailed(const std::string& path) {
  if (told_) return;
  told_ = true;
  ui_.message(MessageKind::Warning, "The settings could not be saved in " + path +
                                        ". Check that its folder can be written and the disk is not full; until "
                                        "then changes to the settings, such as the recent pages, are not kept.");
}

IniSettingsStore IniSettingsStore::takingOver(std::string path, const std::string& formerPath,
                                              SettingsWriteNotice* notice) {
  namespace fs = std::filesystem;
  std::error_code error;
  IniSettingsStore store(std::move(path), notice);
  if (!fs::exists(fs::symlink_status(store.path_, error)) && !formerPath.empty() &&
      fs::is_regular_file(formerPath, error))
    store.replaceFile(fileText(formerPath));
  return store;
}

std::optional<std::string> IniSettingsStore::read(const std::string& section, const std::string& key) const {
  return iniValue(fileText(path_), section, key);
}

void IniSettingsStore::write(const std::string& section, const std::string& key, const std::string& value) {
  replaceFile(withIniValue(fileText(path_), section, key, value));
}

void IniSettingsStore::replaceFile(const std::string& text) {
  // A folder that cannot be made shows as the write failing.
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), ignored);
  if (!writeFileAtomically(path_, text) && notice_ != nullptr) notice_->writeFailed(path_);
}

}  // namespace quillon
