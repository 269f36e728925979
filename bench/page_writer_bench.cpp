// Writing a large Tab&Tree menu: composing the page, content files and upload
// report in memory, and the whole save (those, the site files, the renames). Run with growing menus to show the
// time is linear in the number of nodes.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "format/page_composer.hpp"
#include "format/page_writer.hpp"
#include "format/upload_report.hpp"
#include "large_menu.hpp"
#include "silent_ports.hpp"

namespace {

using namespace quillon;

using bench::NullClipboard;
using bench::NullSettings;
using bench::SilentUi;

constexpr int kNodesPerTab = 1000;

void ComposeTabTreePage(benchmark::State& state) {
  MenuModel menu;
  bench::buildLargeMenu(menu, static_cast<int>(state.range(0)), kNodesPerTab);
  const SiteLayout layout = siteLayoutFor("/tmp/site/index.htm", menu.Settings);
  std::size_t bytes = 0;
  for (auto _ : state) {
    ComposedPage page = composePage(menu, layout);
    std::vector<std::string> contentNames;
    for (const auto& file : page.contentFiles) contentNames.push_back(file.name);
    std::vector<std::string> report = uploadReportPreamble(layout);
    for (std::string& line : uploadReportFileSection({menu.Settings, menu.Document, layout, contentNames, page.copyList})) {
      report.push_back(std::move(line));
    }
    bytes = page.text.size() + joinLines(report).size();
    benchmark::DoNotOptimize(bytes);
  }
  state.SetComplexityN(state.range(0) * kNodesPerTab);
  state.counters["nodes"] = static_cast<double>(state.range(0) * kNodesPerTab);
  state.counters["page_MiB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
  state.counters["peak_MiB"] = bench::peakMemoryMiB();
}
// 500 tabs: half a million nodes, to show no step grows faster than the page.
BENCHMARK(ComposeTabTreePage)->Arg(10)->Arg(25)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void SaveTabTreePage(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / "quillon-bench-site";
  std::filesystem::create_directories(folder);
  MenuModel menu;
  bench::buildLargeMenu(menu, static_cast<int>(state.range(0)), kNodesPerTab);
  menu.Document.PagePath = (folder / "index.htm").string();
  SilentUi ui;
  NullClipboard clipboard;
  NullSettings settings;
  WriterContext context{ui, clipboard, settings, "", {}, {}};
  for (auto _ : state) {
    WriteResult result = WritePage(menu, context);
    if (!result.ok()) state.SkipWithError("the page could not be written");
  }
  state.SetComplexityN(state.range(0) * kNodesPerTab);
  state.counters["nodes"] = static_cast<double>(state.range(0) * kNodesPerTab);
  state.counters["peak_MiB"] = bench::peakMemoryMiB();
  std::filesystem::remove_all(folder);
}
BENCHMARK(SaveTabTreePage)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
