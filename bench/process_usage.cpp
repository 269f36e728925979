// Runs a command and prints what the whole process cost: CPU time (user plus
// system, in microseconds), peak resident memory (KiB, as `time -v` gives it)
// and the exit status. Standard streams are the command's own.
//
// process_usage COMMAND [ARGS...]   ->   "CPU_US MAX_RSS_KIB STATUS"
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: process_usage COMMAND [ARGS...]\n");
    return 2;
  }
  const pid_t child = fork();
  if (child < 0) return 1;
  if (child == 0) {
    execvp(argv[1], argv + 1);
    std::perror(argv[1]);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return 1;
  const auto micros = [](const timeval& t) { return static_cast<long long>(t.tv_sec) * 1000000 + t.tv_usec; };
  const int exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  std::fprintf(stderr, "%lld %ld %d\n", micros(usage.ru_utime) + micros(usage.ru_stime), usage.ru_maxrss, exitStatus);
  return 0;
}
