#pragma once
// A SettingsStore kept in an INI-format file.
#include <memory>
#include <string>

#include "ports/settings_store.hpp"

class QSettings;

namespace quillon {

class IniSettingsStore : public SettingsStore {
 public:
  explicit IniSettingsStore(const std::string& path);
  ~IniSettingsStore() override;

  // An empty section names the values outside any section.
  std::optional<std::string> read(const std::string& section, const std::string& key) const override;
  void write(const std::string& section, const std::string& key, const std::string& value) override;

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace quillon
