#include "app/new_applet_wizard.hpp"

#include <algorithm>
#include <filesystem>

#include "format/text_helpers.hpp"

namespace quillon {

namespace fs = std::filesystem;

namespace {

bool fileExists(const std::string& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

}  // namespace

std::string themeFolder(const std::string& programFolder, TAppletKind kind) {
  switch (kind) {
    case akTab: return programFolder + "themes/tab/";
    case akTree: return programFolder + "themes/tree/";
    case akTabTree: break;
  }
  return programFolder + "themes/tabtree/";
}

std::vector<std::string> listThemes(const std::string& kindFolder) {
  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator it(kindFolder, error);
  if (error) return names;
  for (const fs::directory_entry& entry : it) {
    std::error_code typeError;
    if (!entry.is_directory(typeError)) continue;
    std::string name = entry.path().filename().string();
    if (name.empty() || name[0] == '.' || name == "Normal") continue;
    names.push_back(std::move(name));
  }
  // Listing order differs between file systems; the user sees the names sorted.
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string foldedA = lowerAscii(a);
    const std::string foldedB = lowerAscii(b);
    return foldedA != foldedB ? foldedA < foldedB : a < b;
  });
  return names;
}

NewAppletWizard::NewAppletWizard(std::string programFolder, UserInterface& ui)
    : programFolder_(std::move(programFolder)), ui_(ui) {}

void NewAppletWizard::shown() {
  result_.reset();
  setThemes(checked_);
}

void NewAppletWizard::optionClicked(TAppletKind kind) {
  if (!optionVisible_[kind]) return;
  checked_ = kind;
  setThemes(kind);
}

void NewAppletWizard::setThemes(TAppletKind kind) {
  const int remembered = selected_ < 0 ? 0 : selected_;
  entries_.clear();
  if (!themeChange_) entries_.push_back(kNormalThemeEntry);
  for (std::string& name : listThemes(themeFolder(programFolder_, kind))) entries_.push_back(std::move(name));
  selected_ = remembered < static_cast<int>(entries_.size()) ? remembered : -1;
  setThemesPicture();
}

void NewAppletWizard::entryClicked(int index) {
  if (index < 0 || index >= static_cast<int>(entries_.size())) return;
  selected_ = index;
  setThemesPicture();
}

void NewAppletWizard::setThemesPicture() {
  for (auto& picture : pictures_) picture.reset();
  if (selected_ < 0) return;
  const std::string& name = entries_[static_cast<std::size_t>(selected_)];
  for (TAppletKind kind : {akTab, akTree, akTabTree}) {
    const std::string folder = themeFolder(programFolder_, kind);
    const std::string path = name == kNormalThemeEntry ? folder + "Normal/Normal.jpg" : folder + name + "/" + name + ".jpg";
    if (fileExists(path)) pictures_[kind] = path;
  }
}

bool NewAppletWizard::accept() {
  if (selected_ < 0) return false;
  WizardResult result;
  result.kind = checked_;
  const std::string& name = entries_[static_cast<std::size_t>(selected_)];
  if (name != kNormalThemeEntry) {
    const std::string page = themeFolder(programFolder_, checked_) + name + "/" + name + ".htm";
    if (fileExists(page)) {
      result.themePage = page;
    } else {
      ui_.message(MessageKind::Error, "File " + page + " missing.");
    }
  }
  result_ = result;
  return true;
}

void NewAppletWizard::beginThemeChange(TAppletKind kind) {
  optionVisible_ = {false, false, false};
  optionVisible_[kind] = true;
  checked_ = kind;
  themeChange_ = true;
}

void NewAppletWizard::endThemeChange() {
  optionVisible_ = {false, false, false};
  themeChange_ = false;
}

}  // namespace quillon
