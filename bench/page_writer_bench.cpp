// Writing a large Tab&Tree menu: composing the page text alone, and the whole
// save (page, site files, upload report). Run with growing menus to show the
// time is linear in the number of nodes.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "format/page_composer.hpp"
#include "format/page_writer.hpp"
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
    bytes = page.text.size();
    benchmark::DoNotOptimize(bytes);
  }
  state.SetComplexityN(state.range(0) * kNodesPerTab);
  state.counters["nodes"] = static_cast<double>(state.range(0) * kNodesPerTab);
  state.counters["page_MiB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
  state.counters["peak_MiB"] = bench::peakMemoryMiB();
}
BENCHMARK(ComposeTabTreePage)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

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
