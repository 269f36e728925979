#include "indexer/download_folder.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <streambuf>

namespace quillon {

namespace fs = std::filesystem;

namespace {

constexpr const char* kDefaultName = "document.htm";

// An output buffer over a file descriptor it owns.
class FileDescriptorBuffer : public std::streambuf {
 public:
  explicit FileDescriptorBuffer(int fd) : fd_(fd) {}
  ~FileDescriptorBuffer() override { close(); }

  bool close() {
    if (fd_ < 0) return !failed_;
    failed_ = ::close(fd_) != 0 || failed_;
    fd_ = -1;
    return !failed_;
  }

 protected:
  std::streamsize xsputn(const char* data, std::streamsize count) override {
    std::streamsize written = 0;
    while (written < count) {
      const ssize_t n = ::write(fd_, data + written, static_cast<std::size_t>(count - written));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        failed_ = true;
        break;
      }
      written += n;
    }
    return written;
  }

  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char byte = traits_type::to_char_type(c);
    return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
  }

 private:
  int fd_;
  bool failed_ = false;
};

class DescriptorDownloadFile : public DownloadFile {
 public:
  DescriptorDownloadFile(int fd, std::string path) : buffer_(fd), stream_(&buffer_), path_(std::move(path)) {}
  std::ostream& stream() override { return stream_; }
  bool close() override { return buffer_.close() && static_cast<bool>(stream_); }
  const std::string& path() const override { return path_; }

 private:
  FileDescriptorBuffer buffer_;
  std::ostream stream_;
  std::string path_;
};

}  // namespace

std::string storedDocumentName(const std::string& documentName) {
  const bool unsafe = documentName.empty() || documentName == "." || documentName == ".." ||
                      documentName.find_first_of(std::string("/\0", 2)) != std::string::npos;
  return unsafe ? kDefaultName : documentName;
}

std::unique_ptr<DownloadFolder> DownloadFolder::makeIn(const std::string& cacheFolder, std::string& problem) {
  std::error_code error;
  fs::create_directories(cacheFolder, error);
  std::string pattern = cacheFolder + "/crawl-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) {
    problem = "The scratch folder of the crawl cannot be made in " + cacheFolder + ": " + std::strerror(errno);
    return nullptr;
  }
  return std::unique_ptr<DownloadFolder>(new DownloadFolder(pattern));
}

DownloadFolder::~DownloadFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::unique_ptr<DownloadFile> DownloadFolder::create(const std::string& documentName, std::string& problem,
                                                     std::size_t number) const {
  const std::string prefix = number > 0 ? std::to_string(number) + "-" : std::string();
  const std::string path = path_ + "/" + prefix + storedDocumentName(documentName);
  std::error_code error;
  // An earlier download of that name goes; a folder of that name stays and fails the open.
  if (!fs::is_directory(fs::symlink_status(path, error))) fs::remove(path, error);
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) {
    problem = "The page cannot be stored in " + path + ": " + std::strerror(errno);
    return nullptr;
  }
  return std::make_unique<DescriptorDownloadFile>(fd, path);
}

std::string userCacheFolder() {
  const char* cache = std::getenv("XDG_CACHE_HOME");
  if (cache != nullptr && cache[0] == '/') return std::string(cache) + "/quillon";
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : "") + "/.cache/quillon";
}

std::string indexerTempFolder() { return userCacheFolder() + "/temp"; }

}  // namespace quillon
