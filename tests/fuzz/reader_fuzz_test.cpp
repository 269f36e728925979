// Feeds the page reader and the tag helpers tens of thousands of damaged pages
// made from real ones, and the whole read-and-save path thousands of damaged
// pages with their companion files; built with AddressSanitizer and UBSan, so a
// read past an end, a signed overflow or a leak fails the run as surely as a
// broken check.
// The inputs follow from a fixed seed, so a failure names the run that repeats
// it, and the input is kept under fuzz-failures/ in the build folder.
// QUILLON_FUZZ_SEED and QUILLON_FUZZ_RUNS (a factor on the run counts) give a
// longer or different session locally.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "page_mutator.hpp"
#include "reader_checks.hpp"
#include "scratch_site.hpp"
#include "seed_pages.hpp"
#include "temp_dir.hpp"

// A sanitizer report shows where it came from, and ends in abort(), so the
// input that caused it can be kept.
extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1:abort_on_error=1"; }
extern "C" const char* __asan_default_options() { return "abort_on_error=1"; }

namespace quillon::fuzz {
namespace {

std::uint64_t environmentNumber(const char* name, std::uint64_t fallback) {
  const char* text = std::getenv(name);
  return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

std::uint64_t seed() { return environmentNumber("QUILLON_FUZZ_SEED", 20240611); }
std::size_t runs(std::size_t base) { return base * environmentNumber("QUILLON_FUZZ_RUNS", 1); }

// The input being checked, written out when a sanitizer report or a failed
// assertion aborts the process.
struct CurrentInput {
  const std::string* input = nullptr;
  std::string keptPath;
};
CurrentInput current;

void keepInputOfDeath(int) {
  if (current.input == nullptr) return;
  const int file = open(current.keptPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (file < 0) return;
  const bool kept = write(file, current.input->data(), current.input->size()) ==
                    static_cast<ssize_t>(current.input->size());
  close(file);
  const char note[] = "\nthe input of the failing run is kept in ";
  if (kept && write(STDERR_FILENO, note, sizeof note - 1) > 0) {
    [[maybe_unused]] auto written = write(STDERR_FILENO, current.keptPath.c_str(), current.keptPath.size());
  }
}

class ReaderFuzzTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { site_ = std::make_unique<SeedSite>(QUILLON_FUZZ_CORPUS_DIR); }
  static void TearDownTestSuite() { site_.reset(); }

  // Runs check over count mutations of the corpus (the seed pages by default);
  // reports and keeps the first few failing inputs.
  static void fuzz(const std::string& name, std::size_t count,
                   const std::function<std::string(const std::string&)>& check,
                   const std::vector<std::string>& corpus = site_->pages()) {
    PageMutator mutator(seed(), corpus);
    std::filesystem::create_directories(QUILLON_FUZZ_FAILURE_DIR);
    std::signal(SIGABRT, keepInputOfDeath);
    int failures = 0;
    for (std::size_t run = 0; run < count && failures < 5; ++run) {
      const std::string input = mutator.next();
      current = {&input, failurePath(name, run)};
      const std::string problem = check(input);
      if (problem.empty()) continue;
      ++failures;
      testing::writeFile(current.keptPath, input);
      ADD_FAILURE() << "seed " << seed() << ", run " << run << ": " << problem << "\n  input kept in "
                    << current.keptPath;
    }
    current = {};
    std::signal(SIGABRT, SIG_DFL);
  }

  static std::string failurePath(const std::string& name, std::size_t run) {
    return std::string(QUILLON_FUZZ_FAILURE_DIR) + "/" + name + "-" + std::to_string(seed()) + "-" +
           std::to_string(run) + ".htm";
  }

  static std::unique_ptr<SeedSite> site_;
};

std::unique_ptr<SeedSite> ReaderFuzzTest::site_;

TEST_F(ReaderFuzzTest, SeedPagesPassEveryCheck) {
  ASSERT_GE(site_->pages().size(), 15u);
  for (std::size_t i = 0; i < site_->pages().size(); ++i) {
    const std::string& page = site_->pages()[i];
    EXPECT_EQ(readPageProblems(page, site_->inputPath()), "") << "seed page " << i;
    EXPECT_EQ(tagHelperProblems(page), "") << "seed page " << i;
  }
}

// Pages no mutation comes near: a tree nested as deep as it has entries,
// thousands of tabs, a megabyte of stray ">" and a value of a megabyte of "&".
TEST_F(ReaderFuzzTest, ExtremePagesReadIntoUsableMenus) {
  auto applet = [](const std::string& code, const std::string& params) {
    return "<APPLET CODE=\"" + code + "\" WIDTH=1 HEIGHT=1>\n" + params + "</APPLET>\n";
  };
  std::string deep;
  for (int i = 0; i < 250000; ++i) {
    deep += "<PARAM NAME=I" + std::to_string(i) + " VALUE=\"n;;;" + std::to_string(i) + "\">\n";
  }
  std::string tabs;
  for (int t = 0; t < 2000; ++t) {
    const std::string n = std::to_string(t);
    tabs += "<PARAM NAME=TAB" + n + " VALUE=\"Tab " + n + "\"><PARAM NAME=T" + n + "I0 VALUE=\"n;;;0\">\n";
  }
  const std::string megabyte(1 << 20, '>');
  const std::vector<std::pair<std::string, std::string>> pages = {
      {"a tree 250,000 levels deep", applet("TrellTreeR.class", deep)},
      {"2,000 tabs", applet("TrellTabTreeR.class", tabs)},
      {"stray brackets and ampersands",
       megabyte + applet("TrellTabTreeR.class", "<PARAM NAME=TAB0 VALUE=\"" + std::string(1 << 20, '&') + "\">")},
  };
  for (const auto& [what, page] : pages) EXPECT_EQ(readPageProblems(page, site_->inputPath()), "") << what;
}

TEST_F(ReaderFuzzTest, MutatedPagesReadIntoUsableMenus) {
  fuzz("read-page", runs(30000), [](const std::string& input) { return readPageProblems(input, site_->inputPath()); });
}

TEST_F(ReaderFuzzTest, MutatedPagesPassTheTagHelperChecks) {
  fuzz("tag-helpers", runs(15000), tagHelperProblems);
}

// Every page of the test set, hostile or not, with the files it names: read,
// saved and previewed in a scratch site, nothing outside it is written,
// changed or copied in.
std::vector<std::pair<std::string, SaveInput>> saveTestSet(const SeedSite& seeds) {
  std::vector<std::pair<std::string, SaveInput>> inputs;
  for (const char* folder : {QUILLON_HOSTILE_PAGES_DIR, QUILLON_FUZZ_CORPUS_DIR}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (!entry.is_regular_file()) continue;
      inputs.push_back({entry.path().filename().string(), {testing::readFile(entry.path().string()), {}}});
    }
  }
  // In name order, so that a seed number repeats a run on any machine.
  std::sort(inputs.begin(), inputs.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  // The seed pages with their content files and a few icons, all read from the seed site.
  const std::filesystem::path seedSite = std::filesystem::path(seeds.inputPath()).parent_path();
  for (std::size_t i = 0; i < seeds.pages().size() && i < 9; ++i) {
    SaveInput input{seeds.pages()[i], {}};
    const std::string stem = "seed" + std::to_string(i);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(seedSite)) {
      const std::string name = std::filesystem::relative(entry.path(), seedSite).generic_string();
      const std::string file = entry.path().filename().string();
      const bool companion = (file.rfind(stem + "_", 0) == 0 || file.rfind(stem + "TAB", 0) == 0) &&
                             file.find("content") != std::string::npos;
      if (entry.is_regular_file() && (companion || file == "Leaf.gif" || file == "BookC.gif")) {
        input.companions.emplace_back(name, testing::readFile(entry.path().string()));
      }
    }
    std::sort(input.companions.begin(), input.companions.end());
    inputs.push_back({stem, std::move(input)});
  }
  return inputs;
}

TEST_F(ReaderFuzzTest, SavingTheTestSetTouchesNothingOutsideTheSite) {
  ScratchSite scratch;
  const auto inputs = saveTestSet(*site_);
  ASSERT_GE(inputs.size(), 30u);
  for (const auto& [name, input] : inputs) EXPECT_EQ(scratch.readAndSave(input), "") << name;
}

TEST_F(ReaderFuzzTest, MutatedPagesAndFilesSaveNothingOutsideTheSite) {
  ScratchSite scratch;
  std::vector<std::string> corpus;
  for (const auto& [name, input] : saveTestSet(*site_)) corpus.push_back(joinSaveInput(input));
  fuzz("read-and-save", runs(500),
       [&scratch](const std::string& input) { return scratch.readAndSave(splitSaveInput(input)); }, corpus);
}

}  // namespace
}  // namespace quillon::fuzz
