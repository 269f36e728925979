#pragma once
// The generator, font and colour, and deploy windows over a sample menu whose
// page lies in a temporary site folder, with the shipped templates as the
// program folder and ports that answer from scripts.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <deque>
#include <filesystem>
#include <functional>
#include <stdexcept>

#include "gui/command_row.hpp"
#include "generators/page_style.hpp"
#include "model/menu_model.hpp"
#include "scripted_ui.hpp"
#include "temp_dir.hpp"

namespace quillon::gui {

class PageWindowsUi : public testing::ScriptedUi {
 public:
  std::deque<std::uint32_t> pickedColors;  // the colour dialog is cancelled when empty
  std::function<void()> duringEvents;      // runs whenever the logic lets events in

  std::optional<std::uint32_t> chooseColor(std::uint32_t) override {
    if (pickedColors.empty()) return std::nullopt;
    const std::uint32_t color = pickedColors.front();
    pickedColors.pop_front();
    return color;
  }
  void processEvents() override {
    ScriptedUi::processEvents();
    if (duringEvents) duringEvents();
  }
};

class RecordingBrowser : public Browser {
 public:
  std::vector<std::string> opened;
  bool fail = false;
  void open(const std::string& url) override {
    if (fail) throw std::runtime_error("Couldn't launch default browser");
    opened.push_back(url);
  }
};

class PageWindowsTest : public ::testing::Test {
 protected:
  testing::TempDir temp;
  PageWindowsUi ui;
  RecordingBrowser browser;
  MenuModel menu;
  PageStyle style;

  void SetUp() override {
    std::filesystem::create_directories(site());
    sampleMenu(akTabTree);
  }

  std::string site(const std::string& name = "") const { return temp.file("site/" + name); }
  PageWindowPorts ports() { return {menu, ui, browser, QUILLON_SHIPPED_DIR}; }

  // Two tabs, "Products" with a branch and "Support" with one entry; applet 220 x 320.
  void sampleMenu(TAppletKind kind) {
    resetToNewMenu(menu, kind);
    menu.Document.PagePath = site("index.htm");
    menu.Settings.Width = "220";
    menu.Settings.Height = "320";
    TAppletPage& products = menu.tab(0);
    products.Caption = "Products";
    products.Nodes.clear();
    TreeNode& catalogue = products.Nodes.root().appendChild("Catalogue");
    catalogue.Data.URL1 = "catalogue.htm";
    catalogue.appendChild("Prices").Data.URL1 = "prices.htm";
    products.Nodes.selectFirst();
    if (kind == akTree) return;
    menu.AddTab("Support").Nodes.root().children().front()->Text = "Questions";
  }

  template <typename Control>
  static Control* control(QWidget& window, const char* name) {
    auto* found = window.findChild<Control*>(name);
    if (!found) throw std::runtime_error(std::string("no control ") + name);
    return found;
  }
};

}  // namespace quillon::gui
