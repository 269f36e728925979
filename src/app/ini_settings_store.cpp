#include "app/ini_settings_store.hpp"

#include <filesystem>
#include <fstream>

#include "app/ini_text.hpp"
#include "format/atomic_file.hpp"

namespace quillon {

namespace {

// A settings file holds a few lines; anything beyond this is not one of ours.
constexpr std::streamsize kLargestSettingsFile = 1 << 20;

// The whole file, "" when there is none; nothing when it is there but cannot
// be read whole, so that a write never replaces it with a part of it.
std::optional<std::string> fileText(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(std::filesystem::symlink_status(path, error))) return std::string();
  std::ifstream in(path, std::ios::binary);
  std::string text(static_cast<std::size_t>(kLargestSettingsFile) + 1, '\0');
  in.read(text.data(), kLargestSettingsFile + 1);
  if (in.bad() || (in.fail() && !in.eof()) || in.gcount() > kLargestSettingsFile) return std::nullopt;
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
      fs::is_regular_file(formerPath, error)) {
    if (const std::optional<std::string> former = fileText(formerPath)) store.replaceFile(*former);
  }
  return store;
}

std::optional<std::string> IniSettingsStore::read(const std::string& section, const std::string& key) const {
  const std::optional<std::string> text = fileText(path_);
  return text ? iniValue(*text, section, key) : std::nullopt;
}

void IniSettingsStore::write(const std::string& section, const std::string& key, const std::string& value) {
  // A file that cannot be read whole is kept as it is, not cut down to this value.
  if (const std::optional<std::string> text = fileText(path_))
    replaceFile(withIniValue(*text, section, key, value));
  else if (notice_ != nullptr)
    notice_->writeFailed(path_);
}

void IniSettingsStore::replaceFile(const std::string& text) {
  // A folder that cannot be made shows as the write failing.
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), ignored);
  if (!writeFileAtomically(path_, text) && notice_ != nullptr) notice_->writeFailed(path_);
}

}  // namespace quillon
