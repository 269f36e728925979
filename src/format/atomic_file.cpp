#include "format/atomic_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace quillon {

namespace {

bool writeAll(int fd, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    written += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

bool writeFileAtomically(const std::string& path, const std::string& bytes) {
  std::vector<char> temp(path.begin(), path.end());
  const std::string suffix = ".quillon-XXXXXX";
  temp.insert(temp.end(), suffix.begin(), suffix.end());
  temp.push_back('\0');
  int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;

  // A replaced file keeps its permissions; a new one gets the usual ones.
  struct stat existing {};
  mode_t mode = 0666;
  if (::stat(path.c_str(), &existing) == 0) {
    mode = existing.st_mode & 07777;
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode &= ~mask;
  }
  bool ok = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = std::rename(temp.data(), path.c_str()) == 0;
  if (!ok) ::unlink(temp.data());
  return ok;
}

}  // namespace quillon
