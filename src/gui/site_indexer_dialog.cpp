#include "gui/site_indexer_dialog.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "app/commander.hpp"
#include "app/link_path.hpp"
#include "gui/command_icons.hpp"
#include "gui/hover_highlight.hpp"
#include "gui/page_controls.hpp"
#include "gui/widget_fill.hpp"

namespace quillon::gui {

namespace {

// How often the menu's tree is drawn again while a run adds nodes to it.
constexpr int kMenuRefreshMilliseconds = 1000;

// A caption beside a command button: clicking it runs its own command, which
// for Abort is not the button's.
class CommandCaption : public QLabel {
 public:
  CommandCaption(const QString& text, std::function<void()> click) : QLabel(text), click_(std::move(click)) {
    setCursor(Qt::PointingHandCursor);
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && isEnabled()) click_();
    QLabel::mouseReleaseEvent(event);
  }

 private:
  std::function<void()> click_;
};

// A red octagon with a white bar: stop what is running.
QIcon abortIcon() {
  constexpr int kSize = 24;
  constexpr int kScale = 2;
  QPixmap pixmap(kSize * kScale, kSize * kScale);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(kScale, kScale);
  QPolygonF octagon;
  for (int corner = 0; corner < 8; ++corner) {
    const double angle = (22.5 + 45.0 * corner) * 3.14159265358979 / 180.0;
    octagon << QPointF(12 + 10 * std::cos(angle), 12 + 10 * std::sin(angle));
  }
  p.setPen(QPen(QColor(120, 0, 0), 1.0));
  p.setBrush(QColor(200, 30, 30));
  p.drawPolygon(octagon);
  p.fillRect(QRectF(6.5, 10.5, 11, 3), Qt::white);
  p.end();
  pixmap.setDevicePixelRatio(kScale);
  return QIcon(pixmap);
}

QLabel* note(const QString& text) {
  QLabel* label = makeNote(text);
  QFont small = label->font();
  small.setItalic(true);
  label->setFont(small);
  return label;
}

}  // namespace

IndexerPorts indexerPortsFor(Commander& commander) {
  MenuModel& menu = commander.menu();
  return {commander.ui(), commander.browser(), commander.programSettings(), menu, commander.programFolder(),
          [&menu](const std::string& file) {
            return linkPathFor(menu.Document.PagePath, menu.Settings.Codebase, file);
          }};
}

ActivityStrip::ActivityStrip(ActivityIndicator& indicator, QWidget* parent) : QWidget(parent), indicator_(indicator) {
  setObjectName("imgProgressBar");
  setToolTip("Shrinks while the page shown last in the log is worked on.");
  setFixedHeight(kHeight);
  setMinimumWidth(ActivityIndicator::kFullWidth);
  timer_.setInterval(1000);
  connect(&timer_, &QTimer::timeout, this, &ActivityStrip::ticked);
  // Kept in the layout while hidden, so the window does not jump as it shows.
  QSizePolicy policy = sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  setSizePolicy(policy);
  follow();
}

void ActivityStrip::follow() {
  setVisible(indicator_.visible());
  if (indicator_.timerOn() && !timer_.isActive()) timer_.start();
  if (!indicator_.timerOn()) timer_.stop();
  update();
}

void ActivityStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor block = palette().color(QPalette::Highlight);
  // Blocks of 8 with a gap of 2, as the strip of a file copy.
  for (int x = 0; x + 8 <= indicator_.width(); x += 10) painter.fillRect(x, 1, 8, kHeight - 2, block);
}

SiteIndexerDialog::SiteIndexerDialog(SiteIndexer& indexer, std::optional<int> mode, QWidget* parent)
    : QDialog(parent), indexer_(indexer), highlight_(new HoverHighlight(this)) {
  setObjectName("frmSiteIndexer");
  setWindowTitle(kIndexerCaption);
  resize(560, 720);
  indexer_.formShow(mode);

  tabs_ = new QTabBar;
  tabs_->setObjectName("TabControl1");
  tabs_->setToolTip("What to index: a web site, a site on a drive, or single files.");
  for (const std::string& caption : indexerTabCaptions()) tabs_->addTab(toQString(caption));
  tabs_->setCurrentIndex(static_cast<int>(indexer_.tab()));
  connect(tabs_, &QTabBar::currentChanged, this, [this](int tab) {
    indexer_.tabChanged(static_cast<IndexerTab>(tab));
    showLayout();
  });

  logView_ = new QPlainTextEdit;
  logView_->setObjectName("memInternetMsg");
  logView_->setToolTip("What the indexer does, page by page; kept as SiteIndexer.log beside the menu page.");
  logView_->setReadOnly(true);
  logView_->setLineWrapMode(QPlainTextEdit::NoWrap);
  logView_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

  IndexerState& state = indexer_.state();
  strip_ = new ActivityStrip(state.indicator);
  connect(strip_, &ActivityStrip::ticked, this, [this] { indexer_.timerTick(); });
  state.indicator.onChange = [this] {
    strip_->follow();
    if (!indexer_.state().indicator.visible()) entryEnded();
  };
  state.log.onLine = [this](std::string_view line) { logView_->appendPlainText(toQString(std::string(line))); };
  state.onBusyChange = [this] { showButtons(); };

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(buildInternet());
  layout->addWidget(buildDrive());
  layout->addWidget(buildSitemap());
  layout->addWidget(buildSite());
  layout->addWidget(buildLimits());
  layout->addWidget(buildLocalDir());
  layout->addWidget(logView_, 1);
  // Takes the log's room on the local files tab, so the buttons stay at the bottom.
  filler_ = new QWidget;
  layout->addWidget(filler_, 1);
  layout->addWidget(strip_);
  layout->addWidget(buildCommands());

  binder_.afterChange([this] { showLayout(); });
  fill();
  showLayout();
}

SiteIndexerDialog::~SiteIndexerDialog() {
  // The logic outlives the window.
  IndexerState& state = indexer_.state();
  state.indicator.onChange = nullptr;
  state.log.onLine = nullptr;
  state.onBusyChange = nullptr;
}

QComboBox* SiteIndexerDialog::list(const char* name, const QString& hint, const std::vector<std::string>& items,
                                   bool editable, std::string& field) {
  auto* box = new QComboBox;
  box->setObjectName(name);
  box->setToolTip(hint);
  box->setEditable(editable);
  for (const std::string& item : items) box->addItem(toQString(item));
  binder_.choice(box, field);
  return box;
}

QLineEdit* SiteIndexerDialog::widthBox(const char* name, std::string& field, void (SiteIndexer::*check)()) {
  QLineEdit* box = makeBox(name, "How many characters of a page's title the node text keeps.");
  box->setMaximumWidth(60);
  binder_.text(box, field);
  // Checked on every change the user makes, as the field is typed.
  connect(box, &QLineEdit::textEdited, this, [this, box, &field, check](const QString& text) {
    if (asking_) return;
    field = toBytes(text);
    FillScope asking(asking_);
    (indexer_.*check)();
    setTextIfChanged(box, field);
  });
  return box;
}

QWidget* SiteIndexerDialog::buildInternet() {
  internetGroup_ = new QGroupBox("URL");
  internetGroup_->setObjectName("grpInternet");
  addressBox_ = makeBox("txtURL", "The address of the site's start page; \"http://\" is put in front when missing.");
  binder_.text(addressBox_, indexer_.settings.URL);
  connect(addressBox_, &QLineEdit::editingFinished, this, &SiteIndexerDialog::addressLeft);
  QLineEdit* proxyHost = makeBox("txtProxyHost", "The proxy server the pages are fetched through; empty for none.");
  QLineEdit* proxyPort = makeBox("txtProxyPort", "The port of the proxy server.");
  proxyPort->setMaximumWidth(70);
  binder_.text(proxyHost, indexer_.settings.ProxyHost);
  binder_.text(proxyPort, indexer_.settings.ProxyPort);

  auto* proxy = new QHBoxLayout;
  proxy->addWidget(proxyHost, 1);
  proxy->addWidget(new QLabel("Port:"));
  proxy->addWidget(proxyPort);
  QCheckBox* robots = makeCheck("Obey robots.txt", "chkRobots",
                                "Read the site's robots.txt and leave out the pages it forbids to \"Quillon\".");
  binder_.check(robots, indexer_.settings.ObeyRobots);
  QCheckBox* byType = makeCheck("Pages by content type", "chkPagesByType",
                                "Read every address the server answers with HTML (/about/, page.php, ?id=3); "
                                "off: only addresses with .htm, .cgi, .asp or .idc.");
  binder_.check(byType, indexer_.settings.PagesByType);
  QCheckBox* crawlDelay = makeCheck("Honour Crawl-delay", "chkCrawlDelay",
                                    "Wait between requests to a host as its robots.txt Crawl-delay asks (at most 60 s).");
  binder_.check(crawlDelay, indexer_.settings.HonourCrawlDelay);
  auto* switches = new QHBoxLayout;
  switches->addWidget(robots);
  switches->addWidget(byType);
  switches->addWidget(crawlDelay);
  switches->addStretch(1);

  auto* form = new QFormLayout;
  form->addRow("Address:", addressBox_);
  form->addRow("Proxy Host:", proxy);
  auto* layout = new QVBoxLayout(internetGroup_);
  layout->addLayout(form);
  layout->addLayout(switches);
  layout->addWidget(note("Ensure that you are connected to the Internet."));
  layout->addWidget(note("If using a proxy server, please adjust proxy settings accordingly."));
  layout->addWidget(note("Only files on same level, or above the specified URL will be indexed."));
  return internetGroup_;
}

QWidget* SiteIndexerDialog::buildDrive() {
  driveGroup_ = new QGroupBox("Index File");
  driveGroup_->setObjectName("grpDrive");
  QLineEdit* file = makeBox("txtLocalFile", "The site's start page on a local or network drive.");
  binder_.text(file, indexer_.settings.LocalFile);
  QToolButton* browse = makeBrowseButton("btnBrowseFile", "Choose the start page.");
  connect(browse, &QToolButton::clicked, this, [this] {
    indexer_.browseFile();
    fill();
  });
  auto* row = new QHBoxLayout;
  row->addWidget(file, 1);
  row->addWidget(browse);
  auto* layout = new QVBoxLayout(driveGroup_);
  layout->addLayout(row);
  layout->addWidget(note("Only files on same level, or above the specified URL will be indexed."));
  return driveGroup_;
}

QWidget* SiteIndexerDialog::buildSitemap() {
  sitemapGroup_ = new QGroupBox("Sitemap");
  sitemapGroup_->setObjectName("grpSitemap");
  QLineEdit* sitemap = makeBox("txtSitemap",
                               "The address or file of an XML sitemap (.xml or .xml.gz), a sitemap index or a "
                               "robots.txt, or a site's address (its robots.txt names its sitemaps).");
  binder_.text(sitemap, indexer_.settings.Sitemap);
  QToolButton* browse = makeBrowseButton("btnBrowseSitemap", "Choose a sitemap file on disk.");
  connect(browse, &QToolButton::clicked, this, [this] {
    indexer_.browseSitemap();
    fill();
  });
  auto* row = new QHBoxLayout;
  row->addWidget(sitemap, 1);
  row->addWidget(browse);
  auto* layout = new QVBoxLayout(sitemapGroup_);
  layout->addLayout(row);
  layout->addWidget(note("The pages are arranged by their folders; only pages on the sitemap's own site are added."));
  layout->addWidget(note("Titles are read over the Internet, through the proxy of the first tab."));
  return sitemapGroup_;
}

QWidget* SiteIndexerDialog::buildSite() {
  SiteNodeSettings& site = indexer_.settings.Site;
  siteGroup_ = new QGroupBox("Default settings");
  siteGroup_->setObjectName("grpSite");
  QComboBox* nodeText = list("cmbNodeText", "What the caption of each new node shows.", nodeTextChoices(), false,
                             site.NodeText);
  connect(nodeText, &QComboBox::textActivated, this, [this](const QString& choice) {
    indexer_.nodeTextChosen(toBytes(choice));
    fill();
    showLayout();
  });
  QLineEdit* maxWidth = widthBox("txtMaxWidth", site.MaxWidth, &SiteIndexer::maxWidthChanged);
  QComboBox* status = list("cmbStatusBar", "What the status bar shows while the mouse is over a new node.",
                           statusBarChoices(), false, site.StatusBar);
  QComboBox* target = list("cmbTarget", "The frame or window the new nodes' links open in; empty for the applet's own.",
                           targetChoices(), true, site.Target);
  QCheckBox* fileOnly = makeCheck("Index selected file only.", "chkFileOnly",
                                  "Add the links of the start page only, without following them further.");
  binder_.check(fileOnly, site.FileOnly);
  fileOnly_ = fileOnly;

  siteForm_ = new QFormLayout(siteGroup_);
  siteForm_->addRow("Node Text:", nodeText);
  auto* widthLabel = new QLabel("Maximum number of characters.");
  widthLabel->setObjectName("lblMaxWidth");
  siteForm_->addRow(widthLabel, maxWidth);
  maxWidthBox_ = maxWidth;
  siteForm_->addRow("Status Bar Text:", status);
  siteForm_->addRow("Target Frame:", target);
  siteForm_->addRow(fileOnly);
  return siteGroup_;
}

QWidget* SiteIndexerDialog::buildLimits() {
  CrawlLimitFields& limits = indexer_.settings.Limits;
  limitsGroup_ = new QGroupBox("Limits");
  limitsGroup_->setObjectName("grpLimits");
  const struct {
    const char* label;
    const char* name;
    std::string& field;
    const char* hint;
  } fields[] = {
      {"Max Pages:", "txtMaxPages", limits.MaxPages, "The crawl reads at most this many pages."},
      {"Max Depth:", "txtMaxDepth", limits.MaxDepth, "Links are followed at most this many pages deep."},
      {"Max URL Length:", "txtMaxUrlLength", limits.MaxAddressLength, "Longer addresses are not read."},
      {"Max Query Repeats:", "txtMaxQueryRepeats", limits.MaxQueryRepeats,
       "An address whose query repeats one part more often is not read."},
      {"Max Minutes:", "txtMaxMinutes", limits.MaxMinutes, "The crawl ends after this many minutes."},
      {"Page Seconds:", "txtPageSeconds", limits.PageSeconds, "A page that takes longer is given up."},
      {"Connections:", "txtConnections", limits.Connections,
       "Pages fetched at once, 1 to 32; the nodes and the log are the same for any number."},
      {"Delay (ms):", "txtDelay", limits.DelayMs, "The pause between two requests to one host."},
  };
  auto* grid = new QGridLayout(limitsGroup_);
  int at = 0;
  for (const auto& field : fields) {
    QLineEdit* box = makeBox(field.name, field.hint);
    box->setMaximumWidth(80);
    binder_.text(box, field.field);
    auto* label = new QLabel(field.label);
    label->setBuddy(box);
    grid->addWidget(label, at / 2, (at % 2) * 2);
    grid->addWidget(box, at / 2, (at % 2) * 2 + 1);
    ++at;
  }
  // Patterns are longer than numbers: a row of the whole width each.
  const struct {
    const char* label;
    const char* name;
    std::string& field;
    const char* hint;
  } patterns[] = {
      {"Include:", "txtInclude", indexer_.settings.Include,
       "Past the start page, read only addresses matching one of these patterns, separated by blanks "
       "(* any text, / too; ? one character); empty: every address."},
      {"Exclude:", "txtExclude", indexer_.settings.Exclude,
       "Do not read addresses matching one of these patterns, separated by blanks (*.pdf */old/*)."},
  };
  const int rows = (at + 1) / 2;
  for (const auto& pattern : patterns) {
    QLineEdit* box = makeBox(pattern.name, pattern.hint);
    binder_.text(box, pattern.field);
    auto* label = new QLabel(pattern.label);
    label->setBuddy(box);
    grid->addWidget(label, rows + (&pattern - patterns), 0);
    grid->addWidget(box, rows + (&pattern - patterns), 1, 1, 4);
  }
  // The pairs stay together on the left; the room left over goes to the right.
  grid->setColumnMinimumWidth(2, 140);
  grid->setColumnStretch(4, 1);
  return limitsGroup_;
}

QWidget* SiteIndexerDialog::buildLocalDir() {
  LocalFilesSettings& files = indexer_.settings.Files;
  localDirGroup_ = new QGroupBox("Default settings");
  localDirGroup_->setObjectName("grpLocalDir");
  QLineEdit* folder = makeReadOnlyBox("txtLocalDir", "The folder of the file added last; the file dialog opens there.");
  binder_.text(folder, files.LocalDir);
  QToolButton* browse = makeBrowseButton("btnBrowseDir", "Choose the files to add, each as one node.");
  connect(browse, &QToolButton::clicked, this, &SiteIndexerDialog::start);
  QComboBox* nodeText = list("cmbLNodeText", "What the caption of each new node shows.", localNodeTextChoices(), false,
                             files.NodeText);
  connect(nodeText, &QComboBox::textActivated, this, [this](const QString& choice) {
    indexer_.localNodeTextChosen(toBytes(choice));
    fill();
    showLayout();
  });
  QLineEdit* maxWidth = widthBox("txtLMaxWidth", files.MaxWidth, &SiteIndexer::localMaxWidthChanged);
  QComboBox* status = list("cmbLStatusbar", "What the status bar shows while the mouse is over a new node.",
                           localStatusChoices(), false, files.Statusbar);
  QComboBox* link = list("cmbLLink", "The link of each node: the file's name, or its path from the menu page.",
                         localLinkChoices(), false, files.Link);
  QComboBox* target = list("cmbLHref", "The frame or window the new nodes' links open in; empty for the applet's own.",
                           targetChoices(), true, files.Target);

  auto* row = new QHBoxLayout;
  row->addWidget(folder, 1);
  row->addWidget(browse);
  localForm_ = new QFormLayout;
  localForm_->addRow("Folder:", row);
  localForm_->addRow("Node Text:", nodeText);
  auto* widthLabel = new QLabel("Maximum number of characters.");
  widthLabel->setObjectName("lblLMaxWidth");
  localForm_->addRow(widthLabel, maxWidth);
  localMaxWidthBox_ = maxWidth;
  localForm_->addRow("Status Bar Text:", status);
  localForm_->addRow("Link:", link);
  localForm_->addRow("Target Frame:", target);
  auto* layout = new QVBoxLayout(localDirGroup_);
  layout->addLayout(localForm_);
  layout->addWidget(note("Use Browse button, then highlight files to be added."));
  return localDirGroup_;
}

void SiteIndexerDialog::addCommand(IndexerCommand command, const char* buttonName, const char* captionName,
                                   const QString& hint) {
  auto* button = new QPushButton;
  button->setObjectName(buttonName);
  button->setIconSize(QSize(24, 24));
  button->setToolTip(hint);
  button->setAutoDefault(false);
  // The Abort caption stops the request in progress only, without asking.
  std::function<void()> captionClick = [button] { button->click(); };
  if (command == IndexerCommand::Abort) captionClick = [this] { indexer_.abortLabelClick(); };
  auto* caption = new CommandCaption(QString(), std::move(captionClick));
  caption->setObjectName(captionName);
  caption->setToolTip(hint);
  highlight_->watch(*caption, {button, caption});
  buttons_[index(command)] = button;
  captions_[index(command)] = caption;
}

QWidget* SiteIndexerDialog::buildCommands() {
  addCommand(IndexerCommand::Start, "btnSiteIndexer", "lblSiteIndexer",
             "Index: read the site into the tree. Browse: choose files to add as nodes.");
  addCommand(IndexerCommand::Abort, "btnAbortButton", "lblAbortButton",
             "Stop indexing after the page in progress. The caption only stops the page being fetched.");
  addCommand(IndexerCommand::Help, "btnHelp", "lblHelp", "Read how the indexer of the tab shown works.");
  addCommand(IndexerCommand::Exit, "btnExit", "lblExit", "Close this window.");
  button(IndexerCommand::Abort)->setIcon(abortIcon());
  button(IndexerCommand::Help)->setIcon(commandIcon(CommandIcon::Help));
  button(IndexerCommand::Exit)->setIcon(commandIcon(CommandIcon::Exit));
  caption(IndexerCommand::Abort)->setText("Abort");
  caption(IndexerCommand::Help)->setText("Help");
  caption(IndexerCommand::Exit)->setText("Exit");
  connect(button(IndexerCommand::Start), &QPushButton::clicked, this, &SiteIndexerDialog::start);
  connect(button(IndexerCommand::Abort), &QPushButton::clicked, this, [this] { indexer_.abortButtonClick(); });
  connect(button(IndexerCommand::Help), &QPushButton::clicked, this, [this] { indexer_.help(); });
  connect(button(IndexerCommand::Exit), &QPushButton::clicked, this, &SiteIndexerDialog::reject);

  auto* commands = new QWidget;
  auto* row = new QHBoxLayout(commands);
  row->setContentsMargins(0, 0, 0, 0);
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (i > 0) row->addSpacing(12);
    row->addWidget(buttons_[i]);
    row->addWidget(captions_[i]);
  }
  row->addStretch(1);
  return commands;
}

void SiteIndexerDialog::addressLeft() {
  // The message box takes the focus from the field: its leaving must not be checked again.
  if (asking_) return;
  FillScope asking(asking_);
  const bool accepted = indexer_.addressFieldExit();
  fill();
  if (!accepted) addressBox_->setFocus();
}

void SiteIndexerDialog::fill() {
  FillScope asking(asking_);
  binder_.fill();
}

void SiteIndexerDialog::showLayout() {
  const IndexerLayout layout = indexer_.layout();
  if (tabs_->currentIndex() != static_cast<int>(indexer_.tab())) {
    const QSignalBlocker quiet(tabs_);
    tabs_->setCurrentIndex(static_cast<int>(indexer_.tab()));
  }
  internetGroup_->setVisible(layout.internetGroup);
  driveGroup_->setVisible(layout.driveGroup);
  sitemapGroup_->setVisible(layout.sitemapGroup);
  // A sitemap names every page itself: there are no links to follow or not.
  fileOnly_->setVisible(!layout.sitemapGroup);
  siteGroup_->setVisible(layout.siteGroup);
  limitsGroup_->setVisible(layout.siteGroup);
  localDirGroup_->setVisible(layout.localDirGroup);
  logView_->setVisible(layout.logAndAbort);
  filler_->setVisible(!layout.logAndAbort);
  button(IndexerCommand::Abort)->setVisible(layout.logAndAbort);
  caption(IndexerCommand::Abort)->setVisible(layout.logAndAbort);
  siteForm_->setRowVisible(maxWidthBox_, showsMaxWidth(indexer_.settings.Site.NodeText));
  localForm_->setRowVisible(localMaxWidthBox_, showsMaxWidth(indexer_.settings.Files.NodeText));

  const bool browse = indexer_.tab() == IndexerTab::LocalFiles;
  button(IndexerCommand::Start)->setIcon(commandIcon(browse ? CommandIcon::Open : CommandIcon::Indexer));
  caption(IndexerCommand::Start)->setText(toQString(layout.startCaption));
  showButtons();
}

void SiteIndexerDialog::showButtons() {
  const bool busy = indexer_.state().busy();
  // Between two fetches of a web crawl the buttons are idle; starting again
  // or closing still waits for the run to end.
  const bool idle = !busy && !running_;
  for (IndexerCommand command : {IndexerCommand::Start, IndexerCommand::Exit}) {
    button(command)->setEnabled(idle);
    caption(command)->setEnabled(idle);
  }
  button(IndexerCommand::Abort)->setEnabled(busy);
  caption(IndexerCommand::Abort)->setEnabled(busy);
  // Changing the mode or the settings in the middle of a run would change what it does.
  tabs_->setEnabled(!running_);
  for (QWidget* group : {static_cast<QWidget*>(internetGroup_), static_cast<QWidget*>(driveGroup_),
                         static_cast<QWidget*>(siteGroup_), static_cast<QWidget*>(limitsGroup_),
                         static_cast<QWidget*>(localDirGroup_), static_cast<QWidget*>(sitemapGroup_)}) {
    group->setEnabled(!running_);
  }
}

void SiteIndexerDialog::entryEnded() {
  if (!running_ || sinceMenuShown_.elapsed() < kMenuRefreshMilliseconds) return;
  sinceMenuShown_.restart();
  Q_EMIT menuChanged();
}

void SiteIndexerDialog::start() {
  if (running_ || indexer_.state().running()) return;
  {
    FillScope run(running_);
    sinceMenuShown_.start();
    showButtons();
    logView_->clear();
    indexer_.start();
  }
  fill();
  showButtons();
  Q_EMIT menuChanged();
}

void SiteIndexerDialog::done(int result) {
  if (running_ || !indexer_.formClose()) return;
  QDialog::done(result);
}

}  // namespace quillon::gui
