// Generating the applet-free pages and the XML sitemap from a large Tab&Tree menu (tabs of
// 1,000 nodes each). Run with growing menus to show the time is linear in
// the number of nodes.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "generators/dropdown_generator.hpp"
#include "generators/sitemap_generator.hpp"
#include "generators/treeview_generator.hpp"
#include "generators/xml_sitemap_generator.hpp"
#include "large_menu.hpp"
#include "silent_ports.hpp"

namespace {

using namespace quillon;

constexpr int kNodesPerTab = 1000;

// The templates shipped beside this program's sources.
std::string shippedFolder() { return QUILLON_SHIPPED_FOLDER; }

template <typename Generate>
void runGenerator(benchmark::State& state, const char* site, Generate generate) {
  const auto folder = std::filesystem::temp_directory_path() / site;
  std::filesystem::create_directories(folder);
  MenuModel menu;
  bench::buildLargeMenu(menu, static_cast<int>(state.range(0)), kNodesPerTab);
  menu.Document.PagePath = (folder / "index.htm").string();
  bench::SilentUi ui;
  PageStyle style;
  GeneratorContext context{menu, ui, style, shippedFolder()};
  std::uintmax_t bytes = 0;
  for (auto _ : state) {
    const GenerationResult result = generate(context);
    if (!result.written()) {
      state.SkipWithError(result.failure.c_str());
      break;
    }
    bytes = std::filesystem::file_size(result.pagePath);
  }
  state.SetComplexityN(state.range(0) * kNodesPerTab);
  state.counters["nodes"] = static_cast<double>(state.range(0) * kNodesPerTab);
  state.counters["page_MiB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
  state.counters["peak_MiB"] = bench::peakMemoryMiB();
  std::filesystem::remove_all(folder);
}

void DropDownMenu(benchmark::State& state) {
  runGenerator(state, "quillon-bench-dropdown",
               [](GeneratorContext& context) { return generateDDMenu(DropDownOptions{}, context, false); });
}
BENCHMARK(DropDownMenu)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void TreeView(benchmark::State& state) {
  runGenerator(state, "quillon-bench-treeview",
               [](GeneratorContext& context) { return generateTreeView(TreeViewOptions{}, context, false); });
}
BENCHMARK(TreeView)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void SiteMap(benchmark::State& state) {
  runGenerator(state, "quillon-bench-sitemap",
               [](GeneratorContext& context) { return generateSiteMap(SiteMapOptions{}, context, false); });
}
BENCHMARK(SiteMap)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void XmlSitemap(benchmark::State& state) {
  runGenerator(state, "quillon-bench-xmlsitemap", [](GeneratorContext& context) {
    return generateXmlSitemap({"https://www.example.com/"}, context, false);
  });
}
BENCHMARK(XmlSitemap)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
