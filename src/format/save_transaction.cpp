#include "format/save_transaction.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "format/atomic_file.hpp"

namespace quillon {

namespace {

const char* const kSavingFailure = "An error has occured while saving ";

}  // namespace

std::string savingFailure(const std::string& path, const std::string& cause) { return kSavingFailure + path + "\n" + cause; }

SaveTransaction::~SaveTransaction() {
  if (committed_) return;
  for (const auto& file : staged_) ::unlink(file.temp.c_str());
  if (!last_.temp.empty()) ::unlink(last_.temp.c_str());
  for (auto folder = madeFolders_.rbegin(); folder != madeFolders_.rend(); ++folder) ::rmdir(folder->c_str());
}

bool SaveTransaction::fail(const std::string& text, const std::string& path, const std::string& cause) {
  if (failure_.empty()) failure_ = text + path + "\n" + cause;
  return false;
}

bool SaveTransaction::makeFolder(const std::string& folder, const std::string& failureText) {
  if (failed()) return false;
  std::string path;
  for (std::size_t at = 0; at < folder.size();) {
    std::size_t next = folder.find('/', at + 1);
    if (next == std::string::npos) next = folder.size();
    path = folder.substr(0, next);
    at = next;
    if (path.empty() || path.back() == '/') continue;
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
      if (!S_ISDIR(info.st_mode)) return fail(failureText, folder, errorText(ENOTDIR));
      continue;
    }
    if (::mkdir(path.c_str(), 0777) != 0) return fail(failureText, folder, errorText(errno));
    madeFolders_.push_back(path);
  }
  return true;
}

bool SaveTransaction::stage(const std::string& path, const std::string& bytes) {
  if (failed()) return false;
  std::string cause;
  std::string temp = writeTempFileFor(path, bytesFiller(bytes), cause);
  if (temp.empty()) return fail(kSavingFailure, path, cause);
  staged_.push_back({std::move(temp), path});
  return true;
}

bool SaveTransaction::stageCopy(const std::string& from, const std::string& path) {
  if (failed()) return false;
  const int source = ::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  struct stat info {};
  if (source < 0 || ::fstat(source, &info) != 0 || !S_ISREG(info.st_mode)) {
    const int error = source < 0 ? errno : EINVAL;
    if (source >= 0) ::close(source);
    return fail(kSavingFailure, path, from + ": " + errorText(error));
  }
  std::string cause;
  // Copies are not synced one by one: each save copies the applet files
  // again, and a picture a power cut left empty is replaced by the next save.
  std::string temp = writeTempFileFor(path, copyFiller(source), cause, false);
  ::close(source);
  if (temp.empty()) return fail(kSavingFailure, path, cause);
  staged_.push_back({std::move(temp), path});
  return true;
}

void SaveTransaction::stageLast(const std::string& path, const FileFiller& fill) {
  std::string cause;
  last_ = {writeTempFileFor(path, fill, cause), path};
  if (last_.temp.empty()) lastFailure_ = savingFailure(path, cause);
}

bool SaveTransaction::commit() {
  if (failed()) return false;
  if (!lastFailure_.empty()) {
    failure_ = lastFailure_;
    return false;
  }
  if (!last_.target.empty()) staged_.push_back(std::move(last_));
  last_ = {};
  // Back to back, so a kill finds the files either all old or, for the last
  // few renames only, some already new.
  for (const auto& file : staged_) {
    if (std::rename(file.temp.c_str(), file.target.c_str()) != 0) {
      return fail(kSavingFailure, file.target, errorText(errno));
    }
  }
  committed_ = true;
  return true;
}

}  // namespace quillon
