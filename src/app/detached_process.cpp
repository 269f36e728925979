#include "app/detached_process.hpp"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

extern char** environ;

namespace quillon {

namespace {

std::vector<char*> argumentVector(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  return argv;
}

bool isExecutableFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

// The PATH search happens before forking, where looking things up is safe.
std::string findExecutable(const std::string& name) {
  if (name.find('/') != std::string::npos) return isExecutableFile(name) ? name : std::string();
  const char* path = std::getenv("PATH");
  const std::string folders = path == nullptr ? "/usr/local/bin:/usr/bin:/bin" : path;
  std::size_t start = 0;
  while (start <= folders.size()) {
    std::size_t end = folders.find(':', start);
    if (end == std::string::npos) end = folders.size();
    const std::string folder = end == start ? "." : folders.substr(start, end - start);
    const std::string candidate = folder + "/" + name;
    if (isExecutableFile(candidate)) return candidate;
    start = end + 1;
  }
  return {};
}

void closeQuietly(int fd) {
  if (fd >= 0) ::close(fd);
}

int waitFor(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return status;
}

}  // namespace

bool startDetached(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return false;
  const std::string program = findExecutable(arguments.front());
  if (program.empty()) return false;
  std::vector<char*> argv = argumentVector(arguments);

  // The grandchild writes its errno here when exec fails; a successful exec
  // closes the pipe (close-on-exec) without a word.
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return false;
  const pid_t child = ::fork();
  if (child < 0) {
    closeQuietly(report[0]);
    closeQuietly(report[1]);
    return false;
  }
  if (child == 0) {
    ::setsid();
    const pid_t grandchild = ::fork();
    if (grandchild > 0) ::_exit(0);
    if (grandchild == 0) ::execv(program.c_str(), argv.data());
    // Reached when the second fork or the exec failed.
    const int error = errno;
    [[maybe_unused]] const ssize_t written = ::write(report[1], &error, sizeof error);
    ::_exit(127);
  }
  closeQuietly(report[1]);
  waitFor(child);  // the middle process ends at once; the grandchild is adopted by init
  int error = 0;
  ssize_t got = 0;
  do {
    got = ::read(report[0], &error, sizeof error);
  } while (got < 0 && errno == EINTR);
  closeQuietly(report[0]);
  return got == 0;
}

std::optional<std::string> runForOutput(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return std::nullopt;
  int output[2];
  if (::pipe2(output, O_CLOEXEC) != 0) return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  std::vector<char*> argv = argumentVector(arguments);
  pid_t pid = 0;
  const int spawned = ::posix_spawnp(&pid, argv.front(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  closeQuietly(output[1]);
  if (spawned != 0) {
    closeQuietly(output[0]);
    return std::nullopt;
  }
  std::string text;
  char buffer[4096];
  for (;;) {
    const ssize_t got = ::read(output[0], buffer, sizeof buffer);
    if (got > 0) text.append(buffer, static_cast<std::size_t>(got));
    else if (got == 0 || errno != EINTR) break;
  }
  closeQuietly(output[0]);
  const int status = waitFor(pid);
  if (status < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return text;
}

}  // namespace quillon
