#pragma once
// The main window's user interface for its commands: before any message box
// the window shows the menu as it now stands, so that "File Saved as ..." or
// "Demonstration successfully imported." stands over what it speaks of.
#include <functional>

#include "ports/user_interface.hpp"

namespace quillon::gui {

class RefreshingUserInterface : public UserInterface {
 public:
  RefreshingUserInterface(UserInterface& shown, std::function<void()> refresh)
      : shown_(shown), refresh_(std::move(refresh)) {}

  void message(MessageKind kind, const std::string& text) override;
  Answer ask(MessageKind kind, const std::string& text, Buttons buttons) override;
  std::optional<std::string> openFile(const FileDialogRequest& request) override { return shown_.openFile(request); }
  std::optional<std::string> saveFile(const FileDialogRequest& request) override { return shown_.saveFile(request); }
  std::vector<std::string> openFiles(const FileDialogRequest& request) override { return shown_.openFiles(request); }
  std::optional<std::string> chooseFolder(const std::string& title, const std::string& initialDir) override {
    return shown_.chooseFolder(title, initialDir);
  }
  std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override { return shown_.chooseColor(initial); }
  std::optional<FontChoice> chooseFont(const FontChoice& initial) override { return shown_.chooseFont(initial); }
  InsertPosition askInsertPosition() override { return shown_.askInsertPosition(); }
  void showStatus(const std::string& text, int progress) override { shown_.showStatus(text, progress); }
  void setBusy(bool busy) override { shown_.setBusy(busy); }
  void processEvents() override { shown_.processEvents(); }

 private:
  UserInterface& shown_;
  std::function<void()> refresh_;
};

}  // namespace quillon::gui
