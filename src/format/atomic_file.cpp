#include "format/atomic_file.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "format/text_helpers.hpp"

namespace quillon {

namespace {

constexpr const char* kTempMark = ".quillon-";
constexpr std::size_t kRandomPart = 6;  // the XXXXXX of mkstemp
// Keeps "." + name + mark + pid + random within a file name's 255 bytes.
constexpr std::size_t kNamePartLimit = 200;

// A replaced regular file keeps its permissions; anything else gets the usual ones.
mode_t modeFor(const std::string& target) {
  struct stat existing {};
  if (::lstat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) return existing.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool isAlnum(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The process that made a temporary file, from its name; 0 for the older form without one.
pid_t ownerOf(const std::string& name) {
  const std::size_t mark = name.rfind(kTempMark);
  const std::string rest = name.substr(mark + std::strlen(kTempMark));
  const std::size_t dash = rest.find('-');
  if (dash == std::string::npos) return 0;
  return static_cast<pid_t>(std::stol(rest.substr(0, dash)));
}

bool isRunning(pid_t pid) {
  if (pid == ::getpid()) return true;
  return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

}  // namespace

std::string errorText(int error) { return std::strerror(error); }

int writeAllTo(int fd, std::string_view bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    written += static_cast<std::size_t>(n);
  }
  return 0;
}

int writeAheadOfSync(int fd, std::string_view bytes) {
  if (int error = writeAllTo(fd, bytes)) return error;
  // Only a hint: where the system cannot start early, the sync still does it all.
  ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
  return 0;
}

FileFiller bytesFiller(const std::string& bytes) {
  return [&bytes](int fd) { return writeAllTo(fd, bytes); };
}

FileFiller copyFiller(int sourceFd) {
  return [sourceFd](int fd) {
    std::vector<char> buffer(1 << 16);
    for (;;) {
      const ssize_t n = ::read(sourceFd, buffer.data(), buffer.size());
      if (n == 0) return 0;
      if (n < 0) {
        if (errno == EINTR) continue;
        return errno;
      }
      if (int error = writeAllTo(fd, {buffer.data(), static_cast<std::size_t>(n)})) return error;
    }
  };
}

int openTempFileFor(const std::string& target, std::string& path, std::string& cause) {
  struct stat existing {};
  if (::lstat(target.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode)) {
    cause = errorText(EISDIR);
    return -1;
  }
  // Hidden, and named after the target and this process, so a later save
  // knows it for one of ours and whether its save may still be running.
  const std::string name = extractFileName(target).substr(0, kNamePartLimit);
  std::string pattern = extractFilePath(target) + "." + name + kTempMark + std::to_string(::getpid()) + "-" +
                        std::string(kRandomPart, 'X');
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) {
    cause = errorText(errno);
    return -1;
  }
  if (::fchmod(fd, modeFor(target)) != 0) {
    cause = errorText(errno);
    ::close(fd);
    ::unlink(pattern.c_str());
    return -1;
  }
  path = std::move(pattern);
  return fd;
}

std::string writeTempFileFor(const std::string& target, const FileFiller& fill, std::string& cause, bool sync) {
  std::string pattern;
  const int fd = openTempFileFor(target, pattern, cause);
  if (fd < 0) return {};
  int error = fill(fd);
  if (!error && sync && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && !error) error = errno;
  if (error) {
    ::unlink(pattern.c_str());
    cause = errorText(error);
    return {};
  }
  return pattern;
}

bool writeFileAtomically(const std::string& path, const std::string& bytes) {
  return fillFileAtomically(path, bytesFiller(bytes));
}

bool fillFileAtomically(const std::string& path, const FileFiller& fill) {
  std::string cause;
  const std::string temp = writeTempFileFor(path, fill, cause);
  if (temp.empty()) return false;
  if (std::rename(temp.c_str(), path.c_str()) == 0) return true;
  ::unlink(temp.c_str());
  return false;
}

bool isTempFileName(const std::string& name) {
  const std::size_t mark = name.rfind(kTempMark);
  if (mark == std::string::npos || mark == 0) return false;
  const std::string rest = name.substr(mark + std::strlen(kTempMark));
  if (rest.size() < kRandomPart) return false;
  for (std::size_t i = rest.size() - kRandomPart; i < rest.size(); ++i) {
    if (!isAlnum(rest[i])) return false;
  }
  if (rest.size() == kRandomPart) return true;  // the older form, "page.htm.quillon-XXXXXX"
  const std::string pid = rest.substr(0, rest.size() - kRandomPart - 1);
  if (name[0] != '.' || rest[rest.size() - kRandomPart - 1] != '-' || pid.empty() || pid.size() > 10) return false;
  for (char c : pid) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

void removeLeftoverTempFiles(const std::string& folder) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return;
  std::vector<std::string> leftovers;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (isTempFileName(name) && !isRunning(ownerOf(name))) leftovers.push_back(name);
  }
  ::closedir(dir);
  for (const auto& name : leftovers) {
    const std::string path = folder + name;
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) ::unlink(path.c_str());
  }
}

}  // namespace quillon
