#pragma once
// A SettingsStore kept in an INI-format file. The file is read afresh for
// every value, as another program (quillon-cli, a second window) may have
// written it meanwhile, and every write replaces it whole.
#include <string>

#include "ports/settings_store.hpp"
#include "ports/user_interface.hpp"

namespace quillon {

// Tells the user, once a run, that the settings cannot be kept: after the
// first write that fails, every other is the same news.
class SettingsWriteNotice {
 public:
  explicit SettingsWriteNotice(UserInterface& ui) : ui_(ui) {}
  void writeFailed(const std::string& path);

 private:
  UserInterface& ui_;
  bool told_ = false;
};

class IniSettingsStore : public SettingsStore {
 public:
  // Writes that fail are told to `notice`, when there is one.
  explicit IniSettingsStore(std::string path, SettingsWriteNotice* notice = nullptr)
      : path_(std::move(path)), notice_(notice) {}
  // The store at `path`; while no file is there but one is at `formerPath`,
  // that one's values are first taken over into a new file at `path`. The
  // former file stays as it is, and a takeover that cannot be written leaves
  // the store as empty as a first run.
  static IniSettingsStore takingOver(std::string path, const std::string& formerPath,
                                     SettingsWriteNotice* notice = nullptr);

  // An empty section names the values outside any section.
  std::optional<std::string> read(const std::string& section, const std::string& key) const override;
  // The file is replaced whole or not at all: a value that cannot be written
  // is not kept, and the notice hears of it.
  void write(const std::string& section, const std::string& key, const std::string& value) override;

 private:
  // Writes the whole text into the file, or tells the notice it could not.
  void replaceFile(const std::string& text);

  std::string path_;
  SettingsWriteNotice* notice_;
};

}  // namespace quillon
