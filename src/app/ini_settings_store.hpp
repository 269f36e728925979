#pragma once
// A SettingsStore kept in an INI-format file. The file is read afresh for
// every value, as another program (quillon-cli, a second window) may have
// written it meanwhile, and every write replaces it whole.
#include <string>

#include "ports/settings_store.hpp"

namespace quillon {

class IniSettingsStore : public SettingsStore {
 public:
  explicit IniSettingsStore(std::string path) : path_(std::move(path)) {}
  // The store at `path`; while no file is there but one is at `formerPath`,
  // that one's values are first taken over into a new file at `path`. The
  // former file stays as it is, and a takeover that cannot be written leaves
  // the store as empty as a first run.
  static IniSettingsStore takingOver(std::string path, const std::string& formerPath);

  // An empty section names the values outside any section.
  std::optional<std::string> read(const std::string& section, const std::string& key) const override;
  // A failure to write is ignored: the value is then simply not kept.
  void write(const std::string& section, const std::string& key, const std::string& value) override;

 private:
  std::string path_;
};

}  // namespace quillon
