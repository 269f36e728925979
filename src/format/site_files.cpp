#include "format/site_files.hpp"

#include <filesystem>

#include "format/applet_files.hpp"
#include "format/text_helpers.hpp"

namespace quillon {

namespace fs = std::filesystem;

namespace {

void createFolder(const std::string& folder, const std::string& failureText, UserInterface& ui) {
  std::error_code error;
  if (fs::is_directory(folder, error)) return;
  // One level only, as the site's own folders are expected to exist.
  if (!fs::create_directory(folder, error)) ui.message(MessageKind::Error, failureText + folder);
}

void copyFile(const std::string& from, const std::string& to, bool overwrite) {
  std::error_code error;
  if (!fs::is_regular_file(from, error)) return;
  if (fs::exists(to, error) && fs::equivalent(from, to, error)) return;
  fs::copy_file(from, to, overwrite ? fs::copy_options::overwrite_existing : fs::copy_options::skip_existing, error);
}

}  // namespace

void CopySiteFiles(const SiteFilesInput& input, UserInterface& ui) {
  const SiteLayout& layout = input.layout;
  const TAppletSettings& settings = input.settings;
  createFolder(layout.classFolder, "Error creating class directory: ", ui);
  createFolder(layout.imageFolder, "Error creating image directory: ", ui);

  const std::string source = input.programFolder + kAppletSourceFolder;
  const AppletNames names = appletNamesFor(settings.Kind);
  for (const char* name : {names.code, names.archive}) copyFile(source + name, layout.classFolder + name, true);
  for (const char* name : kSupportClasses) copyFile(source + name, layout.classFolder + name, true);
  if (!settings.ClickSound.empty()) copyFile(settings.ClickSound, layout.classFolder + settings.ClickSoundName, true);
  if (!settings.OverSound.empty()) copyFile(settings.OverSound, layout.classFolder + settings.OverSoundName, true);
  if (settings.ProxyEnhanced) return;
  for (const auto& image : input.copyList) copyFile(image, layout.imageFolder + extractFileName(image), false);
}

}  // namespace quillon
