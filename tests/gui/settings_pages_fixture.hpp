#pragma once
// A Commander over scripted ports with a fresh menu of one kind, and the
// settings pages over it.
#include "app/commander.hpp"
#include "gui/settings_pages.hpp"
#include "memory_ports.hpp"
#include "scripted_ui.hpp"
#include "temp_dir.hpp"
#include "test_images.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPalette>
#include <deque>
#include <filesystem>
#include <memory>

namespace quillon::gui {

// The scripted answers, with a colour dialog that answers too.
class PagesUi : public testing::ScriptedUi {
 public:
  std::deque<std::uint32_t> pickedColors;  // the dialog is cancelled when empty
  std::vector<std::uint32_t> colorPresets;

  std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override {
    colorPresets.push_back(initial);
    if (pickedColors.empty()) return std::nullopt;
    const std::uint32_t color = pickedColors.front();
    pickedColors.pop_front();
    return color;
  }
};

class NoBrowser : public Browser {
 public:
  void open(const std::string&) override {}
};

// Only the new-menu wizard answers; the pages open no other window.
class WizardOnly : public Windows {
 public:
  std::optional<NewMenuChoice> wizardAnswer;
  std::optional<NewMenuChoice> chooseNewMenu() override { return wizardAnswer; }
  std::optional<std::string> chooseTheme(std::uint8_t) override { return std::nullopt; }
  void showUploadReport(const std::string&) override {}
  void showAbout() override {}
  void showGenerator(std::optional<int>) override {}
  void showDeploy(std::optional<int>) override {}
  void showSiteIndexer(std::optional<int>) override {}
};

class SettingsPagesTest : public ::testing::Test {
 protected:
  testing::TempDir temp;
  PagesUi ui;
  testing::MemoryClipboard clipboard;
  NoBrowser browser;
  WizardOnly windows;
  testing::MemorySettings programSettings;
  testing::MemorySettings userSettings;
  std::string program = temp.file("program/");
  Commander commander{{ui, clipboard, browser, windows, programSettings, userSettings, program}};
  std::unique_ptr<SettingsPages> pages;
  int menuChanges = 0;

  void SetUp() override {
    std::filesystem::create_directories(program + "files/JClass/jimages");
    std::filesystem::create_directories(temp.file("site"));
    for (const char* icon : {"BookC.gif", "BookO.gif", "Leaf.gif"})
      testing::writeGif(program + "files/JClass/jimages/" + icon, 16, 16);
  }

  // A new menu of the kind saved as site/index.htm, and the pages showing it.
  void open(TAppletKind kind) {
    windows.wizardAnswer = NewMenuChoice{kind, ""};
    ui.pickedFiles.push_back(temp.file("site/index.htm"));
    commander.newMenu();
    ui.messages.clear();
    ui.fileDialogs.clear();
    pages = std::make_unique<SettingsPages>(commander);
    QObject::connect(pages.get(), &SettingsPages::menuChanged, [this] { ++menuChanges; });
  }

  MenuModel& menu() { return commander.menu(); }
  TAppletSettings& settings() { return commander.menu().Settings; }
  TreeNode& selectedNode() { return *menu().CurrentTab()->Nodes.selected(); }

  template <typename Control>
  Control* find(const char* name) {
    Control* control = pages->findChild<Control*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }

  QColor background(const char* sample) { return find<QLabel>(sample)->palette().color(QPalette::Window); }
  QColor text(const char* sample) { return find<QLabel>(sample)->palette().color(QPalette::WindowText); }
};

}  // namespace quillon::gui
