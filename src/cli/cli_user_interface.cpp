#include "cli/cli_user_interface.hpp"

#include <ostream>

namespace quillon::cli {

namespace {

const char* kindName(MessageKind kind) {
  switch (kind) {
    case MessageKind::Information: return "information";
    case MessageKind::Confirmation: return "confirmation";
    case MessageKind::Error: return "error";
    case MessageKind::Warning: break;
  }
  return "warning";
}

std::string oneLine(std::string text) {
  for (char& c : text) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

}  // namespace

void CliUserInterface::message(MessageKind kind, const std::string& text) {
  if (kind == MessageKind::Error) errorShown_ = true;
  if (beforeMessage) beforeMessage();
  out_ << kindName(kind) << ": " << oneLine(text) << '\n';
}

Answer CliUserInterface::ask(MessageKind kind, const std::string& text, Buttons buttons) {
  if (beforeMessage) beforeMessage();
  out_ << kindName(kind) << ": " << oneLine(text) << '\n';
  switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo: return answerYes_ ? Answer::Yes : Answer::No;
    case Buttons::YesNoCancel: return answerYes_ ? Answer::Yes : Answer::Cancel;
    case Buttons::OkCancel: break;
  }
  return answerYes_ ? Answer::Ok : Answer::Cancel;
}

std::optional<std::string> CliUserInterface::nextPick(const std::string& title) {
  if (picks_.empty()) {
    out_ << "dialog cancelled: " << title << '\n';
    return std::nullopt;
  }
  std::string pick = picks_.front();
  picks_.pop_front();
  return pick;
}

std::optional<std::string> CliUserInterface::openFile(const FileDialogRequest& request) { return nextPick(request.title); }

std::optional<std::string> CliUserInterface::saveFile(const FileDialogRequest& request) { return nextPick(request.title); }

// Every --pick left answers one multi-selection dialog.
std::vector<std::string> CliUserInterface::openFiles(const FileDialogRequest& request) {
  if (picks_.empty()) {
    out_ << "dialog cancelled: " << request.title << '\n';
    return {};
  }
  std::vector<std::string> chosen(picks_.begin(), picks_.end());
  picks_.clear();
  return chosen;
}

// Without a question answered Yes, nothing is inserted.
InsertPosition CliUserInterface::askInsertPosition() {
  out_ << "confirmation: Insert a new node on the same level - Above or Below the selected node?\n";
  return answerYes_ ? InsertPosition::Below : InsertPosition::Cancel;
}

std::optional<std::string> CliUserInterface::chooseFolder(const std::string& title, const std::string&) {
  return nextPick(title);
}

std::optional<std::uint32_t> CliUserInterface::chooseColor(std::uint32_t) { return std::nullopt; }

std::optional<FontChoice> CliUserInterface::chooseFont(const FontChoice&) { return std::nullopt; }

}  // namespace quillon::cli
