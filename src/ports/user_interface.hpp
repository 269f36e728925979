#pragma once
// What the logic asks of whoever sits in front of the program: message boxes,
// questions, file dialogs, the status line and a chance to repaint.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillon {

enum class MessageKind { Information, Confirmation, Error, Warning };

// The fixed button sets of the message boxes.
enum class Buttons { Ok, YesNo, OkCancel, YesNoCancel };

enum class Answer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
  std::string title;
  // "Description|pattern;pattern|Description|pattern", the classic filter form.
  std::string filter;
  std::string initialDir;
  std::string fileName;
  std::string defaultExtension;
  bool askBeforeOverwrite = false;
  bool folderMustExist = false;
  bool fileMustExist = false;
  bool multiSelect = false;
};

// The answer of the insert-position dialog.
enum class InsertPosition { Above, Below, Cancel };

struct FontChoice {
  std::string face;
  std::string size;
};

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  // A message box with the OK button.
  virtual void message(MessageKind kind, const std::string& text) = 0;
  // A message box with a choice of buttons; returns the button pressed.
  virtual Answer ask(MessageKind kind, const std::string& text, Buttons buttons) = 0;

  // File dialogs return the chosen path, or nothing when cancelled.
  virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
  // A multi-selection open dialog; empty when cancelled.
  virtual std::vector<std::string> openFiles(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> chooseFolder(const std::string& title,
                                                  const std::string& initialDir) = 0;
  // Colours are 0x00BBGGRR.
  virtual std::optional<std::uint32_t> chooseColor(std::uint32_t initial) = 0;
  virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;

  // "Insert a new node on the same level - Above or Below the selected node?"
  virtual InsertPosition askInsertPosition() = 0;

  // The status line; progress is 0..100, or -1 to hide the progress strip.
  virtual void showStatus(const std::string& text, int progress = -1) = 0;
  virtual void setBusy(bool busy) = 0;
  // Lets pending window events run during long work.
  virtual void processEvents() = 0;
};

// Shows the busy cursor for the lifetime of the guard.
class BusyGuard {
 public:
  explicit BusyGuard(UserInterface& ui) : ui_(ui) { ui_.setBusy(true); }
  ~BusyGuard() { ui_.setBusy(false); }
  BusyGuard(const BusyGuard&) = delete;
  BusyGuard& operator=(const BusyGuard&) = delete;

 private:
  UserInterface& ui_;
};

}  // namespace quillon
