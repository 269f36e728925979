#pragma once
// Real pages to mutate: the writer's pages for menus of every kind and mode,
// written into one site folder together with their content files, icons,
// sounds and class folder, plus the hand-edited pages of a corpus folder.
#include <string>
#include <vector>

#include "writer_fixture.hpp"

namespace quillon::fuzz {

class SeedSite {
 public:
  // Writes the seed pages. Hand-edited pages come from corpusFolder when it is not empty.
  explicit SeedSite(const std::string& corpusFolder = "");

  const std::vector<std::string>& pages() const { return pages_; }
  // Where an input is written to be read: in the site, so the class folder,
  // content files and icons the seed pages name are found.
  std::string inputPath() const { return fixture_.site("input.htm"); }

 private:
  testing::WriterFixture fixture_;
  std::vector<std::string> pages_;
};

// The bytes of every regular file in the folder, in name order.
std::vector<std::string> readCorpusFolder(const std::string& folder);

}  // namespace quillon::fuzz
