#pragma once
// The new-menu wizard "Please make your selection.": the three applet styles
// with their preview pictures and the theme list, a view on NewAppletWizard.
#include <QDialog>

#include <array>
#include <optional>

#include "app/new_applet_wizard.hpp"

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace quillon::gui {

class NewAppletDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kWidth = 526;
  static constexpr int kHeight = 280;
  // The picture beside each option, Tab, Tree and Tab&Tree by kind.
  static constexpr std::array<int, 3> kPictureHeights = {50, 55, 80};
  static constexpr int kPictureWidth = 230;

  explicit NewAppletDialog(NewAppletWizard& wizard, QWidget* parent = nullptr);

  // Shows the wizard modally: the choice made with OK, nothing after Cancel.
  std::optional<WizardResult> run();

  QRadioButton* option(TAppletKind kind) const { return options_[kind]; }
  QLabel* picture(TAppletKind kind) const { return pictures_[kind]; }
  QListWidget* themeList() const { return themes_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ok();
  // Shows the wizard's options, list, selection and pictures.
  void refresh();
  void refreshPictures();

  NewAppletWizard& wizard_;
  std::array<QRadioButton*, 3> options_{};
  std::array<QLabel*, 3> pictures_{};
  QListWidget* themes_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace quillon::gui
