#include "cli/checked_stdout.hpp"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

namespace quillon::cli {

CheckedStdout::CheckedStdout() {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  previous_ = std::cout.rdbuf(this);
}

CheckedStdout::~CheckedStdout() {
  writeBuffered();
  std::cout.rdbuf(previous_);
}

bool CheckedStdout::writeBuffered() {
  const char* next = pbase();
  while (next < pptr() && error_ == 0) {
    const ssize_t written = ::write(STDOUT_FILENO, next, static_cast<std::size_t>(pptr() - next));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error_ = written < 0 ? errno : EIO;
      break;
    }
    next += written;
  }
  // Once a write failed the rest is dropped: the command fails anyway.
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return error_ == 0;
}

CheckedStdout::int_type CheckedStdout::overflow(int_type c) {
  if (!writeBuffered()) return traits_type::eof();
  if (!traits_type::eq_int_type(c, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
  }
  return traits_type::not_eof(c);
}

int CheckedStdout::sync() { return writeBuffered() ? 0 : -1; }

std::string CheckedStdout::finish() {
  writeBuffered();
  return error_ == 0 ? "" : std::strerror(error_);
}

}  // namespace quillon::cli
