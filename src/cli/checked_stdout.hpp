#pragma once
// The standard output of quillon-cli, written straight to the descriptor so
// that a failed write keeps its cause ("No space left on device") for the
// command to report.
#include <array>
#include <streambuf>
#include <string>

namespace quillon::cli {

class CheckedStdout : public std::streambuf {
 public:
  CheckedStdout();
  ~CheckedStdout() override;
  CheckedStdout(const CheckedStdout&) = delete;
  CheckedStdout& operator=(const CheckedStdout&) = delete;

  // Writes what is buffered; the cause of the first failed write, or empty.
  std::string finish();

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool writeBuffered();

  std::array<char, 1 << 16> buffer_{};
  std::streambuf* previous_ = nullptr;
  int error_ = 0;
};

}  // namespace quillon::cli
