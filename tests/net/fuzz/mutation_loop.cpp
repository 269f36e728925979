// Runs the fuzz target over a seed corpus and a fixed-seed series of mutations
// of it, so that a build without libFuzzer (and every CTest run) still covers
// tens of thousands of inputs under the sanitizers.
//   mutation_loop SEED_FOLDER [ITERATIONS]
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

const char* const kTokens[] = {"\r\n",
                               "\n",
                               "\r",
                               ":",
                               ": ",
                               "HTTP/1.0 ",
                               "HTTP/1.1 200 OK",
                               "404",
                               "://",
                               "@",
                               "/",
                               "?",
                               "Location: ",
                               "Content-Length: ",
                               "content-type:",
                               "..",
                               "http:",
                               "mailto:",
                               "//",
                               " ",
                               "\t",
                               "\0",
                               "99999999999999999999",
                               "-1",
                               "\r\n0\r\n\r\n",
                               ";ext",
                               "[::1]",
                               "#",
                               "%"};

std::string mutate(std::string input, const std::vector<std::string>& corpus, std::mt19937& random) {
  const auto pick = [&](std::size_t limit) {
    return limit == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, limit - 1)(random);
  };
  for (std::size_t steps = 1 + pick(6); steps > 0; --steps) {
    const std::size_t at = pick(input.size() + 1);
    switch (pick(7)) {
      case 0:
        if (!input.empty()) input[pick(input.size())] ^= static_cast<char>(1u << pick(8));
        break;
      case 1: input.insert(at, 1, static_cast<char>(pick(256))); break;
      case 2: input.erase(at, pick(16)); break;
      case 3: input.insert(at, kTokens[pick(std::size(kTokens))]); break;
      case 4: {
        const std::string& other = corpus[pick(corpus.size())];
        const std::size_t from = pick(other.size() + 1);
        input.insert(at, other, from, pick(other.size() - from + 1));
        break;
      }
      case 5: input.insert(at, pick(16) == 0 ? 9000 : pick(300), static_cast<char>("a:/\r\n "[pick(6)])); break;
      default:
        if (at < input.size()) input.insert(at, input.substr(at, pick(64)));
        break;
    }
  }
  return input;
}

int run(const std::string& input) {
  return LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s SEED_FOLDER [ITERATIONS]\n", argv[0]);
    return 2;
  }
  std::vector<std::string> corpus;
  for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
    std::ifstream file(entry.path(), std::ios::binary);
    corpus.emplace_back(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  if (corpus.empty()) {
    std::fprintf(stderr, "no seeds in %s\n", argv[1]);
    return 2;
  }
  std::sort(corpus.begin(), corpus.end());
  const long iterations = argc > 2 ? std::stol(argv[2]) : 50000;
  std::mt19937 random(20240601);
  for (const std::string& seed : corpus) run(seed);
  for (long i = 0; i < iterations; ++i) {
    run(mutate(corpus[static_cast<std::size_t>(i) % corpus.size()], corpus, random));
  }
  std::printf("%zu seeds and %ld mutated inputs passed\n", corpus.size(), iterations);
  return 0;
}
