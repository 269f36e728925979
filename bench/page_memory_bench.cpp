// The memory a page takes to read, against the page's size, for the shapes
// that cost the most per byte: a Tab&Tree page as the writer writes it, a
// frame of short lines before the applet, and a page of tiny tags. Each page
// is read, and printed as JSON as `quillon-cli read` does, in a child
// process of its own, whose peak resident size is the figure ("peak_MiB");
// "per_page_byte" is that peak over the page's size.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "format/menu_json.hpp"
#include "format/page_reader.hpp"
#include "silent_ports.hpp"

namespace {

using namespace quillon;
namespace fs = std::filesystem;

const fs::path& benchFolder() {
  static const fs::path folder = fs::temp_directory_path() / ("quillon-memory-bench-" + std::to_string(getpid()));
  return folder;
}

constexpr std::size_t kMegabyte = 1 << 20;

std::string treePage(std::size_t megabytes) {
  std::string page = "<HTML>\r\n<BODY>\r\n<APPLET CODEBASE=\".\" CODE=\"TrellTabTreeR.class\" WIDTH=220 HEIGHT=320>\r\n";
  for (int tab = 0; page.size() < megabytes * kMegabyte; ++tab) {
    const std::string t = std::to_string(tab);
    page += "\t<PARAM NAME=\"TAB" + t + "\" VALUE=\"Tab " + t + "; t.htm; main; Status; None; None; NO\">\r\n";
    for (int node = 0; node < 10000; ++node) {
      const std::string n = std::to_string(node);
      page += "\t<PARAM NAME=\"T" + t + "I" + n + "\" VALUE=\"Node " + n + "; page" + n + ".htm; main; " +
              std::to_string(node % 4) + "; folder ; folder ; A status text for the node;None; None; NO\">\r\n";
    }
  }
  return page + "</APPLET>\r\n</BODY>\r\n</HTML>\r\n";
}

const std::string kSmallApplet = "<APPLET CODE=\"TrellTabR.class\">\r\n<PARAM NAME=\"TAB0\" VALUE=\"x\">\r\n</APPLET>\r\n";

std::string shortLinesPage(std::size_t megabytes) {
  std::string page;
  while (page.size() < megabytes * kMegabyte) page += "<p>\r\n";
  return page + kSmallApplet;
}

std::string tinyTagsPage(std::size_t megabytes) {
  std::string page = "<APPLET CODE=\"TrellTabR.class\">";
  while (page.size() < megabytes * kMegabyte) page += "<b>";
  return page + "<PARAM NAME=\"TAB0\" VALUE=\"x\"></APPLET>\r\n";
}

// The child's peak resident size in MiB, or -1 when it failed.
double peakOfChild(const std::string& path, bool printJson) {
  const pid_t child = fork();
  if (child == 0) {
    bench::SilentUi ui;
    MenuModel menu;
    ReaderContext context{ui};
    if (!ReadPage(menu, path, context)) _exit(1);
    if (printJson) {
      std::ofstream out("/dev/null");
      writeMenuJson(menu, out);
    }
    _exit(0);
  }
  int status = 0;
  rusage usage{};
  if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return -1;
  }
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void PeakMemory(benchmark::State& state, const std::function<std::string(std::size_t)>& shape, bool printJson) {
  const auto megabytes = static_cast<std::size_t>(state.range(0));
  fs::create_directories(benchFolder());
  const fs::path path = benchFolder() / "page.htm";
  std::ofstream(path, std::ios::binary) << shape(megabytes);
  const double pageMiB = static_cast<double>(fs::file_size(path)) / kMegabyte;
  double peak = 0;
  for (auto _ : state) peak = peakOfChild(path.string(), printJson);
  if (peak < 0) return state.SkipWithError("the page was not read");
  state.counters["page_MiB"] = pageMiB;
  state.counters["peak_MiB"] = peak;
  state.counters["per_page_byte"] = peak / pageMiB;
}

void ReadTree(benchmark::State& state) { PeakMemory(state, treePage, false); }
void ReadShortLines(benchmark::State& state) { PeakMemory(state, shortLinesPage, false); }
void ReadTinyTags(benchmark::State& state) { PeakMemory(state, tinyTagsPage, false); }
void ReadTreeAsJson(benchmark::State& state) { PeakMemory(state, treePage, true); }
void ReadShortLinesAsJson(benchmark::State& state) { PeakMemory(state, shortLinesPage, true); }

BENCHMARK(ReadTree)->Arg(16)->Arg(48)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadShortLines)->Arg(16)->Arg(48)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadTinyTags)->Arg(16)->Arg(48)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadTreeAsJson)->Arg(16)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadShortLinesAsJson)->Arg(16)->Iterations(1)->Unit(benchmark::kMillisecond);

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
