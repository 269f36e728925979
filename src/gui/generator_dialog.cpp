#include "gui/generator_dialog.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "generators/generator_commands.hpp"
#include "generators/xml_sitemap_generator.hpp"
#include "gui/page_controls.hpp"
#include "gui/page_font_color_dialog.hpp"
#include "gui/qt_text.hpp"

namespace quillon::gui {

namespace {

QComboBox* makeList(const char* name, const QString& hint, const std::vector<std::string>& items, bool editable) {
  auto* list = new QComboBox;
  list->setObjectName(name);
  list->setToolTip(hint);
  list->setEditable(editable);
  for (const std::string& item : items) list->addItem(toQString(item));
  return list;
}

// A caption and its control on one row, shown and hidden together.
QWidget* labelled(const QString& caption, QWidget* control, const char* labelName = nullptr) {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* label = new QLabel(caption);
  if (labelName) label->setObjectName(labelName);
  label->setBuddy(control);
  layout->addWidget(label);
  layout->addWidget(control, 1);
  return row;
}

// Several controls on one row, shown and hidden together.
QWidget* inRow(std::initializer_list<QWidget*> controls) {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QWidget* control : controls) layout->addWidget(control);
  layout->addStretch(1);
  return row;
}

const char* const kSiteMapDiagram =
    "<b>HOME</b><br>&nbsp;&nbsp;&nbsp;&nbsp;<u>News</u> | <u>Events</u> | <u>Links</u><br>"
    "<b>PRODUCTS</b><br>&nbsp;&nbsp;&nbsp;&nbsp;<u>Prices</u> | <u>Orders</u>";
const char* const kOutlineDiagram =
    "<b>HOME</b><br>&nbsp;&nbsp;&nbsp;&nbsp;<u>News</u><br>&nbsp;&nbsp;&nbsp;&nbsp;<u>Events</u><br>"
    "&nbsp;&nbsp;&nbsp;&nbsp;<u>Links</u><br><b>PRODUCTS</b>";

}  // namespace

GeneratorDialog::GeneratorDialog(PageWindowPorts ports, PageStyle& style, std::optional<int> mode, QWidget* parent)
    : GeneratorDialog(ports, style, generatorOptionsFor(ports.menu.Settings.Kind, generatorTab(mode.value_or(0))),
                      parent) {}

GeneratorDialog::GeneratorDialog(PageWindowPorts ports, PageStyle& style, GeneratorOptions options, QWidget* parent)
    : QDialog(parent), ports_(std::move(ports)), style_(style), options_(std::move(options)) {
  setObjectName("frmJScriptWiz");
  setWindowTitle(kGeneratorWindowTitle);
  resize(560, 480);

  tabs_ = new QTabWidget;
  tabs_->setObjectName("TabControl1");
  tabs_->addTab(buildTreeView(), "Tree View Menu");
  tabs_->addTab(buildDropDown(), "Drop Down Navigation Menu");
  tabs_->addTab(buildSiteMap(), "Site Map");
  tabs_->addTab(buildXmlSitemap(), "XML Sitemap");
  tabs_->setCurrentIndex(static_cast<int>(options_.tab));
  connect(tabs_, &QTabWidget::currentChanged, this,
          [this](int index) { options_.tab = static_cast<GeneratorTab>(index); });

  commands_ = new CommandRow("Write the page of the tab shown into the project folder.",
                             "Write the page of the tab shown as a preview and open it in the browser.",
                             "Read how the generator of the tab shown works.", "Close this window.");
  commands_->onCommand(RowCommand::Save, [this] { save(); });
  commands_->onCommand(RowCommand::Preview, [this] { preview(); });
  commands_->onCommand(RowCommand::Help, [this] { help(); });
  commands_->onCommand(RowCommand::Exit, [this] { accept(); });
  strip_ = new ProgressStrip(430);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_, 1);
  layout->addWidget(strip_);
  layout->addWidget(commands_);

  binder_.afterChange([this] { showDependents(); });
  binder_.fill();
  showDependents();
}

QWidget* GeneratorDialog::folderBox(const char* name) {
  QLineEdit* folder = makeReadOnlyBox(name, "The project folder: the folder of the menu page, where the pages go.");
  folder->setText(toQString(projectFolder(ports_.menu)));
  return labelled("Folder:", folder);
}

QWidget* GeneratorDialog::fontColorButton(const char* name) {
  QPushButton* button = makeButton("Font, Color && Background settings", name,
                                   "The fonts, colours and background picture of the generated page.");
  connect(button, &QPushButton::clicked, this, &GeneratorDialog::pageFontColor);
  return inRow({button});
}

QWidget* GeneratorDialog::buildTreeView() {
  TreeViewOptions& o = options_.treeView;
  auto* group = new QWidget;
  group->setObjectName("grpTreeView");
  auto* form = new QFormLayout;

  QLineEdit* title = makeBox("txtTOrvel", "The title above the tree.");
  QLineEdit* folder = makeBox("txtTMySite", "The caption of the folder at the tree's root.");
  QLineEdit* explore = makeBox("txtTExplore", "The text shown when the mouse is over the root folder.");
  binder_.text(title, o.title);
  binder_.text(folder, o.firstFolderName);
  binder_.text(explore, o.firstMouseOverTitle);
  form->addRow("Title", title);
  form->addRow("First Folder Name", folder);
  form->addRow("First Mouse-over Title", explore);

  QCheckBox* scrollbar = makeCheck("Show Vertical Scrollbar", "chkScrollbar",
                                   "Let the tree's frame scroll when the tree is longer than the window.");
  QCheckBox* lines = makeCheck("Show Frame Lines", "chkTFrameLines", "Draw a border between the two frames.");
  binder_.check(scrollbar, o.showScrollbar);
  binder_.check(lines, o.showFrameLines);

  auto* frames = new QGroupBox("Frames");
  auto* grid = new QGridLayout(frames);
  QLineEdit* leftName = makeBox("txtTLeftName", "The name of the frame that shows the tree.");
  QLineEdit* mainName = makeBox("txtTMainName", "The name of the frame the tree's links open in.");
  QLineEdit* leftWidth = makeBox("txtTLeftWidth", "The width of the tree's frame, in pixels, as a percentage or \"*\".");
  QLineEdit* mainWidth = makeBox("txtTMainWidth", "The width of the main frame; \"*\" takes the rest of the window.");
  binder_.text(leftName, o.leftFrameName);
  binder_.text(mainName, o.mainFrameName);
  binder_.text(leftWidth, o.leftFrameWidth);
  binder_.text(mainWidth, o.mainFrameWidth);
  grid->addWidget(new QLabel("Name"), 0, 1);
  grid->addWidget(new QLabel("Size"), 0, 2);
  grid->addWidget(new QLabel("Left:"), 1, 0);
  grid->addWidget(leftName, 1, 1);
  grid->addWidget(leftWidth, 1, 2);
  grid->addWidget(new QLabel("Main:"), 2, 0);
  grid->addWidget(mainName, 2, 1);
  grid->addWidget(mainWidth, 2, 2);

  QLineEdit* start = makeBox("txtTStart", "The page that splits the window into the tree and the main frame.");
  binder_.text(start, o.framesetPage);
  QLineEdit* treePage = makeReadOnlyBox("txtTLeft", "The page of the tree, shown in the left frame.");
  QLineEdit* mainPage = makeReadOnlyBox("txtTMain", "The page first shown in the main frame.");
  treePage->setText(toQString(o.treePage));
  mainPage->setText(toQString(o.mainPage));

  auto* layout = new QVBoxLayout(group);
  layout->addLayout(form);
  layout->addWidget(inRow({scrollbar, lines}));
  layout->addWidget(frames);
  layout->addWidget(new QLabel("The file that splits the window into 2 Frames:"));
  layout->addWidget(start);
  layout->addWidget(inRow({labelled("Left frame:", treePage), labelled("Main frame:", mainPage)}));
  layout->addWidget(folderBox("txtTDir"));
  layout->addStretch(1);
  layout->addWidget(fontColorButton("btnTFontColor"));
  return group;
}

QWidget* GeneratorDialog::buildDropDown() {
  DropDownOptions& o = options_.dropDown;
  auto* group = new QWidget;
  group->setObjectName("grpDDMenu");

  QComboBox* symbol = makeList("cmbIntentSymbol", "The characters that indent the entries below the root; none writes no indent.",
                               indentSymbolItems(), true);
  QComboBox* amount = makeList("cmbIntentAmount", "How many indent symbols stand for one level; none writes no indent.",
                               indentCountItems(), false);
  QComboBox* end = makeList("cmbIntentString", "The symbol between an entry's indent and its text.", endSymbolItems(), false);
  binder_.choice(symbol, o.indentSymbol);
  binder_.choice(amount, o.indentCount);
  binder_.choice(end, o.endSymbol);
  QPushButton* defaults = makeButton("Set Defaults", "btnFDefaults", "Put back the indent, the end symbol and upper case roots.");
  connect(defaults, &QPushButton::clicked, this, [this] {
    setDropDownDefaults(options_.dropDown);
    binder_.fill();
  });
  auto* indents = new QGroupBox("Indents");
  auto* indentRow = new QHBoxLayout(indents);
  indentRow->addWidget(labelled("Indent Symbol:", symbol));
  indentRow->addWidget(labelled("Number of Indents:", amount));
  indentRow->addWidget(labelled("End Symbol:", end));

  QCheckBox* upper = makeCheck("Upper Case for Root Nodes Text", "chkUpperRoot", "Write the entries of the first level in capitals.");
  binder_.check(upper, o.upperCaseRoots);
  QCheckBox* frames = makeCheck("Use Frames", "chkTarget",
                                "Open each entry's page in the frame its link names; unchecked, in the frame named here.");
  QLineEdit* target = makeBox("txtTarget", "The frame the pages open in; empty opens them in the menu's own window.");
  binder_.check(frames, o.useFrames);
  binder_.text(target, o.target);
  dropDownTarget_ = labelled("Target Frames:", target, "lblTarget");

  QComboBox* select = makeList("cmbSelect", "The first line of the box, before any entry is chosen.", selectionTitleItems(), false);
  binder_.choice(select, o.selectionTitle);
  QLineEdit* output = makeBox("txtFStart", "The page the menu is written to, in the project folder.");
  binder_.text(output, o.outputPage);

  auto* layout = new QVBoxLayout(group);
  layout->addWidget(indents);
  layout->addWidget(inRow({upper, defaults}));
  layout->addWidget(inRow({frames, dropDownTarget_}));
  layout->addWidget(labelled("Selection Title:", select));
  layout->addWidget(labelled("File Name:", output));
  layout->addWidget(folderBox("txtFDir"));
  layout->addStretch(1);
  layout->addWidget(fontColorButton("btnFFontColor"));
  return group;
}

QWidget* GeneratorDialog::buildSiteMap() {
  SiteMapOptions& o = options_.siteMap;
  auto* group = new QWidget;
  group->setObjectName("grpSiteMap");

  auto* construction = new QGroupBox("Construction");
  auto* siteMap = new QRadioButton("Site Map Construction");
  siteMap->setObjectName("optSiteMap");
  siteMap->setToolTip("Entries of the same level follow each other on one line, joined by the separation token.");
  auto* outline = new QRadioButton("Outline Construction");
  outline->setObjectName("optOutline");
  outline->setToolTip("Every entry on a line of its own, indented by its level.");
  auto* choice = new QButtonGroup(construction);
  choice->addButton(siteMap);
  choice->addButton(outline);
  binder_.option(siteMap, [&o] { return o.construction == SiteMapConstruction::SiteMap; },
                 [&o] { o.construction = SiteMapConstruction::SiteMap; });
  binder_.option(outline, [&o] { return o.construction == SiteMapConstruction::Outline; },
                 [&o] { o.construction = SiteMapConstruction::Outline; });
  diagram_ = new QLabel;
  diagram_->setObjectName("imgConstruction");
  diagram_->setFrameShape(QFrame::StyledPanel);
  diagram_->setTextFormat(Qt::RichText);
  diagram_->setMinimumWidth(200);
  diagram_->setToolTip("How the map of a small menu reads in the construction chosen.");
  auto* constructionLayout = new QHBoxLayout(construction);
  auto* options = new QVBoxLayout;
  options->addWidget(siteMap);
  options->addWidget(outline);
  options->addStretch(1);
  constructionLayout->addLayout(options);
  constructionLayout->addWidget(diagram_, 1);

  QCheckBox* mainTarget = makeCheck("Use Main Target Settings", "chkSTarget",
                                    "Open each link in the frame the menu names for it.");
  QLineEdit* target = makeBox("txtSTarget", "The frame every link opens in; empty writes no target.");
  binder_.check(mainTarget, o.useMainTarget);
  binder_.text(target, o.target);
  siteMapTarget_ = labelled("Target", target, "lblSTarget");

  QCheckBox* upperRoots = makeCheck("Upper Case for Root Nodes Text", "chkUCaseRootNode", "Write the root entries in capitals.");
  QCheckBox* breakRoots = makeCheck("Line Break Before", "chkLBRRootNode", "Leave an empty line before each root entry.");
  QCheckBox* upperTabs = makeCheck("Upper Case for Tab Captions", "chkUCaseTabCaption", "Write the tab captions in capitals.");
  QCheckBox* breakTabs = makeCheck("Line Break Before", "chkLBRTabCaptions", "Leave an empty line before each tab caption.");
  binder_.check(upperRoots, o.upperCaseRoots);
  binder_.check(breakRoots, o.breakBeforeRoots);
  binder_.check(upperTabs, o.upperCaseTabs);
  binder_.check(breakTabs, o.breakBeforeTabs);
  rootNodeOptions_ = inRow({upperRoots, breakRoots});
  tabCaptionOptions_ = inRow({upperTabs, breakTabs});

  QComboBox* spaces = makeList("cmbSpaceIntent", "The spaces that indent an entry for each level; none writes no indent.",
                               indentCountItems(), false);
  QComboBox* token = makeList("cmbToken", "What stands between the entries of one line.", tokenItems(), true);
  QCheckBox* noWrap = makeCheck("No Line Wrap", "chkLineWrap", "Keep each line of links on one line of the page.");
  binder_.choice(spaces, o.indentSpaces);
  binder_.choice(token, o.token);
  binder_.check(noWrap, o.noLineWrap);
  indentSpaces_ = labelled("Number of Indent Spaces", spaces);
  token_ = labelled("Separation Token", token);
  noLineWrap_ = noWrap;
  QPushButton* defaults = makeButton("Set Defaults", "btnSiteMapDefaults", "Put back the upper case, line break and line wrap settings.");
  connect(defaults, &QPushButton::clicked, this, [this] {
    setSiteMapDefaults(options_.siteMap);
    binder_.fill();
    showDependents();
  });
  QLineEdit* output = makeBox("txtStart", "The page the site map is written to, in the project folder.");
  binder_.text(output, o.outputPage);

  auto* layout = new QVBoxLayout(group);
  layout->addWidget(construction);
  layout->addWidget(inRow({mainTarget, siteMapTarget_}));
  layout->addWidget(rootNodeOptions_);
  layout->addWidget(tabCaptionOptions_);
  layout->addWidget(inRow({indentSpaces_, token_, noLineWrap_}));
  layout->addWidget(inRow({defaults}));
  layout->addWidget(labelled("File Name:", output));
  layout->addWidget(folderBox("txtDir"));
  layout->addStretch(1);
  layout->addWidget(fontColorButton("btnSFontColor"));
  return group;
}

QWidget* GeneratorDialog::buildXmlSitemap() {
  auto* group = new QWidget;
  group->setObjectName("grpXmlSitemap");
  QLineEdit* base = makeBox("txtBaseUrl", "The web address of the menu page's folder, such as https://www.example.com/.");
  binder_.text(base, options_.xmlSitemap.baseUrl);
  robotsLine_ = makeReadOnlyBox("txtRobotsLine", "Add this line to the site's robots.txt so that search engines find the sitemap.");
  QLineEdit* output = makeReadOnlyBox("txtXmlStart", "The sitemap, in the project folder; a large one adds sitemap-1.xml, sitemap-2.xml, ...");
  output->setText(kXmlSitemapName);

  auto* layout = new QVBoxLayout(group);
  layout->addWidget(new QLabel("Lists every page of the site that the menu links to, for search engines."));
  layout->addWidget(labelled("Base URL:", base));
  layout->addWidget(labelled("File Name:", output));
  layout->addWidget(folderBox("txtXmlDir"));
  layout->addWidget(new QLabel("Add this line to robots.txt:"));
  layout->addWidget(robotsLine_);
  layout->addStretch(1);
  return group;
}

void GeneratorDialog::showDependents() {
  dropDownTarget_->setVisible(options_.dropDown.useFrames);
  siteMapTarget_->setVisible(!options_.siteMap.useMainTarget);
  const SiteMapControls shown = siteMapControlsFor(ports_.menu.Settings.Kind, options_.siteMap.construction);
  rootNodeOptions_->setVisible(shown.rootNodeOptions);
  tabCaptionOptions_->setVisible(shown.tabCaptionOptions);
  indentSpaces_->setVisible(shown.indentSpaces);
  token_->setVisible(shown.token);
  noLineWrap_->setVisible(shown.noLineWrap);
  robotsLine_->setText(toQString(robotsSitemapLine(options_.xmlSitemap.baseUrl)));
  diagram_->setText(options_.siteMap.construction == SiteMapConstruction::SiteMap ? kSiteMapDiagram : kOutlineDiagram);
}

void GeneratorDialog::save() {
  StripScope strip(*strip_);
  GeneratorContext context{ports_.menu, ports_.ui, style_, ports_.programFolder};
  saveGenerated(options_, context);
}

void GeneratorDialog::preview() {
  StripScope strip(*strip_);
  GeneratorContext context{ports_.menu, ports_.ui, style_, ports_.programFolder};
  previewGenerated(options_, context, ports_.browser);
}

void GeneratorDialog::help() { openHelpPage(ports_, generatorHelpPage(options_.tab)); }

void GeneratorDialog::pageFontColor() {
  PageFontColorDialog dialog({style_, ports_.menu.Document.BodyTag, ports_.ui, projectFolder(ports_.menu)},
                             options_.tab == GeneratorTab::DropDown, this);
  dialog.exec();
}

}  // namespace quillon::gui
