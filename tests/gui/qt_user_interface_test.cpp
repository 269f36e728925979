// The Qt answers to the logic's questions: the message boxes' buttons and
// captions, the status line and the busy cursor.
#include "gui/qt_user_interface.hpp"
#include "gui/status_line.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace quillon::gui {
namespace {

// Answers the message box that the next question shows.
void answerNextBox(const std::function<void(QMessageBox&)>& answer) {
  QTimer::singleShot(0, [answer] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) answer(*box);
  });
}

TEST(QtUserInterface, EachButtonSetAnswersWithTheButtonPressedAndEscapeDeclines) {
  struct Case {
    Buttons buttons;
    QMessageBox::StandardButton pressed;  // NoButton: Escape
    Answer expected;
  };
  const Case cases[] = {
      {Buttons::Ok, QMessageBox::Ok, Answer::Ok},
      {Buttons::YesNo, QMessageBox::Yes, Answer::Yes},
      {Buttons::YesNo, QMessageBox::No, Answer::No},
      {Buttons::YesNo, QMessageBox::NoButton, Answer::No},
      {Buttons::OkCancel, QMessageBox::Ok, Answer::Ok},
      {Buttons::OkCancel, QMessageBox::Cancel, Answer::Cancel},
      {Buttons::OkCancel, QMessageBox::NoButton, Answer::Cancel},
      {Buttons::YesNoCancel, QMessageBox::Yes, Answer::Yes},
      {Buttons::YesNoCancel, QMessageBox::No, Answer::No},
      {Buttons::YesNoCancel, QMessageBox::Cancel, Answer::Cancel},
      {Buttons::YesNoCancel, QMessageBox::NoButton, Answer::Cancel},
  };
  QtUserInterface ui;
  for (const Case& c : cases) {
    answerNextBox([&c](QMessageBox& box) {
      if (c.pressed == QMessageBox::NoButton) {
        box.reject();
      } else {
        box.button(c.pressed)->click();
      }
    });
    EXPECT_EQ(ui.ask(MessageKind::Confirmation, "Sure?", c.buttons), c.expected) << static_cast<int>(c.pressed);
  }
}

TEST(QtUserInterface, MessagesShowTheirKindAndTheTextAsWritten) {
  struct Case {
    MessageKind kind;
    const char* title;
    QMessageBox::Icon icon;
  };
  const Case cases[] = {
      {MessageKind::Information, "Information", QMessageBox::Information},
      {MessageKind::Confirmation, "Confirm", QMessageBox::Question},
      {MessageKind::Error, "Error", QMessageBox::Critical},
      {MessageKind::Warning, "Warning", QMessageBox::Warning},
  };
  QtUserInterface ui;
  for (const Case& c : cases) {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    answerNextBox([&](QMessageBox& box) {
      title = box.windowTitle();
      text = box.text();
      icon = box.icon();
      box.accept();
    });
    ui.message(c.kind, "Quillon(Tab&Tree) <b>page</b>\nnext line");
    EXPECT_EQ(title.toStdString(), c.title);
    EXPECT_EQ(icon, c.icon);
    EXPECT_EQ(text.toStdString(), "Quillon(Tab&Tree) <b>page</b>\nnext line");
  }
}

TEST(QtUserInterface, StatusGoesToTheLineAndBusyNests) {
  StatusLine line;
  QtUserInterface ui;
  ui.attach(nullptr, &line);
  ui.showStatus("Reading HTML file.", -1);
  EXPECT_EQ(line.text().toStdString(), "Reading HTML file.");

  ui.setBusy(true);
  ui.setBusy(true);
  ui.setBusy(false);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  EXPECT_TRUE(line.stripShown());
  ui.setBusy(false);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_FALSE(line.stripShown());
}

TEST(QtUserInterface, TheProgressStripRestsWhileTheUserIsAsked) {
  StatusLine line;
  QtUserInterface ui;
  ui.attach(nullptr, &line);
  ui.setBusy(true);
  bool shownWhileAsked = true;
  Qt::CursorShape cursorWhileAsked = Qt::WaitCursor;
  answerNextBox([&](QMessageBox& box) {
    shownWhileAsked = line.stripShown();
    cursorWhileAsked = QApplication::overrideCursor()->shape();
    box.accept();
  });
  ui.message(MessageKind::Information, "File Saved as x.htm");
  EXPECT_FALSE(shownWhileAsked);
  EXPECT_EQ(cursorWhileAsked, Qt::ArrowCursor);
  EXPECT_TRUE(line.stripShown()) << "the work goes on";
  ui.setBusy(false);
}

}  // namespace
}  // namespace quillon::gui
