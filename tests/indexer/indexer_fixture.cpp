#include "indexer_fixture.hpp"

#include <filesystem>

namespace quillon::testing {

IndexerFixture::IndexerFixture() {
  std::filesystem::create_directories(programFolder());
  resetToNewMenu(menu, akTree);
  menu.Settings.DefFolderClosed = kFolderClosed;
  menu.Settings.DefFolderOpen = kFolderOpen;
  menu.Settings.DefLeaf = kLeaf;
  menu.Document.PagePath = dir.file("menu.htm");
  menu.CurrentTab()->Nodes.selectFirst();
  abbreviations.emplace_back(dir.path().string() + "/", "");
  // The link text marks that the main window's rule made it.
  indexer = std::make_unique<SiteIndexer>(IndexerPorts{ui, browser, iniFile, menu, programFolder(),
                                                       [](const std::string& file) { return "link:" + file; },
                                                       cacheFolder()});
}

std::string IndexerFixture::write(const std::string& name, const std::string& bytes) {
  const std::string file = dir.file(name);
  std::filesystem::create_directories(std::filesystem::path(file).parent_path());
  writeFile(file, bytes);
  return file;
}

std::string IndexerFixture::tree() const {
  std::string text;
  menu.tab(0).Nodes.forEachInPageOrder([&text](const TreeNode& node, int level) {
    text += std::string(static_cast<std::size_t>(level) * 2, ' ') + node.Text + " |" + node.Data.StatusText + " ->" +
            node.Data.URL1 + "\n";
  });
  return shortened(text);
}

std::string IndexerFixture::log() const {
  std::string text;
  for (const std::string& line : indexer->state().log.lines()) text += line + "\n";
  return shortened(text);
}

std::string IndexerFixture::shortened(std::string text) const {
  for (const auto& [from, to] : abbreviations) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
      text.replace(at, from.size(), to);
    }
  }
  return text;
}

}  // namespace quillon::testing
