// Crawling generated sites on disk of 1,000, 10,000 and 50,000 pages: the time
// should grow linearly with the pages (and the links). Each page links to up
// to four pages below it, to its parent and to the start page, and to three
// addresses that are never read (a picture, a mail address, another site), so
// the walk finds nine links a page and looks each up in its queue.
//   indexer_bench                          the benchmarks
//   indexer_bench --write-site=DIR --pages=N   writes a site for bench/indexer_vs_wget.sh
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>

#include "indexer/site_crawl.hpp"
#include "model/menu_model.hpp"
#include "silent_ports.hpp"

namespace {

using namespace quillon;
namespace fs = std::filesystem;

constexpr int kPagesPerFolder = 500;
constexpr int kChildren = 4;

std::string pagePath(int page) {
  return page == 0 ? "index.htm"
                   : "d" + std::to_string(page / kPagesPerFolder) + "/p" + std::to_string(page) + ".htm";
}

// The link from `from` to `to`: the start page is at the top, the others one folder down.
std::string linkBetween(int from, int to) { return (from == 0 ? "" : "../") + pagePath(to); }

void writeSite(const fs::path& root, int pages) {
  for (int page = 0; page < pages; ++page) {
    const fs::path file = root / pagePath(page);
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << "<html><head><title>Page " << page << " of the generated site</title></head>\n<body>\n";
    for (int child = kChildren * page + 1; child <= kChildren * page + kChildren && child < pages; ++child) {
      out << "<a href=\"" << linkBetween(page, child) << "\">Page " << child << "</a><br>\n";
    }
    if (page != 0) {
      out << "<a href=\"" << linkBetween(page, (page - 1) / kChildren) << "\">Up</a>\n";
      out << "<a href=\"" << linkBetween(page, 0) << "\">Home</a>\n";
    }
    out << "<img src=\"logo.gif\"><a href=\"" << (page == 0 ? "" : "../") << "logo.gif\">Logo</a>\n"
        << "<a href=\"mailto:web@example.org\">Mail</a> <a href=\"http://www.example.org/\">Elsewhere</a>\n"
        << "</body></html>\n";
  }
}

const fs::path& benchFolder() {
  static const fs::path folder = fs::temp_directory_path() / ("quillon-indexer-bench-" + std::to_string(getpid()));
  return folder;
}

// Each site is written once, before its first measurement.
std::string siteStart(int pages) {
  static std::map<int, std::string> written;
  auto found = written.find(pages);
  if (found != written.end()) return found->second;
  const fs::path root = benchFolder() / ("site" + std::to_string(pages));
  writeSite(root, pages);
  return written[pages] = (root / "index.htm").string();
}

void BM_LocalCrawl(benchmark::State& state) {
  const int pages = static_cast<int>(state.range(0));
  const std::string start = siteStart(pages);
  bench::SilentUi ui;
  CrawlRules rules;
  rules.limits.maxPages = static_cast<std::size_t>(pages);
  std::size_t nodes = 0;
  for (auto _ : state) {
    MenuModel menu;
    resetToNewMenu(menu, akTree);
    menu.CurrentTab()->Nodes.selectFirst();
    IndexerState indexerState;
    LocalPageSource source(indexerState.log);
    CrawlSurroundings surroundings{ui, menu, indexerState, source, [](const std::string& file) { return file; }};
    const CrawlResult result = crawlSite(CrawlMode::Local, start, SiteNodeSettings{}, rules, surroundings);
    if (!result.succeeded || result.pagesRead.size() != static_cast<std::size_t>(pages)) {
      state.SkipWithError("the crawl did not read every page");
      break;
    }
    nodes = menu.CurrentTab()->Nodes.size();
  }
  state.counters["pages_per_second"] = benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsIterationInvariantRate);
  state.counters["nodes"] = static_cast<double>(nodes);
  state.SetComplexityN(pages);
}

BENCHMARK(BM_LocalCrawl)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Complexity(benchmark::oN);

}  // namespace

int main(int argc, char** argv) {
  std::string site;
  int pages = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--write-site=", 13) == 0) site = argv[i] + 13;
    if (std::strncmp(argv[i], "--pages=", 8) == 0) pages = std::atoi(argv[i] + 8);
  }
  if (!site.empty()) {
    if (pages <= 0) {
      std::cerr << "usage: indexer_bench --write-site=DIR --pages=N\n";
      return 2;
    }
    writeSite(site, pages);
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ignored;
  fs::remove_all(benchFolder(), ignored);
  return 0;
}
