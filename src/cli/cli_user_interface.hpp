#pragma once
// The command line's answer to every dialog: messages go to stderr as one
// line "<kind>: <text>", questions are answered No/Cancel unless --yes, and
// file dialogs take the --pick answers in order, else are cancelled.
#include <deque>
#include <functional>
#include <iosfwd>
#include <string>

#include "ports/user_interface.hpp"

namespace quillon::cli {

class CliUserInterface : public UserInterface {
 public:
  CliUserInterface(std::ostream& out, bool answerYes, std::deque<std::string> picks)
      : out_(out), answerYes_(answerYes), picks_(std::move(picks)) {}

  void message(MessageKind kind, const std::string& text) override;
  Answer ask(MessageKind kind, const std::string& text, Buttons buttons) override;
  std::optional<std::string> openFile(const FileDialogRequest& request) override;
  std::optional<std::string> saveFile(const FileDialogRequest& request) override;
  std::vector<std::string> openFiles(const FileDialogRequest& request) override;
  InsertPosition askInsertPosition() override;
  std::optional<std::string> chooseFolder(const std::string& title, const std::string& initialDir) override;
  std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override;
  std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
  void showStatus(const std::string&, int) override {}
  void setBusy(bool) override {}
  void processEvents() override {}

  // The next file dialog is answered with this path, before any --pick.
  void answerNextDialog(const std::string& path) { picks_.push_front(path); }

  // Called before a message or question is printed (a progress line makes room).
  std::function<void()> beforeMessage;

  // True when an error message was shown.
  bool errorShown() const { return errorShown_; }

 private:
  std::optional<std::string> nextPick(const std::string& title);

  std::ostream& out_;
  bool answerYes_;
  std::deque<std::string> picks_;
  bool errorShown_ = false;
};

}  // namespace quillon::cli
