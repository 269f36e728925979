#pragma once
// The "Applet" settings page: size, content mode, proxy mode and sounds in the
// general group; the class-file and image locations in the advanced group.
#include "app/commander.hpp"
#include "app/size_boxes.hpp"
#include "app/style_control_state.hpp"
#include "app/style_files.hpp"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;

namespace quillon::gui {

class AppletPage : public QWidget {
  Q_OBJECT

 public:
  explicit AppletPage(Commander& commander, QWidget* parent = nullptr);

  void refresh();
  void applyControlState(const StyleControlState& state);

 Q_SIGNALS:
  // The proxy mode or a reset changed what the other pages enable.
  void modelChanged();
  // "&Apply": the construction area takes the applet's size, in pixels.
  void appletSizeApplied(int width, int height);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildGeneralGroup();
  QWidget* buildAdvancedGroup();
  QWidget* soundRow(SoundEvent event, QLineEdit* box, const char* browseName, const char* removeName);
  TAppletSettings& settings() { return commander_.menu().Settings; }

  void typedInSizeBox(SizeBox box);
  void leftSizeBox(SizeBox box);
  void applySize();
  // After an edit of the settings: the page shows them, and so do the others.
  void settingsEdited();

  Commander& commander_;
  bool filling_ = false;
  QStackedWidget* groups_ = nullptr;
  QLineEdit* width_ = nullptr;
  QLineEdit* height_ = nullptr;
  QRadioButton* withinCode_ = nullptr;
  QRadioButton* externalFile_ = nullptr;
  QCheckBox* proxy_ = nullptr;
  QLineEdit* clickSound_ = nullptr;
  QLineEdit* overSound_ = nullptr;
  QLineEdit* codebase_ = nullptr;
  QLineEdit* imageDir_ = nullptr;
  QToolButton* imageDirBrowse_ = nullptr;
};

}  // namespace quillon::gui
