// Opening a large Tab&Tree page in the main window: reading it, filling the
// construction area and the settings pages, and painting the window, until
// the first tab's tree is on screen. Then showing each other tab in turn.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>

#include "format/page_writer.hpp"
#include "gui/construction_area.hpp"
#include "gui/main_window.hpp"
#include "gui/node_tree_view.hpp"
#include "large_menu.hpp"
#include "silent_ports.hpp"

namespace {

using namespace quillon;

constexpr int kNodesPerTab = 500;

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

// A page of `tabs` tabs of 500 nodes, folders and leaves with the stock icons.
std::string writeLargePage(const std::filesystem::path& folder, int tabs) {
  std::filesystem::create_directories(folder);
  MenuModel menu;
  bench::buildLargeMenu(menu, tabs, kNodesPerTab);
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
  if (!WritePage(menu, context).ok()) return {};
  return menu.Document.PagePath;
}

struct Window {
  bench::SilentUi ui;
  bench::NullClipboard clipboard;
  NoBrowser browser;
  NoWindows windows;
  bench::NullSettings programSettings;
  bench::NullSettings userSettings;
  gui::MainWindow main{{ui, clipboard, browser, windows, programSettings, userSettings, ""}};
};

void OpenPageUntilFirstTabShown(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / "quillon-gui-bench";
  const std::string page = writeLargePage(folder, static_cast<int>(state.range(0)));
  if (page.empty()) state.SkipWithError("the page could not be written");
  Window window;
  window.main.show();
  QApplication::processEvents();
  for (auto _ : state) {
    if (!window.main.openPage(page)) state.SkipWithError("the page holds no applet");
    window.main.repaint();
    QApplication::processEvents();
  }
  const gui::NodeTreeView* first = window.main.constructionArea().treeView(0);
  state.counters["tabs"] = window.main.constructionArea().count();
  state.counters["first_tab_items"] = first ? first->topLevelItemCount() : 0;
  state.counters["peak_MiB"] = bench::peakMemoryMiB();
  std::filesystem::remove_all(folder);
}
BENCHMARK(OpenPageUntilFirstTabShown)->Arg(20)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void ShowEveryOtherTab(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / "quillon-gui-bench";
  const std::string page = writeLargePage(folder, static_cast<int>(state.range(0)));
  Window window;
  window.main.show();
  for (auto _ : state) {
    state.PauseTiming();
    window.main.openPage(page);
    QApplication::processEvents();
    state.ResumeTiming();
    gui::ConstructionArea& area = window.main.constructionArea();
    for (int tab = 1; tab < area.count(); ++tab) {
      area.setCurrentIndex(tab);
      window.main.repaint();
    }
  }
  state.counters["tabs_shown"] = static_cast<double>(state.range(0) - 1);
  std::filesystem::remove_all(folder);
}
BENCHMARK(ShowEveryOtherTab)->Arg(20)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
