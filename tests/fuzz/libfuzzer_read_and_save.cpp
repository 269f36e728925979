// libFuzzer target: every input is a page and its companion files (see
// splitSaveInput), read, saved and previewed in a scratch site; nothing
// outside the site may be written, changed or copied in.
// Seed corpus: tests/fuzz/hostile_pages and tests/format/fuzz_corpus.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "scratch_site.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static quillon::fuzz::ScratchSite scratch;
  const std::string problem =
      scratch.readAndSave(quillon::fuzz::splitSaveInput(std::string(reinterpret_cast<const char*>(data), size)));
  if (!problem.empty()) {
    std::fprintf(stderr, "read-and-save check failed: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
