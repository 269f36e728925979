#pragma once
// Who made the program and which version it is.
#include <QDialog>

namespace quillon::gui {

inline constexpr const char* kApplicationTitle = "Quillon 5.3";
inline constexpr const char* kVersionText = "5.3.0.355";

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace quillon::gui
