#include "format/site_files.hpp"

#include <filesystem>
#include <set>

#include "format/applet_files.hpp"
#include "format/text_helpers.hpp"

namespace quillon {

namespace fs = std::filesystem;

namespace {

enum class Existing { Replace, Keep };

void copyFile(const std::string& from, const std::string& to, Existing existing, SaveTransaction& save) {
  std::error_code error;
  if (!fs::is_regular_file(from, error)) return;
  if (fs::exists(to, error) && fs::equivalent(from, to, error)) return;
  // An empty file is no one's picture: a copy cut short by a full disk once.
  const bool kept = fs::is_regular_file(to, error) && fs::file_size(to, error) > 0;
  if (existing == Existing::Keep && kept) return;
  save.stageCopy(from, to);
}

}  // namespace

bool CopySiteFiles(const SiteFilesInput& input, SaveTransaction& save) {
  const SiteLayout& layout = input.layout;
  const TAppletSettings& settings = input.settings;
  save.makeFolder(layout.classFolder, "Error creating class directory: ");
  save.makeFolder(layout.imageFolder, "Error creating image directory: ");

  const std::string source = input.programFolder + kAppletSourceFolder;
  const AppletNames names = appletNamesFor(settings.Kind);
  auto replace = [&save](const std::string& from, const std::string& to) { copyFile(from, to, Existing::Replace, save); };
  for (const char* name : {names.code, names.archive}) replace(source + name, layout.classFolder + name);
  for (const char* name : kSupportClasses) replace(source + name, layout.classFolder + name);
  if (!settings.ClickSound.empty()) replace(settings.ClickSound, layout.classFolder + settings.ClickSoundName);
  if (!settings.OverSound.empty()) replace(settings.OverSound, layout.classFolder + settings.OverSoundName);
  if (!settings.ProxyEnhanced) {
    // Of two pictures with one name the first is kept, as for one already in the site.
    std::set<std::string> targets;
    for (const auto& image : input.copyList) {
      const std::string target = layout.imageFolder + extractFileName(image);
      if (targets.insert(target).second) copyFile(image, target, Existing::Keep, save);
    }
  }
  return !save.failed();
}

}  // namespace quillon
