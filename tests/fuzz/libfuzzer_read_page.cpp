// libFuzzer target: every input is read as a page beside the seed pages'
// class folder, content files and icons. Seed corpus: tests/format/fuzz_corpus.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "reader_checks.hpp"
#include "seed_pages.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const quillon::fuzz::SeedSite site;
  const std::string problem =
      quillon::fuzz::readPageProblems(std::string(reinterpret_cast<const char*>(data), size), site.inputPath());
  if (!problem.empty()) {
    std::fprintf(stderr, "page reader check failed: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
