#pragma once
// The command row of the generator and deploy windows: Save, Preview, Help
// and Exit, each a button with a caption beside it that runs the same command
// and turns maroon under the mouse, and the progress strip that shrinks while
// a page is being written.
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "model/menu_model.hpp"
#include "ports/browser.hpp"
#include "ports/user_interface.hpp"

class QPushButton;

namespace quillon::gui {

class HoverHighlight;

// What the generator and deploy windows work with, kept by the main window.
struct PageWindowPorts {
  MenuModel& menu;
  UserInterface& ui;
  Browser& browser;
  std::string programFolder;  // with a trailing "/"
};

// Opens a help page below the program folder in the browser; a browser that
// does not start is reported.
void openHelpPage(const PageWindowPorts& ports, const std::string& page);

enum class RowCommand { Save, Preview, Help, Exit };

class ProgressStrip : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kHeight = 10;

  // fullWidth: the width the strip starts at, in pixels.
  explicit ProgressStrip(int fullWidth, QWidget* parent = nullptr);

  // Shown at full width; each second of work takes 10 pixels off, down to 10.
  void start();
  void stop();
  int stripWidth() const { return width_; }

  QSize sizeHint() const override { return {fullWidth_, kHeight}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void tick();

  int fullWidth_;
  int width_;
  QTimer timer_;
};

// Shows the strip for its lifetime.
class StripScope {
 public:
  explicit StripScope(ProgressStrip& strip) : strip_(strip) { strip_.start(); }
  ~StripScope() { strip_.stop(); }
  StripScope(const StripScope&) = delete;
  StripScope& operator=(const StripScope&) = delete;

 private:
  ProgressStrip& strip_;
};

class CommandRow : public QWidget {
  Q_OBJECT
 public:
  // The hints name what Save and Preview write in this window.
  CommandRow(const QString& saveHint, const QString& previewHint, const QString& helpHint, const QString& exitHint,
             QWidget* parent = nullptr);

  void onCommand(RowCommand command, const std::function<void()>& run);
  QPushButton* button(RowCommand command) const { return buttons_[index(command)]; }
  QLabel* caption(RowCommand command) const { return captions_[index(command)]; }

 private:
  static std::size_t index(RowCommand command) { return static_cast<std::size_t>(command); }

  std::array<QPushButton*, 4> buttons_{};
  std::array<QLabel*, 4> captions_{};
  HoverHighlight* highlight_;
};

}  // namespace quillon::gui
