#pragma once
// A UserInterface for tests: records every message and dialog, and answers
// from queues the test fills beforehand (Cancel/No/cancelled when a queue is empty).
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ports/user_interface.hpp"

namespace quillon::testing {

struct ShownMessage {
  MessageKind kind;
  std::string text;
};

class ScriptedUi : public UserInterface {
 public:
  std::vector<ShownMessage> messages;          // message() and ask() calls, in order
  std::vector<FileDialogRequest> fileDialogs;  // openFile() and saveFile() calls, in order
  std::vector<std::string> statusTexts;
  std::deque<Answer> answers;
  std::deque<std::string> pickedFiles;  // answers of file and folder dialogs; "" cancels
  // Answers of multi-selection dialogs; an empty list cancels.
  std::deque<std::vector<std::string>> pickedFileLists;
  std::deque<InsertPosition> insertPositions;  // Cancel when empty
  // Called with the text of each message and question as it is shown.
  std::function<void(const std::string&)> onMessage;
  int insertPositionQuestions = 0;
  int processEventsCalls = 0;
  int busyDepth = 0;

  void message(MessageKind kind, const std::string& text) override;
  Answer ask(MessageKind kind, const std::string& text, Buttons buttons) override;
  std::optional<std::string> openFile(const FileDialogRequest& request) override;
  std::optional<std::string> saveFile(const FileDialogRequest& request) override;
  std::vector<std::string> openFiles(const FileDialogRequest& request) override;
  InsertPosition askInsertPosition() override;
  std::optional<std::string> chooseFolder(const std::string& title, const std::string& initialDir) override;
  std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override;
  std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
  void showStatus(const std::string& text, int progress) override;
  void setBusy(bool busy) override;
  void processEvents() override;

  // The texts of the messages shown, in order.
  std::vector<std::string> messageTexts() const;

 private:
  std::optional<std::string> nextPick();
};

}  // namespace quillon::testing
