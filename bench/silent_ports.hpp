#pragma once
// Ports that answer nothing and show nothing, for benchmarks.
#include "ports/clipboard.hpp"
#include "ports/settings_store.hpp"
#include "ports/user_interface.hpp"

namespace quillon::bench {

class SilentUi : public UserInterface {
 public:
  void message(MessageKind, const std::string&) override {}
  Answer ask(MessageKind, const std::string&, Buttons) override { return Answer::No; }
  std::optional<std::string> openFile(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> saveFile(const FileDialogRequest&) override { return std::nullopt; }
  std::vector<std::string> openFiles(const FileDialogRequest&) override { return {}; }
  std::optional<std::string> chooseFolder(const std::string&, const std::string&) override { return std::nullopt; }
  std::optional<std::uint32_t> chooseColor(std::uint32_t) override { return std::nullopt; }
  std::optional<FontChoice> chooseFont(const FontChoice&) override { return std::nullopt; }
  InsertPosition askInsertPosition() override { return InsertPosition::Cancel; }
  void showStatus(const std::string&, int) override {}
  void setBusy(bool) override {}
  void processEvents() override {}
};

class NullSettings : public SettingsStore {
 public:
  std::optional<std::string> read(const std::string&, const std::string&) const override { return std::nullopt; }
  void write(const std::string&, const std::string&, const std::string&) override {}
};

class NullClipboard : public Clipboard {
 public:
  void setText(const std::string&) override {}
};

}  // namespace quillon::bench
