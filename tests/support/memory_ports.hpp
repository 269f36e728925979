#pragma once
// In-memory stand-ins for the settings store and the clipboard.
#include <map>
#include <string>
#include <utility>

#include "ports/clipboard.hpp"
#include "ports/settings_store.hpp"

namespace quillon::testing {

class MemorySettings : public SettingsStore {
 public:
  std::map<std::pair<std::string, std::string>, std::string> values;

  std::optional<std::string> read(const std::string& section, const std::string& key) const override {
    auto found = values.find({section, key});
    if (found == values.end()) return std::nullopt;
    return found->second;
  }
  void write(const std::string& section, const std::string& key, const std::string& value) override {
    values[{section, key}] = value;
  }
};

class MemoryClipboard : public Clipboard {
 public:
  std::string text;
  int writes = 0;
  void setText(const std::string& value) override {
    text = value;
    ++writes;
  }
};

}  // namespace quillon::testing
