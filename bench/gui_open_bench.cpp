// The main window over a large Tab&Tree page, under the offscreen platform:
// opening it until the first tab's tree is on screen, showing each other tab
// the first time, saving, renaming a node, adding and deleting a node, and
// scrolling an expanded tree.
// Arguments are tabs and nodes per tab; 50 x 10,000 is the 500,000-node page.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>

#include "format/page_writer.hpp"
#include "gui/construction_area.hpp"
#include "gui/main_window.hpp"
#include "gui/node_tree_view.hpp"
#include "large_menu.hpp"
#include "silent_ports.hpp"

namespace {

using namespace quillon;
using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class NoBrowser : public Browser {
 public:
  void open(const std::string&) override {}
};

class NoWindows : public Windows {
 public:
  std::optional<NewMenuChoice> chooseNewMenu() override { return std::nullopt; }
  std::optional<std::string> chooseTheme(std::uint8_t) override { return std::nullopt; }
  void showUploadReport(const std::string&) override {}
  void showAbout() override {}
  void showGenerator(std::optional<int>) override {}
  void showDeploy(std::optional<int>) override {}
  void showSiteIndexer(std::optional<int>) override {}
};

// The page size cap raised above the 500,000-node page.
class BigPageSettings : public bench::NullSettings {
 public:
  std::optional<std::string> read(const std::string& section, const std::string& key) const override {
    if (section == "Reader" && key == "MaxPageMB") return "256";
    return std::nullopt;
  }
};

const std::filesystem::path& benchFolder() {
  static const std::filesystem::path folder = std::filesystem::temp_directory_path() / "quillon-gui-bench";
  return folder;
}

// A page of tabs x nodesPerTab nodes, folders and leaves with the stock
// icons, written once per size for the whole run.
std::string largePage(int tabs, int nodesPerTab) {
  static std::map<std::pair<int, int>, std::string> written;
  auto& path = written[{tabs, nodesPerTab}];
  if (!path.empty()) return path;
  const auto folder = benchFolder() / (std::to_string(tabs) + "x" + std::to_string(nodesPerTab));
  std::filesystem::create_directories(folder);
  MenuModel menu;
  bench::buildLargeMenu(menu, tabs, nodesPerTab);
  const std::string icons = QUILLON_STOCK_ICONS;
  TAppletSettings& settings = menu.Settings;
  settings.DefFolderClosed = menu.Images.AddImage(icons + "/BookC.gif");
  settings.DefFolderOpen = menu.Images.AddImage(icons + "/BookO.gif");
  settings.DefLeaf = menu.Images.AddImage(icons + "/Leaf.gif");
  for (int t = 0; t < menu.tabCount(); ++t) {
    menu.tab(t).Nodes.forEachInPageOrder([&settings](TreeNode& node, int) {
      node.Data.CollapsedImage = node.hasChildren() ? settings.DefFolderClosed : settings.DefLeaf;
      node.Data.ExpandedImage = node.hasChildren() ? settings.DefFolderOpen : -1;
    });
  }
  menu.Document.PagePath = (folder / "index.htm").string();
  bench::SilentUi ui;
  bench::NullClipboard clipboard;
  bench::NullSettings settingsStore;
  WriterContext context{ui, clipboard, settingsStore, "", {}, {}};
  if (WritePage(menu, context).ok()) path = menu.Document.PagePath;
  return path;
}

// Adds new nodes above the selected one.
class AddingAboveUi : public bench::SilentUi {
 public:
  InsertPosition askInsertPosition() override { return InsertPosition::Above; }
};

struct Window {
  AddingAboveUi ui;
  bench::NullClipboard clipboard;
  NoBrowser browser;
  NoWindows windows;
  BigPageSettings programSettings;
  bench::NullSettings userSettings;
  gui::MainWindow main{{ui, clipboard, browser, windows, programSettings, userSettings, ""}};

  Window() {
    main.show();
    QApplication::processEvents();
  }
  // Opens the page and paints the window as the user first sees it.
  bool open(const std::string& page) {
    const bool found = main.openPage(page);
    main.repaint();
    QApplication::processEvents();
    return found;
  }
  gui::NodeTreeView& shownTree() const {
    gui::ConstructionArea& area = main.constructionArea();
    return *area.treeView(area.currentIndex());
  }
};

std::string pageOrSkip(benchmark::State& state) {
  const std::string page = largePage(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  if (page.empty()) state.SkipWithError("the page could not be written");
  return page;
}

void pageCounters(benchmark::State& state) {
  state.counters["nodes"] = static_cast<double>(state.range(0) * state.range(1));
  state.counters["peak_MiB"] = bench::peakMemoryMiB();
}

void OpenPageUntilFirstTabShown(benchmark::State& state) {
  const std::string page = pageOrSkip(state);
  Window window;
  for (auto _ : state) {
    if (!window.open(page)) state.SkipWithError("the page holds no applet");
  }
  state.counters["first_tab_items"] = window.shownTree().topLevelItemCount();
  pageCounters(state);
}

void ShowEachOtherTabFirstTime(benchmark::State& state) {
  const std::string page = pageOrSkip(state);
  Window window;
  double slowest = 0;
  double total = 0;
  int shown = 0;
  for (auto _ : state) {
    state.PauseTiming();
    window.open(page);
    state.ResumeTiming();
    gui::ConstructionArea& area = window.main.constructionArea();
    for (int tab = 1; tab < area.count(); ++tab) {
      const Clock::time_point start = Clock::now();
      area.setCurrentIndex(tab);
      window.main.repaint();
      const double took = millisecondsSince(start);
      slowest = std::max(slowest, took);
      total += took;
      ++shown;
    }
  }
  state.counters["per_tab_ms"] = shown > 0 ? total / shown : 0;
  state.counters["slowest_tab_ms"] = slowest;
  pageCounters(state);
}

void SavePage(benchmark::State& state) {
  const std::string page = pageOrSkip(state);
  Window window;
  window.open(page);
  for (auto _ : state) {
    window.main.run([&window] { window.main.commander().save(SaveTrigger::Toolbar); });
    QApplication::processEvents();
  }
  pageCounters(state);
}

// Typing into the node text box: the model and the shown tree follow each key.
void RenameSelectedNode(benchmark::State& state) {
  const std::string page = pageOrSkip(state);
  Window window;
  window.open(page);
  auto* box = window.main.findChild<QLineEdit*>("nodeTextBox");
  if (!box) state.SkipWithError("no node text box");
  int key = 0;
  for (auto _ : state) {
    box->setText(QString("Renamed %1").arg(++key));
    window.main.repaint();
  }
  pageCounters(state);
}

// The "Add Node" button above a node in the middle of the shown tree, then
// "Delete Node" on the new node, each painted; timed apart.
void AddAndDeleteNode(benchmark::State& state) {
  const std::string page = pageOrSkip(state);
  Window window;
  window.open(page);
  auto* add = window.main.findChild<QPushButton*>("addNodeButton");
  auto* remove = window.main.findChild<QPushButton*>("deleteNodeButton");
  if (!add || !remove) state.SkipWithError("no node buttons");
  NodeTree& tree = window.main.commander().menu().tab(0).Nodes;
  TreeNode& middle = *tree.root().children().at(tree.root().children().size() / 2);
  double adding = 0;
  double deleting = 0;
  for (auto _ : state) {
    tree.select(&middle);
    Clock::time_point start = Clock::now();
    add->click();
    window.main.repaint();
    adding += millisecondsSince(start);
    start = Clock::now();
    remove->click();
    window.main.repaint();
    deleting += millisecondsSince(start);
  }
  const auto runs = static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
  state.counters["add_ms"] = adding / runs;
  state.counters["delete_ms"] = deleting / runs;
  pageCounters(state);
}

// One wheel step (three rows) down a fully expanded tab, painted each time.
void ScrollExpandedTree(benchmark::State& state) {
  const std::string page = pageOrSkip(state);
  Window window;
  window.open(page);
  gui::NodeTreeView& tree = window.shownTree();
  tree.expandAll();
  QApplication::processEvents();
  QScrollBar& bar = *tree.verticalScrollBar();
  for (auto _ : state) {
    bar.setValue(bar.value() >= bar.maximum() ? 0 : bar.value() + 3 * bar.singleStep());
    tree.viewport()->repaint();
  }
  state.counters["rows"] = bar.maximum() + bar.pageStep();
  pageCounters(state);
}

void pageSizes(benchmark::internal::Benchmark* bench) {
  bench->ArgNames({"tabs", "nodes_per_tab"});
  for (int tabs : {10, 25, 50}) bench->Args({tabs, 1000});
  bench->Args({50, 10000});
  bench->Unit(benchmark::kMillisecond)->MinTime(1.0);
}

BENCHMARK(OpenPageUntilFirstTabShown)->Apply(pageSizes);
BENCHMARK(ShowEachOtherTabFirstTime)->Apply(pageSizes);
BENCHMARK(SavePage)->Apply(pageSizes);
BENCHMARK(RenameSelectedNode)->Apply(pageSizes);
BENCHMARK(AddAndDeleteNode)->Apply(pageSizes);
BENCHMARK(ScrollExpandedTree)->Args({50, 1000})->ArgNames({"tabs", "nodes_per_tab"})->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(benchFolder());
  return 0;
}
