#include "app/demo_copy.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "format/atomic_file.hpp"

namespace quillon {

namespace fs = std::filesystem;

namespace {

bool sameFile(const fs::path& shipped, const fs::path& copy) {
  std::error_code error;
  if (!fs::is_regular_file(fs::symlink_status(copy, error))) return false;
  return fs::file_size(shipped, error) == fs::file_size(copy, error) && !error &&
         fs::last_write_time(shipped, error) == fs::last_write_time(copy, error) && !error;
}

// Copies whole or not at all, so that a second window never reads half a file;
// the copy takes the shipped file's time, by which it is known to be current.
std::optional<std::string> copyFile(const fs::path& shipped, const fs::path& copy) {
  const int source = ::open(shipped.c_str(), O_RDONLY | O_CLOEXEC);
  if (source < 0) return errorText(errno);
  std::string cause;
  const std::string temp = writeTempFileFor(copy.string(), copyFiller(source), cause, false);
  ::close(source);
  if (temp.empty()) return cause;
  if (std::rename(temp.c_str(), copy.c_str()) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    return errorText(error);
  }
  std::error_code ignored;
  fs::last_write_time(copy, fs::last_write_time(shipped, ignored), ignored);
  return std::nullopt;
}

}  // namespace

std::optional<std::string> refreshDemoCopy(const std::string& programFolder, const std::string& cacheFolder,
                                           std::string& problem) {
  const fs::path shipped = fs::path(programFolder) / "files";
  const fs::path copy = fs::path(cacheFolder) / "demo";
  const auto fail = [&problem](const fs::path& file, const std::string& cause) {
    problem = "The demonstration cannot be copied to " + file.string() + "\n" + cause;
    return std::nullopt;
  };
  std::error_code error;
  fs::create_directories(copy, error);
  if (error) return fail(copy, error.message());
  fs::recursive_directory_iterator entry(shipped, fs::directory_options::skip_permission_denied, error);
  for (; !error && entry != fs::recursive_directory_iterator(); entry.increment(error)) {
    const fs::path target = copy / entry->path().lexically_relative(shipped);
    std::error_code kind;
    if (entry->is_directory(kind)) {
      fs::create_directories(target, error);
      if (error) return fail(target, error.message());
    } else if (entry->is_regular_file(kind) && !sameFile(entry->path(), target)) {
      if (auto cause = copyFile(entry->path(), target)) return fail(target, *cause);
    }
  }
  if (error) return fail(shipped, error.message());
  return (copy / kDemoPageName).string();
}

}  // namespace quillon
