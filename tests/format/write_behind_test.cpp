#include "format/write_behind.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace quillon {
namespace {

std::string fileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The pieces are handed over from one buffer the caller keeps refilling, and
// written by another thread: each must reach the file whole, once, in order.
TEST(WriteBehind, PiecesReachTheFileWholeAndInOrder) {
  const auto path = std::filesystem::temp_directory_path() / ("quillon-write-behind-" + std::to_string(::getpid()));
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ASSERT_GE(fd, 0);
  std::string expected;
  {
    WriteBehind writer(fd);
    std::string text;
    for (int piece = 0; piece < 300; ++piece) {
      // Sizes from empty to larger than a pipe's or a page's.
      const std::size_t size = static_cast<std::size_t>(piece * 7919 % 90001);
      text.assign(size, static_cast<char>('a' + piece % 26));
      text += std::to_string(piece) + "\n";
      expected += text;
      writer.write(text);
      EXPECT_TRUE(text.empty()) << piece;
    }
    EXPECT_EQ(writer.finish(), 0);
  }
  ::close(fd);
  EXPECT_TRUE(fileText(path) == expected) << "the file differs from the pieces joined";
  std::filesystem::remove(path);
}

TEST(WriteBehind, AFailedWriteIsWhatFinishReturns) {
  struct Case {
    const char* file;
    int flags;
    int error;
  };
  for (const Case& c : {Case{"/dev/full", O_WRONLY, ENOSPC}, Case{"/dev/null", O_RDONLY, EBADF}}) {
    const int fd = ::open(c.file, c.flags);
    ASSERT_GE(fd, 0) << c.file;
    WriteBehind writer(fd);
    for (int piece = 0; piece < 5; ++piece) {
      std::string text(1000, 'x');
      writer.write(text);
    }
    EXPECT_EQ(writer.finish(), c.error) << c.file;
    ::close(fd);
  }
}

}  // namespace
}  // namespace quillon
