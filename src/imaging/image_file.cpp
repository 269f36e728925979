#include "imaging/image_file.hpp"

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "imaging/gif_decoder.hpp"
#include "imaging/jpeg_decoder.hpp"

namespace quillon {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

bool startsWith(const unsigned char* bytes, std::size_t length, const char* prefix) {
  const std::size_t prefixLength = std::strlen(prefix);
  return length >= prefixLength && std::memcmp(bytes, prefix, prefixLength) == 0;
}

}  // namespace

std::optional<Bitmap> loadImageFile(const std::string& path) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return std::nullopt;
  unsigned char signature[6] = {};
  const std::size_t length = std::fread(signature, 1, sizeof signature, file.get());
  if (std::fseek(file.get(), 0, SEEK_SET) != 0) return std::nullopt;

  // A picture within the size limit may still not fit in memory; that is a
  // picture we cannot load, not a reason to stop the program.
  try {
    if (startsWith(signature, length, "GIF87a") || startsWith(signature, length, "GIF89a")) {
      return decodeGif(file.get());
    }
    if (startsWith(signature, length, "\xFF\xD8")) return decodeJpeg(file.get());
  } catch (const std::bad_alloc&) {
  }
  return std::nullopt;
}

}  // namespace quillon
