// libFuzzer target: every input is taken apart by the tag helpers in memory.
// Seed corpus: tests/format/fuzz_corpus.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "reader_checks.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string problem = quillon::fuzz::tagHelperProblems(std::string(reinterpret_cast<const char*>(data), size));
  if (!problem.empty()) {
    std::fprintf(stderr, "tag helper check failed: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
