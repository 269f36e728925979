#include "app/location_choice.hpp"

#include "format/site_layout.hpp"
#include "format/text_helpers.hpp"

namespace quillon {

namespace {

// A folder that cannot be reached from the page without going up first, or
// that could not be related to it at all (another drive, no page path).
bool outsidePageFolder(const std::string& relative) {
  return relative.rfind("..", 0) == 0 || relative.rfind('/', 0) == 0 || (relative.size() >= 2 && relative[1] == ':');
}

bool containsClassLocation(const std::string& folder, const std::string& codebase) {
  return isPageFolderSetting(codebase) || posNoCase(codebase, folder) > 0;
}

// The picker, from the folder a setting names.
std::optional<std::string> pickFolder(UserInterface& ui, const char* title, const std::string& pagePath,
                                      const std::string& setting) {
  return ui.chooseFolder(title, resolveSiteFolder(pagePath, setting));
}

}  // namespace

std::optional<std::string> pageRelativeFolder(const std::string& pagePath, const std::string& chosenFolder) {
  // Relating a file inside the folder gives the folder part with its separator.
  const std::string relative = extractFilePath(relativePath(pagePath, joinPath(chosenFolder, "x")));
  if (outsidePageFolder(relative)) return std::nullopt;
  return relative.empty() ? "/" : relative;
}

bool chooseClassLocation(TAppletSettings& settings, const std::string& pagePath, UserInterface& ui) {
  while (auto chosen = pickFolder(ui, "Select location for class files", pagePath, settings.Codebase)) {
    if (auto folder = pageRelativeFolder(pagePath, *chosen)) {
      settings.Codebase = *folder;
      settings.ImageDir = *folder;
      return true;
    }
    ui.message(MessageKind::Error, kClassLocationRefused);
  }
  return false;
}

bool chooseImageLocation(TAppletSettings& settings, const std::string& pagePath, UserInterface& ui) {
  // Images kept apart from the class files start the picker in the class folder.
  const bool imagesBelowClasses =
      !settings.ImageDir.empty() && containsClassLocation(settings.ImageDir, settings.Codebase);
  const std::string start = imagesBelowClasses ? settings.ImageDir : settings.Codebase;
  while (auto chosen = pickFolder(ui, "Select location for image files", pagePath, start)) {
    auto folder = pageRelativeFolder(pagePath, *chosen);
    if (folder && containsClassLocation(*folder, settings.Codebase)) {
      settings.ImageDir = *folder;
      return true;
    }
    ui.message(MessageKind::Error, kImageLocationRefused);
  }
  return false;
}

}  // namespace quillon
