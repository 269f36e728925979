#pragma once
// The indexer window: a web site with its proxy, a site on disk from its
// start file, a set of local files, or the pages of an XML sitemap, one tab each; the settings of the new
// nodes; the log of the run growing as it goes; Index, Abort, Help and Exit.
// A view on SiteIndexer, which outlives it: the window is built for each
// showing, the logic keeps what lasts for the whole run.
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <array>
#include <optional>

#include "gui/option_binder.hpp"
#include "indexer/site_indexer.hpp"

class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabBar;

namespace quillon {
class Commander;
}

namespace quillon::gui {

class HoverHighlight;

// The logic's connections to the program: the Commander's menu, dialogs,
// browser and the settings file beside the program.
IndexerPorts indexerPortsFor(Commander& commander);

// The strip that shrinks while a queue entry is worked on, drawn as the
// logic's indicator says.
class ActivityStrip : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kHeight = 10;

  explicit ActivityStrip(ActivityIndicator& indicator, QWidget* parent = nullptr);

  // Follows the indicator: shown, its width, its timer.
  void follow();
  bool ticking() const { return timer_.isActive(); }

  QSize sizeHint() const override { return {ActivityIndicator::kFullWidth, kHeight}; }

 Q_SIGNALS:
  void ticked();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ActivityIndicator& indicator_;
  QTimer timer_;
};

enum class IndexerCommand { Start, Abort, Help, Exit };

class SiteIndexerDialog : public QDialog {
  Q_OBJECT
 public:
  // mode: the window's tag, the tab to show (0 web site, 1 local site, 2 local files).
  SiteIndexerDialog(SiteIndexer& indexer, std::optional<int> mode, QWidget* parent = nullptr);
  ~SiteIndexerDialog() override;

  QTabBar& tabs() const { return *tabs_; }
  QPushButton* button(IndexerCommand command) const { return buttons_[index(command)]; }
  QLabel* caption(IndexerCommand command) const { return captions_[index(command)]; }
  QPlainTextEdit& logView() const { return *logView_; }
  ActivityStrip& activityStrip() const { return *strip_; }
  // A run started here is going on.
  bool running() const { return running_; }

  // Index (a crawl) or, on the local files tab, Browse (the files become nodes).
  void start();
  // Closing, whichever way, keeps the settings and empties the download
  // folder; refused while a run is going on.
  void done(int result) override;

 Q_SIGNALS:
  // Nodes went into the menu: during a run at most once a second, and at its end.
  void menuChanged();

 private:
  static std::size_t index(IndexerCommand command) { return static_cast<std::size_t>(command); }
  QWidget* buildInternet();
  QWidget* buildDrive();
  QWidget* buildSitemap();
  QWidget* buildSite();
  QWidget* buildLimits();
  QWidget* buildLocalDir();
  QWidget* buildCommands();
  QLineEdit* widthBox(const char* name, std::string& field, void (SiteIndexer::*check)());
  QComboBox* list(const char* name, const QString& hint, const std::vector<std::string>& items, bool editable,
                  std::string& field);
  void addCommand(IndexerCommand command, const char* buttonName, const char* captionName, const QString& hint);
  void addressLeft();
  void fill();
  // The groups of the tab, the width fields of "HTML File Title", the buttons
  // as busy or idle.
  void showLayout();
  void showButtons();
  void entryEnded();

  SiteIndexer& indexer_;
  OptionBinder binder_;
  QTabBar* tabs_ = nullptr;
  QGroupBox* internetGroup_ = nullptr;
  QGroupBox* driveGroup_ = nullptr;
  QGroupBox* siteGroup_ = nullptr;
  QGroupBox* limitsGroup_ = nullptr;
  QGroupBox* localDirGroup_ = nullptr;
  QGroupBox* sitemapGroup_ = nullptr;
  QWidget* fileOnly_ = nullptr;
  QLineEdit* addressBox_ = nullptr;
  // The forms of the two settings groups, whose width rows come and go.
  QFormLayout* siteForm_ = nullptr;
  QFormLayout* localForm_ = nullptr;
  QLineEdit* maxWidthBox_ = nullptr;
  QLineEdit* localMaxWidthBox_ = nullptr;
  QPlainTextEdit* logView_ = nullptr;
  QWidget* filler_ = nullptr;
  ActivityStrip* strip_ = nullptr;
  HoverHighlight* highlight_ = nullptr;
  std::array<QPushButton*, 4> buttons_{};
  std::array<QLabel*, 4> captions_{};
  QElapsedTimer sinceMenuShown_;
  bool running_ = false;
  // A check's message box is up: the checks do not run again meanwhile.
  bool asking_ = false;
};

}  // namespace quillon::gui
