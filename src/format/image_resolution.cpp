#include "format/image_resolution.hpp"

#include <filesystem>

#include "format/text_helpers.hpp"

namespace quillon {

namespace {

const char* const kImageTitle = "Cannot find image, please browse for File ...";
const char* const kImageFilter = "Image files (*.gif, *.jpg)|*.gif;*.jpg|All Files|*.*";
const char* const kSoundTitle = "Cannot find sound, please browse for File ...";
const char* const kSoundFilter = "Sound files (*.au)|*.au";

bool fileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::string FileResolver::askForFile(const std::string& path, const char* title, const char* filter) {
  FileDialogRequest request;
  request.title = title;
  request.filter = filter;
  request.fileName = extractFileName(path);
  request.initialDir = extractFilePath(path);
  request.fileMustExist = true;
  return ui_.openFile(request).value_or("");
}

int FileResolver::addImage(const std::string& path) {
  if (int listed = menu_.Images.indexOf(path); listed >= 0) return listed;
  if (unresolved_.contains(path)) return -1;
  std::string found = path;
  DocumentState& document = menu_.Document;
  if (!fileExists(found)) {
    const std::string inLastFolder =
        document.LastImageDir.empty() ? "" : joinPath(document.LastImageDir, extractFileName(path));
    if (!inLastFolder.empty() && fileExists(inLastFolder)) {
      found = inLastFolder;
    } else if (std::string picked = askForFile(path, kImageTitle, kImageFilter); !picked.empty()) {
      found = picked;
      document.LastImageDir = extractFilePath(picked);
    }
  }
  if (!fileExists(found)) {
    unresolved_.insert(path);
    ui_.message(MessageKind::Error, "An error occured while trying to open " + path);
    return -1;
  }
  return menu_.Images.AddImage(found);
}

std::string FileResolver::backgroundImage(const std::string& path) {
  if (fileExists(path)) return path;
  std::string picked = askForFile(path, kImageTitle, kImageFilter);
  return picked.empty() ? path : picked;
}

std::string FileResolver::sound(const std::string& path) {
  if (fileExists(path)) return path;
  std::string picked = askForFile(path, kSoundTitle, kSoundFilter);
  return picked.empty() ? path : picked;
}

}  // namespace quillon
