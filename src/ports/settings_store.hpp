#pragma once
// A store of string values kept between runs, grouped in sections.
#include <optional>
#include <string>

namespace quillon {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // Nothing when the value was never written.
  virtual std::optional<std::string> read(const std::string& section, const std::string& key) const = 0;
  virtual void write(const std::string& section, const std::string& key, const std::string& value) = 0;

  std::string readOr(const std::string& section, const std::string& key, const std::string& fallback) const {
    return read(section, key).value_or(fallback);
  }
};

}  // namespace quillon
