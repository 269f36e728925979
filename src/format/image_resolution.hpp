#pragma once
// Finds the files a page names when they are not where the page says: the
// folder where the user last found one is tried, then the user is asked.
#include <set>
#include <string>

#include "model/menu_model.hpp"
#include "ports/user_interface.hpp"

namespace quillon {

class FileResolver {
 public:
  FileResolver(MenuModel& menu, UserInterface& ui) : menu_(menu), ui_(ui) {}

  // The image's index in the menu's image list, adding it when it is a usable
  // 16 x 16 picture; -1 otherwise. A path that could not be found is asked
  // for once per read, not again for every node that names it.
  int addImage(const std::string& path);

  // The path of an existing background image: the path itself, or the file
  // the user picks; the path unchanged when nothing is picked.
  std::string backgroundImage(const std::string& path);

  // The same for a sound file.
  std::string sound(const std::string& path);

 private:
  std::string askForFile(const std::string& path, const char* title, const char* filter);

  MenuModel& menu_;
  UserInterface& ui_;
  std::set<std::string> unresolved_;
};

}  // namespace quillon
