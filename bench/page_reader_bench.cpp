// Reading a large Tab&Tree page back into the menu, beside simply reading the
// file's bytes, for 10, 25 and 50 tabs of 1,000 nodes: the time should grow
// linearly with the page; the bare file read gives the ratio.
// The pages are written once, by a child process, and the reading runs first,
// smallest page first, so the peak memory counter (the process's high-water
// mark) shows what reading each page takes, not what building and writing the
// menu or another benchmark took.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
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
[[noreturn]] void writePageAndExit(const std::string& path, int tabs) {
  MenuModel menu;
  bench::buildLargeMenu(menu, tabs, kNodesPerTab);
  menu.Document.PagePath = path;
  SilentUi ui;
  NullClipboard clipboard;
  NullSettings settings;
  WriterContext context{ui, clipboard, settings, "", {}, {}};
  _exit(WritePage(menu, context).ok() ? 0 : 1);
}

// The page of that many tabs, written on first use; empty when writing failed.
std::string largePage(int tabs) {
  static std::map<int, std::string> pages;
  if (auto known = pages.find(tabs); known != pages.end()) return known->second;
  const fs::path folder = benchFolder() / ("tabs" + std::to_string(tabs));
  fs::create_directories(folder);
  const std::string path = (folder / "index.htm").string();
  const pid_t child = fork();
  if (child == 0) writePageAndExit(path, tabs);
  int status = 0;
  const bool written =
      child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return pages[tabs] = written ? path : "";
}

void setCounters(benchmark::State& state, const std::string& path, bool peakMemory) {
  const auto bytes = static_cast<std::int64_t>(fs::file_size(path));
  const std::int64_t nodes = state.range(0) * kNodesPerTab;
  state.SetComplexityN(nodes);
  state.SetBytesProcessed(bytes * static_cast<std::int64_t>(state.iterations()));
  state.counters["nodes"] = static_cast<double>(nodes);
  state.counters["page_MiB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
  if (peakMemory) state.counters["peak_MiB"] = bench::peakMemoryMiB();
}

void ReadTabTreePage(benchmark::State& state) {
  const std::string path = largePage(static_cast<int>(state.range(0)));
  if (path.empty()) return state.SkipWithError("the page could not be written");
  SilentUi ui;
  for (auto _ : state) {
    MenuModel menu;
    ReaderContext context{ui};
    if (!ReadPage(menu, path, context)) return state.SkipWithError("the page was not read");
    if (menu.tabCount() != state.range(0)) return state.SkipWithError("tabs were lost");
    benchmark::DoNotOptimize(menu.tab(0).Nodes.size());
  }
  setCounters(state, path, true);
}
BENCHMARK(ReadTabTreePage)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

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
