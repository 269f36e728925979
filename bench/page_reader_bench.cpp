// Reading a large Tab&Tree page back into the menu, beside simply reading the
// file's bytes and beside a general HTML parser (libxml2, when built with it)
// reading the same bytes, for 10, 25 and 50 tabs of 1,000 nodes: the time
// should grow linearly with the page. Also one page of 500,000 nodes.
// The pages are written once, by a child process, and the reading runs first,
// smallest page first, so the peak memory counter (the process's high-water
// mark) shows what reading each page takes, not what building and writing the
// menu or another benchmark took.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#ifdef QUILLON_BENCH_LIBXML2
#include <libxml/HTMLparser.h>
#endif
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "format/html_escape.hpp"
#include "format/page_reader.hpp"
#include "format/page_writer.hpp"
#include "format/text_helpers.hpp"
#include "large_menu.hpp"
#include "silent_ports.hpp"

namespace {

using namespace quillon;
namespace fs = std::filesystem;

using bench::NullClipboard;
using bench::NullSettings;
using bench::SilentUi;

constexpr int kNodesPerTab = 1000;

const fs::path& benchFolder() {
  static const fs::path folder = fs::temp_directory_path() / ("quillon-reader-bench-" + std::to_string(getpid()));
  return folder;
}

// Runs in the child process: writes the page and ends.
[[noreturn]] void writePageAndExit(const std::string& path, int tabs, int nodesPerTab) {
  MenuModel menu;
  bench::buildLargeMenu(menu, tabs, nodesPerTab);
  menu.Document.PagePath = path;
  SilentUi ui;
  NullClipboard clipboard;
  NullSettings settings;
  WriterContext context{ui, clipboard, settings, "", {}, {}};
  _exit(WritePage(menu, context).ok() ? 0 : 1);
}

// The page of that many tabs, written on first use; empty when writing failed.
std::string largePage(int tabs, int nodesPerTab = kNodesPerTab) {
  static std::map<std::pair<int, int>, std::string> pages;
  if (auto known = pages.find({tabs, nodesPerTab}); known != pages.end()) return known->second;
  const fs::path folder = benchFolder() / ("tabs" + std::to_string(tabs) + "x" + std::to_string(nodesPerTab));
  fs::create_directories(folder);
  const std::string path = (folder / "index.htm").string();
  const pid_t child = fork();
  if (child == 0) writePageAndExit(path, tabs, nodesPerTab);
  int status = 0;
  const bool written =
      child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return pages[{tabs, nodesPerTab}] = written ? path : "";
}

void setCounters(benchmark::State& state, const std::string& path, bool peakMemory, int nodesPerTab = kNodesPerTab) {
  const auto bytes = static_cast<std::int64_t>(fs::file_size(path));
  const std::int64_t nodes = state.range(0) * nodesPerTab;
  state.SetComplexityN(nodes);
  state.SetBytesProcessed(bytes * static_cast<std::int64_t>(state.iterations()));
  state.counters["nodes"] = static_cast<double>(nodes);
  state.counters["page_MiB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
  if (peakMemory) state.counters["peak_MiB"] = bench::peakMemoryMiB();
}

// The seconds each reading of the 50-tab page took, for the ratio to libxml2.
double& secondsPerRead(const char* reader) {
  static std::map<std::string, double> seconds;
  return seconds[reader];
}

using Clock = std::chrono::steady_clock;

// Returns the seconds the readings took, on average.
double readPageInto(benchmark::State& state, const std::string& path, int tabs) {
  SilentUi ui;
  Clock::duration reading{};
  for (auto _ : state) {
    auto menu = std::make_unique<MenuModel>();
    ReaderContext context{ui};
    context.maxPageBytes = std::uint64_t{4095} << 20;
    const auto started = Clock::now();
    const bool read = ReadPage(*menu, path, context);
    reading += Clock::now() - started;
    if (!read) {
      state.SkipWithError("the page was not read");
      break;
    }
    state.PauseTiming();  // taking the menu down is no part of reading it
    if (menu->tabCount() != tabs) state.SkipWithError("tabs were lost");
    menu.reset();
    state.ResumeTiming();
  }
  return std::chrono::duration<double>(reading).count() / static_cast<double>(std::max<std::int64_t>(state.iterations(), 1));
}

// The heap the menu holds once the page is read, per node: a node with its
// texts and its place in its parent's list.
double heapBytesPerNode(const std::string& path, std::int64_t nodes) {
  const auto inUse = [] {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
  };
  SilentUi ui;
  MenuModel menu;
  ReaderContext context{ui};
  const std::size_t before = inUse();
  if (!ReadPage(menu, path, context)) return 0;
  return static_cast<double>(inUse() - before) / static_cast<double>(nodes);
}

void ReadTabTreePage(benchmark::State& state) {
  const std::string path = largePage(static_cast<int>(state.range(0)));
  if (path.empty()) return state.SkipWithError("the page could not be written");
  const double seconds = readPageInto(state, path, static_cast<int>(state.range(0)));
  if (state.range(0) == 50) secondsPerRead("quillon") = seconds;
  setCounters(state, path, true);
  state.counters["heap_B_per_node"] = heapBytesPerNode(path, state.range(0) * kNodesPerTab);
}
BENCHMARK(ReadTabTreePage)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

#ifdef QUILLON_BENCH_LIBXML2
// libxml2's HTML parser on the same bytes, from memory: the yardstick. The
// counter quillon_ratio is the reader's time over this one, at 50 tabs.
void LibXml2ReadMemory(benchmark::State& state) {
  const std::string path = largePage(static_cast<int>(state.range(0)));
  if (path.empty()) return state.SkipWithError("the page could not be written");
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  const std::string text = bytes.str();
  Clock::duration parsing{};
  for (auto _ : state) {
    const auto started = Clock::now();
    htmlDocPtr document = htmlReadMemory(text.data(), static_cast<int>(text.size()), path.c_str(), nullptr,
                                         HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING);
    parsing += Clock::now() - started;
    if (document == nullptr) return state.SkipWithError("libxml2 read nothing");
    state.PauseTiming();  // as the menu's, the tree's taking down is not timed
    xmlFreeDoc(document);
    state.ResumeTiming();
  }
  setCounters(state, path, false);
  const double seconds = std::chrono::duration<double>(parsing).count() / static_cast<double>(state.iterations());
  if (state.range(0) == 50 && secondsPerRead("quillon") > 0) {
    state.counters["quillon_ratio"] = secondsPerRead("quillon") / seconds;
  }
}
BENCHMARK(LibXml2ReadMemory)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
#endif

// 500 tabs of 1,000 nodes, about 100 MB: beyond the default page cap, so the
// cap is raised as [Reader] MaxPageMB would; no step may be quadratic.
void ReadHugeTabTreePage(benchmark::State& state) {
  const std::string path = largePage(static_cast<int>(state.range(0)));
  if (path.empty()) return state.SkipWithError("the page could not be written");
  readPageInto(state, path, static_cast<int>(state.range(0)));
  setCounters(state, path, false);
}
BENCHMARK(ReadHugeTabTreePage)->Arg(500)->Iterations(2)->Unit(benchmark::kMillisecond);

// The floor: the page's bytes into one string, as the reader loads them.
void ReadFileBytes(benchmark::State& state) {
  const std::string path = largePage(static_cast<int>(state.range(0)));
  if (path.empty()) return state.SkipWithError("the page could not be written");
  for (auto _ : state) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::string text = bytes.str();
    benchmark::DoNotOptimize(text.data());
  }
  setCounters(state, path, false);
}
BENCHMARK(ReadFileBytes)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// Hostile text of growing size: stray ">" before the next "<", and a value
// full of "&" without ";". Both are scanned once, not once per character.
void ScanHostileText(benchmark::State& state) {
  const auto size = static_cast<std::size_t>(state.range(0)) << 20;
  const std::string brackets = std::string(size, '>') + "<B>";
  const std::string ampersands(size, '&');
  for (auto _ : state) {
    benchmark::DoNotOptimize(tagSpans(brackets).size());
    benchmark::DoNotOptimize(decodeCharacterReferences(ampersands).size());
  }
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(static_cast<std::int64_t>(2 * size) * static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(ScanHostileText)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ignored;
  fs::remove_all(benchFolder(), ignored);
  return 0;
}
