#include "format/site_paths.hpp"

#include <algorithm>
#include <filesystem>

#include "format/site_layout.hpp"
#include "format/text_helpers.hpp"

namespace quillon {

namespace fs = std::filesystem;

namespace {

std::string withSlashes(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

// Both normalised; "a/b/" counts as "a/b".
bool within(const fs::path& folder, const fs::path& path) {
  auto names = [](const fs::path& p) {
    fs::path normal = p.lexically_normal();
    if (!normal.empty() && !normal.has_filename() && normal != normal.root_path()) normal = normal.parent_path();
    return normal;
  };
  const fs::path base = names(folder);
  const fs::path inner = names(path);
  return std::mismatch(base.begin(), base.end(), inner.begin(), inner.end()).first == base.end();
}

// A NUL would end the path early for the system, after the checks saw all of it.
bool hasNul(const std::string& text) { return text.find('\0') != std::string::npos; }

std::optional<std::string> folderRefusal(const std::string& pagePath, const std::string& folder, const char* what) {
  if (isPageFolderSetting(folder)) return std::nullopt;
  if (isSiteRelativeFolder(folder) && isInsideSite(extractFilePath(pagePath), resolveSiteFolder(pagePath, folder))) {
    return std::nullopt;
  }
  return std::string("The ") + what + " \"" + withForwardSlashes(folder) +
         "\" lies outside the page's folder,\nso nothing was saved.";
}

}  // namespace

bool isSiteRelativeFolder(const std::string& folder) {
  const std::string path = withSlashes(folder);
  if (path.empty() || path == "/") return true;
  if (hasNul(path) || path.front() == '/' || (path.size() >= 2 && path[1] == ':')) return false;
  int depth = 0;
  for (const auto& name : fs::path(path)) {
    if (name == "..") {
      if (--depth < 0) return false;
    } else if (!name.empty() && name != ".") {
      ++depth;
    }
  }
  return true;
}

bool isPlainFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos &&
         !hasNul(name);
}

bool isInsideSite(const std::string& siteFolder, const std::string& path) {
  if (hasNul(path) || hasNul(siteFolder)) return false;
  if (!within(withSlashes(siteFolder), withSlashes(path))) return false;
  // Links are followed as the system would follow them when the file is opened.
  std::error_code error;
  const fs::path realFolder = fs::weakly_canonical(siteFolder, error);
  if (error) return false;
  const fs::path realPath = fs::weakly_canonical(path, error);
  return !error && within(realFolder, realPath);
}

std::optional<std::string> siteWriteRefusal(const std::string& pagePath, const TAppletSettings& settings) {
  if (auto refused = folderRefusal(pagePath, settings.Codebase, "class file directory")) return refused;
  if (auto refused = folderRefusal(pagePath, settings.ImageDir, "image directory")) return refused;
  for (const std::string* name : {&settings.ClickSoundName, &settings.OverSoundName}) {
    if (!name->empty() && !isPlainFileName(*name)) {
      return "The sound name \"" + *name + "\" is not a plain file name,\nso nothing was saved.";
    }
  }
  return std::nullopt;
}

}  // namespace quillon
