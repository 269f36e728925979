#include "scripted_ui.hpp"

namespace quillon::testing {

void ScriptedUi::message(MessageKind kind, const std::string& text) {
  messages.push_back({kind, text});
  if (onMessage) onMessage(text);
}

Answer ScriptedUi::ask(MessageKind kind, const std::string& text, Buttons buttons) {
  messages.push_back({kind, text});
  if (onMessage) onMessage(text);
  if (!answers.empty()) {
    Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  return buttons == Buttons::YesNo ? Answer::No : (buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel);
}

std::optional<std::string> ScriptedUi::nextPick() {
  if (pickedFiles.empty()) return std::nullopt;
  std::string pick = pickedFiles.front();
  pickedFiles.pop_front();
  if (pick.empty()) return std::nullopt;
  return pick;
}

std::optional<std::string> ScriptedUi::openFile(const FileDialogRequest& request) {
  fileDialogs.push_back(request);
  return nextPick();
}

std::optional<std::string> ScriptedUi::saveFile(const FileDialogRequest& request) {
  fileDialogs.push_back(request);
  return nextPick();
}

std::vector<std::string> ScriptedUi::openFiles(const FileDialogRequest& request) {
  fileDialogs.push_back(request);
  if (pickedFileLists.empty()) return {};
  std::vector<std::string> picks = pickedFileLists.front();
  pickedFileLists.pop_front();
  return picks;
}

InsertPosition ScriptedUi::askInsertPosition() {
  ++insertPositionQuestions;
  if (insertPositions.empty()) return InsertPosition::Cancel;
  InsertPosition answer = insertPositions.front();
  insertPositions.pop_front();
  return answer;
}

std::optional<std::string> ScriptedUi::chooseFolder(const std::string& title, const std::string& initialDir) {
  FileDialogRequest request;
  request.title = title;
  request.initialDir = initialDir;
  fileDialogs.push_back(request);
  return nextPick();
}

std::optional<std::uint32_t> ScriptedUi::chooseColor(std::uint32_t) { return std::nullopt; }

std::optional<FontChoice> ScriptedUi::chooseFont(const FontChoice&) { return std::nullopt; }

void ScriptedUi::showStatus(const std::string& text, int) { statusTexts.push_back(text); }

void ScriptedUi::setBusy(bool busy) { busyDepth += busy ? 1 : -1; }

void ScriptedUi::processEvents() { ++processEventsCalls; }

std::vector<std::string> ScriptedUi::messageTexts() const {
  std::vector<std::string> texts;
  for (const auto& shown : messages) texts.push_back(shown.text);
  return texts;
}

}  // namespace quillon::testing
