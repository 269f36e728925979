#pragma once
// A menu with one tree, the indexer's logic over it, and a scratch folder for
// the sites a test builds and the program's "temp" folder.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "indexer/site_indexer.hpp"
#include "memory_ports.hpp"
#include "model/menu_model.hpp"
#include "scripted_ui.hpp"
#include "temp_dir.hpp"

namespace quillon::testing {

// A ScriptedUi that can act during the pauses of a run, as a user pressing Abort.
class InteractiveUi : public ScriptedUi {
 public:
  std::function<void()> duringEvents;
  void processEvents() override {
    ScriptedUi::processEvents();
    if (duringEvents) duringEvents();
  }
};

class RecordingBrowser : public Browser {
 public:
  std::vector<std::string> opened;
  void open(const std::string& url) override { opened.push_back(url); }
};

class IndexerFixture {
 public:
  static constexpr int kFolderClosed = 0;
  static constexpr int kFolderOpen = 1;
  static constexpr int kLeaf = 2;

  IndexerFixture();

  // Writes a file below the scratch folder and returns its path.
  std::string write(const std::string& name, const std::string& bytes);
  std::string path(const std::string& name) const { return dir.file(name); }
  std::string programFolder() const { return dir.file("program") + "/"; }
  // Where web crawls make their scratch folders.
  std::string cacheFolder() const { return dir.file("cache"); }

  // The tree in page order, one node a line: indent, text, "|" status, "->"
  // link; and the log, a line each. Both shortened by the abbreviations.
  std::string tree() const;
  std::string log() const;
  // Texts replaced in tree() and log(): the scratch folder goes, for one.
  std::vector<std::pair<std::string, std::string>> abbreviations;
  std::string shortened(std::string text) const;

  TempDir dir;
  InteractiveUi ui;
  RecordingBrowser browser;
  MemorySettings iniFile;
  MenuModel menu;
  std::unique_ptr<SiteIndexer> indexer;
};

}  // namespace quillon::testing
