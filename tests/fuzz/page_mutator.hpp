#pragma once
// A deterministic mutation fuzzer for pages: from a seed number and a corpus,
// always the same sequence of inputs, so a failure found in CI reproduces by
// its run number alone.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace quillon::fuzz {

class PageMutator {
 public:
  PageMutator(std::uint64_t seed, std::vector<std::string> corpus);

  // A corpus page with one to five mutations: bit flips, bytes and page
  // tokens inserted or replaced, ranges deleted or repeated, tags duplicated
  // or dropped, splices with another page, truncations, numbers swapped for
  // extreme ones, runs of letters changing case, line breaks inside tags.
  std::string next();

  // Inputs are capped so a run of repeats cannot grow without end.
  static constexpr std::size_t kMaxInputSize = 1 << 20;

 private:
  std::size_t below(std::size_t bound);  // uniform in [0, bound); 0 when bound is 0
  const std::string& pick(const std::vector<std::string>& list);
  void mutateOnce(std::string& page);
  // A tag's [begin, end) around a random place; begin == end when there is none.
  std::pair<std::size_t, std::size_t> randomTag(const std::string& page);

  std::mt19937_64 random_;
  std::vector<std::string> corpus_;
};

}  // namespace quillon::fuzz
