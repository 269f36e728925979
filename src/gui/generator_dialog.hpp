#pragma once
// The generator window: the options of the drop-down box menu, the JavaScript
// tree view, the site map and the XML sitemap on four tabs, and Save, Preview, Help and Exit
// for the generator of the tab shown. A view on GeneratorOptions.
#include <QDialog>
#include <optional>
#include <string>

#include "generators/generator_options.hpp"
#include "generators/page_style.hpp"
#include "gui/command_row.hpp"
#include "gui/option_binder.hpp"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace quillon::gui {

inline constexpr const char* kGeneratorWindowTitle = "Generate an alternative Navigation System";

class GeneratorDialog : public QDialog {
  Q_OBJECT
 public:
  // mode: the tab shown first (0 tree view, 1 drop-down menu, 2 site map, 3 XML sitemap); none shows the first.
  GeneratorDialog(PageWindowPorts ports, PageStyle& style, std::optional<int> mode, QWidget* parent = nullptr);
  // Shows the options given, on their tab.
  GeneratorDialog(PageWindowPorts ports, PageStyle& style, GeneratorOptions options, QWidget* parent = nullptr);

  const GeneratorOptions& options() const { return options_; }
  QTabWidget& tabs() const { return *tabs_; }
  CommandRow& commands() const { return *commands_; }
  ProgressStrip& progressStrip() const { return *strip_; }

  void save();
  void preview();
  void help();
  // "Font, Color && Background settings": the page style of the tab shown.
  void pageFontColor();

 private:
  QWidget* buildTreeView();
  QWidget* buildDropDown();
  QWidget* buildSiteMap();
  QWidget* buildXmlSitemap();
  QWidget* fontColorButton(const char* name);
  QWidget* folderBox(const char* name);
  // Shows and hides what depends on the options: targets, site map controls.
  void showDependents();

  PageWindowPorts ports_;
  PageStyle& style_;
  GeneratorOptions options_;
  OptionBinder binder_;
  QTabWidget* tabs_ = nullptr;
  CommandRow* commands_ = nullptr;
  ProgressStrip* strip_ = nullptr;

  QWidget* dropDownTarget_ = nullptr;
  QWidget* siteMapTarget_ = nullptr;
  QWidget* rootNodeOptions_ = nullptr;
  QWidget* tabCaptionOptions_ = nullptr;
  QWidget* indentSpaces_ = nullptr;
  QWidget* token_ = nullptr;
  QWidget* noLineWrap_ = nullptr;
  QLabel* diagram_ = nullptr;
  QLineEdit* robotsLine_ = nullptr;
};

}  // namespace quillon::gui
