#pragma once
// The local files mode: each chosen file becomes one node on the level of the
// selected node, in the order chosen.
#include <string>
#include <vector>

#include "indexer/indexer_settings.hpp"
#include "indexer/indexer_state.hpp"
#include "indexer/site_crawl.hpp"
#include "indexer/tree_nodes.hpp"
#include "model/menu_model.hpp"
#include "ports/user_interface.hpp"

namespace quillon {

struct LocalFilesSurroundings {
  UserInterface& ui;
  MenuModel& menu;
  IndexerState& state;
  LinkPathFor linkPath;
};

// Adds the files, then says "Files successfully added"; any unexpected failure
// says "An Error occoured" and keeps the nodes added so far. The folder of
// each file goes into settings.LocalDir. False after a failure.
bool addLocalFiles(const std::vector<std::string>& files, LocalFilesSettings& settings,
                   LocalFilesSurroundings& surroundings);

// The node of one file, as the settings describe it.
NewNode localFileNode(const std::string& file, const LocalFilesSettings& settings, const LinkPathFor& linkPath);

}  // namespace quillon
