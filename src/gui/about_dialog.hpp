#pragma once
// Who made the program and which version it is.
#include <QDialog>

namespace quillon::gui {

inline constexpr const char* kApplicationTitle = "Quillon 5.3";
// The project's version with the build number after it.
inline constexpr const char* kVersionText = QUILLON_VERSION ".355";

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace quillon::gui
